#include "CWJInterfaceView.h"

#include "binding/BoundProperty.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/OutOfMemory.h"
#include "binding/TWJXMLObjFunctor.h"
#include "binding/eraseEntry.h"
#include "components/CWJCompInst.h"
#include "footprints/CWJFootPrint.h"
#include "partmap/CWJPartMap.h"
#include "wjxmlinterfaceflowreader/CSTLIOVectorIterator.h"
#include "wjxmlinterfaceflowreader/IWJCompInst.h"
#include "wjxmlinterfaceflowreader/IWJFootPrint.h"
#include "wjxmlinterfaceflowreader/IWJPartMap.h"

#include <algorithm>
#include <cstring>

CWJInterfaceView::CWJInterfaceView(xercesc::DOMElement* root) : IWJXMLObject(root)
{
    registerHandlers();
}

CWJInterfaceView::CWJInterfaceView(xercesc::DOMElement* root, const char* lastUpdatedBy, const char* lastUpdatedAt,
                                   const char* designName)
    : CWJInterfaceView(root)
{
    CWJInterfaceView::setLastUpdatedBy(lastUpdatedBy);
    CWJInterfaceView::setLastUpdatedAt(lastUpdatedAt);
    CWJInterfaceView::setDesignName(designName);
}

// Destruction needs no memory. Part maps go first: they stop using their
// instances. When the view owns the document, which goes whole after the
// objects, each object is unbound first.
CWJInterfaceView::~CWJInterfaceView()
{
    for (IWJInterfaceView** holder : m_holders) {
        if (*holder == this)
            *holder = nullptr;
    }
    const bool unbind = m_document != nullptr;
    m_ownedPartMaps.deleteAll(unbind);
    m_ownedCompInsts.deleteAll(unbind);
    m_ownedFootprints.deleteAll(unbind);
    if (m_document) {
        attachDocument(nullptr);
        m_document->release();
    }
}

// The view owns the document only once nothing can fail any more.
void CWJInterfaceView::setDocument(xercesc::DOMDocument* document)
{
    attachDocument(document);
    m_document = document;
}

void CWJInterfaceView::addHolder(IWJInterfaceView** holder)
{
    if (std::find(m_holders.begin(), m_holders.end(), holder) == m_holders.end())
        m_holders.push_back(holder);
}

void CWJInterfaceView::removeHolder(IWJInterfaceView** holder)
{
    m_holders.erase(std::remove(m_holders.begin(), m_holders.end(), holder), m_holders.end());
}

void CWJInterfaceView::registerHandlers()
{
    static const std::vector<std::string> sequence{"LastUpdatedBy", "LastUpdatedAt", "DesignName",
                                                   "CompInsts",     "Footprints",    "PartMaps"};
    getDesignData()->RegisterTagSequence("InterfaceExchangeSchema", sequence);
    using Functor = TWJXMLObjFunctor<CWJInterfaceView>;
    static const std::vector<ClassHandler> handlers{Functor::tag<&CWJInterfaceView::setLastUpdatedBy>("LastUpdatedBy"),
                                                    Functor::tag<&CWJInterfaceView::setLastUpdatedAt>("LastUpdatedAt"),
                                                    Functor::tag<&CWJInterfaceView::setDesignName>("DesignName")};
    RegisterClassHandlers(&handlers);
}

