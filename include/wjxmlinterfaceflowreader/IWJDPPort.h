#ifndef WJXMLINTERFACEFLOWREADER_IWJDPPORT_H
#define WJXMLINTERFACEFLOWREADER_IWJDPPORT_H

#include "wjxmlinterfaceflowreader/IWJPort.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

// A differential pair: a port made of a positive and a negative member port,
// each with its own bit range.
class WJ_API IWJDPPort : public IWJPort
{
public:
    IWJDPPort();
    IWJDPPort(const IWJDPPort&);
    IWJDPPort& operator=(const IWJDPPort&);
    virtual ~IWJDPPort();

    // Returns the member and stores its range through lsb and msb (-1 = none).
    virtual IWJPort* positivePort(int* lsb, int* msb) = 0;
    virtual void setPositivePort(IWJPort* port, int lsb, int msb) = 0;
    virtual IWJPort* negativePort(int* lsb, int* msb) = 0;
    virtual void setNegativePort(IWJPort* port, int lsb, int msb) = 0;
};

#endif
