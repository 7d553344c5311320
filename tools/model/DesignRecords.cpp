#include "model/DesignRecords.h"

#include <algorithm>
#include <cstring>

namespace {

// The name a port or pair is looked up by: its instance port name when it
// has one, else its name.
const char* localNameOf(IWJPort* port)
{
    const char* instancePortName = port->instancePortName();
    return instancePortName && *instancePortName ? instancePortName : port->name();
}

} // namespace

const char* DesignRecords::kindName(Kind kind)
{
    static const char* const names[] = {
        "design", "instance", "port",        "differential pair", "bus interface", "group",    "footprint",
        "pin",    "part map", "pin mapping", "pin-group mapping", "group mapping", "port ref", "differential pair ref"};
    return names[kind];
}

const DesignRecords::Field& DesignRecords::Record::field(const char* name) const
{
    return *std::find_if(fields.begin(), fields.end(),
                         [name](const Field& field) { return std::strcmp(field.name, name) == 0; });
}

DesignRecords::DesignRecords(IWJInterfaceView* design)
{
    add(DesignKind, nullptr, "", kNone);
    put("design name", design->designName());
    put("last updated by", design->lastUpdatedBy());
    put("last updated at", design->lastUpdatedAt());
    for (auto instances = design->compInsts(); instances.isValid(); ++instances)
        addInstance(instances.key(), instances.value());
    for (auto footprints = design->footprints(); footprints.isValid(); ++footprints)
        addFootprint(footprints.key(), footprints.value());
    int index = 0;
    for (auto partMaps = design->partMaps(); partMaps.isValid(); ++partMaps)
        addPartMap(index++, partMaps.value(), design);
    resolve();
    for (const auto& [first, end] : m_mappings)
        sort(first, end);
}

void DesignRecords::addInstance(const std::string& id, IWJCompInst* instance)
{
    const int owner = add(InstanceKind, instance, id, kNone);
    put("refdes", instance->refdes());
    put("cell name", instance->cellName());
    for (auto ports = instance->ports(); ports.isValid(); ++ports) {
        IWJPort* port = ports.value();
        add(PortKind, port, ports.key(), owner);
        put("name", port->name());
        put("instance port name", port->instancePortName());
        put("type", port->type());
        put("pins", port->numPhysPins());
        put("lsb", port->lsb());
        put("msb", port->msb());
        put("full name", port->fullName());
        refer("found", {instance->findPort(localNameOf(port))});
    }
    for (auto pairs = instance->differentialPorts(); pairs.isValid(); ++pairs) {
        auto* pair = dynamic_cast<IWJDPPort*>(pairs.value());
        if (!pair)
            continue;
        int positiveLsb = -1, positiveMsb = -1, negativeLsb = -1, negativeMsb = -1;
        IWJPort* positive = pair->positivePort(&positiveLsb, &positiveMsb);
        IWJPort* negative = pair->negativePort(&negativeLsb, &negativeMsb);
        add(DifferentialPairKind, pairs.value(), pairs.key(), owner);
        put("name", pair->name());
        put("instance port name", pair->instancePortName());
        put("full name", pair->fullName());
        refer("positive", {positive});
        put("positive lsb", positiveLsb);
        put("positive msb", positiveMsb);
        refer("negative", {negative});
        put("negative lsb", negativeLsb);
        put("negative msb", negativeMsb);
        refer("found", {instance->findDifferentialPort(localNameOf(pair))});
    }
    for (auto buses = instance->busInterfaces(); buses.isValid(); ++buses) {
        IWJPortGroup* bus = buses.value();
        const int record = add(BusInterfaceKind, bus, buses.key(), owner);
        put("name", bus->name());
        put("definition", buses.value()->definition());
        put("full name", bus->fullName());
        addGroups(record, bus);
    }
}

// The references of the group, then its groups, each followed by its own.
void DesignRecords::addGroups(int owner, IWJPortGroup* group)
{
    for (auto refs = group->portRefs(); refs.isValid(); ++refs) {
        int lsb = -1, msb = -1;
        IWJPort* port = refs.value()->port(&lsb, &msb);
        add(PortRefKind, nullptr, "", owner);
        refer("port", {port});
        put("lsb", lsb);
        put("msb", msb);
        put("name", refs.value()->name());
    }
    for (auto pairs = group->differentialPorts(); pairs.isValid(); ++pairs) {
        add(PairRefKind, nullptr, "", owner);
        refer("pair", {pairs.value()});
    }
    for (auto children = group->portGroups(); children.isValid(); ++children) {
        IWJPortGroup* child = children.value();
        const int record = add(GroupKind, child, children.key(), owner);
        put("name", child->name());
        put("type", static_cast<int>(child->groupType()));
        put("voltage", child->voltage());
        put("power pins", child->numPhysPowerPins());
        put("ground pins", child->numPhysGroundPins());
        put("full name", child->fullName());
        addGroups(record, child);
    }
}

void DesignRecords::addFootprint(const std::string& id, IWJFootPrint* footprint)
{
    const int owner = add(FootprintKind, footprint, id, kNone);
    put("name", footprint->name());
    put("width", footprint->width());
    put("length", footprint->length());
    put("thickness", footprint->thickness());
    put("origin", footprint->origin());
    put("rotation", footprint->rotation());
    for (auto pins = footprint->pins(); pins.isValid(); ++pins) {
        IWJFootPrintPin* pin = pins.value();
        add(PinKind, pin, pins.key(), owner);
        put("name", pin->name());
        put("location", pin->location());
        put("padstack", pin->padstack());
        put("size", pin->size());
        put("shape", pin->shape());
        refer("found", {footprint->findPin(pin->name())});
    }
}

