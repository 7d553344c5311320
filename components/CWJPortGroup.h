#ifndef WJXML_COMPONENTS_CWJPORTGROUP_H
#define WJXML_COMPONENTS_CWJPORTGROUP_H

#include "TWJPortGroupBase.h"

#include "wjxmlinterfaceflowreader/IWJPortGroup.h"

#include <string>

class CWJCompBusInterface;

// A port group, bound to a PortGroup element, below a bus interface or
// another group: its parent at construction, which owns it.
class CWJPortGroup : public TWJPortGroupBase<IWJPortGroup> {
public:
    CWJPortGroup(xercesc::DOMElement* element, IWJXMLObject* parent);
    CWJPortGroup(xercesc::DOMElement* element, IWJXMLObject* parent, const char* idSeed);
    ~CWJPortGroup() override;

    IWJPortGroupType groupType() const override;
    void setGroupType(IWJPortGroupType type) override;
    int numPhysPowerPins() const override;
    int numPhysGroundPins() const override;
    void setNumPhysPins(int power, int ground) override;
    const char* voltage() const override;
    int groupKind() override;
    void setVoltage(const char* voltage) override;
    IWJCompBusInterface* busInterface() override;

    // The container that files this group: its parent group's or its bus
    // interface's.
    CWJPortGroupContainer& parentContainer();
    CWJPortGroup* parentGroup() const { return m_parentGroup; }
    // Moves the group below another parent of the same instance.
    void reparent(CWJPortGroup* parentGroup, CWJCompBusInterface* busInterface);
    void setBusInterface(CWJCompBusInterface* busInterface) { m_busInterface = busInterface; }
    // The group it was made under, which owns it; null below a bus interface.
    CWJPortGroup* ownerGroup() const { return m_ownerGroup; }

    // The id of a group or bus interface of this library; "" otherwise.
    static const char* idOf(IWJPortGroup* group);
    // The full name of a group or bus interface of this library, for an edit:
    // throws when memory runs out, failing the edit; "" for another's.
    static std::string pathOf(IWJPortGroup* group);
    std::string path() const override;

private:
    void registerHandlers();
    void readType(const char* text);
    void readVoltage(const char* text);
    void readNumPowerPins(const char* text);
    void readNumGroundPins(const char* text);

    CWJCompBusInterface* m_busInterface;
    CWJPortGroup* m_parentGroup;
    CWJPortGroup* m_ownerGroup;
    IWJPortGroupType m_groupType = NoType;
    int m_numPowerPins = 0;
    int m_numGroundPins = 0;
    std::string m_voltage;
};

#endif
