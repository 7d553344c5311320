#include "PinMapCommand.h"

#include "CsvWriter.h"
#include "DesignReader.h"
#include "PinMapTable.h"
#include "TextTable.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace {

bool hasRefdes(IWJInterfaceView* design, const std::string& refdes)
{
    for (auto instances = design->compInsts(); instances.isValid(); ++instances) {
        if (refdes == instances.value()->refdes())
            return true;
    }
    return false;
}

void printJson(const PinMapTable& table)
{
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const PinMapRow& row : table.rows()) {
        rows.push_back({{"refdes", row.refdes},
                        {"port", row.port},
                        {"bit", row.bit == -1 ? nlohmann::ordered_json() : nlohmann::ordered_json(row.bit)},
                        {"pin", row.pin},
                        {"pin_id", row.pinId},
                        {"location", row.location},
                        {"padstack", row.padstack},
                        {"mapping", row.mapping},
                        {"group", row.group}});
    }
    std::cout << rows.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
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

} // namespace

int PinMapCommand::run(const std::string& fileName, const std::string& refdes, const std::string& format)
{
    const Design design = DesignReader::read(fileName);
    if (!design)
        return 1;
    if (!refdes.empty() && !hasRefdes(design.get(), refdes)) {
        std::cerr << fileName << ": no instance has the refdes \"" << refdes << "\"\n";
        return 1;
    }
    const PinMapTable table(design.get(), refdes);
    if (format == "json")
        printJson(table);
    else if (format == "csv")
        printCsv(table);
    else
        printTable(table);
    return 0;
}
