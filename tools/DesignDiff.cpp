#include "DesignDiff.h"

#include "PrintableText.h"

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
DesignDiff::DesignDiff(const DesignRecords& before, const DesignRecords& after)
{
    auto left = before.records().begin();
    auto right = after.records().begin();
    const auto leftEnd = before.records().end();
    const auto rightEnd = after.records().end();
    while (left != leftEnd || right != rightEnd) {
        if (right == rightEnd || (left != leftEnd && left->first < right->first)) {
            m_entries.push_back({Removed, left->first, left->second.name, {}});
            ++left;
        } else if (left == leftEnd || right->first < left->first) {
            m_entries.push_back({Added, right->first, right->second.name, {}});
            ++right;
        } else {
            compare(left->first, left->second, right->second);
            ++left;
            ++right;
        }
    }
}

void DesignDiff::compare(const DesignRecords::Key& key, const DesignRecords::Record& before,
                         const DesignRecords::Record& after)
{
    Entry entry{Changed, key, after.name, {}};
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
        out << changeWord(entry.change) << ' ' << DesignRecords::kindName(entry.key.kind);
        if (!entry.key.path.empty())
            out << ' ' << wjxml::printable(entry.key.path);
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
            {"kind", DesignRecords::kindName(entry.key.kind)}, {"id", entry.key.path}, {"name", entry.name}};
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
