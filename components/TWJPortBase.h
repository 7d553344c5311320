#ifndef WJXML_COMPONENTS_TWJPORTBASE_H
#define WJXML_COMPONENTS_TWJPORTBASE_H

#include "binding/CWJChild.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <string>
#include <vector>

class CWJCompInst;
class IWJCompInst;

// What single-ended and differential ports have alike: the name, the
// instance port name, the id and the owning component instance. Interface is
// IWJPort or IWJDPPort, the first base, so the interface's virtual
// operations keep their order. The port is owned by the component instance
// it is constructed under; the concrete class is adopted last in its
// constructor, and the instance files it when it is handed over.
template <class Interface> class TWJPortBase : public Interface, public IWJXMLObject, public CWJChild {
public:
    int portKind() override;
    void setPortKind(int kind) override;
    const char* fullName() override;
    const char* name() override;
    void setName(const char* name) override;
    const char* instancePortName() override;
    void setInstancePortName(const char* instancePortName) override;
    IWJCompInst* compInst() override;

    const char* id() const;
    void setId(const char* text);
    // The port's place among the ports made under its instance, which is
    // their order in the file.
    std::size_t rank() const { return m_rank; }

protected:
    TWJPortBase(xercesc::DOMElement* element, IWJXMLObject* parent, int portKind);

    // The handlers of Name, InstancePortName and id.
    static std::vector<ClassHandler> nameHandlers();

    CWJCompInst* m_owner;
    std::size_t m_rank = 0;

private:
    void rename(std::string& name, const char* tag, const char* text);

    std::string m_name;
    std::string m_instancePortName;
    std::string m_id;
    int m_portKind;
};

#endif
