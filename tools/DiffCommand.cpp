#include "DiffCommand.h"

#include "DesignDiff.h"
#include "DesignReader.h"

#include <iostream>

int DiffCommand::run(const std::string& before, const std::string& after, bool json)
{
    constexpr int kTrouble = 2;
    const Design first = DesignReader::read(before);
    const Design second = DesignReader::read(after);
    if (!first || !second)
        return kTrouble;
    const DesignDiff diff(DesignRecords{first.get()}, DesignRecords{second.get()});
    if (json)
        std::cout << diff.json().dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    else
        diff.print(std::cout);
    return diff.same() ? 0 : 1;
}
