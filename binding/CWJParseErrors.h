#ifndef WJXML_BINDING_CWJPARSEERRORS_H
#define WJXML_BINDING_CWJPARSEERRORS_H

#include <xercesc/sax/ErrorHandler.hpp>

#include <string>

// Collects the problems of one parse as lines "file:line:column: message",
// or "file: message" for a problem of the whole file. Control characters in
// the file name and the messages are written out (see printable), so every
// problem stays one line. Only the first kMaxReported problems are kept; a
// last line tells how many more there were.
class CWJParseErrors : public xercesc::ErrorHandler {
public:
    static constexpr unsigned long long kMaxReported = 100;

    void start(const std::string& fileName);
    void add(unsigned long long line, unsigned long long column, const std::string& message);
    // Forgets the problems collected so far, unless closed.
    void discard();
    // Takes no more problems until the next start: what the parser says
    // after a problem that ended the input is only about the ending.
    void close() { m_closed = true; }
    bool empty() const { return m_reported == 0; }
    const std::string& text() const;

    void warning(const xercesc::SAXParseException&) override {}
    void error(const xercesc::SAXParseException& problem) override;
    void fatalError(const xercesc::SAXParseException& problem) override;
    void resetErrors() override {}

private:
    std::string m_fileName;
    std::string m_text;
    unsigned long long m_reported = 0;
    bool m_closed = false;
    // The report with its last line, made when asked for.
    mutable std::string m_report;
    mutable unsigned long long m_reportedInReport = 0;
};

#endif
