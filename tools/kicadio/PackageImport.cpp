#include "kicadio/PackageImport.h"

#include "kicadio/FootprintApplier.h"
#include "model/PinFacts.h"
#include "model/PinMapTable.h"
#include "text/NaturalOrder.h"
#include "wjxmlkicad/DevicePins.h"
#include "wjxmlkicad/KicadFootprint.h"
#include "wjxmlkicad/PinFunction.h"

#include "wjxmlinterfaceflowreader.h"

#include <cctype>
#include <map>
#include <sstream>

namespace {

IWJPartMap* partMapOf(IWJInterfaceView* design, const std::string& refdes)
{
    for (auto partMaps = design->partMaps(); partMaps.isValid(); ++partMaps) {
        IWJCompInst* instance = partMaps.value()->compInst();
        if (instance && PinFacts::sameRefdes(refdes, instance->refdes()))
            return partMaps.value();
    }
    return nullptr;
}

bool isWordCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// Whether line holds word, in upper case, with no letter or digit on either side.
bool namesWord(const std::string& line, const std::string& word)
{
    for (std::size_t at = line.find(word); at != std::string::npos; at = line.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || !isWordCharacter(line[at - 1])) && (end == line.size() || !isWordCharacter(line[end])))
            return true;
    }
    return false;
}

// "file:line" of the last line of the sources naming pin and the port or
// group placed (by its local name), in any case, else of the last naming
// pin alone (a comment or another port's placement may name it too); ""
// when none does.
std::string lineNaming(const std::vector<ConstraintSource>& sources, const std::string& pin, const std::string& placed)
{
    const std::string word = DevicePins::numberKey(pin);
    const std::string name = DevicePins::numberKey(placed.substr(placed.rfind('.') + 1));
    std::string naming;
    for (auto source = sources.rbegin(); source != sources.rend(); ++source) {
        std::string text;
        if (!PinConstraints::sourceText(*source, &text))
            continue;
        std::istringstream lines(DevicePins::numberKey(text));
        std::string line;
        int number = 0;
        int found = 0;
        int withName = 0;
        while (std::getline(lines, line)) {
            ++number;
            if (namesWord(line, word)) {
                found = number;
                withName = namesWord(line, name) ? number : withName;
            }
        }
        if (withName)
            return source->name + ":" + std::to_string(withName);
        if (found && naming.empty())
            naming = source->name + ":" + std::to_string(found);
    }
    return naming;
}

const char* refusedKind(PinFunction::Kind kind)
{
    switch (kind) {
    case PinFunction::Power: return "a power";
    case PinFunction::Ground: return "a ground";
    case PinFunction::NoConnect: return "a no-connect";
    default: return nullptr;
    }
}

void checkPlacements(IWJInterfaceView* design, const DevicePins& package, const std::vector<ConstraintSource>& sources,
                     const std::string& refdes, ImportReport* report)
{
    const auto balls = package.byNumber();
    const PinMapTable table(design, refdes);
    for (const PinMapRow& row : table.rows()) {
        const auto ball = balls.find(DevicePins::numberKey(row.pin));
        std::string problem;
        if (ball == balls.end()) {
            problem = "which " + package.device + " lacks";
            std::string closest;
            for (const std::string& number : package.closest(row.pin))
                closest += (closest.empty() ? " (closest: " : ", ") + number;
            problem += closest.empty() ? "" : closest + ")";
        } else if (!PinFacts::isSupply(row.type) && row.mapping != "group") {
            if (const char* kind = refusedKind(PinFunction::of(*ball->second)))
                problem = std::string(kind) + " ball (" + ball->second->name + ") of " + package.device;
        }
        if (problem.empty())
            continue;
        const std::string line = lineNaming(sources, row.pin, row.port.empty() ? row.group : row.port);
        const std::string name =
            row.port.empty() ? row.group : row.port + (row.bit == -1 ? "" : "<" + std::to_string(row.bit) + ">");
        report->errors.push_back((line.empty() ? refdes : line) + ": " + name + " is placed on " + row.pin + ", " +
                                 problem);
    }
}

