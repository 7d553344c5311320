#include "CWJInterfaceView.h"

#include "binding/CWJDOM2DesignData.h"
#include "binding/TWJXMLObjFunctor.h"
#include "binding/XMLText.h"
#include "components/CWJCompInst.h"
#include "footprints/CWJFootPrint.h"
#include "partmap/CWJPartMap.h"
#include "wjxmlinterfaceflowreader/CSTLIOMapIterator.h"
#include "wjxmlinterfaceflowreader/CSTLIOVectorIterator.h"
#include "wjxmlinterfaceflowreader/IWJCompInst.h"
#include "wjxmlinterfaceflowreader/IWJFootPrint.h"
#include "wjxmlinterfaceflowreader/IWJPartMap.h"

#include <algorithm>

namespace {

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isIdCharacter(char c)
{
    return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == ':' || c == '.';
}

} // namespace

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

// Part maps go first: they stop watching their instances.
CWJInterfaceView::~CWJInterfaceView()
{
    for (IWJPartMap* partMap : m_partMaps)
        deleteObject(partMap);
    m_partMaps.clear();
    for (auto walk = compInsts(); walk.isValid(); ++walk)
        deleteObject(walk.value());
    m_compInsts.clear();
    for (IWJCompInst* compInst : m_displacedCompInsts)
        deleteObject(compInst);
    m_displacedCompInsts.clear();
    for (auto walk = footprints(); walk.isValid(); ++walk)
        deleteObject(walk.value());
    m_footprints.clear();
    for (IWJFootPrint* footprint : m_displacedFootprints)
        deleteObject(footprint);
    m_displacedFootprints.clear();
    if (m_document)
        m_document->release();
}

// When the view owns the document, which goes whole after the objects, an
// object is unbound first: taking its element out of the document node by
// node would cost as much as the read.
template <class T>
void CWJInterfaceView::deleteObject(T* object)
{
    if (m_document) {
        if (auto* bound = dynamic_cast<IWJXMLObject*>(object))
            bound->SetDomElement(nullptr);
    }
    delete object;
}

void CWJInterfaceView::registerHandlers()
{
    static const std::vector<std::string> sequence{"LastUpdatedBy", "LastUpdatedAt", "DesignName",
                                                   "CompInsts",     "Footprints",    "PartMaps"};
    getDesignData()->RegisterTagSequence("InterfaceExchangeSchema", sequence);
    RegisterXMLTagFP("LastUpdatedBy", new TWJXMLObjFunctor<CWJInterfaceView>(this, &CWJInterfaceView::setLastUpdatedBy));
    RegisterXMLTagFP("LastUpdatedAt", new TWJXMLObjFunctor<CWJInterfaceView>(this, &CWJInterfaceView::setLastUpdatedAt));
    RegisterXMLTagFP("DesignName", new TWJXMLObjFunctor<CWJInterfaceView>(this, &CWJInterfaceView::setDesignName));
}

CInterfaceObjectMapIterator<std::string, IWJCompInst*> CWJInterfaceView::compInsts()
{
    return CInterfaceObjectMapIterator<std::string, IWJCompInst*>(
        new CSTLIOMapIterator<std::string, IWJCompInst*>(m_compInsts));
}

CInterfaceObjectMapIterator<std::string, IWJFootPrint*> CWJInterfaceView::footprints()
{
    return CInterfaceObjectMapIterator<std::string, IWJFootPrint*>(
        new CSTLIOMapIterator<std::string, IWJFootPrint*>(m_footprints));
}

CInterfaceObjectIterator<IWJPartMap*> CWJInterfaceView::partMaps()
{
    return CInterfaceObjectIterator<IWJPartMap*>(new CSTLIOVectorIterator<IWJPartMap*>(m_partMaps));
}

IWJCompInst* CWJInterfaceView::addCompInst(const char* cellName, const char* refdes)
{
    CWJDOM2DesignData* binder = getDesignData();
    xercesc::DOMElement* element =
        binder->CreateDOMNode(binder->CreateDOMNode(GetDomElement(), "CompInsts", false), "CompInst", true);
    auto* compInst = new CWJCompInst(element, this, refdes ? refdes : cellName);
    compInst->setCellName(cellName);
    if (refdes)
        compInst->setRefdes(refdes);
    fileCompInst(compInst);
    return compInst;
}

void CWJInterfaceView::fileCompInst(CWJCompInst* compInst)
{
    IWJCompInst*& entry = m_compInsts[compInst->id()];
    if (entry && entry != compInst) {
        m_displacedCompInsts.push_back(entry);
        m_filedCompInsts.erase(entry);
    }
    entry = compInst;
    m_filedCompInsts.insert(compInst);
}

void CWJInterfaceView::removeCompInst(IWJCompInst* compInst)
{
    if (!holdsCompInst(compInst))
        return;
    removePartMapsOf(compInst, nullptr);
    m_compInsts.erase(static_cast<CWJCompInst*>(compInst)->id());
    m_filedCompInsts.erase(compInst);
    delete compInst;
}

bool CWJInterfaceView::holdsCompInst(const IWJCompInst* compInst) const
{
    return compInst && m_filedCompInsts.count(compInst) != 0;
}

bool CWJInterfaceView::holdsFootprint(const IWJFootPrint* footprint) const
{
    return footprint && m_filedFootprints.count(footprint) != 0;
}

