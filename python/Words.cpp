#include "Words.h"

#include "PyText.h"

namespace py = pybind11;

namespace {

const char* const portTypes[] = {"input", "output", "inout", "power", "ground", "unknown"};
const int portTypeCount = sizeof portTypes / sizeof portTypes[0];

} // namespace

const char* portTypeWord(int type)
{
    return type >= 0 && type < portTypeCount ? portTypes[type] : "unknown";
}

int portTypeCode(const std::string& word)
{
    for (int code = 0; code < portTypeCount; ++code) {
        if (word == portTypes[code])
            return code;
    }
    throw py::value_error("unknown port type '" + word + "': expected input, output, inout, power, ground or unknown");
}

py::object groupTypeWord(IWJPortGroup::IWJPortGroupType type)
{
    switch (type) {
    case IWJPortGroup::Bus: return py::str("bus");
    case IWJPortGroup::VoltageDefn: return py::str("voltageDefn");
    default: return py::none();
    }
}

IWJPortGroup::IWJPortGroupType groupTypeCode(const py::object& word)
{
    if (word.is_none())
        return IWJPortGroup::NoType;
    const std::string text = strArgument(word);
    if (text == "bus")
        return IWJPortGroup::Bus;
    if (text == "voltageDefn")
        return IWJPortGroup::VoltageDefn;
    throw py::value_error("unknown group type: expected None, 'bus' or 'voltageDefn'");
}
