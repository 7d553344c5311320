#ifndef WJXML_PYTHON_DESIGNSTATE_H
#define WJXML_PYTHON_DESIGNSTATE_H

#include "MemberCache.h"
#include "Tracker.h"

#include <wjxmlinterfaceflowreader.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// One design open in Python: the reader and the view it owns, and what the
// module knows about the model objects it handed out. Every Python object of
// the design shares it, so the view is deleted only after the last of them.
class DesignState : public std::enable_shared_from_this<DesignState> {
public:
    static std::shared_ptr<DesignState> read(const std::string& path, bool bind);
    static std::shared_ptr<DesignState> create(const std::string& designName, const std::string& lastUpdatedBy,
                                               const std::string& lastUpdatedAt);
    ~DesignState();
    DesignState(const DesignState&) = delete;
    DesignState& operator=(const DesignState&) = delete;

    IWJInterfaceView* view() const { return m_view; }
    // The view, as the handles of the other classes give their model object.
    IWJInterfaceView* get() const { return m_view; }
    bool bound() const { return m_bound; }
    // The view for an edit; raises ValueError when the design is unbound.
    IWJInterfaceView* edit() const;
    // Notes an edit, for the stamp of the next save.
    void noteEdit() const { m_edited = true; }
    // The host set LastUpdatedBy or LastUpdatedAt itself: the next save
    // keeps what it set.
    void stampedByHost() { m_stampedByHost = true; }
    // Writes the design, stamped as changed by this user when it was edited
    // since the last save; "" on success, else the library's message.
    std::string write(const std::string& path);

    // The record of a model object reached through owner (null for
    // instances, footprints and part maps).
    std::shared_ptr<Tracker> track(const void* object, const std::shared_ptr<Tracker>& owner);
    // Marks the object removed for every Python object that holds it.
    void retire(const void* object);

    // Counts the additions and removals: collections taken before a change
    // of structure are taken again after it.
    std::uint64_t structure() const { return m_structure; }
    void structureChanged() { ++m_structure; }

    bool holdsInstance(const IWJCompInst* instance);
    bool holdsFootprint(const IWJFootPrint* footprint);
    bool holdsPort(IWJCompInst* instance, const IWJPort* port);
    bool holdsPin(IWJFootPrint* footprint, const IWJFootPrintPin* pin);

    // The part maps of the view, less those the core kept while their
    // instance or footprint went.
    std::vector<IWJPartMap*> partMaps();
    // Retires what went with a removed instance or footprint: the objects
    // that left the view's collections and the part maps that used them.
    void retireRemoved(const std::unordered_set<const void*>& before, const std::vector<IWJPartMap*>& partMapsBefore);
    std::unordered_set<const void*> topLevelObjects();

private:
    DesignState(std::unique_ptr<CWJXMLFlowReader> reader, IWJInterfaceView* view, bool bound);

    std::unique_ptr<CWJXMLFlowReader> m_reader;
    IWJInterfaceView* m_view;
    bool m_bound;
    std::uint64_t m_structure = 0;
    mutable bool m_edited = false;
    bool m_stampedByHost = false;
    std::unordered_map<const void*, std::shared_ptr<Tracker>> m_trackers;
    std::unordered_set<const IWJPartMap*> m_orphanedPartMaps;
    MemberCache m_topLevel;
    MemberCache m_ports;
    MemberCache m_pins;
};

#endif
