#ifndef WJXMLINTERFACEFLOWREADER_IWJINTERFACEVIEW_H
#define WJXMLINTERFACEFLOWREADER_IWJINTERFACEVIEW_H

#include "wjxmlinterfaceflowreader/CInterfaceObjectIterator.h"
#include "wjxmlinterfaceflowreader/CInterfaceObjectMapIterator.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <string>

class IWJCompInst;
class IWJFootPrint;
class IWJPartMap;

/// The whole design: component instances, footprints and part maps, the
/// three texts of the file's root, and the document they live in.
///
/// The host owns the view it receives from CWJXMLFlowReader and deletes it
/// through this interface; the view owns everything below it. A view is
/// bound when it was read with bindElements or made by CreateInterfaceView:
/// then every add and set writes into the document at once, and objects
/// added to it are bound too. Objects of an unbound view change only in
/// memory.
///
/// Every object made here gets an id unique in the view, made from the name
/// it is given: "TVN_" in front when the name does not start with an ASCII
/// letter, characters other than ASCII letters, digits, "_", "-", ":" and "."
/// replaced by "_", then "_1", "_2", ... until the id is unused. Ids read from
/// a file are taken as written, and an id once used is never handed out
/// again by the same view.
///
/// Objects of another view passed to a view or to any object of it are
/// refused: the call changes nothing (and returns null where it returns
/// something).
class WJ_API IWJInterfaceView {
public:
    /// @name Construction and copying
    /// The interface holds no state: these only make an object an instance
    /// of it. Views are made by CWJXMLFlowReader.
    //@{
    /// Makes the object an instance of the interface.
    IWJInterfaceView();
    /// Copies nothing.
    IWJInterfaceView(const IWJInterfaceView&);
    /// Copies nothing; returns this object.
    IWJInterfaceView& operator=(const IWJInterfaceView&);
    //@}
    /// Deletes the component instances, footprints and part maps, then
    /// releases the document. Every pointer obtained from the view dies with
    /// it; the file on disk is not touched.
    virtual ~IWJInterfaceView();

    /// The component instances keyed by id, in ascending byte order of the
    /// ids; the handle walks a copy taken now.
    virtual CInterfaceObjectMapIterator<std::string, IWJCompInst*> compInsts() = 0;
    /// The footprints keyed by id, in ascending byte order of the ids.
    virtual CInterfaceObjectMapIterator<std::string, IWJFootPrint*> footprints() = 0;
    /// The part maps in the order they were read or added.
    virtual CInterfaceObjectIterator<IWJPartMap*> partMaps() = 0;
    /// Makes a component instance, owned by the view. Its id is made from
    /// refdes, or from cellName when refdes is null. When bound, a `CompInst`
    /// element is added to `CompInsts` (made when missing) with the `id`
    /// attribute, `CellName` and, when refdes is not null, `Refdes`. A null
    /// cellName is taken as "".
    virtual IWJCompInst* addCompInst(const char* cellName, const char* refdes) = 0;
    /// Deletes a component instance of this view: first every part map of
    /// it, then the instance with its ports, differential ports, bus
    /// interfaces and groups; their elements leave the document. Pointers to
    /// any of them must not be used afterwards. Null, or an instance this view
    /// does not hold, changes nothing.
    virtual void removeCompInst(IWJCompInst* compInst) = 0;
    /// Makes a footprint, owned by the view, with its id made from name. When
    /// bound, a `Footprint` element is added to `Footprints` (made when
    /// missing) with `id`, `Name` and, for each further text that is not
    /// null, `Width`, `Length`, `Thickness`, `Origin` and `Rotation`. All are
    /// kept as uninterpreted texts; a null name is taken as "".
    virtual IWJFootPrint* addFootprint(const char* name, const char* width, const char* length, const char* thickness,
                                       const char* origin, const char* rotation) = 0;
    /// Deletes the first footprint, in id order, whose name equals name byte
    /// for byte (letter case counts): first every part map on it, then the
    /// footprint with its pins; their elements leave the document. Null, or a
    /// name no footprint has, changes nothing.
    virtual void removeFootprint(const char* name) = 0;
    /// Makes a part map of compInst onto footprint, owned by the view and
    /// listed last by partMaps(). When bound, a `PartMap` element is added to
    /// `PartMaps` (made when missing) with `CompInstRef` and `PartDefRef`
    /// naming the two ids. A null argument leaves that side unset (its
    /// reference is written empty) until IWJPartMap::setCompInst or
    /// IWJPartMap::setFootprint; an object of another view is refused and
    /// null is returned.
    virtual IWJPartMap* addPartMap(IWJFootPrint* footprint, IWJCompInst* compInst) = 0;
    //@{
    /// Who last updated the design (`LastUpdatedBy`); a pointer into the
    /// view, valid until the text changes.
    virtual const char* lastUpdatedBy() = 0;
    /// Sets who last updated the design; null is taken as "". When bound,
    /// writes the root's child `LastUpdatedBy`.
    virtual void setLastUpdatedBy(const char* text) = 0;
    //@}
    //@{
    /// When the design was last updated (`LastUpdatedAt`), a text the
    /// library does not interpret; valid until it changes.
    virtual const char* lastUpdatedAt() = 0;
    /// Sets when the design was last updated; null is taken as "". When
    /// bound, writes the root's child `LastUpdatedAt`.
    virtual void setLastUpdatedAt(const char* text) = 0;
    //@}
    //@{
    /// The design's name (`DesignName`); valid until it changes.
    virtual const char* designName() = 0;
    /// Renames the design; null is taken as "". When bound, writes the
    /// root's child `DesignName`.
    virtual void setDesignName(const char* text) = 0;
    //@}
    /// The first part map, in the order of partMaps(), whose component
    /// instance is compInst; null when there is none.
    virtual IWJPartMap* findPartMap(IWJCompInst* compInst) = 0;
};

#endif
