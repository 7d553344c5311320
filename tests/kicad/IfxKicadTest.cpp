// ifx footprint and ifx export to KiCad as a user runs them; what is
// exported reads back with the KiCad readers.

#include "IfxRunner.h"
#include "TestSupport.h"

#include "wjxmlkicad/DevicePins.h"
#include "wjxmlkicad/KicadFootprint.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <tuple>

namespace {

std::string boardCopy(const std::string& name)
{
    const std::string path = testsupport::outputPath(name);
    testsupport::writeFile(path, testsupport::readFile(testsupport::sourcePath("examples/board.xml")));
    return path;
}

const std::string kBga = testsupport::sourcePath("tests/data/kicad/BGA-16.kicad_mod");
const std::string kPackage = testsupport::sourcePath("tests/data/kicad/FPGA_Test.kicad_sym:XC7TEST-FG16");

TEST(IfxFootprint, AddsAFootprintOrPlacesAnInstancesPinsByName)
{
    const std::string board = boardCopy("kicad-footprint.xml");
    IfxRun run = runIfx({"footprint", board, kBga, "--name", "BGA16"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "BGA16: 0 pins placed, 16 pins added, 0 pins without a pad\n");
    run = runIfx({"footprint", board, kBga, "--refdes", "u1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "BGA56_P0.8: 16 pins placed, 0 pins added, 40 pins without a pad\n");
    EXPECT_EQ(run.err.rfind(kBga + ": warning: no pad for 40 pins of BGA56_P0.8: A5 A6 A7 B5 ", 0), 0u) << run.err;
    const testsupport::View design = testsupport::read(board, false);
    for (auto footprints = design->footprints(); footprints.isValid(); ++footprints) {
        IWJFootPrintPin* pin = footprints.value()->findPin("B1");
        if (!pin)
            continue;
        EXPECT_STREQ(pin->location(), "-1.2,0.4");
        EXPECT_STREQ(pin->size(), "0.4");
        EXPECT_STREQ(pin->shape(), "circle");
        EXPECT_STREQ(pin->padstack(), "smd");
        EXPECT_STREQ(footprints.value()->width(), "4.5");
    }
    const std::string before = testsupport::readFile(board);
    for (const std::vector<std::string>& failing :
         {std::vector<std::string>{"footprint", board, kBga, "--refdes", "U9"},
          std::vector<std::string>{"footprint", board, kBga, "-o", kBga},
          std::vector<std::string>{"footprint", board, board}}) {
        run = runIfx(failing);
        EXPECT_EQ(run.status, 1) << run.out;
        EXPECT_NE(run.err, "");
    }
    EXPECT_EQ(testsupport::readFile(board), before);
}

TEST(IfxExportKicad, SymbolAndFootprintReadBackToTheSamePins)
{
    const std::string board = testsupport::sourcePath("examples/board.xml");
    const std::string symbolFile = testsupport::outputPath("U1.kicad_sym");
    const std::string footprintFile = testsupport::outputPath("U1.kicad_mod");
    IfxRun run = runIfx({"export", board, "--refdes", "U1", "-o", symbolFile});
    ASSERT_EQ(run.status, 0) << run.err;
    run = runIfx({"export", board, "--refdes", "U1", "--format", "kicad_mod", "-o", footprintFile});
    ASSERT_EQ(run.status, 0) << run.err;

    DevicePins device;
    KicadFootprint footprint;
    std::string error;
    ASSERT_TRUE(DevicePins::read(symbolFile, &device, &error)) << error;
    ASSERT_TRUE(KicadFootprint::read(footprintFile, &footprint, &error)) << error;
    const testsupport::View design = testsupport::read(board, false);
    IWJCompInst* u1 = testsupport::valueAt(design->compInsts(), "U1");
    IWJPartMap* map = design->findPartMap(u1);
    EXPECT_EQ(device.device, u1->cellName());
    EXPECT_EQ(footprint.name, map->footprint()->name());
    ASSERT_EQ(device.pins.size(), 56u);
    ASSERT_EQ(footprint.pads.size(), 56u);
    for (const FootprintPad& pad : footprint.pads) {
        IWJFootPrintPin* pin = map->footprint()->findPin(pad.name.c_str());
        ASSERT_NE(pin, nullptr) << pad.name;
        EXPECT_EQ(pad.location, pin->location());
        EXPECT_EQ(pad.size, pin->size());
        EXPECT_EQ(pad.shape, pin->shape());
        EXPECT_NE(device.find(pad.name), nullptr) << pad.name;
    }
    EXPECT_EQ(device.find(map->pinForPort(u1->findPort("CLK_IN"), -1)->name())->name, "CLK_IN");
    EXPECT_EQ(device.find(map->pinForPort(u1->findPort("CLK_IN"), -1)->name())->type, "input");
    int unmapped = 0;
    for (const DevicePin& pin : device.pins)
        unmapped += pin.type == "no_connect" && pin.name == pin.number;
    EXPECT_GT(unmapped, 0);

    const std::string package =
        testsupport::writeInput("package.csv", "pin,name,type\nH3,VCCO_34,power_in\nH4,IO_L1P_T0_34,bidirectional\n");
    run = runIfx({"export", board, "--refdes", "U1", "--package", package, "-o", symbolFile});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(DevicePins::read(symbolFile, &device, &error)) << error;
    EXPECT_EQ(device.pins.size(), 56u);
    EXPECT_EQ(device.find("H3")->name + " " + device.find("H3")->type, "VCCO_34 power_in");
    EXPECT_EQ(device.find("H4")->name + " " + device.find("H4")->type, "IO_L1P_T0_34 no_connect");
    EXPECT_EQ(device.find("H4")->bank, "34");
    EXPECT_EQ(device.find("A1")->bank, "1") << "a unit per bank: the balls the package lacks first";

    run = runIfx({"export", board, "--refdes", "U1", "--format", "kicad_sym", "-o", board});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("would replace the input"), std::string::npos) << run.err;
}

TEST(IfxImportPackage, EveryBallAtItsPadWithSupplyPortsAndPlacementsChecked)
{
    const std::string design = testsupport::outputPath("package-import.xml");
    std::remove(design.c_str());
    const auto import = [&](const std::string& xdc) {
        return runIfx({"import", design, testsupport::writeInput("package.xdc", xdc), "--refdes", "U1", "--package",
                       kPackage, "--footprint-file", kBga, "--supplies"});
    };
    const std::pair<std::string, std::string> refused[] = {
        {"set_property PACKAGE_PIN A11 [get_ports x]",
         ":1: U1.x is placed on A11, which XC7TEST-FG16 lacks (closest: A1, A2, A3)"},
        {"\nset_property PACKAGE_PIN c1 [get_ports x]\nset_property PACKAGE_PIN C1 [get_ports y] ;# C1 is ground\n",
         ":2: U1.x is placed on c1, a ground ball (GND) of XC7TEST-FG16"},
        {"set_property PACKAGE_PIN D1 [get_ports x]",
         ":1: U1.x is placed on D1, a no-connect ball (NC) of XC7TEST-FG16"},
        {"set_property PACKAGE_PIN A3 [get_ports gnd]", "U1: the port GND of the supply is no power or ground port"},
    };
    // The lines of the placements are found in UTF-16 files as in UTF-8.
    const std::function<std::string(const std::string&)> encodings[] = {
        [](const std::string& text) { return text; },
        [](const std::string& text) { return testsupport::utf16(text, false); },
        [](const std::string& text) { return testsupport::utf16(text, true); },
    };
    for (const auto& [xdc, error] : refused) {
        for (const auto& encode : encodings) {
            const IfxRun run = import(encode(xdc));
            EXPECT_EQ(run.status, 1) << xdc;
            EXPECT_NE(run.err.find(error + "\n"), std::string::npos) << run.err;
            EXPECT_FALSE(std::ifstream(design).good());
        }
    }
    IfxRun run = import("set_property PACKAGE_PIN a1 [get_ports {led[0]}]\nset_property PACKAGE_PIN E2 [get_ports "
                        "{led[1]}]\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.rfind(kBga + ": warning: no pad for 2 pins of U1_PACKAGE: E1 E2\nU1: 2 placements and 0 IO "
                                   "standards read, 0 placements commented out, 0 other statements read past, 5 "
                                   "ports, 18 pins and 0 differential pairs made, 1 warnings\n",
                            0),
              0u)
        << run.err;
    const testsupport::View view = testsupport::read(design, false);
    IWJCompInst* u1 = testsupport::valueAt(view->compInsts(), "U1");
    IWJPartMap* map = view->findPartMap(u1);
    EXPECT_STREQ(map->footprint()->findPin("B1")->location(), "-1.2,0.4");
    EXPECT_STREQ(map->footprint()->findPin("E1")->location(), "");
    EXPECT_EQ(u1->findPort("GND")->type(), IWJPort::Ground);
    EXPECT_EQ(u1->findPort("VCCO_14")->type(), IWJPort::Power);
    EXPECT_EQ(testsupport::count(map->pinGroupForPort(u1->findPort("GND"), -1)->pins()), 2);
    EXPECT_EQ(u1->findPort("NC"), nullptr);
    run = import("set_property PACKAGE_PIN A3 [get_ports gnd]");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("\nU1: the port GND of the supply is placed on the one pin A3\n"), std::string::npos);
}

} // namespace

