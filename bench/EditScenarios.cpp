#include "EditScenarios.h"

#include "wjxmlinterfaceflowreader.h"

#include <string>
#include <vector>

namespace {

int portCount(IWJCompInst* instance)
{
    int count = 0;
    for (auto ports = instance->ports(); ports.isValid(); ++ports)
        ++count;
    return count;
}

IWJCompInst* largestInstance(IWJInterfaceView* view)
{
    IWJCompInst* largest = nullptr;
    int most = -1;
    for (auto instances = view->compInsts(); instances.isValid(); ++instances) {
        const int count = portCount(instances.value());
        if (count > most) {
            largest = instances.value();
            most = count;
        }
    }
    return largest;
}

} // namespace

EditScenarios::EditScenarios(IWJInterfaceView* view) : m_view(view), m_instance(largestInstance(view)) {}

void EditScenarios::addPorts(std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const std::string name = i % 2 == 0 ? std::string("SPARE") : "SIG" + std::to_string(i);
        m_instance->addPort(name.c_str(), "", IWJPort::Inout, 1, -1, -1);
    }
}

void EditScenarios::mapEveryBit()
{
    IWJFootPrint* footprint = m_view->findPartMap(m_instance)->footprint();
    std::vector<IWJFootPrintPin*> pins;
    for (auto walk = footprint->pins(); walk.isValid(); ++walk)
        pins.push_back(walk.value());
    IWJPartMap* partMap = m_view->addPartMap(footprint, m_instance);
    std::size_t next = 0;
    for (auto ports = m_instance->ports(); ports.isValid(); ++ports) {
        IWJPort* port = ports.value();
        const int lsb = port->lsb();
        const int msb = port->msb();
        if (lsb == -1 && msb == -1) {
            partMap->mapPortToPin(port, pins[next++ % pins.size()], -1);
            continue;
        }
        for (int bit = lsb; bit <= msb; ++bit)
            partMap->mapPortToPin(port, pins[next++ % pins.size()], bit);
    }
}

void EditScenarios::removeHalfTheInstances()
{
    std::vector<IWJCompInst*> instances;
    for (auto walk = m_view->compInsts(); walk.isValid(); ++walk)
        instances.push_back(walk.value());
    for (std::size_t i = 0; i < instances.size(); i += 2)
        m_view->removeCompInst(instances[i]);
}
