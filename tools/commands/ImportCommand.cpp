#include "commands/ImportCommand.h"

#include "PrintableText.h"
#include "commands/CommandLine.h"
#include "edit/DesignStamp.h"
#include "kicadio/PackageImport.h"
#include "model/DesignReader.h"
#include "text/OutputFile.h"

#include <iostream>
#include <memory>
#include <sys/stat.h>

namespace {

bool exists(const std::string& fileName)
{
    struct stat info {};
    return ::stat(fileName.c_str(), &info) == 0;
}

// The file name without folder and extension.
std::string stem(const std::string& fileName)
{
    const std::size_t slash = fileName.rfind('/');
    std::string name = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

Design openDesign(const std::string& fileName)
{
    if (exists(fileName))
        return DesignReader::read(fileName, true);
    CWJXMLFlowReader reader;
    return Design(reader.CreateInterfaceView("ifx import", "", stem(fileName).c_str()));
}

// The first lines, then a count of the others, as the library caps the
// problems of a read.
void printCapped(const std::vector<std::string>& lines, const char* what)
{
    constexpr std::size_t kShown = 100;
    for (std::size_t i = 0; i < lines.size() && i < kShown; ++i)
        std::cerr << wjxml::printable(lines[i]) << '\n';
    if (lines.size() > kShown)
        std::cerr << lines.size() - kShown << " more " << what << " not reported\n";
}

// "REFDES: WHAT made: " and the first 20 names, then a count of the others.
void printMade(const std::string& refdes, const char* what, const std::vector<std::string>& names)
{
    constexpr std::size_t kShown = 20;
    if (names.empty())
        return;
    std::string line = refdes + ": " + what + " made:";
    for (std::size_t i = 0; i < names.size() && i < kShown; ++i)
        line += (i ? ", " : " ") + names[i];
    if (names.size() > kShown)
        line += " and " + std::to_string(names.size() - kShown) + " more";
    std::cerr << wjxml::printable(line) << '\n';
}

} // namespace

void ImportCommand::add(CLI::App& app, int& result)
{
    struct Options {
        std::string design;
        std::vector<std::string> constraintFiles;
        ImportOptions import;
        PackageOptions package;
        std::string format;
        std::string output;
        bool noPairs = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = CommandLine::add(
        app, "import",
        "Place ports on pins as constraint files say (.xdc, .qsf, .lpf, .pcf or .csv), on the instance\n"
        "REFDES, which is made with its ports, pins, footprint and part map when missing. DESIGN is\n"
        "made when it does not exist. Any error: exit 1 and nothing written.",
        "ifx import board.xml pins.xdc --refdes U1");
    command->add_option("DESIGN", options->design, "interface exchange file, read and written")->required();
    command->add_option("CONSTRAINTS", options->constraintFiles, "constraint files")->required();
    command->add_option("--refdes", options->import.refdes, "the instance placed")->required();
    command->add_option("--cell", options->import.cell, "the cell name of a new instance (default: REFDES)");
    command->add_option("--footprint", options->import.footprint,
                        "the footprint of a new part map (default: CELL_PACKAGE)");
    command->add_flag("--replace", options->import.replace, "clear the part map's pin mappings first");
    command->add_flag("--no-pairs", options->noPairs,
                      "pair only ports with a differential IO standard, not ports named x_p and x_n");
    command->add_flag("--no-new-ports", options->import.noNewPorts, "refuse placements of ports the design lacks");
    command->add_flag("--no-new-pins", options->import.noNewPins, "refuse placements on pins the footprint lacks");
    command->add_flag("--force", options->import.force, "place ports on pins that other ports hold");
    command->add_flag("--include-commented", options->import.includeCommented,
                      "read the placements and IO standards of commented-out lines too");
    CLI::Option* package = command->add_option("--package", options->package.package,
                                               "the device's pin list: FILE.kicad_sym:SYMBOL or FILE.csv");
    command
        ->add_option("--footprint-file", options->package.footprintFile, "KiCad footprint placing the package's pins")
        ->needs(package);
    command->add_flag("--supplies", options->package.supplies, "a power or ground port per supply of the package")
        ->needs(package);
    command->add_option("-o,--output", options->output, "write the design here instead of DESIGN (-: standard output)");
    command->add_option("--format", options->format, "the format of every constraint file")
        ->check(CommandLine::constraintFormats());
    command->callback([options, &result] {
        options->import.pairsByName = !options->noPairs;
        result = run(options->design, options->constraintFiles, options->import, options->package, options->format,
                     options->output);
    });
}

int ImportCommand::run(const std::string& designFile, const std::vector<std::string>& constraintFiles,
                       const ImportOptions& options, const PackageOptions& package, const std::string& format,
                       const std::string& output)
{
    const std::string written = output.empty() ? designFile : output;
    std::vector<std::string> inputs = constraintFiles;
    if (!package.footprintFile.empty())
        inputs.push_back(package.footprintFile);
    if (OutputFile::replacesInput("import", written, inputs))
        return 1;
    std::vector<ConstraintSource> sources(constraintFiles.size());
    for (std::size_t i = 0; i < constraintFiles.size(); ++i) {
        std::string error;
        if (!PinConstraints::loadSource(constraintFiles[i], format, &sources[i], &error)) {
            std::cerr << wjxml::printable(error) << '\n';
            return 1;
        }
    }
    const Design design = openDesign(designFile);
    if (!design)
        return 1;
    ImportReport report;
    const bool imported =
        PinConstraints::importConstraints(design.get(), sources, options, &report) &&
        (package.package.empty() || PackageImport::apply(design.get(), sources, options.refdes, package, &report));
    printCapped(report.warnings, "warnings");
    printCapped(report.errors, "errors");
    if (!imported)
        return 1;
    DesignStamp::stamp(design.get(), "ifx import");
    if (!DesignReader::write(design.get(), written))
        return 1;
    std::cerr << options.refdes << ": " << report.placementsRead << " placements and " << report.standardsRead
              << " IO standards read, " << report.placementsCommentedOut << " placements commented out, "
              << report.linesReadPast << " other statements read past, " << report.portsMade << " ports, "
              << report.pinsMade << " pins and " << report.pairsMade << " differential pairs made, "
              << report.warnings.size() << " warnings\n";
    printMade(options.refdes, "ports", report.madePorts);
    printMade(options.refdes, "pins", report.madePins);
    return 0;
}
