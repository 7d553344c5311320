// The s-expression parser and the readers of symbols, CSV pin lists and
// footprints, on small libraries written for these tests.

#include "TestSupport.h"

#include "wjxmlkicad/DevicePins.h"
#include "wjxmlkicad/KicadFootprint.h"
#include "wjxmlkicad/PinFunction.h"
#include "wjxmlkicad/SExpression.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

std::string data(const std::string& name)
{
    return testsupport::sourcePath("tests/data/kicad/" + name);
}

std::string pinText(const DevicePin& pin)
{
    return pin.number + " " + pin.name + " " + pin.type + " bank=" + pin.bank + " partner=" + pin.partner;
}

std::string padText(const FootprintPad& pad)
{
    return pad.name + " " + pad.location + " " + pad.size + " " + pad.shape + " " + pad.padstack;
}

TEST(KicadSExpression, ErrorsNameFileLineAndColumn)
{
    const std::pair<std::string, std::string> cases[] = {
        {"(a (b)", "f:1:1: this list is not closed"},
        {"(a)\n  )", "f:2:3: \")\" closes no list"},
        {"(a\n \"b)", "f:2:2: a string is not closed"},
        {"(a) b", "f:1:5: text after the end of the top-level list"},
        {"\n a", "f:2:2: a list \"(\" is expected"},
        {std::string(SExpressionParser::kMaximumDepth + 1, '('), "f:1:201: lists nested too deeply"},
    };
    for (const auto& [text, expected] : cases) {
        SExpression root;
        std::string error;
        EXPECT_FALSE(SExpressionParser::parse("f", text, &root, &error)) << text;
        EXPECT_EQ(error, expected);
    }
    SExpression root;
    std::string error;
    const std::string odd = "a \"b\\ \n";
    ASSERT_TRUE(SExpressionParser::parse("f", "(x " + SExpressionParser::quoted(odd) + " (y 1))", &root, &error));
    EXPECT_EQ(root.text(1), odd);
    EXPECT_TRUE(root.items[1].quoted);
    EXPECT_EQ(root.child("y")->text(1), "1");
    EXPECT_EQ(root.child("y")->column, 17);
}

TEST(KicadSymbol, ExtendedSymbolHasEveryUnitsPinsWithBanksAndPartners)
{
    DevicePins device;
    std::string error;
    ASSERT_TRUE(DevicePins::read(data("FPGA_Test.kicad_sym:XC7TEST-FG16I"), &device, &error)) << error;
    EXPECT_EQ(device.device, "XC7TEST-FG16I");
    EXPECT_EQ(device.pins.size(), 18u);
    EXPECT_EQ(device.find("Z9"), nullptr) << "the alternate body style is not read";
    for (const char* expected :
         {"A1 IO_L1P_T0_14 bidirectional bank=14 partner=A2", "A2 IO_L1N_T0_14 bidirectional bank=14 partner=A1",
          "A4 VCCO_14 power_in bank=14 partner=", "B2 IO_L2N_T0_VREF_15 bidirectional bank=15 partner=B1",
          "B3 IO_L3P_T0_15 bidirectional bank=15 partner=", "C1 GND power_in bank=3 partner=",
          "D1 NC no_connect bank=3 partner="}) {
        const std::string number = std::string(expected).substr(0, 2);
        ASSERT_NE(device.find(number), nullptr) << number;
        EXPECT_EQ(pinText(*device.find(number)), expected);
    }
    // KiCad's markup for bars, subscripts and superscripts is not part of a
    // pin's function.
    const std::string marked = testsupport::writeInput(
        "marked.kicad_sym", "(kicad_symbol_lib (version 20211014) (symbol \"M\" (symbol \"M_1_1\"\n"
                            "(pin input line (at 0 0 0) (length 2.54) (name \"~{CRESET_B}\") (number \"1\"))\n"
                            "(pin input line (at 0 0 0) (length 2.54) (name \"V_{REF}^{~{x}}\") (number \"2\")))))");
    ASSERT_TRUE(DevicePins::read(marked + ":M", &device, &error)) << error;
    EXPECT_EQ(device.find("1")->name, "CRESET_B");
    EXPECT_EQ(device.find("2")->name, "VREFx");
    const std::pair<std::string, std::string> failures[] = {
        {data("FPGA_Test.kicad_sym"), ": the library holds 2 symbols: name one as FILE.kicad_sym:SYMBOL"},
        {data("FPGA_Test.kicad_sym:XC7"), ": no symbol \"XC7\" in the library"},
        {data("BGA-16.kicad_mod"), ": name a pin list as FILE.kicad_sym:SYMBOL or FILE.csv"},
        {data("BGA-16.kicad_mod.kicad_sym:X"), ": the file cannot be opened"}};
    for (const auto& [source, message] : failures) {
        EXPECT_FALSE(DevicePins::read(source, &device, &error));
        EXPECT_NE(error.find(message), std::string::npos) << error;
    }
}

