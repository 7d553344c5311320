#include "IfxRunner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <tuple>

using namespace testsupport;

namespace {

// A fresh folder in the test output folder.
std::string outputFolder(const std::string& name)
{
    const std::string folder = outputPath(name);
    std::system(("rm -rf '" + folder + "'").c_str());
    return folder;
}

bool isWellFormed(const std::string& path)
{
    return std::system(("xmllint --noout '" + path + "'").c_str()) == 0;
}

// The fill class of the legend line that names group.
std::string legendFill(const std::string& svg, const std::string& group)
{
    std::smatch found;
    const std::regex line("<g class=\"key (g[0-9]+)\"><circle[^>]*/><text[^>]*>" + group + "</text>");
    return std::regex_search(svg, found, line) ? found[1].str() : "";
}

} // namespace

TEST(IfxRender, DrawsEachPinOfEachPartMapAsOneElementWithItsFillAndDetails)
{
    const std::string folder = outputFolder("render-svg");
    const IfxRun run = runIfx({"render", sourcePath("examples/board.xml"), "--svg", "-o", folder});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    ASSERT_TRUE(isWellFormed(folder + "/U1.svg"));
    ASSERT_TRUE(isWellFormed(folder + "/J1.svg"));
    const std::string svg = readFile(folder + "/U1.svg");
    EXPECT_EQ(occurrences(svg, "<g class=\"pin "), 56);
    EXPECT_EQ(occurrences(readFile(folder + "/J1.svg"), "<g class=\"pin "), 10);

    EXPECT_EQ(pinElement(svg, "A1").substr(0, 30), "<g class=\"pin ungrouped\" data-");
    EXPECT_NE(pinElement(svg, "A1").find("<title>pin A1 (id BGA56_A1)\nlocation 0.0,0.0, padstack BGA_PAD_0.40\n"
                                         "FPGA_BGA56.CLK_IN: input</title>"),
              std::string::npos);
    EXPECT_EQ(pinElement(svg, "C6").substr(0, 21), "<g class=\"pin power\" ");
    EXPECT_EQ(pinElement(svg, "C7").substr(0, 22), "<g class=\"pin ground\" ");
    EXPECT_EQ(pinElement(svg, "H3").substr(0, 24), "<g class=\"pin unmapped\" ");
    EXPECT_NE(pinElement(svg, "H3").find("\nunmapped</title>"), std::string::npos);

    // DDR_CKE is in the bus interface DDR; the pins of the lanes are mapped
    // with the group LANE0, inside DDR.
    const std::string ddr = legendFill(svg, "FPGA_BGA56.DDR");
    const std::string lane0 = legendFill(svg, "FPGA_BGA56.DDR.LANE0");
    ASSERT_NE(ddr, "");
    ASSERT_NE(lane0, "");
    EXPECT_NE(ddr, lane0);
    EXPECT_EQ(pinElement(svg, "D3").substr(0, 15 + ddr.size()), "<g class=\"pin " + ddr + "\"");
    EXPECT_NE(pinElement(svg, "D3").find("FPGA_BGA56.DDR_CKE: output, group FPGA_BGA56.DDR"), std::string::npos);
    EXPECT_EQ(pinElement(svg, "E1").substr(0, 15 + lane0.size()), "<g class=\"pin " + lane0 + "\"");
    EXPECT_NE(pinElement(svg, "E1").find("mapped with group FPGA_BGA56.DDR.LANE0"), std::string::npos);
}

TEST(IfxRender, RingsPinsMappedToTwoPortBits)
{
    const std::string folder = outputFolder("render-short");
    const IfxRun run = runIfx({"render", sourcePath("tests/data/ifx/check-errors.xml"), "--svg", "-o", folder});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string svg = readFile(folder + "/U1.svg");
    ASSERT_TRUE(isWellFormed(folder + "/U1.svg"));
    const std::string pin = pinElement(svg, "1");
    EXPECT_NE(pin.find(" short\""), std::string::npos) << pin;
    EXPECT_NE(pin.find("short: mapped to 2 different port bits"), std::string::npos) << pin;
    EXPECT_NE(pinElement(svg, "2").find("short: mapped to 2 different port bits"), std::string::npos);
    EXPECT_EQ(pinElement(svg, "3").find("short"), std::string::npos);
}

