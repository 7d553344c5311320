#ifndef WJXMLINTERFACEFLOWREADER_IWJDPPORT_H
#define WJXMLINTERFACEFLOWREADER_IWJDPPORT_H

#include "wjxmlinterfaceflowreader/IWJPort.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

/// A differential pair (a `DifferentialPort` element): a port made of a
/// positive and a negative member, each a single-ended port of the same
/// instance with its own bit range.
///
/// As an IWJPort it has a name, an instance port name and a full name like
/// a port, reports portKind() 1, and has no type, pin count or range of its
/// own: type() is always Unknown, numPhysPins() 0, lsb() and msb() -1, and
/// their setters change nothing.
class WJ_API IWJDPPort : public IWJPort {
public:
    /// @name Construction and copying
    /// The interface holds no state: these only make an object an instance
    /// of it. Pairs are made by IWJCompInst::addDifferentialPort.
    //@{
    /// Makes the object an instance of the interface.
    IWJDPPort();
    /// Copies nothing.
    IWJDPPort(const IWJDPPort&);
    /// Copies nothing; returns this object.
    IWJDPPort& operator=(const IWJDPPort&);
    //@}
    /// Frees the pair; its members are not touched. Called by its instance.
    virtual ~IWJDPPort();

    //@{
    /// The positive member, or null when it is unset or did not resolve when
    /// read; stores its range through lsb and msb (-1 = none) when they are
    /// not null.
    virtual IWJPort* positivePort(int* lsb, int* msb) = 0;
    /// Sets the positive member to a single-ended port of the same instance,
    /// with a range (-1 for no value). When bound, writes `PositivePort`
    /// with `ref` naming the port's id and a `Range` with `lsb` and `msb`
    /// (empty text for -1). Null unsets the member and writes an empty `ref`;
    /// a port of another instance is refused.
    virtual void setPositivePort(IWJPort* port, int lsb, int msb) = 0;
    //@}
    //@{
    /// The negative member, as positivePort().
    virtual IWJPort* negativePort(int* lsb, int* msb) = 0;
    /// Sets the negative member, as setPositivePort(), writing
    /// `NegativePort`.
    virtual void setNegativePort(IWJPort* port, int lsb, int msb) = 0;
    //@}
};

#endif
