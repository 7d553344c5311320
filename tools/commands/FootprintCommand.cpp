#include "commands/FootprintCommand.h"

#include "commands/CommandLine.h"
#include "kicadio/FootprintApplier.h"
#include "model/DesignReader.h"
#include "text/OutputFile.h"

#include <iostream>
#include <memory>

void FootprintCommand::add(CLI::App& app, int& result)
{
    struct Options {
        std::string design;
        std::string footprint;
        std::string name;
        std::string refdes;
        std::string output;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = CommandLine::add(
        app, "footprint",
        "Give a footprint of DESIGN the pads of a KiCad footprint file: each pad's location (y upwards),\n"
        "size, shape and padstack go to the pin of its number, or make a pin; pins the file lacks are\n"
        "reported. The footprint is REFDES's, else the one named NAME (default: the file's), made when\n"
        "missing. Any error: exit 1 and nothing written.",
        "ifx footprint board.xml BGA-256.kicad_mod --refdes U1");
    command->add_option("DESIGN", options->design, "interface exchange file, read and written")->required();
    command->add_option("FOOTPRINT", options->footprint, "KiCad footprint file (.kicad_mod)")->required();
    command->add_option("--name", options->name, "the design's footprint (default: the file's footprint name)");
    command->add_option("--refdes", options->refdes, "the instance whose footprint gets the pads");
    command->add_option("-o,--output", options->output, "write the design here instead of DESIGN");
    command->callback([options, &result] {
        result = run(options->design, options->footprint, options->name, options->refdes, options->output);
    });
}

int FootprintCommand::run(const std::string& designFile, const std::string& footprintFile, const std::string& name,
                          const std::string& refdes, const std::string& output)
{
    KicadFootprint file;
    std::string error;
    if (!KicadFootprint::read(footprintFile, &file, &error)) {
        std::cerr << error << '\n';
        return 1;
    }
    const std::string target = output.empty() ? designFile : output;
    if (OutputFile::replacesInput("footprint", target, {footprintFile}))
        return 1;
    const Design design = DesignReader::read(designFile, true);
    if (!design)
        return 1;
    FootprintReport report;
    if (!FootprintApplier::apply(design.get(), file, name, refdes, &report, &error)) {
        std::cerr << designFile << ": " << error << '\n';
        return 1;
    }
    if (!report.pinsLacked.empty())
        std::cerr << FootprintApplier::lackedWarning(footprintFile, report) << '\n';
    if (!DesignReader::write(design.get(), target))
        return 1;
    std::cout << report.footprint << ": " << report.pinsPlaced << " pins placed, " << report.pinsAdded
              << " pins added, " << report.pinsLacked.size() << " pins without a pad\n";
    return 0;
}
