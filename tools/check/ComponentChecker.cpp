#include "check/ComponentChecker.h"

#include "check/CheckReport.h"

void ComponentChecker::check(const DesignIndex& index, CheckReport& report)
{
    for (const DesignIndex::Instance& instance : index.instances()) {
        ComponentChecker checker(instance, report);
        checker.checkPairs();
        for (const XmlElement* bus : instance.element->items("BusInterfaces", "BusInterface"))
            checker.checkGroup(bus);
    }
}

void ComponentChecker::checkPairs()
{
    struct Member {
        const char* tag;
        const char* side;
    };
    for (const XmlElement* pair : m_instance.element->items("DifferentialPorts", "DifferentialPort")) {
        const std::string name = m_instance.label + '.' + pair->childText("Name");
        for (const Member& member : {Member{"PositivePort", "positive"}, Member{"NegativePort", "negative"}}) {
            const XmlElement* element = pair->child(member.tag);
            if (!element) {
                m_report.error(pair, "differential pair " + name + " has no " + member.side + " member");
                continue;
            }
            const std::string ref = element->attribute("ref");
            if (!m_instance.ports.count(ref))
                m_report.error(element, std::string("the ") + member.side + " member \"" + ref +
                                            "\" of differential pair " + name + " names no port of " +
                                            m_instance.label);
        }
    }
}

void ComponentChecker::checkGroup(const XmlElement* group)
{
    for (const XmlElement* ref : group->items("PortRefs", "PortRef")) {
        const std::string id = ref->attribute("ref");
        if (!namesPort(id))
            m_report.error(ref, "PortRef \"" + id + "\" names no port of " + m_instance.label);
    }
    for (const XmlElement* ref : group->items("DifferentialPortRefs", "DifferentialPortRef")) {
        const std::string id = ref->attribute("ref");
        if (!namesPort(id))
            m_report.error(ref, "DifferentialPortRef \"" + id + "\" names no differential pair of " + m_instance.label);
    }
    for (const XmlElement* child : group->items("PortGroups", "PortGroup"))
        checkGroup(child);
}

bool ComponentChecker::namesPort(const std::string& id) const
{
    return m_instance.ports.count(id) || m_instance.pairs.count(id);
}
