#ifndef IFX_DESIGNRECORDS_H
#define IFX_DESIGNRECORDS_H

#include "DesignIds.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// A design as flat records, one per object or mapping, each under a key made
// of its kind and its ids, so that two designs compare by ids rather than by
// text. Fields hold ids where they refer to other objects.
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
        std::string path; // ids joined with '/'; a bit in angle brackets

        bool operator<(const Key& other) const { return kind != other.kind ? kind < other.kind : path < other.path; }
    };
    struct Record {
        std::string name; // what people call the object
        std::vector<std::pair<std::string, std::string>> fields;
    };

    static const char* kindName(Kind kind);

    explicit DesignRecords(IWJInterfaceView* design);

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
    std::string pinIds(IWJFootPrintPinGroup* group) const;
    std::string refText(IWJPort* port, int lsb, int msb) const;
    void add(Kind kind, const std::string& path, Record record);

    DesignIds m_ids;
    std::map<Key, Record> m_records;
    std::map<std::string, int> m_partMapsPerInstance;
};

#endif
