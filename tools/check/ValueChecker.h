#ifndef IFX_VALUECHECKER_H
#define IFX_VALUECHECKER_H

#include <xercesc/dom/DOMElement.hpp>

#include <set>
#include <string>

class CheckReport;

// Checks the values the library reads without complaint: type words outside
// the format's words, counts and bounds that are no whole number, pin
// locations that cannot be read as "x,y", two pins of one footprint with one
// name, two instances whose refdes differ in letter case at most, and (a
// warning) instances without a part map.
class ValueChecker {
public:
    static void check(const xercesc::DOMElement* root, CheckReport& report);

private:
    explicit ValueChecker(CheckReport& report) : m_report(report) {}

    void checkInstance(const xercesc::DOMElement* instance, const std::set<std::string>& mapped);
    void checkGroups(const xercesc::DOMElement* parent, const std::string& owner);
    void checkFootprint(const xercesc::DOMElement* footprint);
    void checkWord(const xercesc::DOMElement* element, const std::set<std::string>& words, const std::string& what);
    void checkCount(const xercesc::DOMElement* element, const char* child, const std::string& what);

    CheckReport& m_report;
};

#endif
