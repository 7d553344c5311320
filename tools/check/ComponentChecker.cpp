#include "check/ComponentChecker.h"

#include "check/CheckReport.h"
#include "check/Dom.h"

using xercesc::DOMElement;

void ComponentChecker::check(const DesignIndex& index, CheckReport& report)
{
    for (const DesignIndex::Instance& instance : index.instances()) {
        ComponentChecker checker(instance, report);
        checker.checkPairs();
        for (const DOMElement* bus : Dom::items(instance.element, "BusInterfaces", "BusInterface"))
            checker.checkGroup(bus);
    }
}

void ComponentChecker::checkPairs()
{
    struct Member {
        const char* tag;
        const char* side;
    };
    for (const DOMElement* pair : Dom::items(m_instance.element, "DifferentialPorts", "DifferentialPort")) {
        const std::string name = m_instance.label + '.' + Dom::childText(pair, "Name");
        for (const Member& member : {Member{"PositivePort", "positive"}, Member{"NegativePort", "negative"}}) {
            const DOMElement* element = Dom::child(pair, member.tag);
            if (!element) {
                m_report.error("pair-member", pair, "differential pair " + name + " has no " + member.side + " member");
                continue;
            }
            const std::string ref = Dom::attribute(element, "ref");
            if (!m_instance.ports.count(ref))
                m_report.error("unresolved", element,
                               std::string("the ") + member.side + " member \"" + ref + "\" of differential pair " +
                                   name + " names no port of " + m_instance.label);
        }
    }
}

void ComponentChecker::checkGroup(const DOMElement* group)
{
    for (const DOMElement* ref : Dom::items(group, "PortRefs", "PortRef")) {
        const std::string id = Dom::attribute(ref, "ref");
        if (!namesPort(id))
            m_report.error("unresolved", ref, "PortRef \"" + id + "\" names no port of " + m_instance.label);
    }
    for (const DOMElement* ref : Dom::items(group, "DifferentialPortRefs", "DifferentialPortRef")) {
        const std::string id = Dom::attribute(ref, "ref");
        if (!namesPort(id))
            m_report.error("unresolved", ref,
                           "DifferentialPortRef \"" + id + "\" names no differential pair of " + m_instance.label);
    }
    for (const DOMElement* child : Dom::items(group, "PortGroups", "PortGroup"))
        checkGroup(child);
}

bool ComponentChecker::namesPort(const std::string& id) const
{
    return m_instance.ports.count(id) || m_instance.pairs.count(id);
}
