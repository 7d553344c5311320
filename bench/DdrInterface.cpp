#include "DdrInterface.h"

#include "PartWiring.h"
#include "PinPool.h"

#include "wjxmlinterfaceflowreader.h"

namespace {

const char kVoltage[] = "1.5V";
constexpr int kBankBits = 3;
const char* const kCommands[] = {"RAS_N", "CAS_N", "WE_N", "CS_N"};
constexpr int kCommandCount = sizeof(kCommands) / sizeof(kCommands[0]);
// Clock enable, on-die termination and reset hang directly off the bus
// interface.
const char* const kControls[] = {"CKE", "ODT", "RESET_N"};
constexpr int kControlCount = sizeof(kControls) / sizeof(kControls[0]);

} // namespace

DdrInterface::DdrInterface(PartWiring& wiring, PinPool& pins, Side side, const std::string& prefix, int lanes,
                           int addressBits)
    : m_wiring(wiring), m_pins(pins), m_side(side), m_prefix(prefix), m_lanes(lanes), m_addressBits(addressBits)
{
}

int DdrInterface::signalCount(int lanes, int addressBits)
{
    // Per lane eight data bits, a mask bit and a strobe pair; then address,
    // bank address, the clock pair, commands and controls.
    return lanes * 11 + addressBits + kBankBits + 2 + kCommandCount + kControlCount;
}

void DdrInterface::build(const std::string& busName, const DdrSupply& supply)
{
    const int commandType = m_side == Controller ? IWJPort::Output : IWJPort::Input;
    const std::size_t start = m_pins.position();

    IWJPort* data = m_wiring.port(m_prefix + "DQ", IWJPort::Inout, 8 * m_lanes);
    IWJPort* mask = m_wiring.port(m_prefix + "DM", commandType, m_lanes);
    std::vector<IWJDPPort*> strobes;
    for (int lane = 0; lane < m_lanes; ++lane) {
        m_wiring.mapBits(data, 8 * lane, 8 * lane + 7, m_pins);
        m_wiring.mapBits(mask, lane, lane, m_pins);
        strobes.push_back(m_wiring.signalPair(m_prefix + "DQS" + std::to_string(lane), IWJPort::Inout, m_pins));
    }
    const std::size_t dataEnd = m_pins.position();

    IWJPort* address = m_wiring.bus(m_prefix + "A", commandType, m_addressBits, m_pins);
    IWJPort* bank = m_wiring.bus(m_prefix + "BA", commandType, kBankBits, m_pins);
    IWJDPPort* clock = m_wiring.signalPair(m_prefix + "CK", commandType, m_pins);
    std::vector<IWJPort*> commands;
    for (const char* command : kCommands)
        commands.push_back(m_wiring.signal(m_prefix + command, commandType, m_pins));
    const std::size_t commandEnd = m_pins.position();
    std::vector<IWJPort*> controls;
    for (const char* control : kControls)
        controls.push_back(m_wiring.signal(m_prefix + control, commandType, m_pins));
    const std::size_t end = m_pins.position();

    const std::string definition = "DDR3 SDRAM x" + std::to_string(8 * m_lanes);
    IWJCompBusInterface* ddr = m_wiring.instance()->addBusInterface(busName.c_str(), definition.c_str());
    for (IWJPort* control : controls)
        ddr->addPortRef(control, -1, -1);

    IWJPortGroup* dataGroup = ddr->addPortGroup("DATA", IWJPortGroup::Bus, kVoltage, 0, 0);
    for (int lane = 0; lane < m_lanes; ++lane) {
        const std::string name = "LANE" + std::to_string(lane);
        IWJPortGroup* laneGroup = dataGroup->addPortGroup(name.c_str(), IWJPortGroup::Bus, kVoltage, 0, 0);
        laneGroup->addPortRef(data, 8 * lane, 8 * lane + 7);
        laneGroup->addPortRef(mask, lane, lane);
        laneGroup->addPortRef(strobes[static_cast<std::size_t>(lane)], -1, -1);
    }

    IWJPortGroup* commandGroup = ddr->addPortGroup("ADDR_CMD", IWJPortGroup::Bus, kVoltage, 0, 0);
    commandGroup->addPortRef(address, 0, m_addressBits - 1);
    commandGroup->addPortRef(bank, 0, kBankBits - 1);
    for (IWJPort* command : commands)
        commandGroup->addPortRef(command, -1, -1);
    commandGroup->addPortRef(clock, -1, -1);

    IWJPortGroup* supplyGroup =
        ddr->addPortGroup("VDDQ", IWJPortGroup::VoltageDefn, kVoltage, supply.powerPins, supply.groundPins);
    supplyGroup->addPortRef(supply.power, -1, -1);
    supplyGroup->addPortRef(supply.ground, -1, -1);

    m_wiring.mapGroup(dataGroup, m_pins.namesBetween(start, dataEnd));
    m_wiring.mapGroup(commandGroup, m_pins.namesBetween(dataEnd, commandEnd));
    m_wiring.mapGroup(supplyGroup, supply.pinNames);
    m_wiring.mapGroup(ddr, m_pins.namesBetween(start, end));
}
