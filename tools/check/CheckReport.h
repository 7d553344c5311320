#ifndef IFX_CHECKREPORT_H
#define IFX_CHECKREPORT_H

#include <xercesc/dom/DOMElement.hpp>

#include <ostream>
#include <string>
#include <vector>

// The problems check finds, each tied to the line of the element it concerns
// and keyed, "short/1f2e3d4c", by its kind and a hash of its message without
// line numbers: a key stays when lines move, so a finding can be waived.
class CheckReport {
public:
    void error(const char* kind, const xercesc::DOMElement* where, const std::string& message)
    {
        add(kind, where, true, message);
    }
    void warning(const char* kind, const xercesc::DOMElement* where, const std::string& message)
    {
        add(kind, where, false, message);
    }
    // Waives the findings whose key matches a pattern (shell wildcards);
    // returns, for each pattern, whether it matched any.
    std::vector<bool> waive(const std::vector<std::string>& patterns);
    // Not counting the waived ones.
    int errors() const { return count(true); }
    int warnings() const { return count(false); }
    // "file:line: error: message [key]" per problem, by line, then a summary.
    void print(std::ostream& out, const std::string& fileName) const;
    // {"file", "errors", "warnings", "waived", "findings": [{"line",
    // "severity", "key", "message"}]}, the findings by line.
    void printJson(std::ostream& out, const std::string& fileName) const;
    // A waiver file of the findings: each key after its finding as a comment.
    void printWaivers(std::ostream& out, const std::string& fileName) const;

private:
    struct Finding {
        unsigned long long line;
        bool isError;
        std::string key;
        std::string message;
        bool waived;
    };

    void add(const char* kind, const xercesc::DOMElement* where, bool isError, const std::string& message);
    int count(bool isError) const;
    int waived() const;
    // The findings not waived, by line.
    std::vector<Finding> byLine() const;

    std::vector<Finding> m_findings;
};

#endif
