#include "kicadio/FootprintApplier.h"

#include "model/PinFacts.h"
#include "text/NaturalOrder.h"

#include "wjxmlinterfaceflowreader.h"

#include <algorithm>
#include <unordered_set>

namespace {

IWJFootPrint* footprintNamed(IWJInterfaceView* design, const std::string& name)
{
    for (auto footprints = design->footprints(); footprints.isValid(); ++footprints) {
        if (name == footprints.value()->name())
            return footprints.value();
    }
    return nullptr;
}

IWJFootPrint* footprintOf(IWJInterfaceView* design, const std::string& name, const std::string& refdes,
                          std::string* error)
{
    IWJCompInst* instance = nullptr;
    if (!refdes.empty()) {
        for (auto instances = design->compInsts(); instances.isValid() && !instance; ++instances) {
            if (PinFacts::sameRefdes(refdes, instances.value()->refdes()))
                instance = instances.value();
        }
        if (!instance) {
            *error = "no instance has the refdes " + refdes;
            return nullptr;
        }
        if (IWJPartMap* map = design->findPartMap(instance))
            return map->footprint();
    }
    IWJFootPrint* footprint = footprintNamed(design, name);
    if (!footprint)
        footprint = design->addFootprint(name.c_str(), "", "", "", "0,0", "0");
    if (instance)
        design->addPartMap(footprint, instance);
    return footprint;
}

} // namespace

bool FootprintApplier::apply(IWJInterfaceView* design, const KicadFootprint& file, const std::string& name,
                             const std::string& refdes, FootprintReport* report, std::string* error)
{
    IWJFootPrint* footprint = footprintOf(design, name.empty() ? file.name : name, refdes, error);
    if (!footprint)
        return false;
    report->footprint = footprint->name();
    if (!file.width.empty()) {
        footprint->setWidth(file.width.c_str());
        footprint->setLength(file.length.c_str());
    }
    std::unordered_set<IWJFootPrintPin*> placed;
    for (const FootprintPad& pad : file.pads) {
        IWJFootPrintPin* pin = footprint->findPin(pad.name.c_str());
        if (!pin) {
            placed.insert(footprint->addPin(pad.name.c_str(), pad.location.c_str(), pad.padstack.c_str(),
                                            pad.size.c_str(), pad.shape.c_str()));
            ++report->pinsAdded;
            continue;
        }
        pin->setLocation(pad.location.c_str());
        pin->setPadstack(pad.padstack.c_str());
        pin->setSize(pad.size.c_str());
        pin->setShape(pad.shape.c_str());
        placed.insert(pin);
        ++report->pinsPlaced;
    }
    for (auto pins = footprint->pins(); pins.isValid(); ++pins) {
        if (!placed.count(pins.value()))
            report->pinsLacked.push_back(pins.value()->name());
    }
    std::sort(report->pinsLacked.begin(), report->pinsLacked.end(), NaturalOrder::before);
    return true;
}

std::string FootprintApplier::lackedWarning(const std::string& fileName, const FootprintReport& report)
{
    std::string text = fileName + ": warning: no pad for " + std::to_string(report.pinsLacked.size()) + " pins of " +
                       report.footprint + ":";
    for (const std::string& pin : report.pinsLacked)
        text += " " + pin;
    return text;
}
