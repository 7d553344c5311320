#include "model/KeyedRecords.h"

#include "model/ModelText.h"
#include "text/NaturalOrder.h"

#include <algorithm>

namespace {

using Records = DesignRecords;

void append(std::string& list, const std::string& item)
{
    list += (list.empty() ? "" : ", ") + item;
}

// The record's fields of these names, as they are.
std::vector<std::pair<std::string, std::string>> copy(const DesignRecords::Record& record,
                                                      std::initializer_list<const char*> names)
{
    std::vector<std::pair<std::string, std::string>> fields;
    for (const char* name : names)
        fields.emplace_back(name, record.text(name));
    return fields;
}

} // namespace

std::string KeyedRecords::Key::text() const
{
    std::string joined;
    for (const std::string& part : path)
        joined += (joined.empty() ? "" : "/") + part;
    return joined;
}

KeyedRecords::KeyedRecords(const DesignRecords& design, bool byName)
    : m_design(&design), m_byName(byName), m_keys(design.records().size(), Key{Records::DesignKind, {}})
{
    for (std::size_t i = 0; i < design.records().size(); ++i)
        addRecord(static_cast<int>(i));
    // What only the making needed would be two more copies of every key.
    m_seen = {};
    m_keys = {};
}

// Every text ends in a NUL, which no text of a design holds; a count of
// texts is a text.
std::string KeyedRecords::pack() const
{
    std::string packed;
    const auto put = [&packed](const std::string& text) { packed.append(text).push_back('\0'); };
    const auto putAll = [&put](const std::vector<std::string>& texts) {
        put(std::to_string(texts.size()));
        for (const std::string& text : texts)
            put(text);
    };
    for (const auto& [key, record] : m_records) {
        put(std::to_string(key.kind));
        putAll(key.path);
        put(record.name);
        put(std::to_string(record.fields.size()));
        for (const auto& [name, value] : record.fields) {
            put(name);
            put(value);
        }
        putAll(record.pins);
    }
    return packed;
}

KeyedRecords::KeyedRecords(const std::string& packed) : m_design(nullptr)
{
    std::size_t at = 0;
    const auto take = [&packed, &at] {
        const std::size_t end = packed.find('\0', at);
        std::string text = packed.substr(at, end - at);
        at = end + 1;
        return text;
    };
    const auto count = [&take] { return static_cast<std::size_t>(std::stoul(take())); };
    const auto takeAll = [&take, &count] {
        std::vector<std::string> texts(count());
        for (std::string& text : texts)
            text = take();
        return texts;
    };
    while (at < packed.size()) {
        Key key{static_cast<DesignRecords::Kind>(count()), takeAll()};
        Record record{take(), {}};
        record.fields.resize(count());
        for (auto& field : record.fields)
            field = {take(), take()};
        record.pins = takeAll();
        m_records.emplace_hint(m_records.end(), std::move(key), std::move(record));
    }
}

void KeyedRecords::addRecord(int index)
{
    const Source& r = m_design->at(index);
    Key& key = m_keys[static_cast<std::size_t>(index)];
    switch (r.kind) {
    case Records::DesignKind:
        key = add(r.kind, {}, {r.text("design name"), copy(r, {"design name", "last updated by", "last updated at"})});
        break;
    case Records::InstanceKind:
        key = add(r.kind, {pick(index, r.text("refdes"))}, {r.text("refdes"), copy(r, {"refdes", "cell name"})});
        break;
    case Records::PortKind:
        key = add(r.kind, {ownerKey(index), pick(index, m_design->localName(index))},
                  {r.text("full name"),
                   {{"name", r.text("name")},
                    {"instance port name", r.text("instance port name")},
                    {"type", modeltext::portType(r.number("type"))},
                    {"pins", r.text("pins")},
                    {"bits", modeltext::range(r.number("lsb"), r.number("msb"))}}});
        break;
    case Records::DifferentialPairKind:
        key = add(r.kind, {ownerKey(index), pick(index, m_design->localName(index))},
                  {r.text("full name"),
                   {{"name", r.text("name")},
                    {"instance port name", r.text("instance port name")},
                    {"positive", refText(r.target("positive"), r.number("positive lsb"), r.number("positive msb"))},
                    {"negative", refText(r.target("negative"), r.number("negative lsb"), r.number("negative msb"))}}});
        break;
    case Records::BusInterfaceKind:
        key = add(r.kind, {ownerKey(index), pick(index, r.text("name"))},
                  {r.text("full name"),
                   {{"name", r.text("name")},
                    {"definition", r.text("definition")},
                    {"port refs", ""},
                    {"differential pair refs", ""}}});
        break;
    // Port groups are filed under their instance, with the id of the group
    // or bus interface they are in as a field.
    case Records::GroupKind:
        key = add(r.kind, {ownerKey(index), pick(index, r.text("full name"))},
                  {r.text("full name"),
                   {{"name", r.text("name")},
                    {"in", pick(r.parent, m_design->textOf(r.parent, "full name"))},
                    {"type", modeltext::groupType(static_cast<IWJPortGroup::IWJPortGroupType>(r.number("type")))},
                    {"voltage", r.text("voltage")},
                    {"power pins", r.text("power pins")},
                    {"ground pins", r.text("ground pins")},
                    {"port refs", ""},
                    {"differential pair refs", ""}}});
        break;
    case Records::FootprintKind:
        key = add(r.kind, {pick(index, r.text("name"))},
                  {r.text("name"), copy(r, {"name", "width", "length", "thickness", "origin", "rotation"})});
        break;
    case Records::PinKind:
        key = add(r.kind, {ownerKey(index), pick(index, r.text("name"))},
                  {r.text("name"), copy(r, {"name", "location", "padstack", "size", "shape"})});
        break;
    // A part map is filed under its instance's id, its mappings under the
    // part map.
    case Records::PartMapKind: {
        const int instance = r.target("instance");
        const int footprint = r.target("footprint");
        key = add(
            r.kind,
            {instance == Records::kNone ? "(no instance)" : pick(instance, m_design->textOf(instance, "refdes"))},
            {m_design->textOf(instance, "refdes"),
             {{"footprint", footprint == Records::kNone ? "" : pick(footprint, m_design->textOf(footprint, "name"))}}});
        break;
    }
    case Records::PortRefKind:
    case Records::PairRefKind: addRef(r); break;
    default: addMapping(index);
    }
}

