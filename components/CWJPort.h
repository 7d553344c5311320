#ifndef WJXML_COMPONENTS_CWJPORT_H
#define WJXML_COMPONENTS_CWJPORT_H

#include "TWJPortBase.h"

#include "wjxmlinterfaceflowreader/IWJPort.h"

#include <string>

// A single-ended port, bound to a Port element. It is owned by the component
// instance it is constructed under.
class CWJPort : public TWJPortBase<IWJPort> {
public:
    CWJPort(xercesc::DOMElement* element, IWJXMLObject* parent);
    CWJPort(xercesc::DOMElement* element, IWJXMLObject* parent, const char* idSeed);
    ~CWJPort() override;

    int type() override;
    void setType(int type) override;
    int numPhysPins() override;
    void setNumPhysPins(int numPhysPins) override;
    int lsb() override;
    int msb() override;
    void setRange(int lsb, int msb) override;

    // The id of a port of this library, plain or differential; "" otherwise.
    static const char* idOf(IWJPort* port);
    // The rank of a port of this library (CWJModelObject::rank), 0 for
    // another.
    static std::size_t rankOf(IWJPort* port);
    // Notes user (a differential pair, bus interface or group of the port's
    // instance) as one that uses port, a port of this library.
    static void noteUser(IWJPort* port, CWJModelObject* user);
    // Takes port out of every pair and reference that uses it, and forgets
    // them. Needs no memory.
    static void leaveUsers(IWJPort* port);
    // The port's local name (its instance port name, else its name)
    // upper-cased: the key of the by-name lookups and of part maps.
    static std::string localNameKey(IWJPort* port);
    // Whether bit is -1, the whole port, or one of the port's bits: those
    // between its bounds, a missing bound taking the other's value.
    static bool hasBit(IWJPort* port, int bit);

private:
    void registerHandlers();
    void readType(const char* text);
    void readNumPhysPins(const char* text);
    void readMsb(const char* text);
    void readLsb(const char* text);

    int m_type = Unknown;
    int m_numPhysPins = 0;
    int m_lsb = -1;
    int m_msb = -1;
};

#endif
