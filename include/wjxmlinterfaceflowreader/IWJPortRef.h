#ifndef WJXMLINTERFACEFLOWREADER_IWJPORTREF_H
#define WJXMLINTERFACEFLOWREADER_IWJPORTREF_H

#include "wjxmlinterfaceflowreader/WJExport.h"

class IWJPort;

/// A reference to a port or to a bit range of it: a value held in memory,
/// never written to the document by itself.
///
/// Port groups and bus interfaces list the ports they gather as references
/// (IWJPortGroup::portRefs), and part maps key their port mappings by them
/// (IWJPartMap::portPinMaps). The group or part map that made a reference
/// owns it; the host never deletes one. A part map's reference lives until
/// the mapping is removed or the part map is deleted.
class WJ_API IWJPortRef {
public:
    /// @name Construction and copying
    /// The interface holds no state: these only make an object an instance
    /// of it.
    //@{
    /// Makes the object an instance of the interface.
    IWJPortRef();
    /// Copies nothing.
    IWJPortRef(const IWJPortRef&);
    /// Copies nothing; returns this object.
    IWJPortRef& operator=(const IWJPortRef&);
    //@}
    /// Frees the reference only, never the port.
    virtual ~IWJPortRef();

    //@{
    /// The first bound of the range; -1 means no value. A part map's
    /// reference to one bit has that bit as both bounds, to a whole port -1.
    virtual int lsb() = 0;
    /// The second bound of the range; -1 means no value.
    virtual int msb() = 0;
    /// Changes both bounds in memory only: the document is not changed.
    virtual void setRange(int lsb, int msb) = 0;
    //@}
    //@{
    /// Points the reference at another port, in memory only.
    virtual void setPort(IWJPort* port) = 0;
    /// The referenced port; stores the range through lsb and msb when they
    /// are not null.
    virtual IWJPort* port(int* lsb, int* msb) = 0;
    //@}
    /// The port's full name, followed by the bit or range in angle brackets:
    /// U1.DATA for no range, U1.DATA<3> when both bounds are 3, U1.DATA<0..7>
    /// otherwise (bounds in stored order, -1 printed as it is). "" without a
    /// port. The text lives in a static name buffer of this thread, one for
    /// single bits and one for ranges (for no range, the port's fullName()
    /// buffer), overwritten by the next call of the same kind; copy what you
    /// keep.
    virtual const char* name() = 0;
};

#endif
