#ifndef IFX_COMPONENTCHECKER_H
#define IFX_COMPONENTCHECKER_H

#include "check/DesignIndex.h"

class CheckReport;

// Checks the references inside each instance: the members of its differential
// pairs and the port references of its bus interfaces and port groups.
class ComponentChecker {
public:
    static void check(const DesignIndex& index, CheckReport& report);

private:
    ComponentChecker(const DesignIndex::Instance& instance, CheckReport& report)
        : m_instance(instance), m_report(report)
    {
    }

    void checkPairs();
    void checkGroup(const xercesc::DOMElement* group);
    // Whether id names a port or a differential pair of the instance, as the
    // library resolves the references of groups.
    bool namesPort(const std::string& id) const;

    const DesignIndex::Instance& m_instance;
    CheckReport& m_report;
};

#endif
