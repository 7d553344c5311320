#include "model/DesignDescription.h"

#include "model/ModelText.h"

using nlohmann::ordered_json;

namespace {

ordered_json textOrNull(const std::string& text)
{
    return text.empty() ? ordered_json() : ordered_json(text);
}

ordered_json boundOrNull(int bound)
{
    return bound == -1 ? ordered_json() : ordered_json(bound);
}

template <class Handle> int count(Handle walk)
{
    int n = 0;
    for (; walk.isValid(); ++walk)
        ++n;
    return n;
}

} // namespace

ordered_json DesignDescription::describe(IWJInterfaceView* design)
{
    const DesignDescription description(design);
    ordered_json result{{"designName", design->designName()},       {"lastUpdatedBy", design->lastUpdatedBy()},
                        {"lastUpdatedAt", design->lastUpdatedAt()}, {"instances", ordered_json::array()},
                        {"footprints", ordered_json::array()},      {"partMaps", ordered_json::array()}};
    for (auto instances = design->compInsts(); instances.isValid(); ++instances)
        result["instances"].push_back(description.instance(instances.key(), instances.value()));
    for (auto footprints = design->footprints(); footprints.isValid(); ++footprints)
        result["footprints"].push_back(description.footprint(footprints.key(), footprints.value()));
    for (auto partMaps = design->partMaps(); partMaps.isValid(); ++partMaps)
        result["partMaps"].push_back(description.partMap(partMaps.value()));
    return result;
}

ordered_json DesignDescription::instance(const std::string& id, IWJCompInst* instance) const
{
    ordered_json result{{"id", id},
                        {"refdes", instance->refdes()},
                        {"cellName", instance->cellName()},
                        {"ports", ordered_json::array()},
                        {"differentialPairs", ordered_json::array()},
                        {"busInterfaces", ordered_json::array()}};
    for (auto ports = instance->ports(); ports.isValid(); ++ports)
        result["ports"].push_back(port(ports.key(), ports.value()));
    for (auto pairs = instance->differentialPorts(); pairs.isValid(); ++pairs) {
        if (auto* pair = dynamic_cast<IWJDPPort*>(pairs.value()))
            result["differentialPairs"].push_back(differentialPair(pairs.key(), pair));
    }
    for (auto buses = instance->busInterfaces(); buses.isValid(); ++buses) {
        IWJCompBusInterface* bus = buses.value();
        ordered_json busInterface{{"id", buses.key()}, {"name", bus->name()}, {"definition", bus->definition()}};
        busInterface.update(groupContent(bus));
        result["busInterfaces"].push_back(busInterface);
    }
    return result;
}

ordered_json DesignDescription::port(const std::string& id, IWJPort* port) const
{
    return {{"id", id},
            {"name", port->name()},
            {"instancePortName", port->instancePortName()},
            {"fullName", port->fullName()},
            {"type", textOrNull(modeltext::portType(port->type()))},
            {"lsb", boundOrNull(port->lsb())},
            {"msb", boundOrNull(port->msb())},
            {"pins", port->numPhysPins()}};
}

ordered_json DesignDescription::differentialPair(const std::string& id, IWJDPPort* pair) const
{
    int positiveLsb = -1, positiveMsb = -1, negativeLsb = -1, negativeMsb = -1;
    IWJPort* positive = pair->positivePort(&positiveLsb, &positiveMsb);
    IWJPort* negative = pair->negativePort(&negativeLsb, &negativeMsb);
    return {{"id", id},
            {"name", pair->name()},
            {"instancePortName", pair->instancePortName()},
            {"fullName", pair->fullName()},
            {"positive", member(positive, positiveLsb, positiveMsb)},
            {"negative", member(negative, negativeLsb, negativeMsb)}};
}

ordered_json DesignDescription::member(IWJPort* port, int lsb, int msb) const
{
    if (!port)
        return nullptr;
    return {{"port", m_ids.of(port)},
            {"name", modeltext::localName(port)},
            {"lsb", boundOrNull(lsb)},
            {"msb", boundOrNull(msb)}};
}

// What bus interfaces and port groups have alike: references and child groups.
ordered_json DesignDescription::groupContent(IWJPortGroup* group) const
{
    ordered_json result{{"fullName", group->fullName()},
                        {"portRefs", ordered_json::array()},
                        {"differentialPairRefs", ordered_json::array()},
                        {"groups", ordered_json::array()}};
    for (auto refs = group->portRefs(); refs.isValid(); ++refs) {
        int lsb = -1, msb = -1;
        IWJPort* port = refs.value()->port(&lsb, &msb);
        result["portRefs"].push_back({{"port", m_ids.of(port)},
                                      {"name", refs.value()->name()},
                                      {"lsb", boundOrNull(lsb)},
                                      {"msb", boundOrNull(msb)}});
    }
    for (auto pairs = group->differentialPorts(); pairs.isValid(); ++pairs)
        result["differentialPairRefs"].push_back(
            {{"port", m_ids.of(pairs.value())}, {"name", modeltext::localName(pairs.value())}});
    for (auto children = group->portGroups(); children.isValid(); ++children) {
        IWJPortGroup* child = children.value();
        ordered_json entry{{"id", children.key()},
                           {"name", child->name()},
                           {"type", textOrNull(modeltext::groupType(child->groupType()))},
                           {"voltage", child->voltage()},
                           {"powerPins", child->numPhysPowerPins()},
                           {"groundPins", child->numPhysGroundPins()}};
        entry.update(groupContent(child));
        result["groups"].push_back(entry);
    }
    return result;
}

ordered_json DesignDescription::footprint(const std::string& id, IWJFootPrint* footprint) const
{
    return {{"id", id},
            {"name", footprint->name()},
            {"width", footprint->width()},
            {"length", footprint->length()},
            {"thickness", footprint->thickness()},
            {"origin", footprint->origin()},
            {"rotation", footprint->rotation()},
            {"pins", count(footprint->pins())}};
}

ordered_json DesignDescription::partMap(IWJPartMap* partMap) const
{
    IWJCompInst* instance = partMap->compInst();
    IWJFootPrint* footprint = partMap->footprint();
    return {{"instance", instance ? ordered_json(m_ids.of(instance)) : ordered_json()},
            {"refdes", instance ? ordered_json(instance->refdes()) : ordered_json()},
            {"footprint", footprint ? ordered_json(m_ids.of(footprint)) : ordered_json()},
            {"footprintName", footprint ? ordered_json(footprint->name()) : ordered_json()},
            {"pinMappings", count(partMap->portPinMaps())},
            {"pinGroupMappings", count(partMap->portPinGroupMaps())},
            {"groupMappings", count(partMap->portGroupPinGroupMaps())}};
}
