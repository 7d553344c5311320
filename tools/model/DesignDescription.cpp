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

// The counter of the part map that counts mappings of the kind.
const char* counter(DesignRecords::Kind kind)
{
    switch (kind) {
    case DesignRecords::PinMappingKind: return "pinMappings";
    case DesignRecords::PinGroupMappingKind: return "pinGroupMappings";
    case DesignRecords::GroupMappingKind: return "groupMappings";
    default: return "pins";
    }
}

} // namespace

// Each record's description goes into an array of the description of the
// record it is part of, found by its JSON pointer; pins and mappings are only
// counted there.
ordered_json DesignDescription::describe(const DesignRecords& design)
{
    const DesignDescription description(design);
    ordered_json result;
    std::vector<ordered_json::json_pointer> places(design.records().size());
    for (std::size_t i = 0; i < design.records().size(); ++i) {
        const DesignRecords::Record& record = design.records()[i];
        std::string array;
        ordered_json item = description.item(static_cast<int>(i), array);
        if (record.kind == DesignRecords::DesignKind) {
            result = std::move(item);
            continue;
        }
        const ordered_json::json_pointer above = record.parent == DesignRecords::kNone
                                                     ? ordered_json::json_pointer()
                                                     : places[static_cast<std::size_t>(record.parent)];
        if (array.empty()) {
            ordered_json& count = result[above][counter(record.kind)];
            count = count.get<int>() + 1;
            continue;
        }
        ordered_json& items = result[above][array];
        items.push_back(std::move(item));
        places[i] = above / array / (items.size() - 1);
    }
    return result;
}

ordered_json DesignDescription::item(int index, std::string& array) const
{
    const DesignRecords::Record& r = m_design.at(index);
    switch (r.kind) {
    case DesignRecords::DesignKind:
        return {{"designName", r.text("design name")},        {"lastUpdatedBy", r.text("last updated by")},
                {"lastUpdatedAt", r.text("last updated at")}, {"instances", ordered_json::array()},
                {"footprints", ordered_json::array()},        {"partMaps", ordered_json::array()}};
    case DesignRecords::InstanceKind:
        array = "instances";
        return {{"id", r.id},
                {"refdes", r.text("refdes")},
                {"cellName", r.text("cell name")},
                {"ports", ordered_json::array()},
                {"differentialPairs", ordered_json::array()},
                {"busInterfaces", ordered_json::array()}};
    case DesignRecords::PortKind:
        array = "ports";
        return {{"id", r.id},
                {"name", r.text("name")},
                {"instancePortName", r.text("instance port name")},
                {"fullName", r.text("full name")},
                {"type", textOrNull(modeltext::portType(r.number("type")))},
                {"lsb", boundOrNull(r.number("lsb"))},
                {"msb", boundOrNull(r.number("msb"))},
                {"pins", r.number("pins")}};
    case DesignRecords::DifferentialPairKind:
        array = "differentialPairs";
        return {{"id", r.id},
                {"name", r.text("name")},
                {"instancePortName", r.text("instance port name")},
                {"fullName", r.text("full name")},
                {"positive", member(r.target("positive"), r.number("positive lsb"), r.number("positive msb"))},
                {"negative", member(r.target("negative"), r.number("negative lsb"), r.number("negative msb"))}};
    case DesignRecords::BusInterfaceKind:
        array = "busInterfaces";
        return {{"id", r.id},
                {"name", r.text("name")},
                {"definition", r.text("definition")},
                {"fullName", r.text("full name")},
                {"portRefs", ordered_json::array()},
                {"differentialPairRefs", ordered_json::array()},
                {"groups", ordered_json::array()}};
    case DesignRecords::GroupKind:
        array = "groups";
        return {
            {"id", r.id},
            {"name", r.text("name")},
            {"type", textOrNull(modeltext::groupType(static_cast<IWJPortGroup::IWJPortGroupType>(r.number("type"))))},
            {"voltage", r.text("voltage")},
            {"powerPins", r.number("power pins")},
            {"groundPins", r.number("ground pins")},
            {"fullName", r.text("full name")},
            {"portRefs", ordered_json::array()},
            {"differentialPairRefs", ordered_json::array()},
            {"groups", ordered_json::array()}};
    case DesignRecords::PortRefKind:
        array = "portRefs";
        return {{"port", m_design.idOf(r.target("port"))},
                {"name", r.text("name")},
                {"lsb", boundOrNull(r.number("lsb"))},
                {"msb", boundOrNull(r.number("msb"))}};
    case DesignRecords::PairRefKind:
        array = "differentialPairRefs";
        return {{"port", m_design.idOf(r.target("pair"))}, {"name", m_design.localName(r.target("pair"))}};
    case DesignRecords::FootprintKind:
        array = "footprints";
        return {{"id", r.id},
                {"name", r.text("name")},
                {"width", r.text("width")},
                {"length", r.text("length")},
                {"thickness", r.text("thickness")},
                {"origin", r.text("origin")},
                {"rotation", r.text("rotation")},
                {"pins", 0}};
    case DesignRecords::PartMapKind: {
        array = "partMaps";
        const int instance = r.target("instance");
        const int footprint = r.target("footprint");
        const auto orNull = [](int target, const ordered_json& value) {
            return target == DesignRecords::kNone ? ordered_json() : value;
        };
        return {{"instance", orNull(instance, m_design.idOf(instance))},
                {"refdes", orNull(instance, m_design.textOf(instance, "refdes"))},
                {"footprint", orNull(footprint, m_design.idOf(footprint))},
                {"footprintName", orNull(footprint, m_design.textOf(footprint, "name"))},
                {"pinMappings", 0},
                {"pinGroupMappings", 0},
                {"groupMappings", 0}};
    }
    default: return nullptr;
    }
}

ordered_json DesignDescription::member(int port, int lsb, int msb) const
{
    if (port == DesignRecords::kNone)
        return nullptr;
    return {{"port", m_design.idOf(port)},
            {"name", m_design.localName(port)},
            {"lsb", boundOrNull(lsb)},
            {"msb", boundOrNull(msb)}};
}
