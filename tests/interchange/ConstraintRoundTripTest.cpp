// What is exported imports again to the same placements, whatever the two
// dialects, for the example board and for random designs.

#include "InterchangeSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace interchange;

namespace {

// Exports refdes of source in one format, imports that into a new design,
// exports that in the other format and imports it again.
testsupport::View throughTwoFormats(IWJInterfaceView* source, const std::string& refdes, ConstraintFormat first,
                                    ConstraintFormat second)
{
    const testsupport::View middle = testsupport::create();
    const ImportReport one = importText(middle.get(), first, exportText(source, first, refdes), refdes);
    EXPECT_TRUE(one.errors.empty()) << ::testing::PrintToString(one.errors);
    testsupport::View last = testsupport::create();
    const ImportReport two = importText(last.get(), second, exportText(middle.get(), second, refdes), refdes);
    EXPECT_TRUE(two.errors.empty()) << ::testing::PrintToString(two.errors);
    return last;
}

TEST(ConstraintRoundTrip, EveryPairOfFormatsKeepsTheExamplePlacements)
{
    const testsupport::View board = testsupport::read(testsupport::sourcePath("examples/board.xml"), false);
    ASSERT_TRUE(board);
    for (const char* refdes : {"U1", "J1"}) {
        const std::vector<std::string> expected = placements(board.get(), refdes);
        ASSERT_FALSE(expected.empty());
        for (const ConstraintFormat first : allFormats()) {
            for (const ConstraintFormat second : allFormats()) {
                SCOPED_TRACE(std::string(refdes) + " " + PinConstraints::formatName(first) + " then " +
                             PinConstraints::formatName(second));
                EXPECT_EQ(placements(throughTwoFormats(board.get(), refdes, first, second).get(), refdes), expected);
            }
        }
    }
}

// The IO standards and differential pairs of board files survive every two
// formats that can carry their standards (.pcf only bare words).
TEST(ConstraintRoundTrip, BoardFilesKeepTheirStandardsAndPairs)
{
    for (const char* file : {"board.qsf", "board.xdc", "board.lpf"}) {
        ConstraintSource source;
        std::string error;
        ASSERT_TRUE(PinConstraints::loadSource(testsupport::sourcePath(std::string("tests/data/interchange/") + file),
                                               "", &source, &error));
        const testsupport::View board = testsupport::create();
        importText(board.get(), source.format, source.text);
        for (const ConstraintFormat first : allFormats()) {
            for (const ConstraintFormat second : allFormats()) {
                if (source.format == ConstraintFormat::Qsf &&
                    (first == ConstraintFormat::Pcf || second == ConstraintFormat::Pcf))
                    continue;
                SCOPED_TRACE(std::string(file) + " " + PinConstraints::formatName(first) + " then " +
                             PinConstraints::formatName(second));
                const testsupport::View last = throughTwoFormats(board.get(), "U1", first, second);
                EXPECT_EQ(placements(last.get(), "U1"), placements(board.get(), "U1"));
                EXPECT_EQ(standards(last.get(), "U1"), standards(board.get(), "U1"));
                EXPECT_EQ(pairs(last.get(), "U1"), pairs(board.get(), "U1"));
            }
        }
    }
}

// --iostandard fills in only where the design has no standard, and is
// refused where the format cannot carry it.
TEST(ConstraintRoundTrip, DefaultStandardFillsTheGaps)
{
    const testsupport::View design = testsupport::create();
    importText(
        design.get(), ConstraintFormat::Xdc,
        "set_property -dict {PACKAGE_PIN A1 IOSTANDARD LVDS} [get_ports a]\nset_property LOC B1 [get_ports b]\n");
    ExportOptions options{"U1", ConstraintFormat::Xdc, "3.3-V LVTTL"};
    std::string text;
    std::string error;
    ASSERT_TRUE(PinConstraints::exportConstraints(design.get(), options, &text, &error)) << error;
    EXPECT_NE(text.find("PACKAGE_PIN A1 IOSTANDARD LVDS } [get_ports a]"), std::string::npos) << text;
    EXPECT_NE(text.find("PACKAGE_PIN B1 IOSTANDARD {3.3-V LVTTL} } [get_ports b]"), std::string::npos) << text;
    options.format = ConstraintFormat::Pcf;
    EXPECT_FALSE(PinConstraints::exportConstraints(design.get(), options, &text, &error));
    EXPECT_EQ(error, "the IO standard \"3.3-V LVTTL\" cannot be written in pcf");
}

// A random design: ports of random names and widths, some bits and whole
// ports on distinct pins of random names.
testsupport::View randomDesign(std::mt19937& random)
{
    testsupport::View design = testsupport::create();
    IWJCompInst* instance = design->addCompInst("CELL", "U1");
    IWJFootPrint* footprint = design->addFootprint("PKG", "", "", "", "", "");
    IWJPartMap* map = design->addPartMap(footprint, instance);
    const std::string letters = "ABCDEFGHJKLMNPRTUVWY_0123456789";
    std::set<std::string> names;
    auto randomName = [&](const char* prefix) {
        std::string name = prefix;
        for (int length = 1 + static_cast<int>(random() % 6); length > 0; --length)
            name += letters[random() % letters.size()];
        return name;
    };
    int pins = 0;
    for (int ports = 1 + static_cast<int>(random() % 12); ports > 0; --ports) {
        const std::string name = randomName("P");
        if (!names.insert(name).second)
            continue;
        const bool bus = random() % 3 != 0;
        const int lsb = bus ? static_cast<int>(random() % 4) : -1;
        const int msb = bus ? lsb + static_cast<int>(random() % 9) : -1;
        IWJPort* port = instance->addPort(name.c_str(), "", IWJPort::Inout, 1, lsb, msb);
        for (int bit = bus ? lsb : -1; bit <= msb; ++bit) {
            if (random() % 4 == 0)
                continue;
            const std::string pin = randomName("") + "_" + std::to_string(++pins);
            map->mapPortToPin(port, footprint->addPin(pin.c_str(), "", "", "", ""), bit);
        }
    }
    return design;
}

TEST(ConstraintRoundTrip, RandomDesignsKeepTheirPinMappings)
{
    std::mt19937 random(20261207);
    for (std::size_t round = 0; round < 40; ++round) {
        const testsupport::View design = randomDesign(random);
        const std::vector<std::string> expected = placements(design.get(), "U1");
        const ConstraintFormat first = allFormats()[round % allFormats().size()];
        const ConstraintFormat second = allFormats()[(round / allFormats().size()) % allFormats().size()];
        SCOPED_TRACE(std::to_string(round) + ": " + PinConstraints::formatName(first) + " then " +
                     PinConstraints::formatName(second));
        EXPECT_EQ(placements(throughTwoFormats(design.get(), "U1", first, second).get(), "U1"), expected);
    }
}

// A quote in a port or pin name is doubled inside a quoted field, and the
// import reads the name back as it was.
TEST(ConstraintRoundTrip, CsvDoublesQuotesInNames)
{
    const testsupport::View design = testsupport::create();
    IWJCompInst* instance = design->addCompInst("CELL", "U1");
    IWJFootPrint* footprint = design->addFootprint("PKG", "", "", "", "", "");
    IWJPort* port = instance->addPort("say \"hi\"", "", IWJPort::Input, 1, -1, -1);
    design->addPartMap(footprint, instance)->mapPortToPin(port, footprint->addPin("A\"1", "", "", "", ""), -1);
    const std::string text = exportText(design.get(), ConstraintFormat::Csv, "U1");
    EXPECT_NE(text.find("\nU1,\"CELL.say \"\"hi\"\"\",,\"A\"\"1\",input,,pin,\r\n"), std::string::npos) << text;
    EXPECT_EQ(
        placements(throughTwoFormats(design.get(), "U1", ConstraintFormat::Csv, ConstraintFormat::Csv).get(), "U1"),
        placements(design.get(), "U1"));
}

// Every text an export writes, in comments too, is read back as written or
// refused: a last backslash continues a Tcl comment, Tcl substitutes a bare
// '$', a line break ends a comment, and --iostandard must be a plain value.
TEST(ConstraintRoundTrip, TextsAFormatCannotCarryAreRefused)
{
    const struct {
        const char* design;
        const char* port;
        const char* ioStandard;
        ConstraintFormat format;
        bool written;
    } cases[] = {
        {"board\\", "a", "", ConstraintFormat::Xdc, false},
        {"board\\", "a", "", ConstraintFormat::Qsf, false},
        {"board\\", "a", "", ConstraintFormat::Pcf, true},
        {"two\nlines", "a", "", ConstraintFormat::Lpf, false},
        {"board", "a$b", "", ConstraintFormat::Qsf, false},
        {"board", "a$b", "", ConstraintFormat::Xdc, true},
        {"board", "a", "LVCMOS33} } [get_ports x]; puts INJECTED; #", ConstraintFormat::Xdc, false},
        {"board", "a", "1.5-V SSTL", ConstraintFormat::Qsf, true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::string(test.design) + " " + test.port + " " + PinConstraints::formatName(test.format));
        const testsupport::View design = testsupport::create(test.design);
        importText(design.get(), ConstraintFormat::Lpf, std::string("LOCATE COMP \"") + test.port + "\" SITE \"A1\";");
        ExportOptions options{"U1", test.format, test.ioStandard};
        std::string text;
        std::string error;
        EXPECT_EQ(PinConstraints::exportConstraints(design.get(), options, &text, &error), test.written) << text;
        if (test.written) {
            EXPECT_EQ(placements(throughTwoFormats(design.get(), "U1", test.format, test.format).get(), "U1"),
                      placements(design.get(), "U1"));
        }
    }
}

// A name that a format would read back otherwise is refused, not written.
TEST(ConstraintRoundTrip, NamesAFormatCannotCarryAreRefused)
{
    const testsupport::View design = testsupport::create();
    importText(design.get(), ConstraintFormat::Lpf, "LOCATE COMP \"data bus.7\" SITE \"A1\";");
    for (const ConstraintFormat format : allFormats()) {
        SCOPED_TRACE(PinConstraints::formatName(format));
        ExportOptions options;
        options.refdes = "U1";
        options.format = format;
        std::string text;
        std::string error;
        const bool written = PinConstraints::exportConstraints(design.get(), options, &text, &error);
        EXPECT_EQ(written, format == ConstraintFormat::Lpf) << error;
        if (written) {
            EXPECT_EQ(placements(throughTwoFormats(design.get(), "U1", format, format).get(), "U1"),
                      placements(design.get(), "U1"));
        }
    }
}

} // namespace
