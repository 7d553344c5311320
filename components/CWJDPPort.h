#ifndef WJXML_COMPONENTS_CWJDPPORT_H
#define WJXML_COMPONENTS_CWJDPPORT_H

#include "wjxmlinterfaceflowreader/IWJDPPort.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <string>

class CWJCompInst;

// A differential port, bound to a DifferentialPort element: a positive and a
// negative single-ended member, each with a bit range. The type, pin count
// and range of a plain port do not apply to it. It is owned by the component
// instance it is constructed under.
class CWJDPPort : public IWJDPPort, public IWJXMLObject {
public:
    CWJDPPort(xercesc::DOMElement* element, IWJXMLObject* parent);
    CWJDPPort(xercesc::DOMElement* element, IWJXMLObject* parent, const char* idSeed);
    ~CWJDPPort() override;

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
    IWJPort* positivePort(int* lsb, int* msb) override;
    void setPositivePort(IWJPort* port, int lsb, int msb) override;
    IWJPort* negativePort(int* lsb, int* msb) override;
    void setNegativePort(IWJPort* port, int lsb, int msb) override;

    const char* id() const;
    void setId(const char* text);
    // Drops port from the members, with its element: the port is leaving
    // the instance.
    void forgetMember(IWJPort* port);

private:
    bool acceptsMember(IWJPort* port) const;
    void registerHandlers();
    IWJPort* findMember(const char* id) const;
    // Lets the instance find this pair from the member when it is removed.
    void tellOwnerOf(IWJPort* member);
    void readPositiveRef(const char* text);
    void readNegativeRef(const char* text);
    void readPositiveMsb(const char* text);
    void readPositiveLsb(const char* text);
    void readNegativeMsb(const char* text);
    void readNegativeLsb(const char* text);

    std::string m_name;
    std::string m_id;
    std::string m_instancePortName;
    int m_portKind = 1;
    IWJPort* m_positivePort = nullptr;
    int m_positiveLsb = -1;
    int m_positiveMsb = -1;
    IWJPort* m_negativePort = nullptr;
    int m_negativeLsb = -1;
    int m_negativeMsb = -1;
    CWJCompInst* m_owner;
};

#endif
