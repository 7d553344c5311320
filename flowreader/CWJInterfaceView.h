#ifndef WJXML_FLOWREADER_CWJINTERFACEVIEW_H
#define WJXML_FLOWREADER_CWJINTERFACEVIEW_H

#include "wjxmlinterfaceflowreader/IWJInterfaceView.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <xercesc/dom/DOMDocument.hpp>

#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

class CWJCompInst;
class CWJFootPrint;

// The design's root, bound to the document element InterfaceExchangeSchema.
// Owns the component instances, footprints and part maps and the document,
// and hands out the ids of every model object.
class CWJInterfaceView : public IWJInterfaceView, public IWJXMLObject {
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

    // A valid, unused id made from name ("TVN_" in front when it does not
    // start with a letter, other characters than letters, digits, _ - : .
    // replaced by _, then _1, _2 ... until unused). While a file is read the
    // name is returned as it is. Either way the id is taken: it is never
    // handed out again by this view. The result is valid until the next call.
    const char* makeUniqueId(const char* name);
    // How many candidate ids makeUniqueId has looked up so far.
    unsigned long long idCandidatesTried() const { return m_idCandidatesTried; }
    // Whether the object is one of this view's, as filed by id; the object
    // is not looked into, so a pointer of another view or a removed one is
    // safe to ask about.
    bool holdsCompInst(const IWJCompInst* compInst) const;
    bool holdsFootprint(const IWJFootPrint* footprint) const;
    IWJCompInst* findCompInst(const char* id);
    IWJFootPrint* findFootprint(const char* id);
    // A part map takes another instance or footprint. Needs no memory; a
    // part map not yet filed is not looked at.
    void partMapMoved(IWJPartMap* partMap, const IWJCompInst* from, const IWJCompInst* to);
    void partMapMoved(IWJPartMap* partMap, const IWJFootPrint* from, const IWJFootPrint* to);

    // Takes the document over, unless this throws; it is released with the
    // view. The document knows its view from then on, so that a failed edit
    // of any element in it reaches the view (noteOutOfMemory).
    void setDocument(xercesc::DOMDocument* document);
    xercesc::DOMDocument* document() const { return m_document; }
    // The view of the document, or null.
    static CWJInterfaceView* viewOf(const xercesc::DOMDocument* document);

    // A reader that keeps this view in *holder; the view sets *holder to
    // null when it is deleted, so the reader never touches a deleted view.
    void addHolder(IWJInterfaceView** holder);
    void removeHolder(IWJInterfaceView** holder);

    // Set when an edit ran out of memory: the model may hold part of it, so
    // the view is never saved again.
    void setEditFailed() { m_editFailed = true; }
    bool editFailed() const { return m_editFailed; }

private:
    void registerHandlers();
    template <class T>
    void deleteObject(T* object);
    // Runs file, which files object; when that throws, deletes object.
    template <class T, class File>
    void fileOrDelete(T* object, File file);
    // Files under its id; an instance it displaces is kept for release.
    void fileCompInst(CWJCompInst* compInst);
    // Files a part map in the list and by its instance and footprint; when
    // this throws, it is not filed.
    void filePartMap(IWJPartMap* partMap);
    void unindexPartMap(IWJPartMap* partMap);
    // Deletes every part map filed under end in index.
    template <class End>
    void removePartMapsOf(std::set<std::pair<const End*, IWJPartMap*>>& index, const End* end);
    // Files footprint under its id; a footprint it displaces stays owned.
    void fileFootprint(CWJFootPrint* footprint);

    std::string m_lastUpdatedBy;
    std::string m_lastUpdatedAt;
    std::string m_designName;
    std::map<std::string, IWJCompInst*> m_compInsts;
    // Instances displaced from m_compInsts by a later one with the same id;
    // owned, released after the filed ones.
    std::vector<IWJCompInst*> m_displacedCompInsts;
    std::map<std::string, IWJFootPrint*> m_footprints;
    // Footprints displaced from m_footprints by a later one of the same id.
    std::vector<IWJFootPrint*> m_displacedFootprints;
    std::vector<IWJPartMap*> m_partMaps;
    // The filed part maps by their instance and by their footprint.
    std::set<std::pair<const IWJCompInst*, IWJPartMap*>> m_partMapsByCompInst;
    std::set<std::pair<const IWJFootPrint*, IWJPartMap*>> m_partMapsByFootprint;
    xercesc::DOMDocument* m_document = nullptr;
    std::unordered_set<std::string> m_idSet;
    // Per base name, the first suffix not yet known to be taken: ids never
    // leave m_idSet, so the search for a free suffix resumes there.
    std::unordered_map<std::string, unsigned long long> m_nextSuffix;
    unsigned long long m_idCandidatesTried = 0;
    std::unordered_set<const IWJCompInst*> m_filedCompInsts;
    std::unordered_set<const IWJFootPrint*> m_filedFootprints;
    std::vector<IWJInterfaceView**> m_holders;
    bool m_editFailed = false;
};

#endif
