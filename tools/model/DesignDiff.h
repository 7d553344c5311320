#ifndef IFX_DESIGNDIFF_H
#define IFX_DESIGNDIFF_H

#include "model/KeyedRecords.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

// What changed between two designs: records added, removed, or changed in
// some fields, each with its old and new value.
class DesignDiff {
public:
    DesignDiff(const KeyedRecords& before, const KeyedRecords& after);

    bool same() const { return m_entries.empty(); }
    // One line per record, then a summary line.
    void print(std::ostream& out) const;
    nlohmann::ordered_json json() const;

private:
    enum Change { Added, Removed, Changed };
    struct Field {
        std::string name;
        std::string before;
        std::string after;
    };
    struct Entry {
        Change change;
        KeyedRecords::Key key;
        std::string name;
        std::vector<Field> fields;        // when changed
        std::vector<std::string> pins;    // of a mapping: its pins, after a change its new pins
        std::vector<std::string> oldPins; // of a mapping changed: its pins before
        // The pin mapping that took this one's pin while this one took its.
        std::shared_ptr<Entry> swappedWith;
    };

    static std::vector<Field> differences(const KeyedRecords::Record& before, const KeyedRecords::Record& after);
    void compare(const KeyedRecords::Key& key, const KeyedRecords::Record& before, const KeyedRecords::Record& after);
    void joinSwaps();
    // A footprint removed and one added with the same pins are one rename.
    void joinRenames(const KeyedRecords& before, const KeyedRecords& after);
    int count(Change change) const;

    std::vector<Entry> m_entries;
};

#endif
