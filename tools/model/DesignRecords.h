#ifndef IFX_DESIGNRECORDS_H
#define IFX_DESIGNRECORDS_H

#include "model/DesignIds.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// A design as flat records, one per object or mapping, each under a key made
// of its kind and its ids, so that two designs compare by ids rather than by
// text; fields hold ids where they refer to other objects. By name, keys and
// fields use instead the refdes, port, group, footprint and pin names, so
// that a design whose ids were made anew compares equal to the original; a
// second object of one name in the same place is keyed "NAME#2", and so on.
class DesignRecords {
public:
    // In the order in which differences are listed.
    enum Kind {
        DesignKind,
        InstanceKind,
        PortKind,
        DifferentialPairKind,
        BusInterfaceKind,
        GroupKind,
        FootprintKind,
        PinKind,
        PartMapKind,
        PinMappingKind,
        PinGroupMappingKind,
        GroupMappingKind
    };
    struct Key {
        Kind kind;
        std::vector<std::string> path; // ids from the outermost; a bit in angle brackets

        bool operator<(const Key& other) const { return kind != other.kind ? kind < other.kind : path < other.path; }
        // The path's parts joined with '/'.
        std::string text() const;
    };
    struct Record {
        std::string name; // what people call the object
        std::vector<std::pair<std::string, std::string>> fields;
    };

    static const char* kindName(Kind kind);

    DesignRecords(IWJInterfaceView* design, bool byName);

    const std::map<Key, Record>& records() const { return m_records; }

private:
    void addInstance(const std::string& id, IWJCompInst* instance);
    void addPort(const std::string& owner, IWJPort* port);
    void addPair(const std::string& owner, IWJDPPort* pair);
    void addBusInterface(const std::string& owner, IWJCompBusInterface* bus);
    void addChildGroups(const std::string& owner, IWJPortGroup* parent);
    void addRefs(Record& record, IWJPortGroup* group) const;
    void addFootprint(const std::string& id, IWJFootPrint* footprint);
    void addPartMap(IWJPartMap* partMap);
    std::string refText(IWJPort* port, int lsb, int msb) const;
    // The id, or by name the name.
    std::string pick(const std::string& id, const std::string& name) const;
    std::string pinList(IWJFootPrintPinGroup* group) const;
    // Files the record; a second record under one key, as two pins of one
    // name or a second part map of one instance, gets "#2" on the last part
    // of its path, and so on. Returns that last part.
    std::string add(Kind kind, std::vector<std::string> path, Record record);

    bool m_byName;

    DesignIds m_ids;
    std::map<Key, Record> m_records;
    std::map<Key, int> m_seen; // records added under each key
};

#endif
