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
const std::vector<std::string> kColumns{"refdes", "port",   "port_name", "type",       "bit",
                                        "pin",    "pin_id", "location",  "padstack",   "mapping",
                                        "group",  "pair",   "polarity",  "port_group", "voltage"};

// The columns the model test below builds: refdes, port, bit, pin, pin_id,
// location, padstack, mapping, group.
std::vector<std::string> mappingColumns(const std::vector<std::string>& row)
{
    std::vector<std::string> kept;
    for (const std::size_t column : {0u, 1u, 4u, 5u, 6u, 7u, 8u, 9u, 10u})
        kept.push_back(row[column]);
    return kept;
}

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

TEST(IfxPinMap, CsvHasARowPerMappedPinOfTheModel)
{
    const IfxRun run = runIfx({"pinmap", kExample, "--format", "csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    Rows rows = readCsv(run.out);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), kColumns);
    rows.erase(rows.begin());
    for (std::vector<std::string>& row : rows)
        row = mappingColumns(row);
    const View view = read(kExample, false);
    EXPECT_EQ(sorted(rows), sorted(modelRows(view.get())));
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
    EXPECT_EQ(rows[1][7], "say \"x,y\"\r\nthere");
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
    EXPECT_EQ(rows[0]["pin"], "9"); // pins 9, 10 of GND in natural order
    EXPECT_EQ(rows[0]["x"], 0.0);
    EXPECT_EQ(rows[0]["y"], 10.16);
}

namespace {

// A BGA of seven balls with a pair, a bus in a group with a voltage, a port
// with an instance name and a ball whose location cannot be read.
std::string ballGridBoard()
{
    View view = create("balls");
    IWJCompInst* instance = view->addCompInst("CELL", "U7");
    IWJPort* data = instance->addPort("DATA", "D", IWJPort::Inout, 3, 0, 2);
    IWJPort* positive = instance->addPort("CK_P", "", IWJPort::Input, 1, -1, -1);
    IWJPort* negative = instance->addPort("CK_N", "", IWJPort::Input, 1, -1, -1);
    IWJDPPort* pair = instance->addDifferentialPort("CK", "");
    pair->setPositivePort(positive, -1, -1);
    pair->setNegativePort(negative, -1, -1);
    instance->addBusInterface("MEM", "")->addPortGroup("LANE", IWJPortGroup::Bus, "1.2V", 0, 0)->addPortRef(data, 0, 2);
    IWJFootPrint* footprint = view->addFootprint("BGA7", "", "", "", "", "");
    for (const char* name : {"B1", "AA1", "A10", "A2", "A1", "C1", "C2"})
        footprint->addPin(name, std::string(name) == "C2" ? "near A1" : "1,2", "", "", "");
    IWJPartMap* partMap = view->addPartMap(footprint, instance);
    partMap->mapPortToPinName(data, "A10", 0);
    partMap->mapPortToPinName(data, "A2", 1);
    partMap->mapPortToPinName(data, "B1", 2);
    partMap->mapPortToPinName(positive, "AA1", -1);
    partMap->mapPortToPinName(negative, "A1", -1);
    return write(view.get(), "ifx-pinmap-balls.xml");
}

} // namespace

TEST(IfxPinMap, ListsEveryPinInNaturalOrderWithTypePairAndGroup)
{
    const std::string board = ballGridBoard();
    IfxRun run = runIfx({"pinmap", board, "--all-pins", "--sort", "pin"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out,
        R"(refdes  port       port_name  type   bit  pin  pin_id  location  padstack  mapping  group  pair     polarity  port_group     voltage
U7      CELL.CK_N             input       A1   A1      1,2                 pin             CELL.CK  N
U7      CELL.D     DATA       inout  1    A2   A2      1,2                 pin                                CELL.MEM.LANE  1.2V
U7      CELL.D     DATA       inout  0    A10  A10     1,2                 pin                                CELL.MEM.LANE  1.2V
U7      CELL.D     DATA       inout  2    B1   B1      1,2                 pin                                CELL.MEM.LANE  1.2V
U7                                        C1   C1      1,2
U7                                        C2   C2      near A1
U7      CELL.CK_P             input       AA1  AA1     1,2                 pin             CELL.CK  P
)");
    run = runIfx({"pinmap", board, "--format", "json"});
    const nlohmann::json rows = nlohmann::json::parse(run.out);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[2]["pin"], "A10"); // by port CK_N, CK_P, D, then bit
    EXPECT_TRUE(rows[0]["group"].is_null());
    EXPECT_EQ(rows[0]["x"], 1.0);
    run = runIfx({"pinmap", board, "--all-pins", "--format", "json"});
    EXPECT_TRUE(nlohmann::json::parse(run.out).back()["x"].is_null()) << "C2's location cannot be read";
}

TEST(IfxPinMap, RefdesKeepsOneInstanceInAnyCaseOrSaysWhatIsThere)
{
    const IfxRun run = runIfx({"pinmap", kExample, "--refdes", "j1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(occurrences(run.out, "\nJ1 "), 12);
    EXPECT_EQ(occurrences(run.out, "\nU1 "), 0);

    const IfxRun unknown = runIfx({"pinmap", kExample, "--refdes", "U9"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, kExample + ": no instance has the refdes \"U9\"; there are J1, U1\n");

    View view = create();
    view->addCompInst("CELL", "R1");
    const IfxRun unmapped = runIfx({"pinmap", write(view.get(), "ifx-pinmap-unmapped.xml"), "--refdes", "R1"});
    EXPECT_EQ(unmapped.status, 1);
    EXPECT_NE(unmapped.err.find("instance R1 has no part map"), std::string::npos);
}
