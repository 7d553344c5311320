#ifndef WJXML_COMPONENTS_TWJPORTBASE_H
#define WJXML_COMPONENTS_TWJPORTBASE_H

#include "model/CWJModelObject.h"

#include <string>
#include <vector>

class CWJCompInst;
class IWJCompInst;

// What single-ended and differential ports have alike: the name, the
// instance port name, the id and the owning component instance. Interface is
// IWJPort or IWJDPPort, the first base, so the interface's virtual
// operations keep their order. The port is owned by the component instance
// it is constructed under, which files it when it is handed over.
template <class Interface> class TWJPortBase : public Interface, public CWJModelObject {
public:
    int portKind() override;
    void setPortKind(int kind) override;
    const char* fullName() override;
    const char* name() override;
    void setName(const char* name) override;
    const char* instancePortName() override;
    void setInstancePortName(const char* instancePortName) override;
    IWJCompInst* compInst() override;

    void setId(const char* text);
    // What uses the port: the differential pairs that take it as a member
    // and the bus interfaces and groups that refer to it, each noted when it
    // takes the port. Removing the port walks exactly these.
    std::vector<CWJModelObject*>& users() { return m_users; }

protected:
    TWJPortBase(xercesc::DOMElement* element, IWJXMLObject* parent, int portKind);

    // The handlers of Name, InstancePortName and id.
    static std::vector<ClassHandler> nameHandlers();

    CWJCompInst* m_owner;

private:
    TWJPortBase(CWJCompInst* owner, xercesc::DOMElement* element, int portKind);
    void rename(CWJText& name, const char* tag, const char* text);

    CWJText m_name;
    CWJText m_instancePortName;
    std::vector<CWJModelObject*> m_users;
    int m_portKind;
};

#endif
