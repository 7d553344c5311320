#ifndef WJXML_COMPONENTS_CWJCOMPBUSINTERFACE_H
#define WJXML_COMPONENTS_CWJCOMPBUSINTERFACE_H

#include "TWJPortGroupBase.h"

#include "wjxmlinterfaceflowreader/IWJCompBusInterface.h"

#include <string>

class CWJCompInst;

// A bus interface, bound to a BusInterface element: the root of a tree of
// port groups. It is owned by the component instance it is constructed
// under.
class CWJCompBusInterface : public TWJPortGroupBase<IWJCompBusInterface> {
public:
    CWJCompBusInterface(xercesc::DOMElement* element, IWJXMLObject* parent);
    CWJCompBusInterface(xercesc::DOMElement* element, IWJXMLObject* parent, const char* name);
    ~CWJCompBusInterface() override;

    int groupKind() override;
    IWJCompBusInterface* busInterface() override;
    const char* definition() override;
    void setDefinition(const char* definition) override;
    IWJCompInst* compInst() override;

    // The top-level group filed under exactly this id, or null.
    IWJPortGroup* findPortGroupById(const char* id);
    CWJCompInst* owner() const { return m_compInst; }
    std::string path() const override;

private:
    void registerHandlers();

    std::string m_definition;
    CWJCompInst* m_compInst;
};

#endif
