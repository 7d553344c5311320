#ifndef WJXML_BENCH_FPGABUILDER_H
#define WJXML_BENCH_FPGABUILDER_H

#include "PartWiring.h"
#include "PinPool.h"

#include <cstddef>
#include <random>
#include <string>
#include <vector>

class IWJCompInst;
class IWJFootPrint;
class IWJFootPrintPin;
class IWJInterfaceView;
class IWJPort;

// One FPGA-like part: an instance, a footprint of side x side balls on a
// 1.0 mm pitch, and the part map between them. A fifth of the balls are
// ground, the centre carries the core supplies, and the rings around it,
// outermost first, go to configuration, the system clock, DDR3 interfaces and
// I/O banks; a few balls are left unconnected.
class FpgaBuilder {
public:
    FpgaBuilder(IWJInterfaceView* view, std::mt19937& random, const std::string& refdes, int side,
                const std::string& origin, const std::string& rotation);

    // Adds the ports and pins and maps them; returns how many ports
    // (differential ones included) and pins were made.
    std::size_t build();

private:
    void addPins();
    void sortPins();
    void addSupplies();
    void addConfiguration();
    void addMemoryInterfaces();
    void addBanks();
    void addBank(int number, std::size_t balls);
    // The next count ground pins for a supply group.
    std::vector<std::string> groundShare(std::size_t count);

    std::mt19937& m_random;
    int m_side;
    IWJCompInst* m_instance;
    IWJFootPrint* m_footprint;
    PartWiring m_wiring;
    std::vector<IWJFootPrintPin*> m_pins;
    PinPool m_ground;
    PinPool m_core;
    PinPool m_signals;
    IWJPort* m_groundPort = nullptr;
    std::vector<std::string> m_groundNames;
    std::size_t m_groundShared = 0;
};

#endif
