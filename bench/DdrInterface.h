#ifndef WJXML_BENCH_DDRINTERFACE_H
#define WJXML_BENCH_DDRINTERFACE_H

#include <string>
#include <vector>

class IWJPort;
class PartWiring;
class PinPool;

// The supply of a memory interface's I/O: a power and a ground port, already
// mapped, and the pins the interface's supply group occupies.
struct DdrSupply {
    IWJPort* power;
    IWJPort* ground;
    int powerPins;
    int groundPins;
    std::vector<std::string> pinNames;
};

// A DDR3 interface of one instance, on the controller or on the memory side:
// data, strobe, address, command and clock ports mapped bit by bit, and a bus
// interface with a data group holding one group per byte lane, an address
// and command group and a supply group. The data group, the address and
// command group, the supply group and the bus interface are mapped onto the
// pins of their ports.
class DdrInterface {
public:
    enum Side { Controller, Memory };

    // prefix goes before every port name; lanes is the data width in bytes.
    DdrInterface(PartWiring& wiring, PinPool& pins, Side side, const std::string& prefix, int lanes, int addressBits);

    // The pins the interface's signals take.
    static int signalCount(int lanes, int addressBits);

    void build(const std::string& busName, const DdrSupply& supply);

private:
    PartWiring& m_wiring;
    PinPool& m_pins;
    Side m_side;
    std::string m_prefix;
    int m_lanes;
    int m_addressBits;
};

#endif
