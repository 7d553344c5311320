#include "commands/RenderCommand.h"

#include "PrintableText.h"
#include "commands/CommandLine.h"
#include "model/DesignReader.h"
#include "model/PinFacts.h"
#include "render/Pinout.h"
#include "render/PinoutPackage.h"
#include "render/PinoutPage.h"
#include "render/PinoutSvg.h"
#include "text/OutputFile.h"
#include "wjxmlkicad/DevicePins.h"

#include <cctype>
#include <filesystem>
#include <iostream>
#include <memory>
#include <set>
#include <sstream>
#include <vector>

namespace {

// A file name from a refdes: letters, digits, '-' and '_' kept, the rest
// '_'; a second use of a name gets "-2", then "-3", ...
std::string fileNameFor(const std::string& refdes, std::set<std::string>& used)
{
    std::string name = refdes.empty() ? "part" : refdes;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_')
            c = '_';
    }
    std::string unique = name;
    for (int n = 2; !used.insert(unique).second; ++n)
        unique = name + '-' + std::to_string(n);
    return unique + ".svg";
}

bool writeSvgs(const Pinout& pinout, const std::string& folder, const std::string& input, bool bottom)
{
    std::set<std::string> used;
    std::vector<std::string> files;
    for (const PinoutMap& map : pinout.maps()) {
        files.push_back((std::filesystem::path(folder) / fileNameFor(map.refdes, used)).string());
        if (OutputFile::replacesInput("render", files.back(), {input}))
            return false;
    }
    std::error_code problem;
    std::filesystem::create_directories(folder, problem);
    if (problem) {
        std::cerr << folder << ": the folder could not be made: " << problem.message() << '\n';
        return false;
    }
    for (std::size_t number = 0; number < files.size(); ++number) {
        std::ostringstream svg;
        svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        PinoutSvg::write(svg, pinout.maps()[number], pinout.groups(), static_cast<int>(number), bottom);
        if (!OutputFile::write(files[number], svg.str()))
            return false;
    }
    return true;
}

std::string lowerCaseExtension(const std::string& fileName)
{
    std::string extension = std::filesystem::path(fileName).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// Whether a folder that does not exist yet is named like a file: .svg,
// .html and the like, which a mistyped command line gives.
bool namedLikeAFile(const std::string& folder)
{
    static const std::set<std::string> extensions{".svg", ".html", ".htm", ".xhtml", ".xml", ".png",
                                                  ".pdf", ".txt",  ".csv", ".json",  ".jpg", ".jpeg"};
    std::error_code unknown;
    return extensions.count(lowerCaseExtension(folder)) && !std::filesystem::is_directory(folder, unknown);
}

// The command line's fault, said on stderr; "" when output can be used.
std::string outputProblem(const std::string& output, bool svg)
{
    if (svg && output == "-")
        return "--svg writes one file per part map into a folder: '-' is none";
    if (svg && namedLikeAFile(output))
        return output + ": --svg writes a folder of SVG files, and this name is a file's; name the folder without "
                        "the extension, or leave out --svg for one HTML page";
    if (svg)
        return "";
    const std::string extension = lowerCaseExtension(output);
    if (output == "-" || extension.empty() || extension == ".html" || extension == ".htm")
        return "";
    return output + ": the pin-out is an HTML page; name it .html or .htm, or use --svg for SVG files";
}

// Draws the balls of the package on the part maps of refdes (any case), or
// on the one part map of the design when refdes is "". False, said on
// stderr, when there is no such part map.
bool applyPackage(const DevicePins& package, const std::string& refdes, Pinout& pinout, const std::string& fileName)
{
    std::string drawn;
    std::vector<PinoutMap*> chosen;
    for (PinoutMap& map : pinout.maps()) {
        drawn += (drawn.empty() ? "" : ", ") + map.refdes;
        if (refdes.empty() || PinFacts::sameRefdes(refdes, map.refdes))
            chosen.push_back(&map);
    }
    const std::string known = drawn.empty() ? "the design has no part maps" : "the part maps are of " + drawn;
    if (chosen.empty() || (refdes.empty() && chosen.size() > 1)) {
        std::cerr << wjxml::printable(fileName + ": " +
                                      (refdes.empty()
                                           ? "name the instance the balls of --package are drawn on "
                                             "with --refdes: "
                                           : "no part map is of an instance with the refdes \"" + refdes + "\"; ") +
                                      known)
                  << '\n';
        return false;
    }
    for (PinoutMap* map : chosen)
        PinoutPackage::apply(package, *map);
    return true;
}

} // namespace

void RenderCommand::add(CLI::App& app, int& result)
{
    struct Options {
        std::string file;
        RenderOptions render;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = CommandLine::add(
        app, "render",
        "Draw each part map's footprint seen from the top (or --bottom), every pin coloured by the group of the\n"
        "port it is mapped to (by the port in a design without groups), as one HTML page with a search box; or,\n"
        "with --svg, as one SVG file per part map in the folder OUT, named after the refdes. With --package, the\n"
        "unmapped balls of the instance are coloured by what the device package has them for (on packages with\n"
        "pins on their edges, their functions written beside them), and its I/O banks outlined.",
        "ifx render board.xml -o pinout.html");
    command->add_option("FILE", options->file, "interface exchange file")->required();
    command->add_option("-o,--output", options->render.output, "the HTML file, or with --svg the folder")->required();
    command->add_flag("--svg", options->render.svg, "write one SVG file per part map instead");
    command->add_flag("--bottom", options->render.bottom, "draw the footprints seen from below");
    command->add_option("--package", options->render.package,
                        "device pin list (FILE.kicad_sym:SYMBOL or FILE.csv) whose balls colour the unmapped pins "
                        "by function, with the I/O banks outlined");
    command
        ->add_option("--refdes", options->render.refdes,
                     "the instance drawn with the balls of --package; needed when there are several")
        ->needs("--package");
    command->callback([options, &result] { result = run(options->file, options->render); });
}

int RenderCommand::run(const std::string& fileName, const RenderOptions& options)
{
    constexpr int kUsageError = 2;
    const std::string& output = options.output;
    const std::string problem = outputProblem(output, options.svg);
    if (!problem.empty()) {
        std::cerr << "ifx render: " << wjxml::printable(problem) << '\n';
        return kUsageError;
    }
    DevicePins package;
    std::string error;
    if (!options.package.empty() && !DevicePins::read(options.package, &package, &error)) {
        std::cerr << wjxml::printable(error) << '\n';
        return 1;
    }
    Design design = DesignReader::read(fileName);
    if (!design)
        return 1;
    Pinout pinout(design.get());
    design.reset();
    if (!options.package.empty() && !applyPackage(package, options.refdes, pinout, fileName))
        return 1;
    if (options.svg)
        return writeSvgs(pinout, output, fileName, options.bottom) ? 0 : 1;
    std::ostringstream page;
    PinoutPage::write(page, pinout, options.bottom);
    if (output == "-") {
        std::cout << page.str();
        return 0;
    }
    return !OutputFile::replacesInput("render", output, {fileName}) && OutputFile::write(output, page.str()) ? 0 : 1;
}
