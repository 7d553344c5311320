#include "model/DesignDiff.h"

#include "PrintableText.h"

#include <map>
#include <set>
#include <tuple>

namespace {

const char* changeWord(int change)
{
    static const char* const words[] = {"added", "removed", "changed"};
    return words[change];
}

std::string quoted(const std::string& text)
{
    return '"' + text + '"';
}

// "H3", "1 2", "(none)".
std::string pinNames(const std::vector<std::string>& pins)
{
    std::string text;
    for (const std::string& pin : pins)
        text += (text.empty() ? "" : " ") + pin;
    return text.empty() ? "(none)" : text;
}

// "pin H3", "pins 1 2".
std::string pinWords(const std::vector<std::string>& pins)
{
    return (pins.size() == 1 ? "pin " : "pins ") + pinNames(pins);
}

// "pin A1 -> H3", "pins A7 -> A7 H3".
std::string pinChange(const std::vector<std::string>& before, const std::vector<std::string>& after)
{
    return (before.size() > 1 || after.size() > 1 ? "pins " : "pin ") + pinNames(before) + " -> " + pinNames(after);
}

} // namespace

// Both record maps are sorted by key, so one merging walk finds every
// difference.
DesignDiff::DesignDiff(const KeyedRecords& before, const KeyedRecords& after)
{
    auto left = before.records().begin();
    auto right = after.records().begin();
    const auto leftEnd = before.records().end();
    const auto rightEnd = after.records().end();
    while (left != leftEnd || right != rightEnd) {
        if (right == rightEnd || (left != leftEnd && left->first < right->first)) {
            m_entries.push_back({Removed, left->first, left->second.name, {}, left->second.pins, {}, nullptr});
            ++left;
        } else if (left == leftEnd || right->first < left->first) {
            m_entries.push_back({Added, right->first, right->second.name, {}, right->second.pins, {}, nullptr});
            ++right;
        } else {
            compare(left->first, left->second, right->second);
            ++left;
            ++right;
        }
    }
    joinSwaps();
    joinRenames(before, after);
}

// Two pin mappings of one part map that trade their pins are one change:
// the first of them names the second, which is dropped.
void DesignDiff::joinSwaps()
{
    std::map<std::tuple<std::string, std::string, std::string>, std::size_t> moves; // part map, from, to
    std::vector<bool> dropped(m_entries.size(), false);
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries[i];
        if (entry.change != Changed || entry.key.kind != DesignRecords::PinMappingKind || entry.fields.size() != 1)
            continue;
        const std::string& partMap = entry.key.path.front();
        const auto partner = moves.find({partMap, entry.fields[0].after, entry.fields[0].before});
        if (partner != moves.end() && !m_entries[partner->second].swappedWith) {
            m_entries[partner->second].swappedWith = std::make_shared<Entry>(std::move(m_entries[i]));
            dropped[i] = true;
            moves.erase(partner);
        } else {
            moves[{partMap, entry.fields[0].before, entry.fields[0].after}] = i;
        }
    }
    std::vector<Entry> kept;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (!dropped[i])
            kept.push_back(std::move(m_entries[i]));
    }
    m_entries = std::move(kept);
}

void DesignDiff::joinRenames(const KeyedRecords& before, const KeyedRecords& after)
{
    // The fields of the pins (names, not ids) of each footprint removed or
    // added, sorted.
    using Pins = std::vector<std::vector<std::pair<std::string, std::string>>>;
    std::map<std::string, Pins> removedPins;
    std::map<std::string, Pins> addedPins;
    for (const Entry& entry : m_entries) {
        if (entry.key.kind == DesignRecords::FootprintKind && entry.change != Changed)
            (entry.change == Removed ? removedPins : addedPins)[entry.key.path.front()];
    }
    const auto collect = [](const KeyedRecords& records, std::map<std::string, Pins>& into) {
        for (const auto& record : records.records()) {
            const auto footprint =
                record.first.kind == DesignRecords::PinKind ? into.find(record.first.path.front()) : into.end();
            if (footprint != into.end())
                footprint->second.push_back(record.second.fields);
        }
        for (auto& pins : into)
            std::sort(pins.second.begin(), pins.second.end());
    };
    collect(before, removedPins);
    collect(after, addedPins);

    std::vector<bool> dropped(m_entries.size(), false);
    std::set<std::string> renamedBefore;
    std::set<std::string> renamedAfter;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& removed = m_entries[i];
        if (removed.change != Removed || removed.key.kind != DesignRecords::FootprintKind)
            continue;
        const Pins& pins = removedPins[removed.key.path.front()];
        for (Entry& renamed : m_entries) {
            if (pins.empty() || renamed.change != Added || renamed.key.kind != DesignRecords::FootprintKind ||
                addedPins[renamed.key.path.front()] != pins)
                continue;
            renamed.change = Changed;
            renamed.fields = differences(before.records().at(removed.key), after.records().at(renamed.key));
            if (renamed.fields.empty() || renamed.fields.front().name != "name")
                renamed.fields.insert(renamed.fields.begin(), {"id", removed.key.text(), renamed.key.text()});
            renamedBefore.insert(removed.key.path.front());
            renamedAfter.insert(renamed.key.path.front());
            dropped[i] = true;
            break;
        }
    }
    std::vector<Entry> kept;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries[i];
        const auto& renamed = entry.change == Removed ? renamedBefore : renamedAfter;
        if (!dropped[i] && !(entry.key.kind == DesignRecords::PinKind && renamed.count(entry.key.path.front())))
            kept.push_back(std::move(m_entries[i]));
    }
    m_entries = std::move(kept);
}

