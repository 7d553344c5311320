#include "edit/EditNames.h"

#include "EditDistance.h"
#include "model/ModelText.h"

#include <algorithm>
#include <cctype>

namespace {

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The edits that make a into b; a name holding the other is one edit away.
std::size_t distance(const std::string& a, const std::string& b)
{
    if (a.find(b) != std::string::npos || b.find(a) != std::string::npos)
        return 1;
    return editDistance(a, b);
}

// Splits "D[3]", "D<3>" and "D 3" into the port name and the bit.
bool splitBit(const std::string& text, std::string* port, int* bit)
{
    const char last = text.empty() ? '\0' : text.back();
    std::size_t end = last == ']' || last == '>' ? text.size() - 1 : text.size();
    std::size_t start = end;
    while (start > 0 && std::isdigit(static_cast<unsigned char>(text[start - 1])))
        --start;
    if (start == end || start == 0 || end - start > 6)
        return false;
    const char open = text[start - 1];
    if (!(last == ']' && open == '[') && !(last == '>' && open == '<') && !(end == text.size() && open == ' '))
        return false;
    if (start == 1)
        return false;
    *port = text.substr(0, start - 1);
    *bit = std::stoi(text.substr(start, end - start));
    return true;
}

} // namespace

bool EditNames::sameName(const std::string& a, const std::string& b)
{
    return upper(a) == upper(b);
}

std::string EditNames::closest(const std::string& text, const std::vector<std::string>& names)
{
    const std::string key = upper(text);
    const std::size_t limit = std::max<std::size_t>(2, key.size() / 3);
    std::vector<std::pair<std::size_t, std::string>> near;
    for (const std::string& name : names) {
        const std::size_t d = distance(key, upper(name));
        if (d <= limit)
            near.emplace_back(d, name);
    }
    std::sort(near.begin(), near.end());
    std::string suggestion;
    for (std::size_t i = 0; i < near.size() && i < 3; ++i)
        suggestion += (i ? ", " : "; did you mean ") + near[i].second;
    return suggestion.empty() ? suggestion : suggestion + "?";
}

IWJPartMap* EditNames::findPartMap(IWJInterfaceView* design, const std::string& refdes, std::string* problem)
{
    std::vector<std::string> known;
    IWJCompInst* instance = nullptr;
    for (auto walk = design->compInsts(); walk.isValid(); ++walk) {
        known.emplace_back(walk.value()->refdes());
        if (!instance && sameName(refdes, known.back()))
            instance = walk.value();
    }
    if (!instance) {
        *problem = "no instance has the refdes \"" + refdes + "\"" + closest(refdes, known);
        return nullptr;
    }
    IWJPartMap* partMap = design->findPartMap(instance);
    if (!partMap || !partMap->footprint())
        *problem = "instance " + std::string(instance->refdes()) + " has no part map on a footprint";
    return partMap && partMap->footprint() ? partMap : nullptr;
}

bool EditNames::findPort(IWJCompInst* instance, const std::string& text, PortBit* found, std::string* problem)
{
    std::string name = text;
    int bit = -1;
    IWJPort* port = instance->findPort(text.c_str());
    if (!port && splitBit(text, &name, &bit))
        port = instance->findPort(name.c_str());
    if (!port) {
        std::vector<std::string> known;
        for (auto walk = instance->ports(); walk.isValid(); ++walk)
            known.push_back(modeltext::localName(walk.value()));
        *problem = "no port \"" + name + "\" on " + instance->refdes() + closest(name, known);
        return false;
    }
    *found = {port, bit};
    *problem = PinEdits::bitProblem(port, found->bit);
    return problem->empty();
}

IWJFootPrintPin* EditNames::findPin(IWJFootPrint* footprint, const std::string& name, std::string* problem)
{
    IWJFootPrintPin* pin = footprint->findPin(name.c_str());
    if (!pin) {
        std::vector<std::string> known;
        for (auto walk = footprint->pins(); walk.isValid(); ++walk)
            known.emplace_back(walk.value()->name());
        *problem = "no pin \"" + name + "\" on footprint " + footprint->name() + closest(name, known);
    }
    return pin;
}
