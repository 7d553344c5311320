#ifndef WJXML_BINDING_CWJDESIGNROOT_H
#define WJXML_BINDING_CWJDESIGNROOT_H

#include "CWJIdRegistry.h"
#include "CWJSpareElements.h"

#include <xercesc/util/XercesDefs.hpp>

#include <string>

XERCES_CPP_NAMESPACE_BEGIN
class DOMDocument;
XERCES_CPP_NAMESPACE_END

class CWJOwnedObjects;
class IWJCompInst;
class IWJXMLObject;
class IWJFootPrint;

// The root of a design as the objects below it reach it: the registry of
// their ids, the component instances and footprints that part maps refer
// to, and the state of its document.
class CWJDesignRoot {
public:
    CWJDesignRoot() = default;
    CWJDesignRoot(const CWJDesignRoot&) = delete;
    CWJDesignRoot& operator=(const CWJDesignRoot&) = delete;

    CWJIdRegistry& ids() { return m_ids; }

    // The lists that own the instances, footprints and part maps made under
    // the root; the root files each when it is handed over.
    virtual CWJOwnedObjects& ownedCompInsts() = 0;
    virtual CWJOwnedObjects& ownedFootprints() = 0;
    virtual CWJOwnedObjects& ownedPartMaps() = 0;
    // Those lists of parent; null when parent is not a root.
    static CWJOwnedObjects* compInstsOwnedBy(IWJXMLObject* parent);
    static CWJOwnedObjects* footprintsOwnedBy(IWJXMLObject* parent);
    static CWJOwnedObjects* partMapsOwnedBy(IWJXMLObject* parent);

    // Whether the object is one of the design's, as filed by id; the object
    // is not looked into, so a pointer of another design or a removed one is
    // safe to ask about.
    virtual bool holdsCompInst(const IWJCompInst* compInst) const = 0;
    virtual bool holdsFootprint(const IWJFootPrint* footprint) const = 0;
    virtual IWJCompInst* findCompInst(const char* id) = 0;
    virtual IWJFootPrint* findFootprint(const char* id) = 0;
    // A footprint took another name; one not yet filed is not looked at.
    virtual void footprintRenamed(IWJFootPrint* footprint, const std::string& oldName) = 0;

    // Makes document know this root, so that a failed edit of any element in
    // it reaches the root (noteOutOfMemory); null forgets the document.
    void attachDocument(const xercesc::DOMDocument* document);
    // The root that document knows, or null.
    static CWJDesignRoot* of(const xercesc::DOMDocument* document);
    // The elements that left the attached document, for its new elements.
    CWJSpareElements& spareElements() { return m_spareElements; }

    // Set when an edit ran out of memory: the model may hold part of it, so
    // the design is never saved again.
    void setEditFailed() { m_editFailed = true; }
    bool editFailed() const { return m_editFailed; }

protected:
    ~CWJDesignRoot();

private:
    CWJIdRegistry m_ids;
    const xercesc::DOMDocument* m_document = nullptr;
    CWJSpareElements m_spareElements;
    bool m_editFailed = false;
};

#endif
