#include "PortChecks.h"

#include <pybind11/pybind11.h>

#include <algorithm>
#include <string>

namespace py = pybind11;

void requireRange(int lsb, int msb)
{
    if (lsb < -1 || msb < -1)
        throw py::value_error("a bit number is 0 or more, or -1 for none");
}

void requirePinCount(int pins)
{
    if (pins < 0)
        throw py::value_error("a pin count is 0 or more");
}

void requireBit(IWJPort* port, int bit)
{
    if (bit == -1)
        return;
    const int lsb = port->lsb();
    const int msb = port->msb();
    const std::string name = port->fullName();
    if (lsb == -1 && msb == -1)
        throw py::value_error("port " + name + " has no bits: map it whole, with bit -1");
    const int low = lsb == -1 ? msb : msb == -1 ? lsb : std::min(lsb, msb);
    const int high = std::max(lsb, msb);
    if (bit < low || bit > high)
        throw py::value_error("bit " + std::to_string(bit) + " is outside the bits " + std::to_string(low) + ".." +
                              std::to_string(high) + " of port " + name);
}
