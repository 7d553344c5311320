// kicad_library_check SYMBOLS FOOTPRINTS: reads every symbol of the FPGA
// symbol libraries (SYMBOLS/FPGA*.kicad_sym) and every footprint of the BGA,
// QFN and QFP footprint libraries (FOOTPRINTS/Package_{BGA,DFN_QFN,QFP}.pretty)
// with the KiCad readers, and reports each that cannot be read or has no pins.
// Exit status 0 when every one is read, 1 otherwise.

#include "wjxmlkicad/DevicePins.h"
#include "wjxmlkicad/KicadFootprint.h"
#include "wjxmlkicad/KicadSymbolLibrary.h"

#include <algorithm>
#include <chrono>
#include <dirent.h>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The names in folder that start with prefix and end with suffix, sorted.
std::vector<std::string> filesIn(const std::string& folder, const std::string& prefix, const std::string& suffix)
{
    std::vector<std::string> names;
    if (DIR* directory = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(directory)) {
            const std::string name = entry->d_name;
            if (name.size() >= prefix.size() + suffix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                names.push_back(folder + "/" + name);
        }
        ::closedir(directory);
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct Tally {
    int read = 0;
    long pins = 0;
    int failed = 0;
    double slowest = 0;
    std::string slowestFile;

    void problem(const std::string& message)
    {
        ++failed;
        std::cout << message << '\n';
    }
    void timed(const std::string& file, std::chrono::steady_clock::time_point start)
    {
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds > slowest) {
            slowest = seconds;
            slowestFile = file;
        }
    }
};

void checkSymbols(const std::string& folder, Tally* tally)
{
    for (const std::string& file : filesIn(folder, "FPGA", ".kicad_sym")) {
        const auto start = std::chrono::steady_clock::now();
        KicadSymbolLibrary library;
        std::string error;
        if (!library.read(file, &error)) {
            tally->problem(error);
            continue;
        }
        for (const std::string& symbol : library.symbolNames()) {
            DevicePins device;
            if (!library.pins(symbol, &device, &error))
                tally->problem(error);
            else if (device.pins.empty())
                tally->problem(file + ":" + symbol + ": no pins");
            else
                tally->pins += static_cast<long>(device.pins.size());
            ++tally->read;
        }
        tally->timed(file, start);
    }
}

void checkFootprints(const std::string& folder, Tally* tally)
{
    for (const char* library : {"Package_BGA.pretty", "Package_DFN_QFN.pretty", "Package_QFP.pretty"}) {
        for (const std::string& file : filesIn(folder + "/" + library, "", ".kicad_mod")) {
            const auto start = std::chrono::steady_clock::now();
            KicadFootprint footprint;
            std::string error;
            if (!KicadFootprint::read(file, &footprint, &error))
                tally->problem(error);
            else if (footprint.pads.empty() || footprint.width.empty())
                tally->problem(file + ": no numbered pads or no outline");
            else
                tally->pins += static_cast<long>(footprint.pads.size());
            ++tally->read;
            tally->timed(file, start);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: kicad_library_check SYMBOL_FOLDER FOOTPRINT_FOLDER\n";
        return 2;
    }
    Tally symbols;
    Tally footprints;
    checkSymbols(argv[1], &symbols);
    checkFootprints(argv[2], &footprints);
    for (const auto& [what, tally] :
         {std::make_pair("FPGA symbols", &symbols), std::make_pair("BGA, QFN and QFP footprints", &footprints)})
        std::cout << what << ": " << tally->read << " read, " << tally->pins << " pins, " << tally->failed
                  << " not readable; slowest file " << tally->slowest << " s (" << tally->slowestFile << ")\n";
    if (symbols.read == 0 || footprints.read == 0) {
        std::cout << "no libraries found: install kicad-symbols and kicad-footprints\n";
        return 1;
    }
    return symbols.failed + footprints.failed == 0 ? 0 : 1;
}
