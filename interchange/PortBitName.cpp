#include "PortBitName.h"

#include "TextRules.h"

#include "wjxmlinterfaceflowreader.h"

bool PortBitName::parse(const std::string& text, std::string* port, int* bit, std::string* problem)
{
    const std::string name = TextRules::trimmed(text);
    *bit = -1;
    if (name.empty()) {
        *problem = "the placement names no port";
        return false;
    }
    const std::size_t open = name.find('[');
    if (open == std::string::npos) {
        *port = name;
        return true;
    }
    if (open == 0 || name.back() != ']' || !TextRules::parseBit(name.substr(open + 1, name.size() - open - 2), bit)) {
        *problem = "\"" + name + "\" is neither a port nor one bit of a port";
        return false;
    }
    *port = name.substr(0, open);
    return true;
}

std::string PortBitName::format(const std::string& port, int bit)
{
    return bit == -1 ? port : port + "[" + std::to_string(bit) + "]";
}

std::string PortBitName::localName(IWJPort* port)
{
    const char* instanceName = port->instancePortName();
    return instanceName && *instanceName ? instanceName : port->name();
}

IWJPort* PortBitName::find(IWJCompInst* instance, const std::string& name)
{
    if (IWJPort* port = instance->findPort(name.c_str()))
        return port;
    for (auto walk = instance->ports(); walk.isValid(); ++walk) {
        if (TextRules::equalIgnoringCase(name, walk.value()->name()))
            return walk.value();
    }
    return nullptr;
}
