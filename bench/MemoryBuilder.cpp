#include "MemoryBuilder.h"

#include "BallGrid.h"
#include "DdrInterface.h"
#include "PinPool.h"

#include "wjxmlinterfaceflowreader.h"

#include <vector>

namespace {

constexpr int kRows = 16;
const int kColumns[] = {0, 1, 2, 6, 7, 8};
constexpr int kLanes = 2;
constexpr int kAddressBits = 15;

std::string footprintName(const std::string& refdes)
{
    return "FBGA96_" + refdes;
}

} // namespace

MemoryBuilder::MemoryBuilder(IWJInterfaceView* view, const std::string& refdes, const std::string& origin,
                             const std::string& rotation)
    : m_instance(view->addCompInst("DDR3_SDRAM_X16", refdes.c_str())),
      m_footprint(
          view->addFootprint(footprintName(refdes).c_str(), "7.5", "13.0", "1.2", origin.c_str(), rotation.c_str())),
      m_wiring(m_instance, view->addPartMap(m_footprint, m_instance))
{
}

std::size_t MemoryBuilder::build()
{
    // Ground and supply balls alternate in diagonal stripes between the
    // signals; the supplies and grounds of the core and of the I/O take
    // every other ball of their stripes.
    const BallGrid grid(0.8);
    PinPool core;
    PinPool io;
    PinPool coreGround;
    PinPool ioGround;
    PinPool signals;
    std::size_t pins = 0;
    for (int row = 0; row < kRows; ++row) {
        for (int column : kColumns) {
            IWJFootPrintPin* pin =
                m_footprint->addPin(BallGrid::pinName(row, column).c_str(), grid.location(row, column).c_str(),
                                    "BGA_PAD_0.40", nullptr, nullptr);
            ++pins;
            const int stripe = (row + 2 * column) % 5;
            if (stripe == 0)
                (row % 2 == 0 ? coreGround : ioGround).add(pin);
            else if (stripe == 3)
                (row % 2 == 0 ? core : io).add(pin);
            else
                signals.add(pin);
        }
    }

    m_wiring.supply("VDD", IWJPort::Power, core.takeNames(core.size()));
    const std::vector<std::string> ioPins = io.takeNames(io.size());
    IWJPort* ioPower = m_wiring.supply("VDDQ", IWJPort::Power, ioPins);
    m_wiring.supply("VSS", IWJPort::Ground, coreGround.takeNames(coreGround.size()));
    const std::vector<std::string> ioGroundPins = ioGround.takeNames(ioGround.size());
    IWJPort* ioGroundPort = m_wiring.supply("VSSQ", IWJPort::Ground, ioGroundPins);
    std::vector<std::string> supplyPins = ioPins;
    supplyPins.insert(supplyPins.end(), ioGroundPins.begin(), ioGroundPins.end());
    const DdrSupply supply{ioPower, ioGroundPort, static_cast<int>(ioPins.size()),
                           static_cast<int>(ioGroundPins.size()), supplyPins};

    DdrInterface(m_wiring, signals, DdrInterface::Memory, "", kLanes, kAddressBits).build("DDR", supply);
    m_wiring.signal("ZQ", IWJPort::Inout, signals);
    m_wiring.signal("VREFDQ", IWJPort::Input, signals);
    m_wiring.signal("VREFCA", IWJPort::Input, signals);
    return m_wiring.portCount() + pins;
}
