#include "IfxRunner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <tuple>

using namespace testsupport;
using Rows = std::vector<std::vector<std::string>>;

namespace {

const std::string kExample = sourcePath("examples/board.xml");
const std::vector<std::string> kColumns{"refdes",   "port",     "bit",     "pin",  "pin_id",
                                        "location", "padstack", "mapping", "group"};

// Reads RFC 4180 text: records end in CRLF; a quoted field may hold commas,
// CR, LF and doubled quotes.
Rows readCsv(const std::string& text)
{
    Rows rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            rows.back().push_back(field);
            field.clear();
        } else if (!quoted && c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.back().push_back(field);
            field.clear();
            rows.emplace_back();
            ++i;
        } else {
            field += c;
        }
    }
    rows.pop_back(); // after the last CRLF
    return rows;
}

// What the pin map should hold: a row per pin of each mapping, from the model.
Rows modelRows(IWJInterfaceView* view)
{
    std::map<IWJFootPrintPin*, std::string> pinIds;
    for (auto footprints = view->footprints(); footprints.isValid(); ++footprints) {
        for (auto pins = footprints.value()->pins(); pins.isValid(); ++pins)
            pinIds[pins.value()] = pins.key();
    }
    Rows rows;
    const auto add = [&](IWJCompInst* instance, IWJPortRef* ref, IWJFootPrintPin* pin, const std::string& mapping,
                         const std::string& group) {
        int bit = -1;
        const std::string port = ref ? ref->port(&bit, nullptr)->fullName() : "";
        rows.push_back({instance->refdes(), port, bit == -1 ? "" : std::to_string(bit), pin->name(), pinIds[pin],
                        pin->location(), pin->padstack(), mapping, group});
    };
    for (auto partMaps = view->partMaps(); partMaps.isValid(); ++partMaps) {
        IWJPartMap* partMap = partMaps.value();
        for (auto maps = partMap->portPinMaps(); maps.isValid(); ++maps)
            add(partMap->compInst(), maps.key(), maps.value(), "pin", "");
        for (auto maps = partMap->portPinGroupMaps(); maps.isValid(); ++maps) {
            for (auto pins = maps.value()->pins(); pins.isValid(); ++pins)
                add(partMap->compInst(), maps.key(), pins.value(), "pin-group", "");
        }
        for (auto maps = partMap->portGroupPinGroupMaps(); maps.isValid(); ++maps) {
            const std::string group = maps.key()->fullName();
            for (auto pins = maps.value()->pins(); pins.isValid(); ++pins)
                add(partMap->compInst(), nullptr, pins.value(), "group", group);
        }
    }
    return rows;
}

Rows sorted(Rows rows)
{
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

TEST(IfxPinMap, CsvHasARowPerMappedPinOfTheModelInOrder)
{
    const IfxRun run = runIfx({"pinmap", kExample, "--format", "csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    Rows rows = readCsv(run.out);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), kColumns);
    rows.erase(rows.begin());
    const View view = read(kExample, false);
    EXPECT_EQ(sorted(rows), sorted(modelRows(view.get())));
    // By refdes, then port (group rows last), then bit as a number.
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const auto key = [](const std::vector<std::string>& row) {
            return std::make_tuple(row[0], row[1].empty(), row[1], row[2].empty() ? -1 : std::stoi(row[2]));
        };
        EXPECT_LE(key(rows[i - 1]), key(rows[i])) << i;
    }
    EXPECT_EQ(rows[0], (std::vector<std::string>{"J1", "HDR_2X5.GND", "", "10", "HDR2X5_10", "2.54,10.16",
                                                 "TH_1.0_DRILL_0.6", "pin-group", ""}));
}

TEST(IfxPinMap, CsvQuotesCommasQuotesAndLineBreaks)
{
    const View view = create();
    IWJCompInst* instance = view->addCompInst("CELL", "R1");
    IWJPort* port = instance->addPort("A", "", IWJPort::Input, 1, -1, -1);
    IWJFootPrint* footprint = view->addFootprint("FP", "", "", "", "", "");
    footprint->addPin("1", "say \"x,y\"\r\nthere", "P", "", "");
    view->addPartMap(footprint, instance)->mapPortToPinName(port, "1", -1);
    const IfxRun run = runIfx({"pinmap", write(view.get(), "ifx-pinmap-quotes.xml"), "--format=csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Rows rows = readCsv(run.out);
    ASSERT_EQ(rows.size(), 2u) << run.out;
    EXPECT_EQ(rows[1][5], "say \"x,y\"\r\nthere");
}

TEST(IfxPinMap, JsonHasTheRowsOfTheCsv)
{
    const Rows csv = readCsv(runIfx({"pinmap", kExample, "--format", "csv"}).out);
    const IfxRun run = runIfx({"pinmap", kExample, "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json rows = nlohmann::json::parse(run.out);
    ASSERT_EQ(rows.size() + 1, csv.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::vector<std::string> row;
        for (const std::string& column : kColumns) {
            const nlohmann::json& value = rows[i][column];
            row.push_back(value.is_null()     ? ""
                          : value.is_number() ? std::to_string(value.get<int>())
                                              : value.get<std::string>());
        }
        EXPECT_EQ(row, csv[i + 1]);
    }
}

TEST(IfxPinMap, RefdesKeepsOneInstanceInTheTable)
{
    const IfxRun run = runIfx({"pinmap", kExample, "--refdes", "J1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out.rfind("refdes  port          bit  pin  pin_id     location    padstack          mapping    group\n"
                      "J1      HDR_2X5.GND        10   HDR2X5_10  2.54,10.16  TH_1.0_DRILL_0.6  pin-group\n",
                      0),
        0u)
        << run.out;
    EXPECT_EQ(occurrences(run.out, "\nJ1 "), 12);
    EXPECT_EQ(occurrences(run.out, "\nU1 "), 0);

    const IfxRun unknown = runIfx({"pinmap", kExample, "--refdes", "U9"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, kExample + ": no instance has the refdes \"U9\"\n");
}