IWJFootPrint* CWJInterfaceView::addFootprint(const char* name, const char* width, const char* length,
                                             const char* thickness, const char* origin, const char* rotation)
{
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
    fileFootprint(footprint);
    return footprint;
}

void CWJInterfaceView::fileFootprint(CWJFootPrint* footprint)
{
    IWJFootPrint*& entry = m_footprints[footprint->id()];
    if (entry) {
        m_displacedFootprints.push_back(entry);
        m_filedFootprints.erase(entry);
    }
    entry = footprint;
    m_filedFootprints.insert(footprint);
}

void CWJInterfaceView::removeFootprint(const char* name)
{
    if (!name)
        return;
    IWJFootPrint* footprint = nullptr;
    for (const auto& entry : m_footprints) {
        if (std::string(entry.second->name()) == name) {
            footprint = entry.second;
            break;
        }
    }
    if (!footprint)
        return;
    removePartMapsOf(nullptr, footprint);
    m_footprints.erase(static_cast<CWJFootPrint*>(footprint)->id());
    m_filedFootprints.erase(footprint);
    delete footprint;
}

void CWJInterfaceView::removePartMapsOf(const IWJCompInst* compInst, const IWJFootPrint* footprint)
{
    std::vector<IWJPartMap*> kept;
    for (IWJPartMap* partMap : m_partMaps) {
        if ((compInst && partMap->compInst() == compInst) || (footprint && partMap->footprint() == footprint))
            delete partMap;
        else
            kept.push_back(partMap);
    }
    m_partMaps.swap(kept);
}

IWJPartMap* CWJInterfaceView::addPartMap(IWJFootPrint* footprint, IWJCompInst* compInst)
{
    if (!holdsFootprint(footprint) || !holdsCompInst(compInst))
        return nullptr;
    CWJDOM2DesignData* binder = getDesignData();
    xercesc::DOMElement* container = binder->CreateDOMNode(GetDomElement(), "PartMaps", false);
    auto* partMap = new CWJPartMap(binder->CreateDOMNode(container, "PartMap", true), this);
    partMap->setCompInst(compInst);
    partMap->setFootprint(footprint);
    m_partMaps.push_back(partMap);
    return partMap;
}

const char* CWJInterfaceView::lastUpdatedBy()
{
    return m_lastUpdatedBy.c_str();
}

void CWJInterfaceView::setLastUpdatedBy(const char* text)
{
    m_lastUpdatedBy = wjxml::storableText(text);
    getDesignData()->UpdateDOMTag(GetDomElement(), "LastUpdatedBy", lastUpdatedBy(), false);
}

const char* CWJInterfaceView::lastUpdatedAt()
{
    return m_lastUpdatedAt.c_str();
}

void CWJInterfaceView::setLastUpdatedAt(const char* text)
{
    m_lastUpdatedAt = wjxml::storableText(text);
    getDesignData()->UpdateDOMTag(GetDomElement(), "LastUpdatedAt", lastUpdatedAt(), false);
}

const char* CWJInterfaceView::designName()
{
    return m_designName.c_str();
}

void CWJInterfaceView::setDesignName(const char* text)
{
    m_designName = wjxml::storableText(text);
    getDesignData()->UpdateDOMTag(GetDomElement(), "DesignName", designName(), false);
}

IWJPartMap* CWJInterfaceView::findPartMap(IWJCompInst* compInst)
{
    for (auto walk = partMaps(); walk.isValid(); ++walk) {
        if (walk.value()->compInst() == compInst)
            return walk.value();
    }
    return nullptr;
}

void CWJInterfaceView::AddChild(xercesc::DOMElement*, IWJXMLObject* child)
{
    if (auto* compInst = dynamic_cast<CWJCompInst*>(child))
        fileCompInst(compInst);
    else if (auto* footprint = dynamic_cast<CWJFootPrint*>(child))
        fileFootprint(footprint);
    else if (auto* partMap = dynamic_cast<CWJPartMap*>(child))
        m_partMaps.push_back(partMap);
}

const char* CWJInterfaceView::makeUniqueId(const char* name)
{
    if (!name)
        name = "";
    if (getDesignData()->loading) {
        m_idSet.insert(name);
        return name;
    }
    std::string base = isAsciiLetter(name[0]) ? std::string(name) : "TVN_" + std::string(name);
    std::replace_if(base.begin(), base.end(), [](char c) { return !isIdCharacter(c); }, '_');

    static std::string idBuffer;
    idBuffer = base;
    ++m_idCandidatesTried;
    if (m_idSet.count(idBuffer)) {
        unsigned long long& suffix = m_nextSuffix[base];
        if (suffix == 0)
            suffix = 1;
        do {
            idBuffer = base + '_' + std::to_string(suffix++);
            ++m_idCandidatesTried;
        } while (m_idSet.count(idBuffer));
    }
    m_idSet.insert(idBuffer);
    return idBuffer.c_str();
}

IWJCompInst* CWJInterfaceView::findCompInst(const char* id)
{
    const auto found = m_compInsts.find(id);
    return found == m_compInsts.end() ? nullptr : found->second;
}

IWJFootPrint* CWJInterfaceView::findFootprint(const char* id)
{
    const auto found = m_footprints.find(id);
    return found == m_footprints.end() ? nullptr : found->second;
}
