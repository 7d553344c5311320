#include "model/DesignRecords.h"

#include "model/ModelText.h"
#include "text/NaturalOrder.h"

#include <algorithm>

namespace {

void append(std::string& list, const std::string& item)
{
    list += (list.empty() ? "" : ", ") + item;
}

} // namespace

const char* DesignRecords::kindName(Kind kind)
{
    static const char* const names[] = {
        "design",    "instance", "port",     "differential pair", "bus interface",     "group",
        "footprint", "pin",      "part map", "pin mapping",       "pin-group mapping", "group mapping"};
    return names[kind];
}

std::string DesignRecords::Key::text() const
{
    std::string joined;
    for (const std::string& part : path)
        joined += (joined.empty() ? "" : "/") + part;
    return joined;
}

DesignRecords::DesignRecords(IWJInterfaceView* design, bool byName) : m_byName(byName), m_ids(design)
{
    add(DesignKind, {},
        {design->designName(),
         {{"design name", design->designName()},
          {"last updated by", design->lastUpdatedBy()},
          {"last updated at", design->lastUpdatedAt()}}});
    for (auto instances = design->compInsts(); instances.isValid(); ++instances)
        addInstance(pick(instances.key(), instances.value()->refdes()), instances.value());
    for (auto footprints = design->footprints(); footprints.isValid(); ++footprints)
        addFootprint(pick(footprints.key(), footprints.value()->name()), footprints.value());
    for (auto partMaps = design->partMaps(); partMaps.isValid(); ++partMaps)
        addPartMap(partMaps.value());
}

void DesignRecords::addInstance(const std::string& id, IWJCompInst* instance)
{
    add(InstanceKind, {id},
        {instance->refdes(), {{"refdes", instance->refdes()}, {"cell name", instance->cellName()}}});
    for (auto ports = instance->ports(); ports.isValid(); ++ports)
        addPort(id, ports.value());
    for (auto pairs = instance->differentialPorts(); pairs.isValid(); ++pairs) {
        if (auto* pair = dynamic_cast<IWJDPPort*>(pairs.value()))
            addPair(id, pair);
    }
    for (auto buses = instance->busInterfaces(); buses.isValid(); ++buses)
        addBusInterface(id, buses.value());
}

void DesignRecords::addPort(const std::string& owner, IWJPort* port)
{
    add(PortKind, {owner, pick(m_ids.of(port), modeltext::localName(port))},
        {port->fullName(),
         {{"name", port->name()},
          {"instance port name", port->instancePortName()},
          {"type", modeltext::portType(port->type())},
          {"pins", std::to_string(port->numPhysPins())},
          {"bits", modeltext::range(port->lsb(), port->msb())}}});
}

void DesignRecords::addPair(const std::string& owner, IWJDPPort* pair)
{
    int positiveLsb = -1, positiveMsb = -1, negativeLsb = -1, negativeMsb = -1;
    IWJPort* positive = pair->positivePort(&positiveLsb, &positiveMsb);
    IWJPort* negative = pair->negativePort(&negativeLsb, &negativeMsb);
    add(DifferentialPairKind, {owner, pick(m_ids.of(pair), modeltext::localName(pair))},
        {pair->fullName(),
         {{"name", pair->name()},
          {"instance port name", pair->instancePortName()},
          {"positive", refText(positive, positiveLsb, positiveMsb)},
          {"negative", refText(negative, negativeLsb, negativeMsb)}}});
}

void DesignRecords::addBusInterface(const std::string& owner, IWJCompBusInterface* bus)
{
    Record record{bus->fullName(), {{"name", bus->name()}, {"definition", bus->definition()}}};
    addRefs(record, bus);
    add(BusInterfaceKind, {owner, pick(m_ids.of(bus), bus->name())}, std::move(record));
    addChildGroups(owner, bus);
}

// Port groups are filed under their instance, with the id of the group or
// bus interface they are in as a field.
void DesignRecords::addChildGroups(const std::string& owner, IWJPortGroup* parent)
{
    for (auto children = parent->portGroups(); children.isValid(); ++children) {
        IWJPortGroup* group = children.value();
        Record record{group->fullName(),
                      {{"name", group->name()},
                       {"in", pick(m_ids.of(parent), parent->fullName())},
                       {"type", modeltext::groupType(group->groupType())},
                       {"voltage", group->voltage()},
                       {"power pins", std::to_string(group->numPhysPowerPins())},
                       {"ground pins", std::to_string(group->numPhysGroundPins())}}};
        addRefs(record, group);
        add(GroupKind, {owner, pick(children.key(), record.name)}, std::move(record));
        addChildGroups(owner, group);
    }
}