TEST(IfxRender, WritesOnePageAndRefusesAnUnwritablePlace)
{
    const std::string page = outputPath("render-page.html");
    IfxRun run = runIfx({"render", sourcePath("examples/board.xml"), "-o", page});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string html = readFile(page);
    EXPECT_EQ(html.substr(0, 15), "<!DOCTYPE html>");
    EXPECT_EQ(occurrences(html, "<svg "), 2);
    EXPECT_EQ(occurrences(html, "<g class=\"pin "), 66);
    EXPECT_EQ(occurrences(html, "http"), occurrences(html, "xmlns=\"http://www.w3.org/2000/svg\""));

    run = runIfx({"render", sourcePath("examples/board.xml"), "-o", outputPath("no-such-folder/page.html")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("could not be written"), std::string::npos);
    run = runIfx({"render", sourcePath("examples/board.xml")});
    EXPECT_EQ(run.status, 2);

    // A folder named like a file is a mistyped command line; the design read is never replaced.
    run = runIfx({"render", sourcePath("examples/board.xml"), "--svg", "-o", outputFolder("render-out.SVG")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("render-out.SVG: --svg writes a folder of SVG files"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(outputPath("render-out.SVG")));
    const std::string design = outputPath("render-design.html");
    std::filesystem::copy_file(sourcePath("examples/board.xml"), design,
                               std::filesystem::copy_options::overwrite_existing);
    for (const std::string& output : {design, design.substr(0, design.rfind('/')) + "/./render-design.html"}) {
        run = runIfx({"render", design, "-o", output});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("would replace the input"), std::string::npos) << run.err;
    }
    EXPECT_TRUE(readFile(design) == readFile(sourcePath("examples/board.xml")));
}

namespace {

struct Point {
    double x;
    double y;
};

// Where the SVG draws the pin with this name.
Point drawnAt(const std::string& svg, const std::string& pin)
{
    std::smatch found;
    const std::string element = pinElement(svg, pin);
    if (!std::regex_search(element, found, std::regex("<circle cx=\"([-0-9.]+)\" cy=\"([-0-9.]+)\"")))
        return {-1, -1};
    return {std::stod(found[1].str()), std::stod(found[2].str())};
}

// A board of one part: pins by name and location, the first mapped to LED.
std::string boardFile(const std::string& name, const std::vector<std::pair<const char*, const char*>>& pins)
{
    View view = create(name.c_str());
    IWJCompInst* instance = view->addCompInst("CELL", "U1");
    IWJPort* led = instance->addPort("LED", "", IWJPort::Output, 1, -1, -1);
    IWJFootPrint* footprint = view->addFootprint(name.c_str(), "3", "3", "1", "0,0", "0");
    for (const auto& [pin, location] : pins)
        footprint->addPin(pin, location, "", "", "");
    view->addPartMap(footprint, instance)->mapPortToPinName(led, pins.front().first, -1);
    return write(view.get(), name + ".xml");
}

std::string renderedSvg(const std::string& design, const std::string& folder, bool bottom)
{
    std::vector<std::string> arguments{"render", design, "--svg", "-o", outputFolder(folder)};
    if (bottom)
        arguments.push_back("--bottom");
    const IfxRun run = runIfx(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    return readFile(outputPath(folder) + "/U1.svg");
}

// A 12-pin QFP in y-up locations, counted anticlockwise from the top of the
// left side.
const std::vector<std::pair<const char*, const char*>> kQfp{
    {"1", "-2,0.5"}, {"2", "-2,0"}, {"3", "-2,-0.5"}, {"4", "-0.5,-2"}, {"5", "0,-2"}, {"6", "0.5,-2"},
    {"7", "2,-0.5"}, {"8", "2,0"},  {"9", "2,0.5"},   {"10", "0.5,2"},  {"11", "0,2"}, {"12", "-0.5,2"}};

} // namespace

TEST(IfxRender, DrawsAYUpQfpWithPinOneTopLeftFromTheTopAndMirroredFromTheBottom)
{
    // Drawn from its locations, and without them around its outline by number.
    std::vector<std::pair<const char*, const char*>> unlocated = kQfp;
    for (auto& pin : unlocated)
        pin.second = "";
    for (const auto& [name, pins, placed] : {std::make_tuple("qfp12", kQfp, "placed by location"),
                                             std::make_tuple("qfn12", unlocated, "placed around the outline")}) {
        const std::string top = renderedSvg(boardFile(name, pins), std::string("render-top-") + name, false);
        EXPECT_NE(top.find(std::string("seen from the top, ") + placed), std::string::npos) << name;
        EXPECT_LT(drawnAt(top, "1").y, drawnAt(top, "3").y) << name;             // counted downwards on the left
        EXPECT_LT(drawnAt(top, "1").x, drawnAt(top, "8").x) << name;             // left of the right side
        EXPECT_LT(drawnAt(top, "11").y, drawnAt(top, "5").y) << name;            // top side above the bottom
        EXPECT_LT(drawnAt(top, "4").x, drawnAt(top, "6").x) << name;             // bottom side to the right
        EXPECT_NEAR(drawnAt(top, "2").y - drawnAt(top, "1").y, 28, 0.1) << name; // one pitch
        EXPECT_NE(top.find("<text class=\"port\""), std::string::npos) << "port name beside the pin of " << name;
        EXPECT_NE(top.find("class=\"outline\""), std::string::npos) << name;
        EXPECT_NE(top.find("class=\"pin1\""), std::string::npos) << name;
    }
    const std::string design = boardFile("qfp12", kQfp);

    const std::string bottom = renderedSvg(design, "render-qfp-bottom", true);
    EXPECT_NE(bottom.find("seen from the bottom"), std::string::npos);
    EXPECT_GT(drawnAt(bottom, "1").x, drawnAt(bottom, "8").x);
    EXPECT_LT(drawnAt(bottom, "1").y, drawnAt(bottom, "3").y);
}

TEST(IfxRender, ScalesByThePitchOfNeighboursNotByPadsJustOffTheRow)
{
    std::vector<std::pair<const char*, const char*>> pins{{"1", "0,0"},       {"2", "1,0"},     {"3", "2,0"},
                                                          {"4", "3,0"},       {"5", "4,0"},     {"6", "5,0"},
                                                          {"S1", "-1.5,0.1"}, {"S2", "6.5,0.1"}};
    const std::string svg = renderedSvg(boardFile("connector6", pins), "render-connector", false);
    EXPECT_NEAR(drawnAt(svg, "2").x - drawnAt(svg, "1").x, 28, 0.1);
    std::smatch width;
    ASSERT_TRUE(std::regex_search(svg, width, std::regex("width=\"([0-9.]+)\"")));
    EXPECT_LT(std::stod(width[1].str()), 1300);

    pins[1].second = "far, far away";
    const std::string unreadable = renderedSvg(boardFile("connector-bad", pins), "render-unreadable", false);
    EXPECT_NE(unreadable.find("location of pin 2: &quot;far, far away&quot; cannot be read"), std::string::npos);
}

TEST(IfxRender, PlacesPinsWithoutLocationsOnTheBallGridRowAOnTopAndEscapesNames)
{
    View view = create("grid");
    IWJCompInst* instance = view->addCompInst("CELL<&>", "U9");
    IWJPort* port = instance->addPort("DATA", "", IWJPort::Inout, 2, 0, 1);
    IWJFootPrint* footprint = view->addFootprint("BGA \"grid\"", "", "", "", "", "");
    for (const char* name : {"A1", "H2", "J1", "Y3", "AA1"})
        footprint->addPin(name, "", "", "", "");
    IWJPartMap* partMap = view->addPartMap(footprint, instance);
    partMap->mapPortToPinName(port, "J1", 0);
    partMap->mapPortToPinName(port, "AA1", 1);
    partMap->mapPortToPinName(instance->addPort("SW_0", "", IWJPort::Input, 1, -1, -1), "H2", -1);
    partMap->mapPortToPinName(instance->addPort("SW_1", "", IWJPort::Input, 1, -1, -1), "Y3", -1);
    const std::string design = write(view.get(), "render-grid.xml");

    const std::string folder = outputFolder("render-grid");
    const IfxRun run = runIfx({"render", design, "--svg", "-o", folder});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(isWellFormed(folder + "/U9.svg"));
    const std::string svg = readFile(folder + "/U9.svg");
    EXPECT_NE(svg.find("U9 on BGA &quot;grid&quot;: 5 pins, seen from the top, placed on the ball grid by name"),
              std::string::npos);
    EXPECT_NE(pinElement(svg, "AA1").find("CELL&lt;&amp;&gt;.DATA&lt;1&gt;: inout"), std::string::npos);
    // Row A on top, columns from the left, and no port names inside a grid.
    EXPECT_LT(drawnAt(svg, "A1").y, drawnAt(svg, "J1").y);
    EXPECT_LT(drawnAt(svg, "A1").x, drawnAt(svg, "Y3").x);
    EXPECT_EQ(svg.find("<text class=\"port\""), std::string::npos);
    // Without groups, a colour per port, the one-bit ports of a bus sharing
    // one; the port's name inside the ball.
    EXPECT_EQ(pinElement(svg, "J1").substr(0, 18), "<g class=\"pin g0\" ");
    EXPECT_EQ(pinElement(svg, "AA1").substr(0, 18), "<g class=\"pin g0\" ");
    EXPECT_EQ(pinElement(svg, "H2").substr(0, 18), "<g class=\"pin g1\" ");
    EXPECT_EQ(pinElement(svg, "Y3").substr(0, 18), "<g class=\"pin g1\" ");
    EXPECT_NE(svg.find("\">CELL&lt;&amp;&gt;.SW</text></g>"), std::string::npos);
    EXPECT_NE(pinElement(svg, "AA1").find("\">DATA&lt;1&gt;</text>"), std::string::npos);
}

TEST(IfxRender, DrawsEachPartMapFromItsOwnMappingsNotFromOthersOfTheSameRefdes)
{
    // Two instances without a refdes, each with a port of its own name on pin 1 of one footprint.
    std::string body = "<CompInsts>";
    for (const char* id : {"A", "B"})
        body += std::string("<CompInst id=\"") + id + "\"><Ports><Port id=\"" + id + "_P\"><Name>" + id +
                "</Name></Port></Ports></CompInst>";
    body += "</CompInsts><Footprints><Footprint id=\"FP\"><Pins><Pin id=\"FP_1\"><Name>1</Name></Pin></Pins>"
            "</Footprint></Footprints><PartMaps>";
    for (const char* id : {"A", "B"})
        body += std::string("<PartMap><CompInstRef ref=\"") + id + "\"/><PartDefRef ref=\"FP\"/><PortMaps><PortMap>" +
                "<PortRefNoRange ref=\"" + id + "_P\"/><PinRef ref=\"FP_1\"/></PortMap></PortMaps></PartMap>";
    const std::string design = writeDocument("render-no-refdes.xml", body + "</PartMaps>");
    const std::string page = outputPath("render-no-refdes.html");
    ASSERT_EQ(runIfx({"render", design, "-o", page}).status, 0);
    EXPECT_EQ(readFile(page).find(" short\""), std::string::npos);
    EXPECT_EQ(runIfx({"check", design}).out, design + ": 0 errors, 0 warnings\n");
}

// A whole port and its bit on one pin (2) are one signal there; two of its
// bits on one pin (1, with the whole port) are a short.
TEST(IfxRender, AWholePortAndItsBitOnAPinAreNoShortButTwoBitsAre)
{
    const IfxRun run = runIfx({"render", sourcePath("tests/data/ifx/check-whole-and-bit.xml"), "-o", "-"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("<g class=\"pin g0 short\" data-pin=\"1\""), std::string::npos);
    EXPECT_NE(run.out.find("<g class=\"pin g0\" data-pin=\"2\""), std::string::npos);
}
