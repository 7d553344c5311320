#ifndef WJXML_COMPONENTS_CWJDPPORT_H
#define WJXML_COMPONENTS_CWJDPPORT_H

#include "TWJPortBase.h"

#include "wjxmlinterfaceflowreader/IWJDPPort.h"

// A differential port, bound to a DifferentialPort element: a positive and a
// negative single-ended member, each with a bit range. The type, pin count
// and range of a plain port do not apply to it. It is owned by the component
// instance it is constructed under.
class CWJDPPort : public TWJPortBase<IWJDPPort> {
public:
    CWJDPPort(xercesc::DOMElement* element, IWJXMLObject* parent);
    CWJDPPort(xercesc::DOMElement* element, IWJXMLObject* parent, const char* idSeed);
    ~CWJDPPort() override;

    int type() override;
    void setType(int type) override;
    int numPhysPins() override;
    void setNumPhysPins(int numPhysPins) override;
    int lsb() override;
    int msb() override;
    void setRange(int lsb, int msb) override;
    IWJPort* positivePort(int* lsb, int* msb) override;
    void setPositivePort(IWJPort* port, int lsb, int msb) override;
    IWJPort* negativePort(int* lsb, int* msb) override;
    void setNegativePort(IWJPort* port, int lsb, int msb) override;

    // Drops port from the members, with its element: the port is leaving
    // the instance.
    void forgetMember(IWJPort* port);

private:
    // The attributes of a member element, in the order of its keys.
    enum MemberField { Ref, Lsb, Msb };
    // One member: the port and its bit range, written into the child element
    // named element at keys (indexed by MemberField).
    struct Member {
        const char* element;
        const char* const* keys;
        IWJPort* port = nullptr;
        int lsb = -1;
        int msb = -1;
    };
    // The handler of one attribute of a member element.
    template <Member CWJDPPort::*member, MemberField field>
    static void readMemberField(IWJXMLObject& pair, const char* text)
    {
        auto& self = static_cast<CWJDPPort&>(pair);
        self.readMember(self.*member, field, text);
    }

    void registerHandlers();
    bool acceptsMember(IWJPort* port) const;
    static IWJPort* member(const Member& member, int* lsb, int* msb);
    void setMember(Member& member, IWJPort* port, int lsb, int msb);
    void forgetMember(Member& member, IWJPort* port);
    void readMember(Member& member, MemberField field, const char* text);
    // Lets the instance find this pair from the member when it is removed.
    void tellOwnerOf(IWJPort* member);

    Member m_positive;
    Member m_negative;
};

#endif
