#ifndef WJXML_BENCH_PINPOOL_H
#define WJXML_BENCH_PINPOOL_H

#include <cstddef>
#include <string>
#include <vector>

class IWJFootPrintPin;

// Pins of one footprint, handed out one after the other to the ports of a
// part. The footprint owns the pins.
class PinPool {
public:
    void add(IWJFootPrintPin* pin);

    std::size_t size() const;
    std::size_t remaining() const;
    // How many pins were taken so far: marks that namesBetween turns into
    // the names of the pins taken in between.
    std::size_t position() const;

    // Callers check remaining() first: taking from an empty pool throws.
    IWJFootPrintPin* take();
    std::vector<std::string> takeNames(std::size_t count);
    std::vector<std::string> namesBetween(std::size_t from, std::size_t to) const;

private:
    std::vector<IWJFootPrintPin*> m_pins;
    std::size_t m_next = 0;
};

#endif
