#include "render/PinoutPackage.h"

#include "wjxmlkicad/DevicePins.h"
#include "wjxmlkicad/PinFunction.h"

#include <set>

namespace {

// The names listed in a note, before "..." says there are more.
constexpr std::size_t kListed = 8;

std::string counted(std::size_t count, const char* word)
{
    return std::to_string(count) + ' ' + word + (count == 1 ? "" : "s");
}

const char* fillOf(PinFunction::Kind kind)
{
    switch (kind) {
    case PinFunction::UserIo: return "free-io";
    case PinFunction::Power: return "supply";
    case PinFunction::Ground: return "ground-ball";
    case PinFunction::NoConnect: return "no-connect";
    default: return "other-ball";
    }
}

std::string detailsOf(const DevicePin& ball)
{
    std::string details = "function " + ball.name;
    if (!ball.type.empty())
        details += " (" + ball.type + ")";
    if (!ball.bank.empty())
        details += ", bank " + ball.bank;
    if (!ball.partner.empty())
        details += ", partner " + ball.partner;
    return details;
}

} // namespace

void PinoutPackage::apply(const DevicePins& package, PinoutMap& map)
{
    map.package = package.device;
    const auto balls = package.byNumber();
    std::set<std::string> ioBanks;
    for (const DevicePin& ball : package.pins) {
        if (DevicePins::isUserIo(ball) && !ball.bank.empty())
            ioBanks.insert(ball.bank);
    }
    std::vector<std::string> lacking;
    std::set<std::string> drawn;
    for (PinoutPin& pin : map.pins) {
        const auto found = balls.find(DevicePins::numberKey(pin.name));
        if (found == balls.end()) {
            lacking.push_back(pin.name);
            continue;
        }
        const DevicePin& ball = *found->second;
        drawn.insert(found->first);
        pin.details.insert(pin.details.begin() + 1, detailsOf(ball));
        pin.searchText += '|' + ball.name;
        if (ioBanks.count(ball.bank))
            pin.bank = ball.bank;
        if (pin.fill == "unmapped") {
            pin.fill = fillOf(PinFunction::of(ball));
            pin.function = ball.name;
        }
    }
    if (!lacking.empty()) {
        std::string note = counted(lacking.size(), "pin") + " that " + package.device + " lacks:";
        for (std::size_t i = 0; i < lacking.size() && i < kListed; ++i)
            note += ' ' + lacking[i];
        map.notes.push_back(note + (lacking.size() > kListed ? " ..." : ""));
    }
    if (drawn.size() < balls.size())
        map.notes.push_back(counted(balls.size() - drawn.size(), "ball") + " of " + package.device +
                            " not on the footprint");
}
