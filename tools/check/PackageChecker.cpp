#include "check/PackageChecker.h"

#include "check/CheckReport.h"
#include "model/PinFacts.h"
#include "model/PinMapTable.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"
#include "wjxmlkicad/DevicePins.h"
#include "wjxmlkicad/PinFunction.h"

#include <map>

namespace {

const xercesc::DOMElement* elementOf(IWJPartMap* partMap)
{
    const IWJXMLObject* object = dynamic_cast<IWJXMLObject*>(partMap);
    return object ? object->GetDomElement() : nullptr;
}

std::string mappedName(const PinMapRow& row)
{
    if (row.port.empty())
        return row.group;
    return row.bit == -1 ? row.port : row.port + "<" + std::to_string(row.bit) + ">";
}

const char* kindWord(PinFunction::Kind kind)
{
    switch (kind) {
    case PinFunction::Power: return "a power";
    case PinFunction::Ground: return "a ground";
    case PinFunction::NoConnect: return "a no-connect";
    default: return "another";
    }
}

} // namespace

bool PackageChecker::check(IWJInterfaceView* design, const DevicePins& package, const std::string& refdes,
                           CheckReport& report)
{
    const auto balls = package.byNumber();
    // The balls of each differential pair's bit, by polarity; the ports of
    // each bank by voltage.
    std::map<std::string, std::map<std::string, const DevicePin*>> pairs;
    std::map<std::string, std::map<std::string, std::string>> bankVoltages;
    const xercesc::DOMElement* where = nullptr;
    const PinMapTable table(design, refdes);
    int partMapNumber = -1;
    for (const PinMapRow& row : table.rows()) {
        if (row.partMap != partMapNumber) {
            partMapNumber = row.partMap;
            where = elementOf(PinMapTable::partMapAt(design, partMapNumber));
        }
        const std::string name = mappedName(row);
        const auto ball = balls.find(DevicePins::numberKey(row.pin));
        if (ball == balls.end()) {
            std::string closest;
            for (const std::string& number : package.closest(row.pin))
                closest += (closest.empty() ? " (closest: " : ", ") + number;
            report.error("package-pin", where,
                         name + " is on pin " + row.pin + ", which " + package.device + " lacks" +
                             (closest.empty() ? "" : closest + ")"));
            continue;
        }
        const DevicePin& pin = *ball->second;
        if (PinFacts::isSupply(row.type) || row.mapping == "group")
            continue;
        const PinFunction::Kind function = PinFunction::of(pin);
        if (function != PinFunction::UserIo) {
            const std::string placed = name + " is on ball " + pin.number + " (" + pin.name + "), which is ";
            // A signal on a supply, ground or unconnected ball cannot work;
            // boards do drive LEDs and clocks from dedicated pins on purpose.
            if (function == PinFunction::Other)
                report.warning("package-not-io", where, placed + "not user I/O but a dedicated pin");
            else
                report.error("package-not-io", where, placed + kindWord(function) + " ball, not user I/O");
            continue;
        }
        if (!row.pair.empty())
            pairs[row.pair + (row.bit == -1 ? "" : "<" + std::to_string(row.bit) + ">")][row.polarity] = &pin;
        if (!row.voltage.empty())
            bankVoltages[pin.bank].emplace(row.voltage, name);
    }
    for (const auto& [pair, ends] : pairs) {
        const auto positive = ends.find("P");
        const auto negative = ends.find("N");
        if (positive == ends.end() || negative == ends.end())
            continue;
        const DevicePin& p = *positive->second;
        const DevicePin& n = *negative->second;
        if (p.partner != n.number)
            report.error("package-pair", where,
                         "pair " + pair + " is on balls " + p.number + " (" + p.name + ") and " + n.number + " (" +
                             n.name + "), which are no differential pair of " + package.device);
        else if (DevicePins::polarityOfName(p.name) == 'N')
            report.error("package-polarity", where,
                         "pair " + pair + " has its positive port on the N ball " + p.number + " (" + p.name + ")");
    }
    for (const auto& [bank, voltages] : bankVoltages) {
        if (voltages.size() < 2)
            continue;
        std::string listed;
        for (const auto& [voltage, port] : voltages)
            listed += (listed.empty() ? "" : ", ") + voltage + " (" + port + ")";
        report.error("package-bank-voltage", where,
                     "bank " + bank + " of " + package.device + " holds user I/O of several voltages: " + listed);
    }
    return !table.rows().empty();
}