std::vector<DesignDiff::Field> DesignDiff::differences(const KeyedRecords::Record& before,
                                                       const KeyedRecords::Record& after)
{
    std::vector<Field> fields;
    // Records of one kind have the same fields in the same order.
    for (std::size_t i = 0; i < before.fields.size() && i < after.fields.size(); ++i) {
        if (before.fields[i].second != after.fields[i].second)
            fields.push_back({after.fields[i].first, before.fields[i].second, after.fields[i].second});
    }
    return fields;
}

void DesignDiff::compare(const KeyedRecords::Key& key, const KeyedRecords::Record& before,
                         const KeyedRecords::Record& after)
{
    Entry entry{Changed, key, after.name, differences(before, after), after.pins, before.pins, nullptr};
    if (!entry.fields.empty())
        m_entries.push_back(std::move(entry));
}

void DesignDiff::print(std::ostream& out) const
{
    for (const Entry& entry : m_entries) {
        if (entry.swappedWith) {
            const Entry& other = *entry.swappedWith;
            out << "swapped pin mappings " << wjxml::printable(entry.key.text()) << " and "
                << wjxml::printable(other.key.text()) << " (" << wjxml::printable(entry.name) << ", "
                << wjxml::printable(other.name) << "): pins " << wjxml::printable(pinNames(entry.oldPins)) << " and "
                << wjxml::printable(pinNames(entry.pins)) << '\n';
            continue;
        }
        out << changeWord(entry.change) << ' ' << DesignRecords::kindName(entry.key.kind);
        if (!entry.key.path.empty())
            out << ' ' << wjxml::printable(entry.key.text());
        if (!entry.name.empty())
            out << " (" << wjxml::printable(entry.name) << ')';
        if (entry.change != Changed && !entry.pins.empty())
            out << " on " << wjxml::printable(pinWords(entry.pins));
        // A mapping's only field is its pins: named when their names tell
        // the change, by the field's values when only their ids do.
        if (entry.change == Changed && entry.pins != entry.oldPins)
            out << ": " << wjxml::printable(pinChange(entry.oldPins, entry.pins));
        else
            for (std::size_t i = 0; i < entry.fields.size(); ++i) {
                const Field& field = entry.fields[i];
                out << (i == 0 ? ": " : "; ") << field.name << ' ' << wjxml::printable(quoted(field.before)) << " -> "
                    << wjxml::printable(quoted(field.after));
            }
        out << '\n';
    }
    if (same())
        out << "no differences\n";
    else
        out << count(Added) << " added, " << count(Removed) << " removed, " << count(Changed) << " changed\n";
}

nlohmann::ordered_json DesignDiff::json() const
{
    nlohmann::ordered_json result{{"same", same()},
                                  {"added", nlohmann::ordered_json::array()},
                                  {"removed", nlohmann::ordered_json::array()},
                                  {"changed", nlohmann::ordered_json::array()}};
    for (const Entry& entry : m_entries) {
        nlohmann::ordered_json item{
            {"kind", DesignRecords::kindName(entry.key.kind)}, {"id", entry.key.text()}, {"name", entry.name}};
        if (entry.change == Changed && (!entry.pins.empty() || !entry.oldPins.empty()))
            item["old pins"] = entry.oldPins;
        if (!entry.pins.empty() || !entry.oldPins.empty())
            item["pins"] = entry.pins;
        if (entry.swappedWith)
            item["swapped with"] = entry.swappedWith->key.text();
        if (entry.change == Changed) {
            item["fields"] = nlohmann::ordered_json::array();
            for (const Field& field : entry.fields)
                item["fields"].push_back({{"field", field.name}, {"old", field.before}, {"new", field.after}});
        }
        result[changeWord(entry.change)].push_back(item);
    }
    return result;
}

int DesignDiff::count(Change change) const
{
    int n = 0;
    for (const Entry& entry : m_entries)
        n += entry.change == change ? 1 : 0;
    return n;
}
