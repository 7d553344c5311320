#ifndef IFX_DESIGNRECORDS_H
#define IFX_DESIGNRECORDS_H

#include "wjxmlinterfaceflowreader.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// Everything a host sees of a design through the interfaces: one record per
// object, port reference and mapping, in the order the interfaces give them,
// with every value exactly as the model gives it, references to other
// objects as the records of those objects, and what the lookups find: a port,
// pair or pin by its name, a part map by its instance, and a part map's
// lookups for each mapped port and bit. Part maps give their mappings in no
// meaningful order, so the mappings of each are sorted by their text. Two views are the same model
// when their texts are equal; ifx show and diff are made from the records.
class DesignRecords {
public:
    // In the order in which differences are listed. From PinMappingKind on,
    // records have no id of their own.
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
        GroupMappingKind,
        PortRefKind,
        PairRefKind
    };
    // Targets that are no record: a null reference, and an object filed
    // nowhere in the design.
    static constexpr int kNone = -1;
    static constexpr int kElsewhere = -2;

    struct Field {
        const char* name;         // one of the texts the records are made with
        std::string text;         // a value of the model, exactly
        std::vector<int> targets; // or the records of the objects it refers to
    };
    struct Record {
        Kind kind;
        std::string id; // under which the model files it; a part map's index; "" for the others
        int parent;     // the record it is part of, or kNone
        std::vector<Field> fields;

        const std::string& text(const char* name) const { return field(name).text; }
        int number(const char* name) const { return std::stoi(text(name)); }
        int target(const char* name) const { return field(name).targets.front(); }
        const std::vector<int>& targets(const char* name) const { return field(name).targets; }
        const Field& field(const char* name) const;
    };

    static const char* kindName(Kind kind);

    explicit DesignRecords(IWJInterfaceView* design);

    const std::vector<Record>& records() const { return m_records; }
    const Record& at(int index) const { return m_records[static_cast<std::size_t>(index)]; }
    // The record of an object of the design, while the design lives: kNone
    // for null, kElsewhere for an object filed nowhere.
    int recordOf(const void* object) const;
    // Of the record at index, "" for a target that is no record: its id, a
    // field, and for a port or pair its instance port name when it has one,
    // else its name.
    std::string idOf(int index) const { return index < 0 ? "" : at(index).id; }
    std::string textOf(int index, const char* field) const { return index < 0 ? "" : at(index).text(field); }
    std::string localName(int index) const;
    // One line per record: its kind, path and values, references as paths,
    // "-" for null and "?" for an object filed nowhere.
    std::string text() const;

private:
    void addInstance(const std::string& id, IWJCompInst* instance);
    void addGroups(int parent, IWJPortGroup* group);
    void addFootprint(const std::string& id, IWJFootPrint* footprint);
    void addPartMap(int index, IWJPartMap* partMap, IWJInterfaceView* design);
    void referPins(const char* name, IWJFootPrintPinGroup* group);
    // Starts a record for the object; the next puts and refers fill it.
    int add(Kind kind, const void* object, std::string id, int parent);
    void put(const char* name, std::string text);
    void put(const char* name, int number) { put(name, std::to_string(number)); }
    void refer(const char* name, std::vector<const void*> objects);
    void resolve();
    void sort(std::size_t first, std::size_t end);
    std::string line(int index) const;
    // The ids of the record and of those it is part of, joined with '/'.
    std::string path(int index) const;

    // A reference of the walk, resolved once every object has its record.
    struct Pending {
        std::size_t record;
        std::size_t field;
        std::vector<const void*> objects;
    };

    std::vector<Record> m_records;
    std::unordered_map<const void*, int> m_index; // of the records by object
    std::vector<Pending> m_pending;
    std::vector<std::pair<std::size_t, std::size_t>> m_mappings; // each part map's mappings
};

#endif
