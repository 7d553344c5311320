#include "model/ModelText.h"

namespace modeltext {

const std::vector<std::string>& portTypes()
{
    static const std::vector<std::string> words{"input", "output", "inout", "power", "ground"};
    return words;
}

std::string portType(int type)
{
    const auto code = static_cast<std::size_t>(type);
    return type >= 0 && code < portTypes().size() ? portTypes()[code] : "";
}

std::string groupType(IWJPortGroup::IWJPortGroupType type)
{
    switch (type) {
    case IWJPortGroup::Bus: return "bus";
    case IWJPortGroup::VoltageDefn: return "voltageDefn";
    default: return "";
    }
}

std::string localName(IWJPort* port)
{
    const std::string instancePortName = port->instancePortName();
    return instancePortName.empty() ? port->name() : instancePortName;
}

std::string range(int lsb, int msb)
{
    if (lsb == -1 && msb == -1)
        return "";
    const std::string low = lsb == -1 ? "?" : std::to_string(lsb);
    const std::string high = msb == -1 ? "?" : std::to_string(msb);
    return lsb == msb ? low : low + ".." + high;
}

} // namespace modeltext
