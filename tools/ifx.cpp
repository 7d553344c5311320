// ifx: inspect and convert interface exchange files.

#include "wjxmlinterfaceflowreader.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

namespace {

constexpr int kUsageError = 2;

// Reads fileName; on failure prints the library's diagnostics and returns null.
std::unique_ptr<IWJInterfaceView> readDesign(const std::string& fileName, bool bind)
{
    CWJXMLFlowReader reader;
    reader.readFlowXML(fileName.c_str(), bind);
    if (*reader.lastError() || !reader.getInterfaceView()) {
        std::cerr << reader.lastError() << '\n';
        return nullptr;
    }
    return std::unique_ptr<IWJInterfaceView>(reader.getInterfaceView());
}

template <class Handle>
int count(Handle walk)
{
    int n = 0;
    for (; walk.isValid(); ++walk)
        ++n;
    return n;
}

const char* typeWord(int type)
{
    static const char* const words[] = {"input", "output", "inout", "power", "ground"};
    return type >= 0 && type < 5 ? words[type] : "no type";
}

void showInstances(IWJInterfaceView* view)
{
    for (auto instances = view->compInsts(); instances.isValid(); ++instances) {
        IWJCompInst* instance = instances.value();
        std::cout << "Instance " << instance->refdes() << ", cell " << instance->cellName() << '\n';
        for (auto ports = instance->ports(); ports.isValid(); ++ports) {
            IWJPort* port = ports.value();
            std::cout << "  Port " << port->name() << ", " << typeWord(port->type());
            if (port->lsb() != -1 || port->msb() != -1)
                std::cout << ", range " << port->lsb() << ".." << port->msb();
            std::cout << '\n';
        }
        for (auto buses = instance->busInterfaces(); buses.isValid(); ++buses)
            std::cout << "  Bus interface " << buses.value()->name() << '\n';
    }
}

void showPartMaps(IWJInterfaceView* view)
{
    for (auto partMaps = view->partMaps(); partMaps.isValid(); ++partMaps) {
        IWJPartMap* partMap = partMaps.value();
        IWJCompInst* instance = partMap->compInst();
        IWJFootPrint* footprint = partMap->footprint();
        std::cout << "Part map " << (instance ? instance->refdes() : "(no instance)") << " on "
                  << (footprint ? footprint->name() : "(no footprint)") << ": "
                  << count(partMap->portPinMaps()) << " pin mappings, " << count(partMap->portPinGroupMaps())
                  << " pin-group mappings, " << count(partMap->portGroupPinGroupMaps()) << " group mappings\n";
    }
}

int validate(const std::string& fileName)
{
    if (!readDesign(fileName, false))
        return 1;
    std::cout << fileName << ": valid\n";
    return 0;
}

int show(const std::string& fileName)
{
    const auto view = readDesign(fileName, false);
    if (!view)
        return 1;
    std::cout << "Design:          " << view->designName() << '\n'
              << "Last updated by: " << view->lastUpdatedBy() << '\n'
              << "Last updated at: " << view->lastUpdatedAt() << '\n'
              << "Instances:       " << count(view->compInsts()) << '\n'
              << "Footprints:      " << count(view->footprints()) << '\n'
              << "Part maps:       " << count(view->partMaps()) << '\n';
    showInstances(view.get());
    for (auto walk = view->footprints(); walk.isValid(); ++walk)
        std::cout << "Footprint " << walk.value()->name() << ": " << count(walk.value()->pins()) << " pins\n";
    showPartMaps(view.get());
    return 0;
}

int copy(const std::string& input, const std::string& output)
{
    CWJXMLFlowReader reader;
    reader.readFlowXML(input.c_str(), true);
    if (!reader.getInterfaceView()) {
        std::cerr << reader.lastError() << '\n';
        return 1;
    }
    const std::unique_ptr<IWJInterfaceView> view(reader.getInterfaceView());
    reader.writeXMLFile(output.c_str());
    if (*reader.lastError()) {
        std::cerr << reader.lastError() << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Inspect and convert interface exchange files."};
    app.require_subcommand(1);

    std::string file;
    std::string output;
    CLI::App* validateCommand = app.add_subcommand("validate", "Check a file against the schema.\n"
                                                               "Example: ifx validate board.xml");
    validateCommand->add_option("FILE", file, "interface exchange file")->required();
    CLI::App* showCommand = app.add_subcommand("show", "Print the design's texts and counts, then each\n"
                                                       "instance with its ports and bus interfaces.\n"
                                                       "Example: ifx show board.xml");
    showCommand->add_option("FILE", file, "interface exchange file")->required();
    CLI::App* copyCommand = app.add_subcommand("copy", "Read a file and write it again, normalised and indented.\n"
                                                       "Example: ifx copy board.xml normalised.xml");
    copyCommand->add_option("IN", file, "file to read")->required();
    copyCommand->add_option("OUT", output, "file to write")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& request) {
        return app.exit(request);
    } catch (const CLI::ParseError& problem) {
        app.exit(problem);
        return kUsageError;
    }

    if (validateCommand->parsed())
        return validate(file);
    if (showCommand->parsed())
        return show(file);
    return copy(file, output);
}
