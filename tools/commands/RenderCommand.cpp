#include "commands/RenderCommand.h"

#include "PrintableText.h"
#include "commands/CommandLine.h"
#include "model/DesignReader.h"
#include "render/Pinout.h"
#include "render/PinoutPage.h"
#include "render/PinoutSvg.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <set>
#include <sstream>

namespace {

bool writeText(const std::string& fileName, const std::string& text)
{
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::cerr << fileName << ": the file could not be written\n";
        return false;
    }
    return true;
}

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

bool writeSvgs(const Pinout& pinout, const std::string& folder, bool bottom)
{
    std::error_code problem;
    std::filesystem::create_directories(folder, problem);
    if (problem) {
        std::cerr << folder << ": the folder could not be made: " << problem.message() << '\n';
        return false;
    }
    std::set<std::string> used;
    int number = 0;
    for (const PinoutMap& map : pinout.maps()) {
        std::ostringstream svg;
        svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        PinoutSvg::write(svg, map, pinout.groups(), number++, bottom);
        if (!writeText((std::filesystem::path(folder) / fileNameFor(map.refdes, used)).string(), svg.str()))
            return false;
    }
    return true;
}

// The command line's fault, said on stderr; "" when output can be used.
std::string outputProblem(const std::string& output, bool svg)
{
    if (svg)
        return output == "-" ? "--svg writes one file per part map into a folder: '-' is none" : "";
    std::string extension = std::filesystem::path(output).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (output == "-" || extension.empty() || extension == ".html" || extension == ".htm")
        return "";
    return output + ": the pin-out is an HTML page; name it .html or .htm, or use --svg for SVG files";
}

} // namespace

void RenderCommand::add(CLI::App& app, int& result)
{
    struct Options {
        std::string file;
        std::string output;
        bool svg = false;
        bool bottom = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = CommandLine::add(
        app, "render",
        "Draw each part map's footprint seen from the top (or --bottom), every pin coloured by the group of the\n"
        "port it is mapped to (by the port in a design without groups), as one HTML page with a search box; or,\n"
        "with --svg, as one SVG file\n"
        "per part map in the folder OUT, named after the refdes.",
        "ifx render board.xml -o pinout.html");
    command->add_option("FILE", options->file, "interface exchange file")->required();
    command->add_option("-o,--output", options->output, "the HTML file, or with --svg the folder")->required();
    command->add_flag("--svg", options->svg, "write one SVG file per part map instead");
    command->add_flag("--bottom", options->bottom, "draw the footprints seen from below");
    command->callback(
        [options, &result] { result = run(options->file, options->output, options->svg, options->bottom); });
}

int RenderCommand::run(const std::string& fileName, const std::string& output, bool svg, bool bottom)
{
    constexpr int kUsageError = 2;
    const std::string problem = outputProblem(output, svg);
    if (!problem.empty()) {
        std::cerr << "ifx render: " << wjxml::printable(problem) << '\n';
        return kUsageError;
    }
    const Design design = DesignReader::read(fileName);
    if (!design)
        return 1;
    const Pinout pinout(design.get());
    if (svg)
        return writeSvgs(pinout, output, bottom) ? 0 : 1;
    std::ostringstream page;
    PinoutPage::write(page, pinout, bottom);
    if (output == "-") {
        std::cout << page.str();
        return 0;
    }
    return writeText(output, page.str()) ? 0 : 1;
}
