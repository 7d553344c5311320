#include "FpgaBuilder.h"

#include "BallGrid.h"
#include "DdrInterface.h"

#include "wjxmlinterfaceflowreader.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

constexpr int kAddressBits = 15;
// Signal balls per DDR3 interface, and the most interfaces a part has.
constexpr std::size_t kBallsPerMemoryInterface = 700;
constexpr std::size_t kMostMemoryInterfaces = 4;
// An I/O bank takes up to this many balls of the signal rings.
constexpr std::size_t kBankBalls = 44;
// One signal-ring ball in this many is left unconnected.
constexpr unsigned kUnconnectedOneIn = 50;

struct CoreRail {
    const char* name;
    const char* voltage;
};
const CoreRail kCoreRails[] = {{"VCCINT", "1.0V"}, {"VCCAUX", "1.8V"}, {"VCCBRAM", "1.0V"}};
constexpr std::size_t kCoreRailCount = std::size(kCoreRails);

std::string millimetres(double length)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", length);
    return text;
}

std::string footprintName(const std::string& refdes, int side)
{
    return "FBGA" + std::to_string(side * side) + "_" + refdes;
}

std::string cellName(int side)
{
    return "FPGA_FBGA" + std::to_string(side * side);
}

std::vector<std::string> joined(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// The balls of ring k (0 the outermost) of a side x side grid, as row-major
// indexes, walked clockwise from the ring's top left corner.
std::vector<int> ring(int side, int k)
{
    const int low = k;
    const int high = side - 1 - k;
    std::vector<int> balls;
    if (low == high) {
        balls.push_back(low * side + low);
        return balls;
    }
    for (int column = low; column < high; ++column)
        balls.push_back(low * side + column);
    for (int row = low; row < high; ++row)
        balls.push_back(row * side + high);
    for (int column = high; column > low; --column)
        balls.push_back(high * side + column);
    for (int row = high; row > low; --row)
        balls.push_back(row * side + low);
    return balls;
}

} // namespace

FpgaBuilder::FpgaBuilder(IWJInterfaceView* view, std::mt19937& random, const std::string& refdes, int side,
                         const std::string& origin, const std::string& rotation)
    : m_random(random), m_side(side), m_instance(view->addCompInst(cellName(side).c_str(), refdes.c_str())),
      m_footprint(view->addFootprint(footprintName(refdes, side).c_str(), millimetres(side + 2.0).c_str(),
                                     millimetres(side + 2.0).c_str(), "2.6", origin.c_str(), rotation.c_str())),
      m_wiring(m_instance, view->addPartMap(m_footprint, m_instance))
{
}

std::size_t FpgaBuilder::build()
{
    addPins();
    sortPins();
    addSupplies();
    addConfiguration();
    addMemoryInterfaces();
    addBanks();
    return m_wiring.portCount() + m_pins.size();
}

void FpgaBuilder::addPins()
{
    const BallGrid grid(1.0);
    m_pins.reserve(static_cast<std::size_t>(m_side) * static_cast<std::size_t>(m_side));
    for (int row = 0; row < m_side; ++row) {
        for (int column = 0; column < m_side; ++column) {
            m_pins.push_back(m_footprint->addPin(BallGrid::pinName(row, column).c_str(),
                                                 grid.location(row, column).c_str(), "BGA_PAD_0.50", nullptr, nullptr));
        }
    }
}

void FpgaBuilder::sortPins()
{
    const int coreLow = m_side / 3;
    const int coreHigh = m_side - m_side / 3;
    std::vector<bool> signal(m_pins.size(), false);
    for (int row = 0; row < m_side; ++row) {
        for (int column = 0; column < m_side; ++column) {
            IWJFootPrintPin* pin = m_pins[static_cast<std::size_t>(row * m_side + column)];
            if ((row + 2 * column) % 5 == 0)
                m_ground.add(pin);
            else if (row >= coreLow && row < coreHigh && column >= coreLow && column < coreHigh)
                m_core.add(pin);
            else
                signal[static_cast<std::size_t>(row * m_side + column)] = true;
        }
    }
    for (int k = 0; 2 * k < m_side; ++k) {
        std::vector<int> balls = ring(m_side, k);
        std::rotate(balls.begin(), balls.begin() + static_cast<long>(m_random() % balls.size()), balls.end());
        for (int ball : balls) {
            const auto index = static_cast<std::size_t>(ball);
            if (signal[index] && m_random() % kUnconnectedOneIn != 0)
                m_signals.add(m_pins[index]);
        }
    }
}

