#ifndef WJXML_BENCH_CONNECTORBUILDER_H
#define WJXML_BENCH_CONNECTORBUILDER_H

#include "PartWiring.h"

#include <cstddef>
#include <string>

class IWJCompInst;
class IWJFootPrint;
class IWJInterfaceView;

// One 2x20 pin header on a 2.54 mm pitch: an instance, its footprint and the
// part map between them, with supplies, I2C, a UART, SPI, a clock pair and a
// GPIO bus. Every fifth pin is ground.
class ConnectorBuilder {
public:
    ConnectorBuilder(IWJInterfaceView* view, const std::string& refdes, const std::string& origin);

    // Adds the ports and pins and maps them; returns how many ports
    // (differential ones included) and pins were made.
    std::size_t build();

private:
    IWJCompInst* m_instance;
    IWJFootPrint* m_footprint;
    PartWiring m_wiring;
};

#endif
