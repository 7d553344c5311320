// ifx: inspect, check, tabulate, compare, draw and convert interface exchange files.

#include "CheckCommand.h"
#include "DesignReader.h"
#include "DiffCommand.h"
#include "ExportCommand.h"
#include "ImportCommand.h"
#include "PinMapCommand.h"
#include "PrintableText.h"
#include "RenderCommand.h"
#include "ShowCommand.h"

#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr int kUsageError = 2;

int validate(const std::vector<std::string>& fileNames)
{
    int result = 0;
    for (const std::string& fileName : fileNames) {
        if (DesignReader::read(fileName))
            std::cout << wjxml::printable(fileName) << ": valid\n";
        else
            result = 1;
    }
    return result;
}

int copy(const std::string& input, const std::string& output)
{
    const Design design = DesignReader::read(input, true);
    return design && DesignReader::write(design.get(), output) ? 0 : 1;
}

CLI::App* command(CLI::App& app, const char* name, const char* description, const char* example)
{
    CLI::App* sub = app.add_subcommand(name, description);
    sub->footer(std::string("Example:\n  ") + example);
    return sub;
}

} // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    CLI::App app{"ifx: inspect, check, tabulate, compare, draw and convert interface exchange files.", "ifx"};
    app.set_version_flag("--version", "ifx " IFX_VERSION);
    app.require_subcommand(1);
    app.footer("Run 'ifx COMMAND --help' for the options and an example of each command.");

    std::vector<std::string> files;
    std::string file;
    std::string second;
    bool json = false;
    bool svg = false;
    bool bottom = false;
    bool byName = false;
    bool werror = false;
    std::string refdes;
    std::string format = "table";
    std::string sort = "port";
    bool allPins = false;

    CLI::App* validateCommand =
        command(app, "validate", "Check files against the schema; exit 0 when all are valid, 1 when any is not.",
                "ifx validate board.xml other.xml");
    validateCommand->add_option("FILE", files, "interface exchange files")->required();

    CLI::App* showCommand = command(app, "show", "Print the design as an indented tree.", "ifx show board.xml");
    showCommand->add_option("FILE", file, "interface exchange file")->required();
    showCommand->add_flag("--json", json, "print JSON instead");

    CLI::App* pinmapCommand = command(app, "pinmap", "Print the pin assignment: one row per mapped port bit and pin.",
                                      "ifx pinmap board.xml --refdes U1 --format csv");
    pinmapCommand->add_option("FILE", file, "interface exchange file")->required();
    pinmapCommand->add_option("--refdes", refdes, "only the instance with this refdes, in any letter case");
    pinmapCommand->add_flag("--all-pins", allPins, "every pin of the footprints, unmapped ones too");
    pinmapCommand->add_option("--sort", sort, "rows by refdes, then port or pin")
        ->check(CLI::IsMember({"port", "pin"}))
        ->capture_default_str();
    pinmapCommand->add_option("--format", format, "table, csv or json")
        ->check(CLI::IsMember({"table", "csv", "json"}))
        ->capture_default_str();

    CLI::App* checkCommand =
        command(app, "check",
                "Find what the schema cannot see: references that name nothing, duplicate ids, shorts,\n"
                "bits out of range or mapped twice, unmapped ports, incomplete differential pairs, type\n"
                "words and numbers the format does not know, duplicate pin names, unreadable locations,\n"
                "ports and voltage groups on another number of pins than they declare, differential\n"
                "pairs on pins that are not neighbours.\n"
                "Exit 1 when there are errors (or warnings, with --werror).",
                "ifx check board.xml");
    checkCommand->add_option("FILE", file, "interface exchange file")->required();
    checkCommand->add_flag("--werror", werror, "exit 1 on warnings too");
    checkCommand->add_option("--format", format, "text or json")
        ->check(CLI::IsMember({"text", "json"}))
        ->default_str("text");

    CLI::App* diffCommand = command(app, "diff",
                                    "Print what changed between two designs. Exit 0 when they are the same,\n"
                                    "1 when they differ, 3 when a file cannot be read.",
                                    "ifx diff board.xml board-v2.xml");
    diffCommand->add_option("A", file, "the earlier design")->required();
    diffCommand->add_option("B", second, "the later design")->required();
    diffCommand->add_flag("--json", json, "print JSON instead");
    diffCommand->add_flag("--by-name", byName,
                          "match instances by refdes, and ports, groups, footprints and pins by name, not by id");

    CLI::App* renderCommand = command(
        app, "render",
        "Draw each part map's footprint seen from the top (or --bottom), every pin coloured by the group of the\n"
        "port it is mapped to, as one HTML page with a search box; or, with --svg, as one SVG file\n"
        "per part map in the folder OUT, named after the refdes.",
        "ifx render board.xml -o pinout.html");
    renderCommand->add_option("FILE", file, "interface exchange file")->required();
    renderCommand->add_option("-o,--output", second, "the HTML file, or with --svg the folder")->required();
    renderCommand->add_flag("--svg", svg, "write one SVG file per part map instead");
    renderCommand->add_flag("--bottom", bottom, "draw the footprints seen from below");

    CLI::App* copyCommand = command(app, "copy", "Read a file and write it again, normalised and indented.",
                                    "ifx copy board.xml normalised.xml");
    copyCommand->add_option("IN", file, "file to read")->required();
    copyCommand->add_option("OUT", second, "file to write")->required();

    ImportOptions importOptions;
    std::string output;
    std::string constraintFormat;
    std::string ioStandard;
    const auto constraintFormats = CLI::IsMember({"xdc", "qsf", "lpf", "pcf", "csv"});
    CLI::App* importCommand =
        command(app, "import",
                "Place ports on pins as constraint files say (.xdc, .qsf, .lpf, .pcf or .csv), on the instance\n"
                "REFDES, which is made with its ports, pins, footprint and part map when missing. DESIGN is\n"
                "made when it does not exist. Any error: exit 1 and nothing written.",
                "ifx import board.xml pins.xdc --refdes U1");
    importCommand->add_option("DESIGN", file, "interface exchange file, read and written")->required();
    importCommand->add_option("CONSTRAINTS", files, "constraint files")->required();
    importCommand->add_option("--refdes", importOptions.refdes, "the instance placed")->required();
    importCommand->add_option("--cell", importOptions.cell, "the cell name of a new instance (default: REFDES)");
    importCommand->add_option("--footprint", importOptions.footprint,
                              "the footprint of a new part map (default: CELL_PACKAGE)");
    importCommand->add_flag("--replace", importOptions.replace, "clear the part map's pin mappings first");
    importCommand->add_option("-o,--output", output, "write the design here instead of DESIGN");
    importCommand->add_option("--format", constraintFormat, "the format of every constraint file")
        ->check(constraintFormats);

    CLI::App* exportCommand =
        command(app, "export",
                "Write the pin mappings of one instance as a constraint file: one placement per port or\n"
                "bit on a pin, sorted by port and bit; mappings onto several pins as comments.",
                "ifx export board.xml --refdes U1 --format xdc -o pins.xdc");
    exportCommand->add_option("DESIGN", file, "interface exchange file")->required();
    exportCommand->add_option("--refdes", refdes, "the instance exported")->required();
    exportCommand->add_option("--format", constraintFormat, "xdc, qsf, lpf, pcf or csv (default: from -o)")
        ->check(constraintFormats);
    exportCommand->add_option("-o,--output", output, "the file written (default: standard output)");
    exportCommand->add_option("--iostandard", ioStandard, "the IOSTANDARD of each placement in xdc and qsf");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& problem) {
        const int result = app.exit(problem);
        return result == 0 ? 0 : kUsageError;
    }

    try {
        int result = 0;
        if (validateCommand->parsed())
            result = validate(files);
        else if (showCommand->parsed())
            result = ShowCommand::run(file, json);
        else if (pinmapCommand->parsed())
            result = PinMapCommand::run(file, {refdes, format, allPins, sort == "pin"});
        else if (checkCommand->parsed())
            result = CheckCommand::run(file, format == "json", werror);
        else if (diffCommand->parsed())
            result = DiffCommand::run(file, second, json, byName);
        else if (importCommand->parsed())
            result = ImportCommand::run(file, files, importOptions, constraintFormat, output);
        else if (exportCommand->parsed())
            result = ExportCommand::run(file, refdes, constraintFormat, output, ioStandard);
        else if (renderCommand->parsed())
            result = RenderCommand::run(file, second, svg, bottom);
        else
            result = copy(file, second);
        std::cout.flush();
        if (!std::cout) {
            std::cerr << "ifx: the output could not be written\n";
            return 1;
        }
        return result;
    } catch (const std::bad_alloc&) {
        std::cerr << "ifx: out of memory\n";
    } catch (const std::exception& failure) {
        std::cerr << "ifx: " << failure.what() << '\n';
    } catch (...) {
        std::cerr << "ifx: an unexpected failure stopped the command\n";
    }
    return 1;
}
