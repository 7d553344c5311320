#ifndef WJXML_COMPONENTS_CWJPORT_H
#define WJXML_COMPONENTS_CWJPORT_H

#include "wjxmlinterfaceflowreader/IWJPort.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <string>

class CWJCompInst;

// A single-ended port, bound to a Port element. It is owned by the component
// instance it is constructed under.
class CWJPort : public IWJPort, public IWJXMLObject {
public:
    CWJPort(xercesc::DOMElement* element, IWJXMLObject* parent);
    CWJPort(xercesc::DOMElement* element, IWJXMLObject* parent, const char* idSeed);
    ~CWJPort() override;

    int portKind() override;
    void setPortKind(int kind) override;
    const char* fullName() override;
    const char* name() override;
    void setName(const char* name) override;
    const char* instancePortName() override;
    void setInstancePortName(const char* instancePortName) override;
    int type() override;
    void setType(int type) override;
    int numPhysPins() override;
    void setNumPhysPins(int numPhysPins) override;
    int lsb() override;
    int msb() override;
    void setRange(int lsb, int msb) override;
    IWJCompInst* compInst() override;

    const char* id() const;
    void setId(const char* text);

    // "<cell name>.<local name>" in the one buffer of all port full names;
    // without an owner, the local name alone.
    static const char* composeFullName(IWJCompInst* owner, const std::string& localName);
    // The id of a port of this library, plain or differential; "" otherwise.
    static const char* idOf(IWJPort* port);
    // The port's local name (its instance port name, else its name)
    // upper-cased: the key of the by-name lookups and of part maps.
    static std::string localNameKey(IWJPort* port);

private:
    void registerHandlers();
    void readType(const char* text);
    void readNumPhysPins(const char* text);
    void readMsb(const char* text);
    void readLsb(const char* text);

    std::string m_name;
    std::string m_instancePortName;
    std::string m_id;
    int m_type = Unknown;
    int m_portKind = 0;
    int m_numPhysPins = 0;
    int m_lsb = -1;
    int m_msb = -1;
    CWJCompInst* m_owner;
};

#endif
