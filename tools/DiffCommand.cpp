#include "DiffCommand.h"

#include "DesignDiff.h"
#include "DesignReader.h"

#include <iostream>

int DiffCommand::run(const std::string& before, const std::string& after, bool json, bool byName)
{
    constexpr int kUnreadable = 3;
    const Design first = DesignReader::read(before);
    const Design second = DesignReader::read(after);
    if (!first || !second)
        return kUnreadable;
    const DesignDiff diff(DesignRecords{first.get(), byName}, DesignRecords{second.get(), byName});
    if (json)
        std::cout << diff.json().dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    else
        diff.print(std::cout);
    return diff.same() ? 0 : 1;
}
