#ifndef WJXMLINTERFACEFLOWREADER_IWJFOOTPRINTPIN_H
#define WJXMLINTERFACEFLOWREADER_IWJFOOTPRINTPIN_H

#include "wjxmlinterfaceflowreader/WJExport.h"

/// A pin of a footprint (a `Pin` element).
///
/// Its properties are texts kept as the file has them and never
/// interpreted; each getter returns a pointer into the pin, valid until that
/// text changes, and each setter takes null as "" and, when bound, writes the
/// child named. The footprint owns the pin and files it by name and id when
/// it is added: after a rename, IWJFootPrint::insertPin files it again.
class WJ_API IWJFootPrintPin {
public:
    /// @name Construction and copying
    /// The interface holds no state: these only make an object an instance
    /// of it. Pins are made by IWJFootPrint::addPin.
    //@{
    /// Makes the object an instance of the interface.
    IWJFootPrintPin();
    /// Copies nothing.
    IWJFootPrintPin(const IWJFootPrintPin&);
    /// Copies nothing; returns this object.
    IWJFootPrintPin& operator=(const IWJFootPrintPin&);
    //@}
    /// Frees the pin; called by its footprint.
    virtual ~IWJFootPrintPin();

    //@{
    /// The name (`Name`), such as A1 or 10.
    virtual const char* name() = 0;
    /// Renames the pin; writes `Name`.
    virtual void setName(const char* name) = 0;
    //@}
    //@{
    /// The location, "x,y" by convention: read from `Location`, or from `XY`
    /// when the pin has no `Location`.
    virtual const char* location() = 0;
    /// Sets the location; writes `Location`, and `XY` too when the pin has
    /// one.
    virtual void setLocation(const char* location) = 0;
    //@}
    //@{
    /// The padstack's name (`Padstack`).
    virtual const char* padstack() = 0;
    /// Sets the padstack; writes `Padstack`.
    virtual void setPadstack(const char* padstack) = 0;
    //@}
    //@{
    /// The pad size (`Size`).
    virtual const char* size() = 0;
    /// Sets the size; writes `Size`.
    virtual void setSize(const char* size) = 0;
    //@}
    //@{
    /// The pad shape (`Shape`).
    virtual const char* shape() = 0;
    /// Sets the shape; writes `Shape`.
    virtual void setShape(const char* shape) = 0;
    //@}
};

#endif
