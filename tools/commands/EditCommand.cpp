#include "commands/EditCommand.h"

#include "PrintableText.h"
#include "commands/CommandLine.h"
#include "edit/DesignStamp.h"
#include "edit/EditNames.h"
#include "model/DesignReader.h"
#include "model/ModelText.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <vector>

namespace {

struct Options {
    EditCommand::Target target;
    std::string port;
    std::vector<std::string> pins;
    std::string type;
    bool force = false;
};

// The command with the design, --refdes and -o every edit takes.
CLI::App* addEdit(CLI::App& app, const char* name, const char* description, const char* example, Options& options)
{
    CLI::App* command = CommandLine::add(app, name, description, example);
    command->add_option("DESIGN", options.target.design, "interface exchange file, read and written")->required();
    command->add_option("--refdes", options.target.refdes, "the instance edited, in any letter case")->required();
    command->add_option("-o,--output", options.target.output, "write the design here instead of DESIGN");
    return command;
}

bool findPins(IWJPartMap* partMap, const std::vector<std::string>& names, std::vector<IWJFootPrintPin*>* pins,
              std::string* problem)
{
    for (const std::string& name : names) {
        pins->push_back(EditNames::findPin(partMap->footprint(), name, problem));
        if (!pins->back())
            return false;
    }
    return true;
}

EditOutcome refused(const std::string& problem)
{
    EditOutcome outcome;
    outcome.refusal = problem;
    return outcome;
}

EditOutcome mapEdit(const Options& options, IWJPartMap* partMap, std::string* problem)
{
    PortBit port;
    std::vector<IWJFootPrintPin*> pins;
    if (!EditNames::findPort(partMap->compInst(), options.port, &port, problem) ||
        !findPins(partMap, options.pins, &pins, problem))
        return refused(*problem);
    EditOutcome outcome = PinEdits(partMap).map(port, pins, options.force);
    if (outcome.occupied)
        outcome.refusal += " (--force maps it there too)";
    return outcome;
}

EditOutcome unmapEdit(const Options& options, IWJPartMap* partMap, std::string* problem)
{
    if (!options.pins.empty()) {
        std::vector<IWJFootPrintPin*> pins;
        return findPins(partMap, options.pins, &pins, problem) ? PinEdits(partMap).unmapPin(pins.front())
                                                               : refused(*problem);
    }
    PortBit port;
    return EditNames::findPort(partMap->compInst(), options.port, &port, problem) ? PinEdits(partMap).unmap(port)
                                                                                  : refused(*problem);
}

EditOutcome swapEdit(const Options& options, IWJPartMap* partMap, std::string* problem)
{
    std::vector<IWJFootPrintPin*> pins;
    return findPins(partMap, options.pins, &pins, problem) ? PinEdits(partMap).swap(pins[0], pins[1])
                                                           : refused(*problem);
}

EditOutcome setTypeEdit(const Options& options, IWJPartMap* partMap, std::string* problem)
{
    PortBit port;
    if (!EditNames::findPort(partMap->compInst(), options.port, &port, problem))
        return refused(*problem);
    if (port.bit != -1)
        return refused("the type is the whole port's: name " + PinEdits::portName({port.port, -1}));
    return PinEdits::setType(port.port, options.type);
}

} // namespace

void EditCommand::add(CLI::App& app, int& result)
{
    using EditFunction = EditOutcome (*)(const Options&, IWJPartMap*, std::string*);
    const auto attach = [&result](CLI::App* command, const std::shared_ptr<Options>& options, EditFunction edit) {
        const std::string name = command->get_name();
        command->callback([options, edit, name, &result] {
            result = run(options->target, "ifx " + name, [&options, edit](IWJPartMap* partMap, std::string* problem) {
                return edit(*options, partMap, problem);
            });
        });
    };

    auto map = std::make_shared<Options>();
    CLI::App* command = addEdit(app, "map",
                                "Map a port, or one bit of it (D[3], D<3> or \"D 3\"), to a pin, or to several pins\n"
                                "as a pin group. A pin that carries another port is refused unless --force.",
                                "ifx map board.xml --refdes U1 CLK_IN H3", *map);
    command->add_option("PORT", map->port, "the port, or one bit of it")->required();
    command->add_option("PIN", map->pins, "the pin, or the pins of a pin group")->required();
    command->add_flag("--force", map->force, "map onto a pin that carries another port, keeping both");
    attach(command, map, mapEdit);

    auto unmap = std::make_shared<Options>();
    command = addEdit(app, "unmap", "Remove the mappings of a port (or one bit), or whatever is mapped to a pin.",
                      "ifx unmap board.xml --refdes U1 --pin H3", *unmap);
    CLI::Option_group* what = command->add_option_group("what", "the port or the pin");
    what->add_option("PORT", unmap->port, "the port, or one bit of it");
    what->add_option("--pin", unmap->pins, "the pin")->expected(1);
    what->require_option(1);
    attach(command, unmap, unmapEdit);

    auto swap = std::make_shared<Options>();
    command = addEdit(app, "swap", "Exchange what is mapped to two pins; either may be free.",
                      "ifx swap board.xml --refdes J1 3 4", *swap);
    command->add_option("PINS", swap->pins, "the two pins")->required()->expected(2);
    attach(command, swap, swapEdit);

    auto setType = std::make_shared<Options>();
    command =
        addEdit(app, "set-type", "Set the type of a port.", "ifx set-type board.xml --refdes U1 DATA output", *setType);
    command->add_option("PORT", setType->port, "the port")->required();
    command->add_option("TYPE", setType->type, "input, output, inout, power or ground")
        ->required()
        ->check(CLI::IsMember(modeltext::portTypes()));
    attach(command, setType, setTypeEdit);
}

int EditCommand::run(const Target& target, const std::string& command, const Edit& edit)
{
    const Design design = DesignReader::read(target.design, true);
    if (!design)
        return 1;
    std::string problem;
    IWJPartMap* partMap = EditNames::findPartMap(design.get(), target.refdes, &problem);
    const EditOutcome outcome = partMap ? edit(partMap, &problem) : EditOutcome{{}, problem, false};
    if (!outcome.done()) {
        std::cerr << wjxml::printable(target.design + ": " + outcome.refusal) << '\n';
        return 1;
    }
    if (!outcome.changes.empty())
        DesignStamp::stamp(design.get(), command);
    const std::string output = target.output.empty() ? target.design : target.output;
    if (!DesignReader::write(design.get(), output))
        return 1;
    // With the design on standard output, the changes go to standard error.
    std::ostream& report = output == "-" ? std::cerr : std::cout;
    for (const std::string& change : outcome.changes)
        report << wjxml::printable(change) << '\n';
    return 0;
}
