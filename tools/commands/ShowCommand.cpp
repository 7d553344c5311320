#include "commands/ShowCommand.h"

#include "PrintableText.h"
#include "commands/CommandLine.h"
#include "model/DesignDescription.h"
#include "model/DesignReader.h"
#include "model/ModelText.h"

#include <iostream>
#include <memory>

namespace {

using Json = nlohmann::ordered_json;

int bound(const Json& value)
{
    return value.is_null() ? -1 : value.get<int>();
}

std::string plural(int n, const char* word)
{
    return std::to_string(n) + ' ' + word + (n == 1 ? "" : "s");
}

// A name, or "(no name)" for an empty one.
std::string named(const Json& name)
{
    const std::string text = name.get<std::string>();
    return text.empty() ? "(no name)" : text;
}

std::string orNone(const Json& value, const char* none)
{
    return value.is_null() ? none : value.get<std::string>();
}

// "DQS0_P", "DQS0_P<0..1>", or "(none)" for a missing member.
std::string memberText(const Json& member)
{
    if (member.is_null())
        return "(none)";
    const std::string range = modeltext::range(bound(member["lsb"]), bound(member["msb"]));
    return member["name"].get<std::string>() + (range.empty() ? "" : '<' + range + '>');
}

// Writes out the control characters of every text in value, so that no
// name can break or forge a line of the tree.
void makePrintable(Json& value)
{
    if (value.is_string())
        value = wjxml::printable(value.get<std::string>());
    else if (value.is_structured())
        for (Json& item : value)
            makePrintable(item);
}

} // namespace

void ShowCommand::add(CLI::App& app, int& result)
{
    struct Options {
        std::string file;
        bool json = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = CommandLine::add(app, "show", "Print the design as an indented tree.", "ifx show board.xml");
    command->add_option("FILE", options->file, "interface exchange file")->required();
    command->add_flag("--json", options->json, "print JSON instead");
    command->callback([options, &result] { result = run(options->file, options->json); });
}

int ShowCommand::run(const std::string& fileName, bool json)
{
    Design design = DesignReader::read(fileName);
    if (!design)
        return 1;
    Json description;
    {
        const DesignRecords records(design.get());
        design.reset();
        description = DesignDescription::describe(records);
    }
    if (json) {
        std::cout << description.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    } else {
        makePrintable(description);
        ShowCommand(std::cout).design(description);
    }
    return 0;
}

void ShowCommand::design(const Json& design)
{
    line(0) << "Design " << named(design["designName"]) << '\n';
    const std::string by = design["lastUpdatedBy"].get<std::string>();
    const std::string at = design["lastUpdatedAt"].get<std::string>();
    if (!by.empty() || !at.empty())
        line(1) << "Last updated by " << (by.empty() ? "?" : by) << " at " << (at.empty() ? "?" : at) << '\n';
    line(1) << plural(static_cast<int>(design["instances"].size()), "instance") << ", "
            << plural(static_cast<int>(design["footprints"].size()), "footprint") << ", "
            << plural(static_cast<int>(design["partMaps"].size()), "part map") << '\n';
    for (const Json& entry : design["instances"])
        instance(entry);
    for (const Json& entry : design["footprints"])
        footprint(entry);
    for (const Json& entry : design["partMaps"])
        partMap(entry);
}

void ShowCommand::instance(const Json& instance)
{
    line(0) << "Instance " << named(instance["refdes"]) << ": cell " << instance["cellName"].get<std::string>()
            << ", id " << instance["id"].get<std::string>() << '\n';
    for (const Json& entry : instance["ports"])
        port(entry);
    for (const Json& entry : instance["differentialPairs"])
        differentialPair(entry);
    for (const Json& bus : instance["busInterfaces"]) {
        line(1) << "Bus interface " << named(bus["name"]);
        const std::string definition = bus["definition"].get<std::string>();
        m_out << (definition.empty() ? "" : ": " + definition) << '\n';
        groupContent(bus, 2);
    }
}

void ShowCommand::port(const Json& port)
{
    line(1) << "Port " << named(port["name"]);
    const std::string instancePortName = port["instancePortName"].get<std::string>();
    if (!instancePortName.empty())
        m_out << " (instance name " << instancePortName << ')';
    m_out << ": " << orNone(port["type"], "no type");
    const std::string range = modeltext::range(bound(port["lsb"]), bound(port["msb"]));
    if (!range.empty())
        m_out << ", bits " << range;
    m_out << ", " << plural(port["pins"].get<int>(), "pin") << '\n';
}

void ShowCommand::differentialPair(const Json& pair)
{
    line(1) << "Differential pair " << named(pair["name"]) << ": positive " << memberText(pair["positive"])
            << ", negative " << memberText(pair["negative"]) << '\n';
}

void ShowCommand::groupContent(const Json& group, int depth)
{
    for (const Json& ref : group["portRefs"])
        line(depth) << "Port ref " << ref["name"].get<std::string>() << '\n';
    for (const Json& ref : group["differentialPairRefs"])
        line(depth) << "Differential pair ref " << ref["name"].get<std::string>() << '\n';
    for (const Json& child : group["groups"]) {
        line(depth) << "Group " << named(child["name"]) << ": " << orNone(child["type"], "no type");
        const std::string voltage = child["voltage"].get<std::string>();
        if (!voltage.empty())
            m_out << ", " << voltage;
        if (child["powerPins"].get<int>() != 0 || child["groundPins"].get<int>() != 0)
            m_out << ", " << plural(child["powerPins"].get<int>(), "power pin") << ", "
                  << plural(child["groundPins"].get<int>(), "ground pin");
        m_out << '\n';
        groupContent(child, depth + 1);
    }
}

void ShowCommand::footprint(const Json& footprint)
{
    line(0) << "Footprint " << named(footprint["name"]) << ": id " << footprint["id"].get<std::string>() << ", "
            << plural(footprint["pins"].get<int>(), "pin") << '\n';
    std::string outline;
    for (const char* text : {"width", "length", "thickness", "origin", "rotation"}) {
        const std::string value = footprint[text].get<std::string>();
        if (!value.empty())
            outline += (outline.empty() ? "" : ", ") + std::string(text) + ' ' + value;
    }
    if (!outline.empty())
        line(1) << "Outline: " << outline << '\n';
}

void ShowCommand::partMap(const Json& partMap)
{
    line(0) << "Part map " << orNone(partMap["refdes"], "(no instance)") << " on "
            << orNone(partMap["footprintName"], "(no footprint)") << ": "
            << plural(partMap["pinMappings"].get<int>(), "pin mapping") << ", "
            << plural(partMap["pinGroupMappings"].get<int>(), "pin-group mapping") << ", "
            << plural(partMap["groupMappings"].get<int>(), "group mapping") << '\n';
}

std::ostream& ShowCommand::line(int depth)
{
    return m_out << std::string(static_cast<std::size_t>(2 * depth), ' ');
}
