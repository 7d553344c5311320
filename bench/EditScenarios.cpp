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

// The first, third, fifth ... object of a walk, taken before any is removed.
template <class Walk> auto everySecond(Walk walk)
{
    std::vector<decltype(walk.value())> objects;
    for (bool taken = true; walk.isValid(); ++walk, taken = !taken) {
        if (taken)
            objects.push_back(walk.value());
    }
    return objects;
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

void EditScenarios::removeHalfThePorts()
{
    for (IWJPort* port : everySecond(m_instance->ports()))
        m_instance->removePort(port);
}

void EditScenarios::removeHalfTheInstances()
{
    for (IWJCompInst* instance : everySecond(m_view->compInsts()))
        m_view->removeCompInst(instance);
}
