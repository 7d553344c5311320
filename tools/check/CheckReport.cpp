#include "check/CheckReport.h"

#include "PrintableText.h"
#include "check/Dom.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fnmatch.h>
#include <regex>

using xercesc::DOMElement;

namespace {

// Eight hex digits of the 32-bit FNV-1a hash of text.
std::string hash(const std::string& text)
{
    std::uint32_t value = 2166136261u;
    for (const char c : text)
        value = (value ^ static_cast<unsigned char>(c)) * 16777619u;
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(value));
    return digits;
}

const char* severity(bool isError)
{
    return isError ? "error" : "warning";
}

} // namespace

void CheckReport::add(const char* kind, const DOMElement* where, bool isError, const std::string& message)
{
    static const std::regex lineReference(" ?\\(first at line [0-9]+\\)");
    const std::string key = std::string(kind) + '/' + hash(std::regex_replace(message, lineReference, ""));
    m_findings.push_back({Dom::line(where), isError, key, message, false});
}

std::vector<bool> CheckReport::waive(const std::vector<std::string>& patterns)
{
    std::vector<bool> used(patterns.size(), false);
    for (Finding& finding : m_findings) {
        for (std::size_t i = 0; i < patterns.size(); ++i) {
            if (::fnmatch(patterns[i].c_str(), finding.key.c_str(), 0) == 0) {
                finding.waived = true;
                used[i] = true;
            }
        }
    }
    return used;
}

int CheckReport::count(bool isError) const
{
    return static_cast<int>(std::count_if(m_findings.begin(), m_findings.end(), [isError](const Finding& finding) {
        return !finding.waived && finding.isError == isError;
    }));
}

int CheckReport::waived() const
{
    return static_cast<int>(
        std::count_if(m_findings.begin(), m_findings.end(), [](const Finding& finding) { return finding.waived; }));
}

std::vector<CheckReport::Finding> CheckReport::byLine() const
{
    std::vector<Finding> sorted;
    std::copy_if(m_findings.begin(), m_findings.end(), std::back_inserter(sorted),
                 [](const Finding& finding) { return !finding.waived; });
    std::stable_sort(sorted.begin(), sorted.end(), [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return sorted;
}

void CheckReport::printJson(std::ostream& out, const std::string& fileName) const
{
    nlohmann::ordered_json findings = nlohmann::ordered_json::array();
    for (const Finding& finding : byLine())
        findings.push_back({{"line", finding.line},
                            {"severity", severity(finding.isError)},
                            {"key", finding.key},
                            {"message", finding.message}});
    const nlohmann::ordered_json report{{"file", fileName},
                                        {"errors", errors()},
                                        {"warnings", warnings()},
                                        {"waived", waived()},
                                        {"findings", findings}};
    out << report.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

void CheckReport::print(std::ostream& out, const std::string& fileName) const
{
    const std::string name = wjxml::printable(fileName);
    for (const Finding& finding : byLine())
        out << name << ':' << finding.line << ": " << severity(finding.isError) << ": "
            << wjxml::printable(finding.message) << " [" << finding.key << "]\n";
    out << name << ": " << errors() << (errors() == 1 ? " error, " : " errors, ") << warnings()
        << (warnings() == 1 ? " warning" : " warnings");
    if (waived() > 0)
        out << ", " << waived() << " waived";
    out << '\n';
}

void CheckReport::printWaivers(std::ostream& out, const std::string& fileName) const
{
    out << "# Waivers for ifx check " << wjxml::printable(fileName)
        << ": one key or pattern (* and ?) per line; delete what must not be waived.\n";
    for (const Finding& finding : byLine())
        out << "# " << finding.line << ": " << severity(finding.isError) << ": " << wjxml::printable(finding.message)
            << '\n'
            << finding.key << '\n';
}
