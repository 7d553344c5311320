#ifndef WJXMLINTERFACEFLOWREADER_IWJPORT_H
#define WJXMLINTERFACEFLOWREADER_IWJPORT_H

#include "wjxmlinterfaceflowreader/WJExport.h"

class IWJCompInst;

// A single-ended port of a component instance; differential ports present the
// same operations through IWJDPPort.
class WJ_API IWJPort
{
public:
    enum IWJPortType : int { Input = 0, Output = 1, Inout = 2, Power = 3, Ground = 4, Unknown = 5 };

    IWJPort();
    IWJPort(const IWJPort&);
    IWJPort& operator=(const IWJPort&);
    virtual ~IWJPort();

    // 0 single-ended, 1 differential.
    virtual int portKind() = 0;
    virtual void setPortKind(int kind) = 0;
    // "<cell name>.<local name>" in a buffer of the calling thread, overwritten
    // by the thread's next call; copy what you keep.
    virtual const char* fullName() = 0;
    virtual const char* name() = 0;
    virtual void setName(const char* name) = 0;
    virtual const char* instancePortName() = 0;
    virtual void setInstancePortName(const char* instancePortName) = 0;
    // An IWJPortType code, carried as int because any code may be stored,
    // including ones outside the enumeration.
    virtual int type() = 0;
    virtual void setType(int type) = 0;
    virtual int numPhysPins() = 0;
    virtual void setNumPhysPins(int numPhysPins) = 0;
    // -1 means no value.
    virtual int lsb() = 0;
    virtual int msb() = 0;
    virtual void setRange(int lsb, int msb) = 0;
    virtual IWJCompInst* compInst() = 0;
};

#endif