void FpgaBuilder::addSupplies()
{
    // Half of the core balls for the core logic, a quarter for the auxiliary
    // supply, the rest for the block memories.
    const std::size_t core = m_core.size();
    const std::size_t counts[kCoreRailCount] = {(core + 1) / 2, core / 4, core - (core + 1) / 2 - core / 4};
    IWJPort* ports[kCoreRailCount];
    std::vector<std::string> pins[kCoreRailCount];
    for (std::size_t i = 0; i < kCoreRailCount; ++i) {
        pins[i] = m_core.takeNames(counts[i]);
        ports[i] = m_wiring.supply(kCoreRails[i].name, IWJPort::Power, pins[i]);
    }
    m_groundNames = m_ground.takeNames(m_ground.size());
    m_groundPort = m_wiring.supply("GND", IWJPort::Ground, m_groundNames);

    IWJCompBusInterface* supplies = m_instance->addBusInterface("SUPPLY", "FPGA core supplies");
    for (std::size_t i = 0; i < kCoreRailCount; ++i) {
        const std::vector<std::string> ground = groundShare(counts[i]);
        IWJPortGroup* rail =
            supplies->addPortGroup(kCoreRails[i].name, IWJPortGroup::VoltageDefn, kCoreRails[i].voltage,
                                   static_cast<int>(counts[i]), static_cast<int>(ground.size()));
        rail->addPortRef(ports[i], -1, -1);
        rail->addPortRef(m_groundPort, -1, -1);
        m_wiring.mapGroup(rail, joined(pins[i], ground));
    }
}

void FpgaBuilder::addConfiguration()
{
    const std::size_t start = m_signals.position();
    IWJPort* const jtag[] = {
        m_wiring.signal("TCK", IWJPort::Input, m_signals),
        m_wiring.signal("TMS", IWJPort::Input, m_signals),
        m_wiring.signal("TDI", IWJPort::Input, m_signals),
        m_wiring.signal("TDO", IWJPort::Output, m_signals),
    };
    IWJCompBusInterface* testAccess = m_instance->addBusInterface("JTAG", "IEEE 1149.1 test access port");
    for (IWJPort* port : jtag)
        testAccess->addPortRef(port, -1, -1);
    m_wiring.mapGroup(testAccess, m_signals.namesBetween(start, m_signals.position()));

    m_wiring.signal("PROGRAM_B", IWJPort::Input, m_signals);
    m_wiring.signal("INIT_B", IWJPort::Inout, m_signals);
    m_wiring.signal("DONE", IWJPort::Inout, m_signals);
    m_wiring.signal("CCLK", IWJPort::Inout, m_signals);
    m_wiring.bus("M", IWJPort::Input, 3, m_signals);
    m_wiring.signalPair("SYSCLK", IWJPort::Input, m_signals);
}

void FpgaBuilder::addMemoryInterfaces()
{
    const std::size_t balls = m_signals.remaining();
    const int lanes = balls >= 600 ? 8 : balls >= 250 ? 4 : 2;
    const std::size_t interfaces =
        std::min(kMostMemoryInterfaces, std::max<std::size_t>(1, balls / kBallsPerMemoryInterface));
    for (std::size_t k = 0; k < interfaces; ++k) {
        const auto signals = static_cast<std::size_t>(DdrInterface::signalCount(lanes, kAddressBits));
        // One I/O supply ball per ten signal balls.
        const std::size_t supplyBalls = signals / 10;
        if (m_signals.remaining() < signals + supplyBalls)
            return;
        const std::string name = "DDR" + std::to_string(k);
        const std::vector<std::string> supplyPins = m_signals.takeNames(supplyBalls);
        IWJPort* power = m_wiring.supply("VCCO_" + name, IWJPort::Power, supplyPins);
        const std::vector<std::string> ground = groundShare(supplyBalls);
        const DdrSupply supply{power, m_groundPort, static_cast<int>(supplyPins.size()),
                               static_cast<int>(ground.size()), joined(supplyPins, ground)};
        DdrInterface(m_wiring, m_signals, DdrInterface::Controller, name + "_", lanes, kAddressBits)
            .build(name, supply);
    }
}

void FpgaBuilder::addBanks()
{
    for (int number = 1; m_signals.remaining() >= 4; ++number)
        addBank(number, std::min(kBankBalls, m_signals.remaining()));
}

void FpgaBuilder::addBank(int number, std::size_t balls)
{
    // One supply ball per eleven; of the signals a third form a GPIO bus (at
    // most 16 bits), two thirds of the rest LVDS pairs, the others single
    // ports.
    const std::size_t supplyBalls = std::max<std::size_t>(1, balls / 11);
    const std::size_t signals = balls - supplyBalls;
    const std::size_t gpio = std::min<std::size_t>(16, signals / 3);
    const std::size_t pairs = (signals - gpio) / 3;
    const std::size_t singles = signals - gpio - 2 * pairs;
    const std::string bank = std::to_string(number);

    m_wiring.supply("VCCO_" + bank, IWJPort::Power, m_signals.takeNames(supplyBalls));
    m_wiring.bus("GPIO" + bank, IWJPort::Inout, static_cast<int>(gpio), m_signals);
    for (std::size_t pair = 0; pair < pairs; ++pair) {
        const int type = pair % 2 == 0 ? IWJPort::Input : IWJPort::Output;
        m_wiring.signalPair("LVDS" + bank + "_" + std::to_string(pair), type, m_signals);
    }
    for (std::size_t single = 0; single < singles; ++single)
        m_wiring.signal("IO" + bank + "_" + std::to_string(single), IWJPort::Inout, m_signals);
}

std::vector<std::string> FpgaBuilder::groundShare(std::size_t count)
{
    const std::size_t from = std::min(m_groundShared, m_groundNames.size());
    m_groundShared = std::min(from + count, m_groundNames.size());
    return std::vector<std::string>(m_groundNames.begin() + static_cast<long>(from),
                                    m_groundNames.begin() + static_cast<long>(m_groundShared));
}
