#ifndef WJXML_BINDING_CWJPARSEERRORS_H
#define WJXML_BINDING_CWJPARSEERRORS_H

#include <xercesc/sax/ErrorHandler.hpp>

#include <string>

// Collects the problems of one parse as lines "file:line:column: message".
class CWJParseErrors : public xercesc::ErrorHandler {
public:
    void start(const std::string& fileName);
    void add(unsigned long long line, unsigned long long column, const std::string& message);
    bool empty() const { return m_text.empty(); }
    const std::string& text() const { return m_text; }

    void warning(const xercesc::SAXParseException&) override {}
    void error(const xercesc::SAXParseException& problem) override;
    void fatalError(const xercesc::SAXParseException& problem) override;
    void resetErrors() override {}

private:
    std::string m_fileName;
    std::string m_text;
};

#endif
