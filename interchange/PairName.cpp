#include "PairName.h"

#include <string>

bool PairName::split(const std::string& name, PairName* result)
{
    const std::string polarities = "pPnN";
    const std::string partners = "nNpP";
    const std::size_t size = name.size();
    const std::size_t polarity = size == 0 ? std::string::npos : polarities.find(name.back());
    if (polarity == std::string::npos)
        return false;
    const bool separated = size >= 2 && name[size - 2] == '_';
    result->pair = name.substr(0, size - (separated ? 2 : 1));
    result->partner = name.substr(0, size - 1) + partners[polarity];
    result->positive = polarity < 2;
    return !result->pair.empty();
}
