#include "CWJParseErrors.h"

#include "PrintableText.h"
#include "XMLText.h"

#include <xercesc/sax/SAXParseException.hpp>

void CWJParseErrors::start(const std::string& fileName)
{
    m_fileName = wjxml::printable(fileName);
    m_closed = false;
    discard();
}

void CWJParseErrors::discard()
{
    if (m_closed)
        return;
    m_text.clear();
    m_reported = 0;
    m_report.clear();
    m_reportedInReport = 0;
}

void CWJParseErrors::add(unsigned long long line, unsigned long long column, const std::string& message)
{
    if (m_closed || ++m_reported > kMaxReported)
        return;
    if (!m_text.empty())
        m_text += '\n';
    m_text += m_fileName;
    if (line > 0)
        m_text += ':' + std::to_string(line) + ':' + std::to_string(column);
    m_text += ": " + wjxml::printable(message);
}

const std::string& CWJParseErrors::text() const
{
    if (m_reported <= kMaxReported)
        return m_text;
    if (m_reportedInReport != m_reported) {
        const unsigned long long more = m_reported - kMaxReported;
        m_report = m_text + '\n' + m_fileName + ": " + std::to_string(more) + " more problem" + (more == 1 ? "" : "s") +
                   " not reported";
        m_reportedInReport = m_reported;
    }
    return m_report;
}

void CWJParseErrors::error(const xercesc::SAXParseException& problem)
{
    // Past the first kMaxReported only the count grows: the message is not
    // even converted.
    if (m_closed)
        return;
    if (m_reported >= kMaxReported) {
        ++m_reported;
        return;
    }
    std::string message;
    wjxml::appendUtf8(message, problem.getMessage());
    add(problem.getLineNumber(), problem.getColumnNumber(), message);
}

void CWJParseErrors::fatalError(const xercesc::SAXParseException& problem)
{
    error(problem);
}
