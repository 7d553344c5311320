#include "wjxmlkicad/PinFunction.h"

#include "TextRules.h"

namespace {

// Whether name is word, or word then "_" and more.
bool isNamed(const std::string& name, const std::string& word)
{
    return name.compare(0, word.size(), word) == 0 && (name.size() == word.size() || name[word.size()] == '_');
}

bool startsWith(const std::string& name, const char* prefix)
{
    return name.rfind(prefix, 0) == 0;
}

} // namespace

PinFunction::Kind PinFunction::of(const DevicePin& pin)
{
    if (DevicePins::isUserIo(pin))
        return UserIo;
    const std::string name = TextRules::upper(pin.name);
    if (pin.type == "no_connect" || isNamed(name, "NC") || isNamed(name, "DNU"))
        return NoConnect;
    if (startsWith(name, "GND") || startsWith(name, "VSS"))
        return Ground;
    if (startsWith(name, "VCC") || startsWith(name, "VDD") || pin.type == "power_in" || pin.type == "power_out")
        return Power;
    return Other;
}
