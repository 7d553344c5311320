#include "PortChecks.h"

#include "edit/PinEdits.h"

#include <pybind11/pybind11.h>

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
    const std::string problem = PinEdits::bitProblem(port, bit);
    if (!problem.empty())
        throw py::value_error(problem);
}
