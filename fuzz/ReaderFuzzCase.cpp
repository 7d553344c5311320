#include "ReaderFuzzCase.h"

#include "RoundTripCheck.h"
#include "model/DesignRecords.h"
#include "wjxmlinterfaceflowreader.h"

#include <fstream>
#include <memory>
#include <utility>

namespace {

using View = std::unique_ptr<IWJInterfaceView>;

// Calls the lookups a host would make with what the model itself names; they
// must find something, and nothing may crash on the way.
std::string lookUpEverything(IWJInterfaceView* view)
{
    for (auto insts = view->compInsts(); insts.isValid(); ++insts) {
        IWJCompInst* inst = insts.value();
        for (auto ports = inst->ports(); ports.isValid(); ++ports) {
            IWJPort* port = ports.value();
            const std::string local = *port->instancePortName() ? port->instancePortName() : port->name();
            if (!inst->findPort(local.c_str()))
                return "findPort misses the port named \"" + local + "\"";
            port->fullName();
            if (IWJPartMap* partMap = view->findPartMap(inst)) {
                partMap->pinForPort(port, -1);
                partMap->pinGroupForPort(port, port->lsb());
                partMap->findPortRef(port, port->msb());
            }
        }
        for (auto pairs = inst->differentialPorts(); pairs.isValid(); ++pairs) {
            const std::string local =
                *pairs.value()->instancePortName() ? pairs.value()->instancePortName() : pairs.value()->name();
            if (!inst->findDifferentialPort(local.c_str()))
                return "findDifferentialPort misses the port named \"" + local + "\"";
        }
        for (auto buses = inst->busInterfaces(); buses.isValid(); ++buses) {
            IWJCompBusInterface* bus = buses.value();
            inst->findPortGroup((std::string(inst->cellName()) + '.' + bus->name()).c_str());
            for (auto groups = bus->portGroups(); groups.isValid(); ++groups) {
                bus->findPortGroup(groups.value()->name());
                groups.value()->fullName();
                for (auto refs = groups.value()->portRefs(); refs.isValid(); ++refs)
                    refs.value()->name();
            }
        }
    }
    for (auto footprints = view->footprints(); footprints.isValid(); ++footprints) {
        for (auto pins = footprints.value()->pins(); pins.isValid(); ++pins) {
            if (!footprints.value()->findPin(pins.value()->name()))
                return std::string("findPin misses the pin named \"") + pins.value()->name() + "\"";
        }
    }
    for (auto partMaps = view->partMaps(); partMaps.isValid(); ++partMaps) {
        for (auto maps = partMaps.value()->portGroupPinGroupMaps(); maps.isValid(); ++maps)
            partMaps.value()->pinGroupForPortGroup(maps.key());
    }
    return std::string();
}

} // namespace

ReaderFuzzCase::ReaderFuzzCase(std::string inputFolder, std::string outputFolder, std::string name)
    : m_inputFolder(std::move(inputFolder)), m_outputFolder(std::move(outputFolder)), m_name(std::move(name))
{
}

std::string ReaderFuzzCase::run(const std::string& content) const
{
    const std::string input = m_inputFolder + "/" + m_name + ".xml";
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out << content;
    }
    const RoundTripCheck roundTrip(m_outputFolder);
    std::string snapshots[2];
    bool read[2] = {false, false};
    for (const bool bind : {true, false}) {
        CWJXMLFlowReader reader;
        reader.readFlowXML(input.c_str(), bind);
        const View view(reader.getInterfaceView());
        const std::string error = reader.lastError();
        if (!view) {
            if (error.empty())
                return "no view and no error";
            continue;
        }
        if (!error.empty())
            return "a view and an error: " + error;
        read[bind] = true;
        snapshots[bind] = DesignRecords(view.get()).text();
        if (std::string problem = lookUpEverything(view.get()); !problem.empty())
            return problem;
        if (std::string problem = roundTrip.check(view.get(), m_name + (bind ? "-bound" : "-unbound"));
            !problem.empty())
            return problem;
    }
    if (read[0] != read[1])
        return read[1] ? "read bound but not unbound" : "read unbound but not bound";
    if (snapshots[0] != snapshots[1])
        return "bound and unbound reads differ: " + firstDifference(snapshots[1], snapshots[0]);
    return std::string();
}
