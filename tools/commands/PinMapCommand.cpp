#include "commands/PinMapCommand.h"

#include "PrintableText.h"
#include "commands/CommandLine.h"
#include "model/DesignReader.h"
#include "model/PinFacts.h"
#include "model/PinMapTable.h"
#include "render/PinPlacement.h"
#include "text/CsvWriter.h"
#include "text/NaturalOrder.h"
#include "text/TextTable.h"
#include "wjxmlkicad/DevicePins.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <iostream>
#include <memory>
#include <unordered_set>

namespace {

using Json = nlohmann::ordered_json;

Json textOrNull(const std::string& text)
{
    return text.empty() ? Json() : Json(text);
}

Json rowJson(const PinMapRow& row)
{
    PinPoint at{0, 0};
    const bool located = PinPlacement::parseLocation(row.location, at);
    return {{"refdes", row.refdes},
            {"port", textOrNull(row.port)},
            {"port_name", textOrNull(row.portName)},
            {"type", textOrNull(row.type)},
            {"bit", row.bit == -1 ? Json() : Json(row.bit)},
            {"pin", row.pin},
            {"pin_id", row.pinId},
            {"location", row.location},
            {"x", located ? Json(at.x) : Json()},
            {"y", located ? Json(at.y) : Json()},
            {"padstack", row.padstack},
            {"mapping", textOrNull(row.mapping)},
            {"group", textOrNull(row.group)},
            {"pair", textOrNull(row.pair)},
            {"polarity", textOrNull(row.polarity)},
            {"port_group", textOrNull(row.portGroup)},
            {"voltage", textOrNull(row.voltage)},
            {"iostandard", textOrNull(row.ioStandard)}};
}

// The user I/O balls of the package that no row uses, by bank and ball.
void printFree(const PinMapTable& table, const DevicePins& package, const std::string& format)
{
    std::unordered_set<std::string> used;
    for (const PinMapRow& row : table.rows())
        used.insert(DevicePins::numberKey(row.pin));
    std::vector<const DevicePin*> free;
    for (const DevicePin& pin : package.pins) {
        if (DevicePins::isUserIo(pin) && !used.count(DevicePins::numberKey(pin.number)))
            free.push_back(&pin);
    }
    std::sort(free.begin(), free.end(), [](const DevicePin* a, const DevicePin* b) {
        return a->bank != b->bank ? NaturalOrder::before(a->bank, b->bank) : NaturalOrder::before(a->number, b->number);
    });
    const std::vector<std::string> columns{"bank", "pin", "function", "partner"};
    Json rows = Json::array();
    CsvWriter csv(std::cout);
    TextTable text(columns);
    if (format == "csv")
        csv.write(columns);
    for (const DevicePin* pin : free) {
        const std::vector<std::string> cells{pin->bank, pin->number, pin->name, pin->partner};
        if (format == "json")
            rows.push_back({{"bank", pin->bank},
                            {"pin", pin->number},
                            {"function", pin->name},
                            {"partner", textOrNull(pin->partner)}});
        else if (format == "csv")
            csv.write(cells);
        else
            text.add(cells);
    }
    if (format == "json")
        std::cout << rows.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    else if (format == "table")
        text.print(std::cout);
}

void printJson(const PinMapTable& table)
{
    Json rows = Json::array();
    for (const PinMapRow& row : table.rows())
        rows.push_back(rowJson(row));
    std::cout << rows.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

void printCsv(const PinMapTable& table)
{
    CsvWriter csv(std::cout);
    csv.write(PinMapTable::columns());
    for (const PinMapRow& row : table.rows())
        csv.write(PinMapTable::cells(row));
}

void printTable(const PinMapTable& table)
{
    TextTable text(PinMapTable::columns());
    for (const PinMapRow& row : table.rows())
        text.add(PinMapTable::cells(row));
    text.print(std::cout);
}

// The refdes of every instance, and whether one of them is refdes (in any
// letter case) and has a part map.
struct RefdesSearch {
    std::vector<std::string> all;
    bool found = false;
    bool mapped = false;
};

RefdesSearch searchRefdes(IWJInterfaceView* design, const std::string& refdes)
{
    RefdesSearch search;
    for (auto instances = design->compInsts(); instances.isValid(); ++instances) {
        search.all.push_back(instances.value()->refdes());
        search.found = search.found || PinFacts::sameRefdes(refdes, search.all.back());
    }
    for (auto partMaps = design->partMaps(); partMaps.isValid(); ++partMaps) {
        IWJCompInst* instance = partMaps.value()->compInst();
        search.mapped = search.mapped || (instance && PinFacts::sameRefdes(refdes, instance->refdes()));
    }
    std::sort(search.all.begin(), search.all.end(), NaturalOrder::before);
    return search;
}

} // namespace

void PinMapCommand::add(CLI::App& app, int& result)
{
    struct Options {
        std::string file;
        PinMapOptions pinMap{"", "table", false, false, "", false};
        std::string sort = "port";
    };
    auto options = std::make_shared<Options>();
    CLI::App* command =
        CommandLine::add(app, "pinmap", "Print the pin assignment: one row per mapped port bit and pin.",
                         "ifx pinmap board.xml --refdes U1 --format csv");
    command->add_option("FILE", options->file, "interface exchange file")->required();
    command->add_option("--refdes", options->pinMap.refdes, "only the instance with this refdes, in any letter case");
    command->add_flag("--all-pins", options->pinMap.allPins, "every pin of the footprints, unmapped ones too");
    command->add_option("--sort", options->sort, "rows by refdes, then port or pin")
        ->check(CLI::IsMember({"port", "pin"}))
        ->capture_default_str();
    command->add_option("--format", options->pinMap.format, "table, csv or json")
        ->check(CLI::IsMember({"table", "csv", "json"}))
        ->capture_default_str();
    CLI::Option* package =
        command->add_option("--package", options->pinMap.package, "device pin list: FILE.kicad_sym:SYMBOL or FILE.csv");
    package->needs(command
                       ->add_flag("--free", options->pinMap.free,
                                  "the user I/O balls of --package that no mapping uses, by bank, instead")
                       ->needs(package));
    command->callback([options, &result] {
        options->pinMap.sortByPin = options->sort == "pin";
        result = run(options->file, options->pinMap);
    });
}

int PinMapCommand::run(const std::string& fileName, const PinMapOptions& options)
{
    DevicePins package;
    std::string error;
    if (!options.package.empty() && !DevicePins::read(options.package, &package, &error)) {
        std::cerr << error << '\n';
        return 1;
    }
    Design design = DesignReader::read(fileName);
    if (!design)
        return 1;
    if (!options.refdes.empty()) {
        const RefdesSearch search = searchRefdes(design.get(), options.refdes);
        if (!search.found) {
            std::string known;
            for (const std::string& refdes : search.all)
                known += (known.empty() ? "" : ", ") + refdes;
            std::cerr << wjxml::printable(fileName + ": no instance has the refdes \"" + options.refdes + "\"; " +
                                          (known.empty() ? "the design has no instances" : "there are " + known))
                      << '\n';
            return 1;
        }
        if (!search.mapped) {
            std::cerr << wjxml::printable(fileName + ": instance " + options.refdes + " has no part map") << '\n';
            return 1;
        }
    }
    const PinMapTable table(design.get(), options.refdes, options.allPins,
                            options.sortByPin ? PinMapTable::Order::Pin : PinMapTable::Order::Port);
    design.reset();
    if (options.free)
        printFree(table, package, options.format);
    else if (options.format == "json")
        printJson(table);
    else if (options.format == "csv")
        printCsv(table);
    else
        printTable(table);
    return 0;
}