TEST(IfxPackage, CheckFindsPlanningFaultsAndPinmapListsFreeIo)
{
    const std::string design = testsupport::sourcePath("tests/data/kicad/package-check.xml");
    const std::string& package = kPackage;
    IfxRun run = runIfx({"check", design, "--refdes", "U1", "--package", package});
    EXPECT_EQ(run.status, 1) << run.err;
    const std::string line = design + ":152: ";
    const std::string at = line + "error: ";
    EXPECT_EQ(
        run.out,
        line +
            "warning: XC7TEST.LED is on ball C4 (DONE_0), which is not user I/O but a dedicated pin "
            "[package-not-io/ea8f6193]\n" +
            at + "XC7TEST.RST is on ball C3 (VCCINT), which is a power ball, not user I/O [package-not-io/fde58799]\n" +
            at + "XC7TEST.TYPO is on pin A11, which XC7TEST-FG16 lacks (closest: A1, A2, A3) [package-pin/0fa609ef]\n" +
            at +
            "pair XC7TEST.SW has its positive port on the N ball B2 (IO_L2N_T0_VREF_15) [package-polarity/8bb6a94c]\n" +
            at +
            "pair XC7TEST.TX is on balls B3 (IO_L3P_T0_15) and B4 (IO_L4N_T0_15), which are no "
            "differential pair of XC7TEST-FG16 [package-pair/68914cba]\n" +
            at +
            "bank 14 of XC7TEST-FG16 holds user I/O of several voltages: 1.8V (XC7TEST.RX_N), "
            "3.3V (XC7TEST.CLK) [package-bank-voltage/1dd46ce2]\n" +
            design + ": 5 errors, 1 warning\n");
    run = runIfx({"pinmap", design, "--package", package, "--free", "--format", "csv"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "bank,pin,function,partner\r\n14,E1,IO_L5P_T0_14,E2\r\n14,E2,IO_L5N_T0_14,E1\r\n");
}

TEST(IfxPackage, RenderColoursUnmappedBallsByFunctionAndOutlinesIoBanks)
{
    const std::string design = testsupport::outputPath("package-render.xml");
    std::remove(design.c_str());
    IfxRun run = runIfx({"import", design,
                         testsupport::writeInput("render.xdc", "set_property PACKAGE_PIN A1 "
                                                               "[get_ports led]\n"),
                         "--refdes", "U1", "--package", kPackage, "--footprint-file", kBga});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string folder = testsupport::outputPath("package-render");
    run = runIfx({"render", design, "--svg", "-o", folder, "--package", kPackage});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string svg = testsupport::readFile(folder + "/U1.svg");
    EXPECT_NE(svg.find("placed on the ball grid by name, balls of XC7TEST-FG16</text>"), std::string::npos);
    EXPECT_NE(testsupport::pinElement(svg, "A1").find("\nfunction IO_L1P_T0_14 (bidirectional), bank 14, partner A2\n"),
              std::string::npos)
        << testsupport::pinElement(svg, "A1");
    EXPECT_EQ(testsupport::pinElement(svg, "A1").find("free-io"), std::string::npos);
    for (const auto& [ball, fill] : {std::pair<const char*, const char*>{"A2", "free-io"},
                                     {"C1", "ground-ball"},
                                     {"C3", "supply"},
                                     {"D1", "no-connect"},
                                     {"C4", "other-ball"}}) {
        EXPECT_EQ(testsupport::pinElement(svg, ball).rfind(std::string("<g class=\"pin ") + fill + "\" ", 0), 0u)
            << ball;
        EXPECT_NE(svg.find(std::string("<g class=\"key ") + fill + "\">"), std::string::npos) << fill;
    }
    // Banks 14 and 15 hold user I/O; the unit of the supplies is no bank.
    EXPECT_EQ(testsupport::occurrences(svg, "<path class=\"bank\""), 2);
    EXPECT_NE(svg.find("<title>bank 15</title></path>"), std::string::npos);
    EXPECT_NE(svg.find(">bank 14</text></g>"), std::string::npos);
    EXPECT_EQ(svg.find("class=\"function\""), std::string::npos) << "no room beside balls on a grid";

    // Beside the pins on the edges of a QFN: the port of a mapped pin, the
    // function of an unmapped one.
    const std::string qfn = testsupport::outputPath("package-render-qfn.xml");
    const std::string pins = testsupport::writeInput("qfn.csv", "pin,name\n1,IO_1\n2,IO_2\n3,GND\n4,VCC\n5,IO_5\n"
                                                                "6,IO_6\n7,CDONE\n8,IO_8\n9,GND\n");
    std::remove(qfn.c_str());
    run = runIfx({"import", qfn, testsupport::writeInput("qfn.pcf", "set_io led 1\n"), "--refdes", "U1", "--package",
                  pins, "--footprint-file", testsupport::sourcePath("tests/data/kicad/QFN-8.kicad_mod")});
    ASSERT_EQ(run.status, 0) << run.err;
    run = runIfx({"render", qfn, "--svg", "-o", folder + "-qfn", "--package", pins});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string edges = testsupport::readFile(folder + "-qfn/U1.svg");
    for (const auto& [pin, fill, text] : {std::tuple<const char*, const char*, const char*>{"1", "g0", "port\" "},
                                          {"3", "ground-ball", "function\" "},
                                          {"7", "other-ball", "function\" "}}) {
        const std::string element = testsupport::pinElement(edges, pin);
        EXPECT_EQ(element.rfind(std::string("<g class=\"pin ") + fill + "\" ", 0), 0u) << element;
        EXPECT_NE(element.find(std::string("<text class=\"") + text), std::string::npos) << element;
    }
    EXPECT_NE(testsupport::pinElement(edges, "7").find(">CDONE</text>"), std::string::npos);

    const std::string checked = testsupport::sourcePath("tests/data/kicad/package-check.xml");
    run = runIfx({"render", checked, "-o", "-", "--package", kPackage, "--refdes", "u1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(">1 pin that XC7TEST-FG16 lacks: A11</text>"), std::string::npos);
    EXPECT_NE(run.out.find(">7 balls of XC7TEST-FG16 not on the footprint</text>"), std::string::npos);
    run = runIfx({"render", checked, "-o", "-", "--package", kPackage, "--refdes", "U2"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, checked + ": no part map is of an instance with the refdes \"U2\"; the part maps are of U1\n");
}
