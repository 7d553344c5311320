#ifndef IFX_CHECKREPORT_H
#define IFX_CHECKREPORT_H

#include <xercesc/dom/DOMElement.hpp>

#include <ostream>
#include <string>
#include <vector>

// The problems check finds, each tied to the line of the element it concerns.
class CheckReport {
public:
    void error(const xercesc::DOMElement* where, const std::string& message) { add(where, true, message); }
    void warning(const xercesc::DOMElement* where, const std::string& message) { add(where, false, message); }
    int errors() const { return m_errors; }
    int warnings() const { return static_cast<int>(m_findings.size()) - m_errors; }
    // "file:line: error: message" per problem, by line, then a summary.
    void print(std::ostream& out, const std::string& fileName) const;
    // {"file", "errors", "warnings", "findings": [{"line", "severity",
    // "message"}]}, the findings by line.
    void printJson(std::ostream& out, const std::string& fileName) const;

private:
    struct Finding {
        unsigned long long line;
        bool isError;
        std::string message;
    };

    void add(const xercesc::DOMElement* where, bool isError, const std::string& message);
    std::vector<Finding> byLine() const;

    std::vector<Finding> m_findings;
    int m_errors = 0;
};

#endif