void addBalls(IWJFootPrint* footprint, const DevicePins& package, ImportReport* report)
{
    std::size_t pins = 0;
    for (auto walk = footprint->pins(); walk.isValid(); ++walk)
        ++pins;
    if (pins >= package.pins.size())
        return;
    for (const DevicePin& ball : package.pins) {
        if (!footprint->findPin(ball.number.c_str())) {
            footprint->addPin(ball.number.c_str(), "", "", "", "");
            ++report->pinsMade;
        }
    }
}

bool placePads(IWJInterfaceView* design, const DevicePins& package, const std::string& refdes,
               const std::string& fileName, ImportReport* report)
{
    KicadFootprint file;
    std::string error;
    FootprintReport placed;
    if (!KicadFootprint::read(fileName, &file, &error) ||
        !FootprintApplier::apply(design, file, "", refdes, &placed, &error)) {
        report->errors.push_back(error);
        return false;
    }
    report->pinsMade += placed.pinsAdded;
    if (!placed.pinsLacked.empty())
        report->warnings.push_back(FootprintApplier::lackedWarning(fileName, placed));
    const auto balls = package.byNumber();
    int extra = 0;
    std::string names;
    for (const FootprintPad& pad : file.pads) {
        if (!balls.count(DevicePins::numberKey(pad.name))) {
            ++extra;
            names += " " + pad.name;
        }
    }
    if (extra)
        report->warnings.push_back(fileName + ": warning: " + std::to_string(extra) + " pads that " + package.device +
                                   " lacks:" + names);
    return true;
}

void mapSupplies(IWJPartMap* partMap, const DevicePins& package, ImportReport* report)
{
    // The balls of each supply name, and whether it is a ground.
    std::map<std::string, std::vector<std::string>, bool (*)(const std::string&, const std::string&)> supplies(
        NaturalOrder::before);
    std::map<std::string, bool> grounds;
    for (const DevicePin& ball : package.pins) {
        const PinFunction::Kind kind = PinFunction::of(ball);
        if (kind == PinFunction::Power || kind == PinFunction::Ground) {
            supplies[ball.name].push_back(ball.number);
            grounds[ball.name] = kind == PinFunction::Ground;
        }
    }
    IWJCompInst* instance = partMap->compInst();
    for (const auto& [name, balls] : supplies) {
        const int type = grounds[name] ? IWJPort::Ground : IWJPort::Power;
        IWJPort* port = instance->findPort(name.c_str());
        const std::string where = std::string(instance->refdes()) + ": the port " + name;
        if (port && port->type() != IWJPort::Power && port->type() != IWJPort::Ground) {
            report->errors.push_back(where + " of the supply is no power or ground port");
            continue;
        }
        if (IWJFootPrintPin* pin = port ? partMap->pinForPort(port, -1) : nullptr) {
            report->errors.push_back(where + " of the supply is placed on the one pin " + pin->name());
            continue;
        }
        if (!port) {
            port = instance->addPort(name.c_str(), nullptr, type, static_cast<int>(balls.size()), -1, -1);
            ++report->portsMade;
        }
        partMap->unmapPort(port, -1);
        partMap->mapPortToPinNames(port, balls, -1);
    }
}

} // namespace

bool PackageImport::apply(IWJInterfaceView* design, const std::vector<ConstraintSource>& sources,
                          const std::string& refdes, const PackageOptions& options, ImportReport* report)
{
    DevicePins package;
    std::string error;
    if (!DevicePins::read(options.package, &package, &error)) {
        report->errors.push_back(error);
        return false;
    }
    checkPlacements(design, package, sources, refdes, report);
    IWJPartMap* partMap = partMapOf(design, refdes);
    if (!partMap || !partMap->footprint())
        report->errors.push_back(refdes + ": no part map with a footprint to give the package");
    if (!report->errors.empty())
        return false;
    addBalls(partMap->footprint(), package, report);
    if (!options.footprintFile.empty() && !placePads(design, package, refdes, options.footprintFile, report))
        return false;
    if (options.supplies)
        mapSupplies(partMap, package, report);
    return report->errors.empty();
}
