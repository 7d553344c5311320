#include "PartWiring.h"

#include "PinPool.h"

#include "wjxmlinterfaceflowreader.h"

PartWiring::PartWiring(IWJCompInst* instance, IWJPartMap* partMap) : m_instance(instance), m_partMap(partMap) {}

IWJCompInst* PartWiring::instance() const
{
    return m_instance;
}

std::size_t PartWiring::portCount() const
{
    return m_portCount;
}

IWJPort* PartWiring::port(const std::string& name, int type, int width)
{
    ++m_portCount;
    if (width == 1)
        return m_instance->addPort(name.c_str(), "", type, 1, -1, -1);
    return m_instance->addPort(name.c_str(), "", type, width, 0, width - 1);
}

IWJDPPort* PartWiring::pair(const std::string& name, IWJPort* positive, IWJPort* negative)
{
    ++m_portCount;
    IWJDPPort* pair = m_instance->addDifferentialPort(name.c_str(), "");
    pair->setPositivePort(positive, -1, -1);
    pair->setNegativePort(negative, -1, -1);
    return pair;
}

void PartWiring::mapWhole(IWJPort* port, PinPool& pins)
{
    m_partMap->mapPortToPin(port, pins.take(), -1);
}

void PartWiring::mapBits(IWJPort* port, int lsb, int msb, PinPool& pins)
{
    for (int bit = lsb; bit <= msb; ++bit)
        m_partMap->mapPortToPin(port, pins.take(), bit);
}

void PartWiring::mapGroup(IWJPortGroup* group, const std::vector<std::string>& pinNames)
{
    m_partMap->mapPortGroupToPinNames(group, pinNames);
}

IWJPort* PartWiring::signal(const std::string& name, int type, PinPool& pins)
{
    IWJPort* made = port(name, type, 1);
    mapWhole(made, pins);
    return made;
}

IWJPort* PartWiring::bus(const std::string& name, int type, int width, PinPool& pins)
{
    IWJPort* made = port(name, type, width);
    if (width == 1)
        mapWhole(made, pins);
    else
        mapBits(made, 0, width - 1, pins);
    return made;
}

IWJDPPort* PartWiring::signalPair(const std::string& name, int type, PinPool& pins)
{
    IWJPort* positive = signal(name + "_P", type, pins);
    IWJPort* negative = signal(name + "_N", type, pins);
    return pair(name, positive, negative);
}

IWJPort* PartWiring::supply(const std::string& name, int type, const std::vector<std::string>& pinNames)
{
    ++m_portCount;
    IWJPort* made = m_instance->addPort(name.c_str(), "", type, static_cast<int>(pinNames.size()), -1, -1);
    m_partMap->mapPortToPinNames(made, pinNames, -1);
    return made;
}