void DesignRecords::addRefs(Record& record, IWJPortGroup* group) const
{
    std::string portRefs;
    for (auto refs = group->portRefs(); refs.isValid(); ++refs) {
        int lsb = -1, msb = -1;
        IWJPort* port = refs.value()->port(&lsb, &msb);
        append(portRefs, refText(port, lsb, msb));
    }
    std::string pairRefs;
    for (auto pairs = group->differentialPorts(); pairs.isValid(); ++pairs)
        append(pairRefs, pick(m_ids.of(pairs.value()), pairs.value()->fullName()));
    record.fields.push_back({"port refs", portRefs});
    record.fields.push_back({"differential pair refs", pairRefs});
}

void DesignRecords::addFootprint(const std::string& id, IWJFootPrint* footprint)
{
    add(FootprintKind, {id},
        {footprint->name(),
         {{"name", footprint->name()},
          {"width", footprint->width()},
          {"length", footprint->length()},
          {"thickness", footprint->thickness()},
          {"origin", footprint->origin()},
          {"rotation", footprint->rotation()}}});
    for (auto pins = footprint->pins(); pins.isValid(); ++pins) {
        IWJFootPrintPin* pin = pins.value();
        add(PinKind, {id, pick(pins.key(), pin->name())},
            {pin->name(),
             {{"name", pin->name()},
              {"location", pin->location()},
              {"padstack", pin->padstack()},
              {"size", pin->size()},
              {"shape", pin->shape()}}});
    }
}

// A part map is filed under its instance's id, its mappings under the part
// map.
void DesignRecords::addPartMap(IWJPartMap* partMap)
{
    IWJCompInst* instance = partMap->compInst();
    const std::string owner = instance ? pick(m_ids.of(instance), instance->refdes()) : "(no instance)";
    IWJFootPrint* footprint = partMap->footprint();
    const std::string path = add(PartMapKind, {owner},
                                 {instance ? instance->refdes() : "",
                                  {{"footprint", footprint ? pick(m_ids.of(footprint), footprint->name()) : ""}}});
    const std::string prefix = instance ? std::string(instance->refdes()) + '.' : "";
    for (auto maps = partMap->portPinMaps(); maps.isValid(); ++maps) {
        int bit = -1;
        IWJPort* port = maps.key()->port(&bit, nullptr);
        const std::string name = m_byName ? prefix + refText(port, bit, bit) : maps.key()->name();
        add(PinMappingKind, {path, refText(port, bit, bit)},
            {name, {{"pin", pick(m_ids.of(maps.value()), maps.value()->name())}}});
    }
    for (auto maps = partMap->portPinGroupMaps(); maps.isValid(); ++maps) {
        int bit = -1;
        IWJPort* port = maps.key()->port(&bit, nullptr);
        const std::string name = m_byName ? prefix + refText(port, bit, bit) : maps.key()->name();
        add(PinGroupMappingKind, {path, refText(port, bit, bit)}, {name, {{"pins", pinList(maps.value())}}});
    }
    for (auto maps = partMap->portGroupPinGroupMaps(); maps.isValid(); ++maps)
        add(GroupMappingKind, {path, pick(m_ids.of(maps.key()), maps.key()->fullName())},
            {maps.key()->fullName(), {{"pins", pinList(maps.value())}}});
}

// The pins' ids in the group's order, or by name their names in natural
// order.
std::string DesignRecords::pinList(IWJFootPrintPinGroup* group) const
{
    std::vector<std::string> pins;
    for (auto walk = group->pins(); walk.isValid(); ++walk)
        pins.push_back(pick(m_ids.of(walk.value()), walk.value()->name()));
    if (m_byName)
        std::sort(pins.begin(), pins.end(), NaturalOrder::before);
    std::string list;
    for (const std::string& pin : pins)
        append(list, pin);
    return list;
}

// The port's id, and the range in angle brackets when there is one.
std::string DesignRecords::refText(IWJPort* port, int lsb, int msb) const
{
    if (!port)
        return "";
    const std::string range = modeltext::range(lsb, msb);
    return pick(m_ids.of(port), modeltext::localName(port)) + (range.empty() ? "" : '<' + range + '>');
}

std::string DesignRecords::pick(const std::string& id, const std::string& name) const
{
    return m_byName ? name : id;
}

std::string DesignRecords::add(Kind kind, std::vector<std::string> path, Record record)
{
    if (!path.empty()) {
        const std::string base = path.back();
        for (int n = ++m_seen[{kind, path}]; m_records.count({kind, path}); ++n)
            path.back() = base + '#' + std::to_string(n);
    }
    std::string last = path.empty() ? "" : path.back();
    m_records[{kind, std::move(path)}] = std::move(record);
    return last;
}
