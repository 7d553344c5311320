#ifndef WJXML_TESTS_IFXRUNNER_H
#define WJXML_TESTS_IFXRUNNER_H

#include <string>
#include <vector>

// Runs the built ifx as a user would: a process with arguments, its standard
// output and standard error captured.
struct IfxRun {
    int status; // the exit status; -1 when ifx did not exit normally
    std::string out;
    std::string err;
};

IfxRun runIfx(const std::vector<std::string>& arguments);

#endif
