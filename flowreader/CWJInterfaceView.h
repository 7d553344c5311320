#ifndef WJXML_FLOWREADER_CWJINTERFACEVIEW_H
#define WJXML_FLOWREADER_CWJINTERFACEVIEW_H

#include "binding/CWJDesignRoot.h"
#include "model/CWJOwnedObjects.h"
#include "model/TWJFiledById.h"
#include "wjxmlinterfaceflowreader/IWJInterfaceView.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <xercesc/dom/DOMDocument.hpp>

#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CWJCompInst;
class CWJFootPrint;
class CWJUsers;

// The design's root, bound to the document element InterfaceExchangeSchema.
// Owns the component instances, footprints and part maps, the document, and
// the registry of the ids of every model object.
class CWJInterfaceView : public IWJInterfaceView, public IWJXMLObject, public CWJDesignRoot {
public:
    explicit CWJInterfaceView(xercesc::DOMElement* root);
    CWJInterfaceView(xercesc::DOMElement* root, const char* lastUpdatedBy, const char* lastUpdatedAt,
                     const char* designName);
    ~CWJInterfaceView() override;

    CInterfaceObjectMapIterator<std::string, IWJCompInst*> compInsts() override;
    CInterfaceObjectMapIterator<std::string, IWJFootPrint*> footprints() override;
    CInterfaceObjectIterator<IWJPartMap*> partMaps() override;
    IWJCompInst* addCompInst(const char* cellName, const char* refdes) override;
    void removeCompInst(IWJCompInst* compInst) override;
    IWJFootPrint* addFootprint(const char* name, const char* width, const char* length, const char* thickness,
                               const char* origin, const char* rotation) override;
    void removeFootprint(const char* name) override;
    IWJPartMap* addPartMap(IWJFootPrint* footprint, IWJCompInst* compInst) override;
    const char* lastUpdatedBy() override;
    void setLastUpdatedBy(const char* text) override;
    const char* lastUpdatedAt() override;
    void setLastUpdatedAt(const char* text) override;
    const char* designName() override;
    void setDesignName(const char* text) override;
    IWJPartMap* findPartMap(IWJCompInst* compInst) override;

    void AddChild(xercesc::DOMElement* childElement, IWJXMLObject* child) override;

    CWJOwnedObjects& ownedCompInsts() override { return m_ownedCompInsts; }
    CWJOwnedObjects& ownedFootprints() override { return m_ownedFootprints; }
    CWJOwnedObjects& ownedPartMaps() override { return m_ownedPartMaps; }
    bool holdsCompInst(const IWJCompInst* compInst) const override;
    bool holdsFootprint(const IWJFootPrint* footprint) const override;
    IWJCompInst* findCompInst(const char* id) override;
    IWJFootPrint* findFootprint(const char* id) override;
    void footprintRenamed(IWJFootPrint* footprint, const std::string& oldName) override;

    // Takes the document over, unless this throws; it is released with the
    // view. The document knows its view from then on, so that a failed edit
    // of any element in it reaches the view (noteOutOfMemory).
    void setDocument(xercesc::DOMDocument* document);
    xercesc::DOMDocument* document() const { return m_document; }

    // A reader that keeps this view in *holder; the view sets *holder to
    // null when it is deleted, so the reader never touches a deleted view.
    void addHolder(IWJInterfaceView** holder);
    void removeHolder(IWJInterfaceView** holder);

private:
    // Part maps are numbered in the order they are filed: the list keeps that
    // order.
    using PartMapNumber = unsigned long long;

    void registerHandlers();
    // Files an instance, footprint or part map handed over to it; one that
    // cannot be filed stays owned, unfiled.
    void take(IWJXMLObject* child);
    // Files under its id; an instance it displaces stays owned.
    void fileCompInst(CWJCompInst* compInst);
    // Files a part map under the next number; when this throws, it is not
    // filed.
    void filePartMap(IWJPartMap* partMap);
    // Deletes the filed part maps among users (the part maps on an instance
    // or footprint about to be deleted); the others let go of it as it goes.
    void removePartMapsAmong(const CWJUsers& users);
    // Files footprint under its id and its name; a footprint it displaces
    // stays owned.
    void fileFootprint(CWJFootPrint* footprint);

    std::string m_lastUpdatedBy;
    std::string m_lastUpdatedAt;
    std::string m_designName;
    // Everything made under the view, filed or not; the maps below only
    // index them.
    CWJOwnedObjects m_ownedCompInsts;
    CWJOwnedObjects m_ownedFootprints;
    CWJOwnedObjects m_ownedPartMaps;
    TWJFiledById<IWJCompInst> m_compInsts;
    TWJFiledById<IWJFootPrint> m_footprints;
    // The filed footprints by name. An entry whose footprint is no longer
    // filed, or after a rename that ran out of memory no longer has that
    // name, is passed over.
    std::multimap<std::string, IWJFootPrint*> m_footprintsByName;
    std::map<PartMapNumber, IWJPartMap*> m_partMaps;
    std::unordered_map<const IWJPartMap*, PartMapNumber> m_partMapNumbers;
    PartMapNumber m_nextPartMapNumber = 0;
    xercesc::DOMDocument* m_document = nullptr;
    std::vector<IWJInterfaceView**> m_holders;
};

#endif
