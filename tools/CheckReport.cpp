#include "CheckReport.h"

#include "PrintableText.h"

#include <algorithm>

void CheckReport::add(const XmlElement* where, bool isError, const std::string& message)
{
    m_findings.push_back({where->line(), isError, message});
    if (isError)
        ++m_errors;
}

void CheckReport::print(std::ostream& out, const std::string& fileName) const
{
    std::vector<Finding> sorted(m_findings);
    std::stable_sort(sorted.begin(), sorted.end(), [](const Finding& a, const Finding& b) { return a.line < b.line; });
    const std::string name = wjxml::printable(fileName);
    for (const Finding& finding : sorted)
        out << name << ':' << finding.line << ": " << (finding.isError ? "error" : "warning") << ": "
            << wjxml::printable(finding.message) << '\n';
    const int warnings = static_cast<int>(m_findings.size()) - m_errors;
    out << name << ": " << m_errors << (m_errors == 1 ? " error, " : " errors, ") << warnings
        << (warnings == 1 ? " warning" : " warnings") << '\n';
}
