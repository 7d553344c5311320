#include "commands/DiffCommand.h"

#include "commands/CommandLine.h"
#include "model/DesignDiff.h"
#include "model/DesignReader.h"
#include "model/KeyedRecords.h"

#include <iostream>
#include <memory>
#include <optional>

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
    // One design at a time is in memory: the first one's records wait packed
    // while the second is read. The second is read even when the first
    // cannot be, so that both problems are told.
    std::optional<std::string> packed;
    if (const std::unique_ptr<KeyedRecords> first = keyedRecords(before, byName))
        packed = first->pack();
    const std::unique_ptr<KeyedRecords> second = keyedRecords(after, byName);
    if (!packed || !second)
        return kUnreadable;
    const KeyedRecords first(*packed);
    packed.reset();
    const DesignDiff diff(first, *second);
    if (json)
        std::cout << diff.json().dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    else
        diff.print(std::cout);
    return diff.same() ? 0 : 1;
}

// The design goes once its records are made, and they go once they are
// keyed.
std::unique_ptr<KeyedRecords> DiffCommand::keyedRecords(const std::string& fileName, bool byName)
{
    Design design = DesignReader::read(fileName);
    if (!design)
        return nullptr;
    const DesignRecords records(design.get());
    design.reset();
    return std::make_unique<KeyedRecords>(records, byName);
}
