#include "DesignRecords.h"

#include "ModelText.h"

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

DesignRecords::DesignRecords(IWJInterfaceView* design) : m_ids(design)
{
    add(DesignKind, "",
        {design->designName(),
         {{"design name", design->designName()},
          {"last updated by", design->lastUpdatedBy()},
          {"last updated at", design->lastUpdatedAt()}}});
    for (auto instances = design->compInsts(); instances.isValid(); ++instances)
        addInstance(instances.key(), instances.value());
    for (auto footprints = design->footprints(); footprints.isValid(); ++footprints)
        addFootprint(footprints.key(), footprints.value());
    for (auto partMaps = design->partMaps(); partMaps.isValid(); ++partMaps)
        addPartMap(partMaps.value());
}

void DesignRecords::addInstance(const std::string& id, IWJCompInst* instance)
{
    add(InstanceKind, id, {instance->refdes(), {{"refdes", instance->refdes()}, {"cell name", instance->cellName()}}});
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
    add(PortKind, owner + '/' + m_ids.of(port),
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
    add(DifferentialPairKind, owner + '/' + m_ids.of(pair),
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
    add(BusInterfaceKind, owner + '/' + m_ids.of(bus), std::move(record));
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
                       {"in", m_ids.of(parent)},
                       {"type", modeltext::groupType(group->groupType())},
                       {"voltage", group->voltage()},
                       {"power pins", std::to_string(group->numPhysPowerPins())},
                       {"ground pins", std::to_string(group->numPhysGroundPins())}}};
        addRefs(record, group);
        add(GroupKind, owner + '/' + children.key(), std::move(record));
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
        append(pairRefs, m_ids.of(pairs.value()));
    record.fields.push_back({"port refs", portRefs});
    record.fields.push_back({"differential pair refs", pairRefs});
}

void DesignRecords::addFootprint(const std::string& id, IWJFootPrint* footprint)
{
    add(FootprintKind, id,
        {footprint->name(),
         {{"name", footprint->name()},
          {"width", footprint->width()},
          {"length", footprint->length()},
          {"thickness", footprint->thickness()},
          {"origin", footprint->origin()},
          {"rotation", footprint->rotation()}}});
    for (auto pins = footprint->pins(); pins.isValid(); ++pins) {
        IWJFootPrintPin* pin = pins.value();
        add(PinKind, id + '/' + pins.key(),
            {pin->name(),
             {{"name", pin->name()},
              {"location", pin->location()},
              {"padstack", pin->padstack()},
              {"size", pin->size()},
              {"shape", pin->shape()}}});
    }
}

// A part map is filed under its instance's id; a second part map of the same
// instance under the id and "#2", and so on.
void DesignRecords::addPartMap(IWJPartMap* partMap)
{
    IWJCompInst* instance = partMap->compInst();
    std::string path = instance ? m_ids.of(instance) : "(no instance)";
    const int seen = ++m_partMapsPerInstance[path];
    if (seen > 1)
        path += '#' + std::to_string(seen);
    add(PartMapKind, path, {instance ? instance->refdes() : "", {{"footprint", m_ids.of(partMap->footprint())}}});
    for (auto maps = partMap->portPinMaps(); maps.isValid(); ++maps) {
        int bit = -1;
        IWJPort* port = maps.key()->port(&bit, nullptr);
        add(PinMappingKind, path + '/' + refText(port, bit, bit),
            {maps.key()->name(), {{"pin", m_ids.of(maps.value())}}});
    }
    for (auto maps = partMap->portPinGroupMaps(); maps.isValid(); ++maps) {
        int bit = -1;
        IWJPort* port = maps.key()->port(&bit, nullptr);
        add(PinGroupMappingKind, path + '/' + refText(port, bit, bit),
            {maps.key()->name(), {{"pins", pinIds(maps.value())}}});
    }
    for (auto maps = partMap->portGroupPinGroupMaps(); maps.isValid(); ++maps)
        add(GroupMappingKind, path + '/' + m_ids.of(maps.key()),
            {maps.key()->fullName(), {{"pins", pinIds(maps.value())}}});
}

std::string DesignRecords::pinIds(IWJFootPrintPinGroup* group) const
{
    std::string ids;
    for (auto pins = group->pins(); pins.isValid(); ++pins)
        append(ids, m_ids.of(pins.value()));
    return ids;
}

// The port's id, and the range in angle brackets when there is one.
std::string DesignRecords::refText(IWJPort* port, int lsb, int msb) const
{
    if (!port)
        return "";
    const std::string range = modeltext::range(lsb, msb);
    return m_ids.of(port) + (range.empty() ? "" : '<' + range + '>');
}

void DesignRecords::add(Kind kind, const std::string& path, Record record)
{
    m_records[{kind, path}] = std::move(record);
}
