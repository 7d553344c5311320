#ifndef WJXMLINTERFACEFLOWREADER_IWJFOOTPRINT_H
#define WJXMLINTERFACEFLOWREADER_IWJFOOTPRINT_H

#include "wjxmlinterfaceflowreader/CInterfaceObjectMapIterator.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <string>

class IWJFootPrintPin;

/// A footprint (part definition, a `Footprint` element) with its outline and
/// its pins.
///
/// The outline texts (width, length, thickness, origin, rotation) are kept
/// as the file has them and never interpreted; each getter returns a pointer
/// into the footprint, valid until that text changes, and each setter takes
/// null as "" and, when bound, writes the child of that name. The view owns
/// the footprint (delete it with IWJInterfaceView::removeFootprint); the
/// footprint owns its pins.
class WJ_API IWJFootPrint {
public:
    /// @name Construction and copying
    /// The interface holds no state: these only make an object an instance
    /// of it. Footprints are made by IWJInterfaceView::addFootprint.
    //@{
    /// Makes the object an instance of the interface.
    IWJFootPrint();
    /// Copies nothing.
    IWJFootPrint(const IWJFootPrint&);
    /// Copies nothing; returns this object.
    IWJFootPrint& operator=(const IWJFootPrint&);
    //@}
    /// Deletes its pins and removes its element from the document; called by
    /// the view.
    virtual ~IWJFootPrint();

    /// The pins keyed by id, in ascending byte order of the ids; the handle
    /// walks a copy taken now.
    virtual CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*> pins() = 0;
    /// The pin of that name, in any ASCII letter case; of pins whose names
    /// differ only in case, the last in the file, as a read of the file finds
    /// it (also after adds and renames). Null when there is none (or for
    /// null).
    virtual IWJFootPrintPin* findPin(const char* name) = 0;
    /// Makes a pin, owned by the footprint, with its id made from name. When
    /// bound, a `Pin` is added to `Pins` (made when missing) with `id`,
    /// `Name` and, for each further text that is not null, `Location`,
    /// `Padstack`, `Size` and `Shape`. A null name is taken as "".
    virtual IWJFootPrintPin* addPin(const char* name, const char* location, const char* padstack, const char* size,
                                    const char* shape) = 0;
    /// Files a pin made under this footprint under its current name and id,
    /// in memory only; the earlier entries stay. A pin it holds needs none:
    /// IWJFootPrintPin::setName files it anew. A pin of another footprint,
    /// or null, is refused.
    virtual void insertPin(IWJFootPrintPin* pin) = 0;
    //@{
    /// The name (`Name`), such as BGA56_P0.8.
    virtual const char* name() = 0;
    /// Renames the footprint; writes `Name`.
    virtual void setName(const char* name) = 0;
    //@}
    //@{
    /// The origin (`Origin`), such as "0.0,0.0".
    virtual const char* origin() = 0;
    /// Sets the origin; writes `Origin`.
    virtual void setOrigin(const char* origin) = 0;
    //@}
    //@{
    /// The width (`Width`).
    virtual const char* width() = 0;
    /// Sets the width; writes `Width`.
    virtual void setWidth(const char* width) = 0;
    //@}
    //@{
    /// The length (`Length`).
    virtual const char* length() = 0;
    /// Sets the length; writes `Length`.
    virtual void setLength(const char* length) = 0;
    //@}
    //@{
    /// The thickness (`Thickness`).
    virtual const char* thickness() = 0;
    /// Sets the thickness; writes `Thickness`.
    virtual void setThickness(const char* thickness) = 0;
    //@}
    //@{
    /// The rotation (`Rotation`), such as "90".
    virtual const char* rotation() = 0;
    /// Sets the rotation; writes `Rotation`.
    virtual void setRotation(const char* rotation) = 0;
    //@}
};

#endif