void KeyedRecords::addMapping(int index)
{
    const Source& r = m_design->at(index);
    const std::string& partMap = m_keys[static_cast<std::size_t>(r.parent)].path.back();
    if (r.kind == Records::GroupMappingKind) {
        const int group = r.target("group");
        add(r.kind, {partMap, pick(group, m_design->textOf(group, "full name"))},
            {m_design->textOf(group, "full name"),
             {{"pins", pinList(r.targets("pins"))}},
             pinNames(r.targets("pins"))});
        return;
    }
    const int instance = m_design->at(r.parent).target("instance");
    const std::string prefix = instance == Records::kNone ? "" : m_design->textOf(instance, "refdes") + '.';
    const int bit = r.number("lsb");
    const std::string port = refText(r.target("port"), bit, bit);
    const std::string name = m_byName ? prefix + port : r.text("name");
    if (r.kind == Records::PinMappingKind) {
        const int pin = r.target("pin");
        add(r.kind, {partMap, port}, {name, {{"pin", pick(pin, m_design->textOf(pin, "name"))}}, pinNames({pin})});
    } else {
        add(r.kind, {partMap, port}, {name, {{"pins", pinList(r.targets("pins"))}}, pinNames(r.targets("pins"))});
    }
}

// Adds the reference to the list in the record of its group.
void KeyedRecords::addRef(const Source& ref)
{
    auto& fields = m_records[m_keys[static_cast<std::size_t>(ref.parent)]].fields;
    const auto list = [&fields](const char* name) -> std::string& {
        return std::find_if(fields.begin(), fields.end(), [name](const auto& field) { return field.first == name; })
            ->second;
    };
    if (ref.kind == Records::PortRefKind) {
        append(list("port refs"), refText(ref.target("port"), ref.number("lsb"), ref.number("msb")));
    } else {
        const int pair = ref.target("pair");
        append(list("differential pair refs"), pick(pair, m_design->textOf(pair, "full name")));
    }
}

// The pins' ids in the group's order, or by name their names in natural
// order.
std::string KeyedRecords::pinList(const std::vector<int>& pins) const
{
    std::vector<std::string> names;
    for (const int pin : pins)
        names.push_back(pick(pin, m_design->textOf(pin, "name")));
    if (m_byName)
        std::sort(names.begin(), names.end(), NaturalOrder::before);
    std::string list;
    for (const std::string& name : names)
        append(list, name);
    return list;
}

std::vector<std::string> KeyedRecords::pinNames(const std::vector<int>& pins) const
{
    std::vector<std::string> names;
    for (const int pin : pins) {
        if (pin >= 0)
            names.push_back(m_design->textOf(pin, "name"));
    }
    std::sort(names.begin(), names.end(), NaturalOrder::before);
    return names;
}

std::string KeyedRecords::refText(int port, int lsb, int msb) const
{
    if (port == Records::kNone)
        return "";
    const std::string range = modeltext::range(lsb, msb);
    return pick(port, m_design->localName(port)) + (range.empty() ? "" : '<' + range + '>');
}

std::string KeyedRecords::pick(int index, const std::string& name) const
{
    if (m_byName)
        return name;
    return m_design->idOf(index);
}

std::string KeyedRecords::ownerKey(int index) const
{
    while (m_design->at(index).parent != Records::kNone)
        index = m_design->at(index).parent;
    const Source& owner = m_design->at(index);
    return pick(index, owner.text(owner.kind == Records::InstanceKind ? "refdes" : "name"));
}

KeyedRecords::Key KeyedRecords::add(DesignRecords::Kind kind, std::vector<std::string> path, Record record)
{
    if (!path.empty()) {
        const std::string base = path.back();
        for (int n = ++m_seen[{kind, path}]; m_records.count({kind, path}); ++n)
            path.back() = base + '#' + std::to_string(n);
    }
    Key key{kind, std::move(path)};
    m_records[key] = std::move(record);
    return key;
}
