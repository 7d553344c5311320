#include "check/CheckReport.h"

#include "PrintableText.h"
#include "check/Dom.h"

#include <nlohmann/json.hpp>

#include <algorithm>

using xercesc::DOMElement;

void CheckReport::add(const DOMElement* where, bool isError, const std::string& message)
{
    m_findings.push_back({Dom::line(where), isError, message});
    if (isError)
        ++m_errors;
}

std::vector<CheckReport::Finding> CheckReport::byLine() const
{
    std::vector<Finding> sorted(m_findings);
    std::stable_sort(sorted.begin(), sorted.end(), [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return sorted;
}

void CheckReport::printJson(std::ostream& out, const std::string& fileName) const
{
    nlohmann::ordered_json findings = nlohmann::ordered_json::array();
    for (const Finding& finding : byLine())
        findings.push_back({{"line", finding.line},
                            {"severity", finding.isError ? "error" : "warning"},
                            {"message", finding.message}});
    const nlohmann::ordered_json report{
        {"file", fileName}, {"errors", m_errors}, {"warnings", warnings()}, {"findings", findings}};
    out << report.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

void CheckReport::print(std::ostream& out, const std::string& fileName) const
{
    const std::string name = wjxml::printable(fileName);
    for (const Finding& finding : byLine())
        out << name << ':' << finding.line << ": " << (finding.isError ? "error" : "warning") << ": "
            << wjxml::printable(finding.message) << '\n';
    out << name << ": " << m_errors << (m_errors == 1 ? " error, " : " errors, ") << warnings()
        << (warnings() == 1 ? " warning" : " warnings") << '\n';
}
