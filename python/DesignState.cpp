#include "DesignState.h"

#include "Errors.h"
#include "ModelHandle.h"
#include "edit/DesignStamp.h"

#include <pybind11/pybind11.h>

namespace {

template <class Walk> void collect(Walk walk, std::unordered_set<const void*>& into)
{
    for (; walk.isValid(); ++walk)
        into.insert(walk.value());
}

} // namespace

DesignState::DesignState(std::unique_ptr<CWJXMLFlowReader> reader, IWJInterfaceView* view, bool bound)
    : m_reader(std::move(reader)), m_view(view), m_bound(bound)
{
}

DesignState::~DesignState()
{
    delete m_view;
}

std::shared_ptr<DesignState> DesignState::read(const std::string& path, bool bind)
{
    auto reader = std::make_unique<CWJXMLFlowReader>();
    reader->readFlowXML(path.c_str(), bind);
    IWJInterfaceView* view = reader->getInterfaceView();
    if (!view) {
        const std::string message = reader->lastError();
        throw ReadFailure(message.empty() ? path + ": cannot be read" : message);
    }
    return std::shared_ptr<DesignState>(new DesignState(std::move(reader), view, bind));
}

std::shared_ptr<DesignState> DesignState::create(const std::string& designName, const std::string& lastUpdatedBy,
                                                 const std::string& lastUpdatedAt)
{
    auto reader = std::make_unique<CWJXMLFlowReader>();
    IWJInterfaceView* view =
        reader->CreateInterfaceView(lastUpdatedBy.c_str(), lastUpdatedAt.c_str(), designName.c_str());
    return std::shared_ptr<DesignState>(new DesignState(std::move(reader), view, true));
}

IWJInterfaceView* DesignState::edit() const
{
    requireEditable(*this);
    return m_view;
}

void requireEditable(const DesignState& design)
{
    if (!design.bound())
        throw pybind11::value_error("the design was read with bind=False, whose save writes the file as it was read: "
                                    "read it with bind=True to edit it");
    design.noteEdit();
}

std::string DesignState::write(const std::string& path)
{
    if (m_edited && !m_stampedByHost)
        DesignStamp::stamp(m_view, "Python");
    m_reader->writeXMLFile(path.c_str());
    const std::string message = m_reader->lastError();
    if (message.empty())
        m_edited = m_stampedByHost = false;
    return message;
}

std::shared_ptr<Tracker> DesignState::track(const void* object, const std::shared_ptr<Tracker>& owner)
{
    std::shared_ptr<Tracker>& record = m_trackers[object];
    if (!record || !record->alive() || record->owner != owner)
        record = std::make_shared<Tracker>(Tracker{object, owner});
    return record;
}

void DesignState::retire(const void* object)
{
    const auto found = m_trackers.find(object);
    if (found == m_trackers.end())
        return;
    found->second->removed = true;
    m_trackers.erase(found);
}

std::unordered_set<const void*> DesignState::topLevelObjects()
{
    std::unordered_set<const void*> objects;
    collect(m_view->compInsts(), objects);
    collect(m_view->footprints(), objects);
    return objects;
}

bool DesignState::holdsInstance(const IWJCompInst* instance)
{
    return m_topLevel.contains(m_view, instance, m_structure,
                               [this](std::unordered_set<const void*>& into) { into = topLevelObjects(); });
}

bool DesignState::holdsFootprint(const IWJFootPrint* footprint)
{
    return m_topLevel.contains(m_view, footprint, m_structure,
                               [this](std::unordered_set<const void*>& into) { into = topLevelObjects(); });
}

bool DesignState::holdsPort(IWJCompInst* instance, const IWJPort* port)
{
    return m_ports.contains(instance, port, m_structure, [instance](std::unordered_set<const void*>& into) {
        collect(instance->ports(), into);
        collect(instance->differentialPorts(), into);
    });
}

bool DesignState::holdsPin(IWJFootPrint* footprint, const IWJFootPrintPin* pin)
{
    return m_pins.contains(footprint, pin, m_structure,
                           [footprint](std::unordered_set<const void*>& into) { collect(footprint->pins(), into); });
}

std::vector<IWJPartMap*> DesignState::partMaps()
{
    std::vector<IWJPartMap*> partMaps;
    for (auto walk = m_view->partMaps(); walk.isValid(); ++walk) {
        if (!m_orphanedPartMaps.count(walk.value()))
            partMaps.push_back(walk.value());
    }
    return partMaps;
}

void DesignState::retireRemoved(const std::unordered_set<const void*>& before,
                                const std::vector<IWJPartMap*>& partMapsBefore)
{
    const std::unordered_set<const void*> after = topLevelObjects();
    const auto removed = [&](const void* object) { return before.count(object) && !after.count(object); };
    for (const void* object : before) {
        if (removed(object))
            retire(object);
    }
    std::unordered_set<const void*> kept;
    collect(m_view->partMaps(), kept);
    for (IWJPartMap* partMap : partMapsBefore) {
        if (!kept.count(partMap)) {
            retire(partMap);
        } else if (removed(partMap->compInst()) || removed(partMap->footprint())) {
            // The core kept a part map whose instance or footprint it deleted:
            // it is never handed out again.
            retire(partMap);
            m_orphanedPartMaps.insert(partMap);
        }
    }
    structureChanged();
}
