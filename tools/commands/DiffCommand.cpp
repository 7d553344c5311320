#include "commands/DiffCommand.h"

#include "commands/CommandLine.h"
#include "model/DesignDiff.h"
#include "model/DesignReader.h"

#include <iostream>
#include <memory>

void DiffCommand::add(CLI::App& app, int& result)
{
    struct Options {
        std::string before;
        std::string after;
        bool json = false;
        bool byName = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = CommandLine::add(app, "diff",
                                         "Print what changed between two designs. Exit 0 when they are the same,\n"
                                         "1 when they differ, 3 when a file cannot be read.",
                                         "ifx diff board.xml board-v2.xml");
    command->add_option("A", options->before, "the earlier design")->required();
    command->add_option("B", options->after, "the later design")->required();
    command->add_flag("--json", options->json, "print JSON instead");
    command->add_flag("--by-name", options->byName,
                      "match instances by refdes, and ports, groups, footprints and pins by name, not by id");
    command->callback(
        [options, &result] { result = run(options->before, options->after, options->json, options->byName); });
}

int DiffCommand::run(const std::string& before, const std::string& after, bool json, bool byName)
{
    constexpr int kUnreadable = 3;
    const Design first = DesignReader::read(before);
    const Design second = DesignReader::read(after);
    if (!first || !second)
        return kUnreadable;
    const DesignRecords firstRecords(first.get());
    const DesignRecords secondRecords(second.get());
    const DesignDiff diff(KeyedRecords(firstRecords, byName), KeyedRecords(secondRecords, byName));
    if (json)
        std::cout << diff.json().dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    else
        diff.print(std::cout);
    return diff.same() ? 0 : 1;
}