CInterfaceObjectMapIterator<std::string, IWJCompInst*> CWJInterfaceView::compInsts()
try {
    return CInterfaceObjectMapIterator<std::string, IWJCompInst*>(m_compInsts.enumerate());
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

CInterfaceObjectMapIterator<std::string, IWJFootPrint*> CWJInterfaceView::footprints()
try {
    return CInterfaceObjectMapIterator<std::string, IWJFootPrint*>(m_footprints.enumerate());
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

CInterfaceObjectIterator<IWJPartMap*> CWJInterfaceView::partMaps()
try {
    std::vector<IWJPartMap*> partMaps;
    partMaps.reserve(m_partMaps.size());
    for (const auto& entry : m_partMaps)
        partMaps.push_back(entry.second);
    return CInterfaceObjectIterator<IWJPartMap*>(new CSTLIOVectorIterator<IWJPartMap*>(partMaps));
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

IWJCompInst* CWJInterfaceView::addCompInst(const char* cellName, const char* refdes)
try {
    CWJDOM2DesignData* binder = getDesignData();
    xercesc::DOMElement* element =
        binder->CreateDOMNode(binder->CreateDOMNode(GetDomElement(), "CompInsts", false), "CompInst", true);
    auto* compInst = new CWJCompInst(element, this, refdes ? refdes : cellName);
    compInst->setCellName(cellName);
    if (refdes)
        compInst->setRefdes(refdes);
    take(compInst);
    return compInst;
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

void CWJInterfaceView::fileCompInst(CWJCompInst* compInst)
{
    m_compInsts.file(compInst->id(), compInst);
}

void CWJInterfaceView::removeCompInst(IWJCompInst* compInst)
try {
    if (!holdsCompInst(compInst))
        return;
    removePartMapsAmong(static_cast<CWJCompInst*>(compInst)->users());
    m_compInsts.unfile(static_cast<CWJCompInst*>(compInst)->id(), compInst);
    delete compInst;
} catch (...) {
    noteOutOfMemory(this);
}

bool CWJInterfaceView::holdsCompInst(const IWJCompInst* compInst) const
{
    return m_compInsts.holds(compInst);
}

bool CWJInterfaceView::holdsFootprint(const IWJFootPrint* footprint) const
{
    return m_footprints.holds(footprint);
}

IWJFootPrint* CWJInterfaceView::addFootprint(const char* name, const char* width, const char* length,
                                             const char* thickness, const char* origin, const char* rotation)
try {
    CWJDOM2DesignData* binder = getDesignData();
    xercesc::DOMElement* container = binder->CreateDOMNode(GetDomElement(), "Footprints", false);
    auto* footprint = new CWJFootPrint(binder->CreateDOMNode(container, "Footprint", true), this, name);
    if (width)
        footprint->setWidth(width);
    if (length)
        footprint->setLength(length);
    if (thickness)
        footprint->setThickness(thickness);
    if (origin)
        footprint->setOrigin(origin);
    if (rotation)
        footprint->setRotation(rotation);
    take(footprint);
    return footprint;
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

void CWJInterfaceView::fileFootprint(CWJFootPrint* footprint)
{
    const auto byName = m_footprintsByName.emplace(footprint->name(), footprint);
    try {
        m_footprints.file(footprint->id(), footprint);
    } catch (...) {
        m_footprintsByName.erase(byName);
        throw;
    }
}

void CWJInterfaceView::footprintRenamed(IWJFootPrint* footprint, const std::string& oldName)
{
    if (!holdsFootprint(footprint))
        return;
    m_footprintsByName.emplace(footprint->name(), footprint);
    eraseEntry(m_footprintsByName, oldName, footprint);
}

// The first of the filed footprints of that name in the order of their ids,
// as a host walking footprints() would find it.
void CWJInterfaceView::removeFootprint(const char* name)
try {
    if (!name)
        return;
    CWJFootPrint* footprint = nullptr;
    const auto range = m_footprintsByName.equal_range(name);
    for (auto entry = range.first; entry != range.second; ++entry) {
        if (!holdsFootprint(entry->second) || std::strcmp(entry->second->name(), name) != 0)
            continue;
        auto* candidate = static_cast<CWJFootPrint*>(entry->second);
        if (!footprint || std::strcmp(candidate->id(), footprint->id()) < 0)
            footprint = candidate;
    }
    if (!footprint)
        return;
    removePartMapsAmong(footprint->users());
    eraseEntry(m_footprintsByName, name, footprint);
    m_footprints.unfile(footprint->id(), footprint);
    delete footprint;
} catch (...) {
    noteOutOfMemory(this);
}

// The part maps to delete are found before any is deleted: a deleted part
// map leaves users.
void CWJInterfaceView::removePartMapsAmong(const CWJUsers& users)
{
    std::vector<IWJPartMap*> filed;
    for (CWJModelObject* user : users.list()) {
        auto* partMap = static_cast<CWJPartMap*>(user);
        if (m_partMapNumbers.count(partMap) != 0)
            filed.push_back(partMap);
    }
    for (IWJPartMap* partMap : filed) {
        const auto number = m_partMapNumbers.find(partMap);
        m_partMaps.erase(number->second);
        m_partMapNumbers.erase(number);
        delete partMap;
    }
}

void CWJInterfaceView::filePartMap(IWJPartMap* partMap)
{
    const PartMapNumber number = m_nextPartMapNumber++;
    m_partMapNumbers.emplace(partMap, number);
    try {
        m_partMaps.emplace(number, partMap);
    } catch (...) {
        m_partMapNumbers.erase(partMap);
        throw;
    }
}

IWJPartMap* CWJInterfaceView::addPartMap(IWJFootPrint* footprint, IWJCompInst* compInst)
try {
    if (!holdsFootprint(footprint) || !holdsCompInst(compInst))
        return nullptr;
    CWJDOM2DesignData* binder = getDesignData();
    xercesc::DOMElement* container = binder->CreateDOMNode(GetDomElement(), "PartMaps", false);
    auto* partMap = new CWJPartMap(binder->CreateDOMNode(container, "PartMap", true), this);
    partMap->setCompInst(compInst);
    partMap->setFootprint(footprint);
    take(partMap);
    return partMap;
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

const char* CWJInterfaceView::lastUpdatedBy()
{
    return m_lastUpdatedBy.c_str();
}

void CWJInterfaceView::setLastUpdatedBy(const char* text)
{
    storeTagText(*this, m_lastUpdatedBy, "LastUpdatedBy", text);
}

const char* CWJInterfaceView::lastUpdatedAt()
{
    return m_lastUpdatedAt.c_str();
}

void CWJInterfaceView::setLastUpdatedAt(const char* text)
{
    storeTagText(*this, m_lastUpdatedAt, "LastUpdatedAt", text);
}

const char* CWJInterfaceView::designName()
{
    return m_designName.c_str();
}

void CWJInterfaceView::setDesignName(const char* text)
{
    storeTagText(*this, m_designName, "DesignName", text);
}

// The part maps on an instance are its users; those with none are found by
// a walk over all.
IWJPartMap* CWJInterfaceView::findPartMap(IWJCompInst* compInst)
{
    if (!compInst) {
        for (const auto& entry : m_partMaps) {
            if (!entry.second->compInst())
                return entry.second;
        }
        return nullptr;
    }
    if (!holdsCompInst(compInst))
        return nullptr;
    IWJPartMap* first = nullptr;
    PartMapNumber firstNumber = 0;
    for (CWJModelObject* user : static_cast<CWJCompInst*>(compInst)->users().list()) {
        auto* partMap = static_cast<CWJPartMap*>(user);
        const auto filed = m_partMapNumbers.find(partMap);
        if (filed != m_partMapNumbers.end() && (!first || filed->second < firstNumber)) {
            first = partMap;
            firstNumber = filed->second;
        }
    }
    return first;
}

void CWJInterfaceView::AddChild(xercesc::DOMElement*, IWJXMLObject* child)
try {
    take(child);
} catch (...) {
    noteOutOfMemory(this);
}

void CWJInterfaceView::take(IWJXMLObject* child)
{
    CWJModelObject* object = CWJModelObject::of(child);
    if (!object)
        return;
    // An object made under no parent joins the view as if made under it.
    if (object->joinOwner(m_ownedCompInsts, CWJModelObject::Kind::CompInst))
        static_cast<CWJCompInst*>(object)->joinRoot(this, this);
    else if (object->joinOwner(m_ownedFootprints, CWJModelObject::Kind::Footprint))
        static_cast<CWJFootPrint*>(object)->joinRoot(this);
    else if (object->joinOwner(m_ownedPartMaps, CWJModelObject::Kind::PartMap))
        static_cast<CWJPartMap*>(object)->joinRoot(this);
    if (object->handOverTo(m_ownedCompInsts))
        fileCompInst(static_cast<CWJCompInst*>(object));
    else if (object->handOverTo(m_ownedFootprints))
        fileFootprint(static_cast<CWJFootPrint*>(object));
    else if (object->handOverTo(m_ownedPartMaps))
        filePartMap(static_cast<CWJPartMap*>(object));
}

IWJCompInst* CWJInterfaceView::findCompInst(const char* id)
{
    return m_compInsts.find(id ? id : "");
}

IWJFootPrint* CWJInterfaceView::findFootprint(const char* id)
{
    return m_footprints.find(id ? id : "");
}
