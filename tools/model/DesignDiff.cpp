#include "model/DesignDiff.h"

#include "PrintableText.h"

#include <map>
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
            m_entries.push_back({Removed, left->first, left->second.name, {}, nullptr});
            ++left;
        } else if (left == leftEnd || right->first < left->first) {
            m_entries.push_back({Added, right->first, right->second.name, {}, nullptr});
            ++right;
        } else {
            compare(left->first, left->second, right->second);
            ++left;
            ++right;
        }
    }
    joinSwaps();
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
            m_entries[partner->second].swappedWith = std::make_shared<Entry>(entry);
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

void DesignDiff::compare(const KeyedRecords::Key& key, const KeyedRecords::Record& before,
                         const KeyedRecords::Record& after)
{
    Entry entry{Changed, key, after.name, {}, nullptr};
    // Records of one kind have the same fields in the same order.
    for (std::size_t i = 0; i < before.fields.size() && i < after.fields.size(); ++i) {
        if (before.fields[i].second != after.fields[i].second)
            entry.fields.push_back({after.fields[i].first, before.fields[i].second, after.fields[i].second});
    }
    if (!entry.fields.empty())
        m_entries.push_back(entry);
}

void DesignDiff::print(std::ostream& out) const
{
    for (const Entry& entry : m_entries) {
        if (entry.swappedWith) {
            const Entry& other = *entry.swappedWith;
            out << "swapped pin mappings " << wjxml::printable(entry.key.text()) << " and "
                << wjxml::printable(other.key.text()) << " (" << wjxml::printable(entry.name) << ", "
                << wjxml::printable(other.name) << "): pins " << wjxml::printable(quoted(entry.fields[0].before))
                << " and " << wjxml::printable(quoted(entry.fields[0].after)) << '\n';
            continue;
        }
        out << changeWord(entry.change) << ' ' << DesignRecords::kindName(entry.key.kind);
        if (!entry.key.path.empty())
            out << ' ' << wjxml::printable(entry.key.text());
        if (!entry.name.empty())
            out << " (" << wjxml::printable(entry.name) << ')';
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
