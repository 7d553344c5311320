#ifndef WJXML_BENCH_PARTWIRING_H
#define WJXML_BENCH_PARTWIRING_H

#include <cstddef>
#include <string>
#include <vector>

class IWJCompInst;
class IWJDPPort;
class IWJPartMap;
class IWJPort;
class IWJPortGroup;
class PinPool;

// Adds ports to one instance and maps them, through the instance's part
// map, onto pins taken from pin pools. The view owns everything made.
class PartWiring {
public:
    PartWiring(IWJCompInst* instance, IWJPartMap* partMap);

    IWJCompInst* instance() const;
    // Ports and differential ports added so far.
    std::size_t portCount() const;

    // Width 1 makes a single-bit port; a wider one is a bus of bits 0 to
    // width - 1. The port is not mapped.
    IWJPort* port(const std::string& name, int type, int width);
    IWJDPPort* pair(const std::string& name, IWJPort* positive, IWJPort* negative);

    void mapWhole(IWJPort* port, PinPool& pins);
    // Each bit from lsb to msb onto a pin of its own.
    void mapBits(IWJPort* port, int lsb, int msb, PinPool& pins);
    void mapGroup(IWJPortGroup* group, const std::vector<std::string>& pinNames);

    // A single-bit port on the next pin.
    IWJPort* signal(const std::string& name, int type, PinPool& pins);
    // A bus with every bit on a pin of its own (a single-bit port when width
    // is 1).
    IWJPort* bus(const std::string& name, int type, int width, PinPool& pins);
    // Ports name_P and name_N on the next two pins, and the pair name.
    IWJDPPort* signalPair(const std::string& name, int type, PinPool& pins);
    // A power or ground port on all the named pins.
    IWJPort* supply(const std::string& name, int type, const std::vector<std::string>& pinNames);

private:
    IWJCompInst* m_instance;
    IWJPartMap* m_partMap;
    std::size_t m_portCount = 0;
};

#endif