// Each mapping of a port also as the lookup by port and bit finds it.
void DesignRecords::addPartMap(int index, IWJPartMap* partMap, IWJInterfaceView* design)
{
    const int owner = add(PartMapKind, partMap, std::to_string(index), kNone);
    refer("instance", {partMap->compInst()});
    refer("found", {design->findPartMap(partMap->compInst())});
    refer("footprint", {partMap->footprint()});
    const std::size_t first = m_records.size();
    const auto addPortMapping = [this, owner](Kind kind, IWJPortRef* ref) {
        int lsb = -1, msb = -1;
        IWJPort* port = ref->port(&lsb, &msb);
        add(kind, nullptr, "", owner);
        put("name", ref->name());
        refer("port", {port});
        put("lsb", lsb);
        put("msb", msb);
        return std::make_pair(port, lsb);
    };
    for (auto maps = partMap->portPinMaps(); maps.isValid(); ++maps) {
        const auto [port, bit] = addPortMapping(PinMappingKind, maps.key());
        refer("pin", {maps.value()});
        refer("found", {partMap->pinForPort(port, bit)});
    }
    for (auto maps = partMap->portPinGroupMaps(); maps.isValid(); ++maps) {
        const auto [port, bit] = addPortMapping(PinGroupMappingKind, maps.key());
        referPins("pins", maps.value());
        referPins("found", partMap->pinGroupForPort(port, bit));
    }
    for (auto maps = partMap->portGroupPinGroupMaps(); maps.isValid(); ++maps) {
        add(GroupMappingKind, nullptr, "", owner);
        refer("group", {maps.key()});
        referPins("pins", maps.value());
    }
    m_mappings.push_back({first, m_records.size()});
}

// The pins in the group's order; null for no group.
void DesignRecords::referPins(const char* name, IWJFootPrintPinGroup* group)
{
    std::vector<const void*> pins;
    if (!group)
        pins.push_back(nullptr);
    else
        for (auto walk = group->pins(); walk.isValid(); ++walk)
            pins.push_back(walk.value());
    refer(name, std::move(pins));
}

int DesignRecords::add(Kind kind, const void* object, std::string id, int parent)
{
    const int index = static_cast<int>(m_records.size());
    if (object)
        m_index.emplace(object, index);
    // The fields of a record come one by one: what their growth left over
    // would be a third of the records of a large design.
    if (!m_records.empty())
        m_records.back().fields.shrink_to_fit();
    m_records.push_back({kind, std::move(id), parent, {}});
    return index;
}

void DesignRecords::put(const char* name, std::string text)
{
    m_records.back().fields.push_back({name, std::move(text), {}});
}

void DesignRecords::refer(const char* name, std::vector<const void*> objects)
{
    // Most references are to objects recorded already: only the others wait
    // for the end of the walk.
    std::vector<int> targets;
    for (const void* object : objects) {
        targets.push_back(recordOf(object));
        if (targets.back() == kElsewhere) {
            m_pending.push_back({m_records.size() - 1, m_records.back().fields.size(), std::move(objects)});
            targets.clear();
            break;
        }
    }
    targets.shrink_to_fit();
    m_records.back().fields.push_back({name, "", std::move(targets)});
}

void DesignRecords::resolve()
{
    for (const Pending& pending : m_pending) {
        std::vector<int>& targets = m_records[pending.record].fields[pending.field].targets;
        for (const void* object : pending.objects)
            targets.push_back(recordOf(object));
    }
    m_pending = {};
}

int DesignRecords::recordOf(const void* object) const
{
    const auto found = m_index.find(object);
    return !object ? kNone : (found == m_index.end() ? kElsewhere : found->second);
}

void DesignRecords::sort(std::size_t first, std::size_t end)
{
    std::vector<std::pair<std::string, Record>> sorted;
    for (std::size_t i = first; i < end; ++i)
        sorted.emplace_back(line(static_cast<int>(i)), std::move(m_records[i]));
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = first; i < end; ++i)
        m_records[i] = std::move(sorted[i - first].second);
}

std::string DesignRecords::localName(int index) const
{
    const std::string instancePortName = textOf(index, "instance port name");
    return instancePortName.empty() ? textOf(index, "name") : instancePortName;
}

std::string DesignRecords::path(int index) const
{
    const Record& record = at(index);
    if (record.parent == kNone)
        return record.id;
    const std::string above = path(record.parent);
    return record.kind < PinMappingKind ? above + '/' + record.id : above;
}

std::string DesignRecords::text() const
{
    std::string text;
    for (std::size_t i = 0; i < m_records.size(); ++i)
        text += line(static_cast<int>(i)) + '\n';
    return text;
}

std::string DesignRecords::line(int index) const
{
    std::string line = std::string(kindName(at(index).kind)) + '|' + path(index);
    for (const Field& field : at(index).fields) {
        line += '|' + field.text;
        for (std::size_t i = 0; i < field.targets.size(); ++i) {
            const int target = field.targets[i];
            line += (i == 0 ? "" : " ") + (target == kNone ? "-" : (target == kElsewhere ? "?" : path(target)));
        }
    }
    return line;
}