TEST(KicadCsvPins, ColumnsInAnyOrderAndBanksFromNames)
{
    DevicePins device;
    std::string error;
    ASSERT_TRUE(DevicePins::readCsv("p.csv",
                                    "Name,Type,PIN,bank\nIO_L5P_T0_34,,A1,\nio_l5n_t0_34,,\"A2\",\n"
                                    "VCCO_34,power_in,B1,\nGND,,B2,7\nIOR_66,,C1,\n",
                                    &device, &error))
        << error;
    ASSERT_EQ(device.pins.size(), 5u);
    EXPECT_EQ(pinText(device.pins[0]), "A1 IO_L5P_T0_34  bank=34 partner=A2");
    EXPECT_EQ(pinText(device.pins[1]), "A2 io_l5n_t0_34  bank=34 partner=A1");
    EXPECT_EQ(pinText(device.pins[3]), "B2 GND  bank=7 partner=");
    EXPECT_EQ(pinText(device.pins[4]), "C1 IOR_66  bank= partner=") << "66 counts I/Os of the right side";
    EXPECT_FALSE(DevicePins::readCsv("p.csv", "pin,name\nA1,X\n\nA1,Y\n", &device, &error));
    EXPECT_EQ(error, "p.csv:4: pin A1 is listed on line 2 already");
    EXPECT_FALSE(DevicePins::readCsv("p.csv", "ball,name\n", &device, &error));
    EXPECT_EQ(error, "p.csv:1: the header row must name the columns pin and name");
}

TEST(KicadPinFunction, ByNameFirstThenType)
{
    const std::tuple<const char*, const char*, PinFunction::Kind> cases[] = {
        {"IO_L1P_T0_14", "power_in", PinFunction::UserIo},
        {"nc", "", PinFunction::NoConnect},
        {"DNU_3", "", PinFunction::NoConnect},
        {"NCE", "", PinFunction::Other},
        {"DONE_0", "no_connect", PinFunction::NoConnect},
        {"GNDADC_0", "power_in", PinFunction::Ground},
        {"vss", "", PinFunction::Ground},
        {"VCCO_34", "", PinFunction::Power},
        {"VBATT_0", "power_in", PinFunction::Power},
        {"TCK_0", "input", PinFunction::Other},
    };
    for (const auto& [name, type, kind] : cases)
        EXPECT_EQ(PinFunction::of(DevicePin{"A1", name, type, "", ""}), kind) << name;
}

TEST(KicadFootprintFile, PadsBecomePinsWithYUpwardsAndTheOutline)
{
    const struct {
        const char* file;
        const char* name;
        const char* width;
        const char* length;
        std::size_t pads;
        std::vector<std::string> some;
    } cases[] = {
        {"BGA-16.kicad_mod",
         "BGA-16_3.0x3.0mm_Layout4x4_P0.8mm",
         "4.5",
         "5",
         16,
         {"A1 -1.2,1.2 0.4 circle smd", "D4 1.2,-1.2 0.4 circle smd", "B1 -1.2,0.4 0.4 circle smd"}},
        {"QFN-8.kicad_mod",
         "QFN-8-1EP_2x2mm_P0.5mm",
         "3.2",
         "3.2",
         9,
         {"1 -0.95,0.25 0.6,0.25 roundrect smd", "3 -0.25,-0.95 0.25,0.6 roundrect smd",
          "7 0.25,0.95 0.25,0.6 oval thru_hole drill oval 0.3 0.1", "9 0,0 0.4,0.9 rect smd"}},
    };
    for (const auto& expected : cases) {
        KicadFootprint footprint;
        std::string error;
        ASSERT_TRUE(KicadFootprint::read(data(expected.file), &footprint, &error)) << error;
        EXPECT_EQ(footprint.name, expected.name);
        EXPECT_EQ(footprint.width, expected.width);
        EXPECT_EQ(footprint.length, expected.length);
        ASSERT_EQ(footprint.pads.size(), expected.pads);
        for (const std::string& pad : expected.some) {
            const std::string name = pad.substr(0, pad.find(' '));
            const auto found = std::find_if(footprint.pads.begin(), footprint.pads.end(),
                                            [&](const FootprintPad& read) { return read.name == name; });
            ASSERT_NE(found, footprint.pads.end()) << name;
            EXPECT_EQ(padText(*found), pad);
        }
    }
    KicadFootprint footprint;
    std::string error;
    EXPECT_FALSE(KicadFootprint::read(
        testsupport::writeInput("bad.kicad_mod", "(footprint \"X\"\n  (pad \"1\" smd rect (at 1 x) (size 1 1)))"),
        &footprint, &error));
    EXPECT_NE(error.find("bad.kicad_mod:2:21: (at ...) needs 2 numbers"), std::string::npos) << error;
}

TEST(KicadLibrary, TenThousandPinsReadWithTheirPartners)
{
    std::string text = "(kicad_symbol_lib (version 20220914)\n (symbol \"BIG\"\n  (symbol \"BIG_1_1\"\n";
    for (int i = 0; i < 10000; ++i)
        text += "   (pin bidirectional line (at 0 " + std::to_string(i) + " 0) (length 2.54)\n    (name \"IO_L" +
                std::to_string(i / 2) + (i % 2 ? "N" : "P") +
                "_T0_34\" (effects (font (size 1.27 1.27))))\n    (number \"P" + std::to_string(i) +
                "\" (effects (font (size 1.27 1.27)))))\n";
    const std::string path = testsupport::writeInput("big.kicad_sym", text + "  )\n )\n)\n");
    DevicePins device;
    std::string error;
    ASSERT_TRUE(DevicePins::read(path + ":BIG", &device, &error)) << error;
    ASSERT_EQ(device.pins.size(), 10000u);
    EXPECT_EQ(device.pins[9999].partner, "P9998");
}

} // namespace
