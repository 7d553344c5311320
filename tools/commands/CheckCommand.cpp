#include "commands/CheckCommand.h"

#include "PrintableText.h"
#include "check/CheckReport.h"
#include "check/ComponentChecker.h"
#include "check/DesignIndex.h"
#include "check/MappingLines.h"
#include "check/PackageChecker.h"
#include "check/PartMapChecker.h"
#include "check/PinReviewChecker.h"
#include "check/ValueChecker.h"
#include "commands/CommandLine.h"
#include "model/DesignReader.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"
#include "wjxmlkicad/DevicePins.h"

#include <fstream>
#include <iostream>
#include <memory>
#include <utility>
#include <vector>

namespace {

// The keys or patterns of a waiver file with their lines: one per line,
// blanks around it ignored, blank lines and # comments skipped.
bool readWaivers(const std::string& fileName, std::vector<std::pair<int, std::string>>* waivers)
{
    std::ifstream in(fileName);
    if (!in) {
        std::cerr << wjxml::printable(fileName) << ": the waiver file cannot be read\n";
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::size_t start = line.find_first_not_of(" \t\r");
        if (start != std::string::npos && line[start] != '#')
            waivers->emplace_back(number, line.substr(start, line.find_last_not_of(" \t\r") + 1 - start));
    }
    return !in.bad();
}

} // namespace

void CheckCommand::add(CLI::App& app, int& result)
{
    struct Options {
        std::string file;
        bool werror = false;
        std::string format = "text";
        std::string waivers;
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
    command->add_option("--format", options->format, "text, json, or waivers: a waiver file of the findings")
        ->check(CLI::IsMember({"text", "json", "waivers"}))
        ->default_str("text");
    command->add_option("--waive", options->waivers,
                        "a file of finding keys or patterns (* and ?), one per line: those findings are counted as "
                        "waived, not printed");
    command->add_option("--package", options->package, "device pin list: FILE.kicad_sym:SYMBOL or FILE.csv")
        ->needs(command->add_option("--refdes", options->refdes, "the instance checked against --package"));
    command->callback([options, &result] {
        result =
            run(options->file, options->format, options->werror, options->waivers, options->package, options->refdes);
    });
}

int CheckCommand::run(const std::string& fileName, const std::string& format, bool warningsAreErrors,
                      const std::string& waiverFile, const std::string& package, const std::string& refdes)
{
    std::vector<std::pair<int, std::string>> waivers;
    if (!waiverFile.empty() && !readWaivers(waiverFile, &waivers))
        return 1;
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
    MappingLines lines;
    PartMapChecker::check(root, index, report, lines);
    PinReviewChecker::check(design.get(), lines, report);
    ValueChecker::check(root, report);
    if (!package.empty() && !PackageChecker::check(design.get(), device, refdes, report)) {
        std::cerr << fileName << ": instance " << refdes << " has no part map with pin mappings\n";
        return 1;
    }
    std::vector<std::string> patterns;
    for (const auto& waiver : waivers)
        patterns.push_back(waiver.second);
    const std::vector<bool> used = report.waive(patterns);
    for (std::size_t i = 0; i < used.size(); ++i) {
        if (!used[i])
            std::cerr << wjxml::printable(waiverFile + ':' + std::to_string(waivers[i].first) + ": waiver \"" +
                                          waivers[i].second + "\" matches no finding")
                      << '\n';
    }
    if (format == "json")
        report.printJson(std::cout, fileName);
    else if (format == "waivers")
        report.printWaivers(std::cout, fileName);
    else
        report.print(std::cout, fileName);
    return report.errors() > 0 || (warningsAreErrors && report.warnings() > 0) ? 1 : 0;
}
