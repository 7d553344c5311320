#ifndef IFX_KEYEDRECORDS_H
#define IFX_KEYEDRECORDS_H

#include "model/DesignRecords.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// A design's records as ifx diff compares them: each object or mapping under
// a key made of its kind and its ids, so that two designs compare by ids
// rather than by text, with the fields people read; fields hold ids where
// they refer to other objects. By name, keys and fields use instead the
// refdes, port, group, footprint and pin names, so that a design whose ids
// were made anew compares equal to the original; a second object of one name
// in the same place is keyed "NAME#2", and so on.
class KeyedRecords {
public:
    struct Key {
        DesignRecords::Kind kind;
        std::vector<std::string> path; // ids from the outermost; a bit in angle brackets

        bool operator<(const Key& other) const { return kind != other.kind ? kind < other.kind : path < other.path; }
        // The path's parts joined with '/'.
        std::string text() const;
    };
    struct Record {
        std::string name; // what people call the object
        std::vector<std::pair<std::string, std::string>> fields;
        // A mapping's pins by name, in natural order, for people to read.
        std::vector<std::string> pins = {};
    };

    KeyedRecords(const DesignRecords& design, bool byName);
    // The records of pack(), which holds them in one text a few bytes longer
    // than theirs: a design's records kept small while another is read.
    explicit KeyedRecords(const std::string& packed);

    const std::map<Key, Record>& records() const { return m_records; }
    std::string pack() const;

private:
    using Source = DesignRecords::Record;

    void addRecord(int index);
    void addMapping(int index);
    void addRef(const Source& ref);
    // The port's id, and the range in angle brackets when there is one.
    std::string refText(int port, int lsb, int msb) const;
    std::string pinList(const std::vector<int>& pins) const;
    std::vector<std::string> pinNames(const std::vector<int>& pins) const;
    // The id of the record, or by name the name given; "" for no record.
    std::string pick(int index, const std::string& name) const;
    // The key of the instance or footprint that holds the record.
    std::string ownerKey(int index) const;
    // Files the record; a second record under one key, as two pins of one
    // name or a second part map of one instance, gets "#2" on the last part
    // of its path, and so on.
    Key add(DesignRecords::Kind kind, std::vector<std::string> path, Record record);

    const DesignRecords* m_design; // read only while the records are made
    bool m_byName = false;

    std::map<Key, Record> m_records;
    std::map<Key, int> m_seen; // records added under each key
    std::vector<Key> m_keys;   // the key of each record of the design
};

#endif
