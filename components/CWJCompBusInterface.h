#ifndef WJXML_COMPONENTS_CWJCOMPBUSINTERFACE_H
#define WJXML_COMPONENTS_CWJCOMPBUSINTERFACE_H

#include "CWJPortGroupContainer.h"

#include "wjxmlinterfaceflowreader/IWJCompBusInterface.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <string>

class CWJCompInst;

// A bus interface, bound to a BusInterface element: the root of a tree of
// port groups. It is owned by the component instance it is constructed
// under.
class CWJCompBusInterface : public IWJCompBusInterface, public IWJXMLObject {
public:
    CWJCompBusInterface(xercesc::DOMElement* element, IWJXMLObject* parent);
    CWJCompBusInterface(xercesc::DOMElement* element, IWJXMLObject* parent, const char* name);
    ~CWJCompBusInterface() override;

    const char* name() override;
    void setName(const char* name) override;
    const char* fullName() override;
    int groupKind() override;
    CInterfaceObjectIterator<IWJPortRef*> portRefs() override;
    CInterfaceObjectIterator<IWJPort*> differentialPorts() override;
    CInterfaceObjectMapIterator<std::string, IWJPortGroup*> portGroups() override;
    void addPortRef(IWJPort* port, int lsb, int msb) override;
    IWJPortGroup* addPortGroup(const char* name, IWJPortGroupType type, const char* voltage, int numPowerPins,
                               int numGroundPins) override;
    void insertPortGroup(IWJPortGroup* group) override;
    IWJPortGroup* findPortGroup(const char* path) override;
    IWJCompBusInterface* busInterface() override;
    const char* definition() override;
    void setDefinition(const char* definition) override;
    IWJCompInst* compInst() override;

    void AddChild(xercesc::DOMElement* childElement, IWJXMLObject* child) override;

    const char* id() const;
    void setId(const char* text);
    // The top-level group filed under exactly this id, or null.
    IWJPortGroup* findPortGroupById(const char* id);
    CWJCompInst* owner() const { return m_compInst; }
    CWJPortGroupContainer& container() { return m_container; }

private:
    void registerHandlers();

    std::string m_name;
    std::string m_id;
    std::string m_definition;
    CWJCompInst* m_compInst;
    CWJPortGroupContainer m_container;
};

#endif
