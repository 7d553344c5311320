#include "CWJParseErrors.h"

#include "XMLText.h"

#include <xercesc/sax/SAXParseException.hpp>

void CWJParseErrors::start(const std::string& fileName)
{
    m_fileName = fileName;
    m_text.clear();
}

void CWJParseErrors::add(unsigned long long line, unsigned long long column, const std::string& message)
{
    if (!m_text.empty())
        m_text += '\n';
    m_text += m_fileName + ':' + std::to_string(line) + ':' + std::to_string(column) + ": " + message;
}

void CWJParseErrors::error(const xercesc::SAXParseException& problem)
{
    std::string message;
    wjxml::appendUtf8(message, problem.getMessage());
    add(problem.getLineNumber(), problem.getColumnNumber(), message);
}

void CWJParseErrors::fatalError(const xercesc::SAXParseException& problem)
{
    error(problem);
}
