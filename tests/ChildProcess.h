#ifndef WJXML_TESTS_CHILDPROCESS_H
#define WJXML_TESTS_CHILDPROCESS_H

#include <functional>
#include <string>

// Runs part of a test in a child process, where it may give up root or mount
// file systems without touching the test process or the machine.
class ChildProcess {
public:
    enum Mode {
        // As the test process is, for limits that would bind the whole suite.
        AsIs,
        // As the user nobody: permissions apply, as they do for a host that
        // is not root.
        Unprivileged,
        // As root, in a mount namespace of its own: what it mounts is gone
        // when it ends.
        OwnMounts,
    };

    // Runs body in a child and returns what it returned, or a description of
    // how the child failed. Returns "skipped: <why>" when the mode cannot be
    // had on this machine.
    static std::string run(Mode mode, const std::function<std::string()>& body);
};

#endif
