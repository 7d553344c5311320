#ifndef WJXMLINTERFACEFLOWREADER_IWJPORTREF_H
#define WJXMLINTERFACEFLOWREADER_IWJPORTREF_H

#include "wjxmlinterfaceflowreader/WJExport.h"

class IWJPort;

// A reference to a port or to a bit range of it.
class WJ_API IWJPortRef
{
public:
    IWJPortRef();
    IWJPortRef(const IWJPortRef&);
    IWJPortRef& operator=(const IWJPortRef&);
    // Frees the reference only, never the port.
    virtual ~IWJPortRef();

    // -1 means no value.
    virtual int lsb() = 0;
    virtual int msb() = 0;
    virtual void setRange(int lsb, int msb) = 0;
    virtual void setPort(IWJPort* port) = 0;
    // Returns the port and stores the range through lsb and msb.
    virtual IWJPort* port(int* lsb, int* msb) = 0;
    // The port's full name with the bit or range in angle brackets, in a
    // buffer of the calling thread overwritten by the thread's next call; copy
    // what you keep.
    virtual const char* name() = 0;
};

#endif
