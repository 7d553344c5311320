#include "ConnectorBuilder.h"

#include "PinPool.h"

#include "wjxmlinterfaceflowreader.h"

#include <cstdio>

namespace {

constexpr int kPins = 40;
// Signal pins left unconnected after the last port.
constexpr int kSpareSignals = 4;
constexpr double kPitch = 2.54;

std::string location(int pin)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f,%.2f", (pin % 2) * kPitch, (pin / 2) * kPitch);
    return text;
}

} // namespace

ConnectorBuilder::ConnectorBuilder(IWJInterfaceView* view, const std::string& refdes, const std::string& origin)
    : m_instance(view->addCompInst("HDR_2X20", refdes.c_str())),
      m_footprint(view->addFootprint(("HDR2X20_" + refdes).c_str(), "5.1", "50.8", "8.5", origin.c_str(), "0")),
      m_wiring(m_instance, view->addPartMap(m_footprint, m_instance))
{
}

std::size_t ConnectorBuilder::build()
{
    PinPool ground;
    PinPool signals;
    for (int pin = 0; pin < kPins; ++pin) {
        // Pin 1 is marked by a square pad.
        IWJFootPrintPin* made = m_footprint->addPin(std::to_string(pin + 1).c_str(), location(pin).c_str(),
                                                    pin == 0 ? "TH_PAD_1.00_SQUARE" : "TH_PAD_1.00", nullptr, nullptr);
        ((pin + 1) % 5 == 0 ? ground : signals).add(made);
    }

    m_wiring.supply("VCC_5V0", IWJPort::Power, signals.takeNames(2));
    m_wiring.supply("VCC_3V3", IWJPort::Power, signals.takeNames(2));
    m_wiring.supply("GND", IWJPort::Ground, ground.takeNames(ground.size()));

    std::size_t start = signals.position();
    IWJPort* data = m_wiring.signal("SDA", IWJPort::Inout, signals);
    IWJPort* clock = m_wiring.signal("SCL", IWJPort::Inout, signals);
    IWJCompBusInterface* i2c = m_instance->addBusInterface("I2C", "I2C two-wire bus");
    i2c->addPortRef(data, -1, -1);
    i2c->addPortRef(clock, -1, -1);
    m_wiring.mapGroup(i2c, signals.namesBetween(start, signals.position()));

    m_wiring.signal("UART_TX", IWJPort::Output, signals);
    m_wiring.signal("UART_RX", IWJPort::Input, signals);

    start = signals.position();
    IWJCompBusInterface* spi = m_instance->addBusInterface("SPI", "SPI four-wire bus");
    for (const char* name : {"SPI_SCLK", "SPI_MOSI"})
        spi->addPortRef(m_wiring.signal(name, IWJPort::Output, signals), -1, -1);
    spi->addPortRef(m_wiring.signal("SPI_MISO", IWJPort::Input, signals), -1, -1);
    spi->addPortRef(m_wiring.signal("SPI_CS_N", IWJPort::Output, signals), -1, -1);
    m_wiring.mapGroup(spi, signals.namesBetween(start, signals.position()));

    m_wiring.signalPair("CLK", IWJPort::Input, signals);
    m_wiring.bus("GPIO", IWJPort::Inout, static_cast<int>(signals.remaining()) - kSpareSignals, signals);
    return m_wiring.portCount() + kPins;
}
