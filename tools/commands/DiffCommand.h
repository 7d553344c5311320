#ifndef IFX_DIFFCOMMAND_H
#define IFX_DIFFCOMMAND_H

#include <memory>
#include <string>

class KeyedRecords;

namespace CLI {
class App;
}

// ifx diff: what changed from one design to another, as text or JSON, by ids
// or by names. Exit 0 when they are the same, 1 when they differ, 3 when
// either cannot be read.
class DiffCommand {
public:
    // Registers the command with app; its run sets result.
    static void add(CLI::App& app, int& result);
    static int run(const std::string& before, const std::string& after, bool json, bool byName);

private:
    // The records of the design in fileName as diff compares them, or null
    // when it cannot be read.
    static std::unique_ptr<KeyedRecords> keyedRecords(const std::string& fileName, bool byName);
};

#endif
