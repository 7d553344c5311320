#ifndef WJXML_BENCH_DESIGNGENERATOR_H
#define WJXML_BENCH_DESIGNGENERATOR_H

#include <cstddef>
#include <memory>

class IWJInterfaceView;

// Builds a board through the library's interfaces, as an editing host does:
// FPGA-like parts in ball grid arrays with DDR3 interfaces, I/O banks and
// supplies, a few DDR3 memories and pin headers, each on its own footprint
// with a part map that puts nearly every pin to use.
//
// The size is the number of ports (differential ones included) plus pins
// wanted, from about a thousand to a million; the board made comes within a
// few percent of it. The same size and seed give the same board.
class DesignGenerator {
public:
    DesignGenerator(std::size_t size, unsigned seed);

    // A new design; the caller owns it.
    std::unique_ptr<IWJInterfaceView> generate() const;

private:
    std::size_t m_size;
    unsigned m_seed;
};

#endif
