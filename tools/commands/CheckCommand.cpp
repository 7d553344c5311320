#include "commands/CheckCommand.h"

#include "check/CheckReport.h"
#include "check/ComponentChecker.h"
#include "check/DesignIndex.h"
#include "check/PackageChecker.h"
#include "check/PartMapChecker.h"
#include "check/ValueChecker.h"
#include "commands/CommandLine.h"
#include "model/DesignReader.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"
#include "wjxmlkicad/DevicePins.h"

#include <iostream>
#include <memory>

void CheckCommand::add(CLI::App& app, int& result)
{
    struct Options {
        std::string file;
        bool werror = false;
        std::string format = "text";
        std::string package;
        std::string refdes;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command =
        CommandLine::add(app, "check",
                         "Find what the schema cannot see: references that name nothing, duplicate ids, shorts,\n"
                         "bits out of range or mapped twice, unmapped ports, incomplete differential pairs, type\n"
                         "words and numbers the format does not know, duplicate pin names, unreadable locations,\n"
                         "ports and voltage groups on another number of pins than they declare, differential\n"
                         "pairs on pins that are not neighbours. With --package, the placements of REFDES against\n"
                         "the device package: pins it lacks, ports on balls that are not user I/O, pairs on balls\n"
                         "that are no pair, banks of user I/O at several voltages.\n"
                         "Exit 1 when there are errors (or warnings, with --werror).",
                         "ifx check board.xml");
    command->add_option("FILE", options->file, "interface exchange file")->required();
    command->add_flag("--werror", options->werror, "exit 1 on warnings too");
    command->add_option("--format", options->format, "text or json")
        ->check(CLI::IsMember({"text", "json"}))
        ->default_str("text");
    command->add_option("--package", options->package, "device pin list: FILE.kicad_sym:SYMBOL or FILE.csv")
        ->needs(command->add_option("--refdes", options->refdes, "the instance checked against --package"));
    command->callback([options, &result] {
        result = run(options->file, options->format == "json", options->werror, options->package, options->refdes);
    });
}

int CheckCommand::run(const std::string& fileName, bool json, bool warningsAreErrors, const std::string& package,
                      const std::string& refdes)
{
    DevicePins device;
    std::string error;
    if (!package.empty() && !DevicePins::read(package, &device, &error)) {
        std::cerr << error << '\n';
        return 1;
    }
    // Bound, the view's objects give the elements of the document it owns.
    const Design design = DesignReader::read(fileName, true, true);
    if (!design)
        return 1;
    const xercesc::DOMElement* root = dynamic_cast<IWJXMLObject*>(design.get())->GetDomElement();
    CheckReport report;
    const DesignIndex index(root, report);
    ComponentChecker::check(index, report);
    PartMapChecker::check(root, index, report);
    ValueChecker::check(root, report);
    if (!package.empty() && !PackageChecker::check(design.get(), device, refdes, report)) {
        std::cerr << fileName << ": instance " << refdes << " has no part map with pin mappings\n";
        return 1;
    }
    if (json)
        report.printJson(std::cout, fileName);
    else
        report.print(std::cout, fileName);
    return report.errors() > 0 || (warningsAreErrors && report.warnings() > 0) ? 1 : 0;
}
