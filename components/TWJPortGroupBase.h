#ifndef WJXML_COMPONENTS_TWJPORTGROUPBASE_H
#define WJXML_COMPONENTS_TWJPORTGROUPBASE_H

#include "CWJPortGroupContainer.h"

#include "model/CWJModelObject.h"

#include <string>
#include <vector>

class CWJCompBusInterface;

// What port groups and bus interfaces have alike: the name, the id and the
// container of port references and child groups. Interface is IWJPortGroup
// or IWJCompBusInterface, the first base, so the interface's virtual
// operations keep their order.
template <class Interface> class TWJPortGroupBase : public Interface, public CWJModelObject {
public:
    using IWJPortGroupType = IWJPortGroup::IWJPortGroupType;

    // The path in the one buffer of the class's full names.
    const char* fullName() override;
    const char* name() override;
    void setName(const char* name) override;
    CInterfaceObjectIterator<IWJPortRef*> portRefs() override;
    CInterfaceObjectIterator<IWJPort*> differentialPorts() override;
    CInterfaceObjectMapIterator<std::string, IWJPortGroup*> portGroups() override;
    void addPortRef(IWJPort* port, int lsb, int msb) override;
    IWJPortGroup* addPortGroup(const char* name, IWJPortGroupType type, const char* voltage, int numPowerPins,
                               int numGroundPins) override;
    void insertPortGroup(IWJPortGroup* group) override;
    IWJPortGroup* findPortGroup(const char* path) override;

    // Only groups reach a group or a bus interface: the schema allows no
    // other object below them.
    void AddChild(xercesc::DOMElement* childElement, IWJXMLObject* child) override;
    void changePortRef(CWJPortRef& ref, IWJPort* port, int lsb, int msb) override;

    void setId(const char* text);
    // The full name, for an edit: throws when memory runs out, failing the
    // edit.
    virtual std::string path() const = 0;
    CWJPortGroupContainer& container() { return m_container; }
    // findPortGroup for an edit: throws when memory runs out, failing the edit.
    IWJPortGroup* groupAt(const char* path) const;

protected:
    // kind: a bus interface's or a group's; owner: the list of the parent that owns the object, or null;
    // busInterface: the root of the tree the object belongs to; a path to
    // findPortGroup ignores ASCII letter case in its first step when
    // ignoreCaseFirst.
    TWJPortGroupBase(xercesc::DOMElement* element, Kind kind, CWJOwnedObjects* owner, CWJCompBusInterface* busInterface,
                     bool ignoreCaseFirst);

    // The handlers of Name, id and the container's elements.
    static std::vector<ClassHandler> groupHandlers();

    std::string m_name;

private:
    template <void (CWJPortGroupContainer::*read)(const char*)>
    static void readIntoContainer(IWJXMLObject& holder, const char* text)
    {
        (static_cast<TWJPortGroupBase&>(holder).m_container.*read)(text);
    }

    bool m_ignoreCaseFirst;
    CWJPortGroupContainer m_container;
};

#endif
