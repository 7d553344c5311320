#ifndef IFX_SHOWCOMMAND_H
#define IFX_SHOWCOMMAND_H

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>

namespace CLI {
class App;
}

// ifx show: the design as an indented tree, or as JSON. The tree is printed
// from the JSON description, so both always say the same.
class ShowCommand {
public:
    // Registers the command with app; its run sets result.
    static void add(CLI::App& app, int& result);
    static int run(const std::string& fileName, bool json);

private:
    using Json = nlohmann::ordered_json;

    explicit ShowCommand(std::ostream& out) : m_out(out) {}

    void design(const Json& design);
    void instance(const Json& instance);
    void port(const Json& port);
    void differentialPair(const Json& pair);
    void groupContent(const Json& group, int depth);
    void footprint(const Json& footprint);
    void partMap(const Json& partMap);
    std::ostream& line(int depth);

    std::ostream& m_out;
};

#endif
