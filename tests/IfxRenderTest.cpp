#include "IfxRunner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

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

// The element of the pin with this name, from its start tag to its end.
std::string pinElement(const std::string& svg, const std::string& pin)
{
    const std::size_t tag = svg.find("data-pin=\"" + pin + "\"");
    if (tag == std::string::npos)
        return "";
    const std::size_t start = svg.rfind("<g ", tag);
    return svg.substr(start, svg.find("</g>", tag) + 4 - start);
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

TEST(IfxRender, PlacesPinsWithoutLocationsOnTheBallGridAndEscapesNames)
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
    const std::string design = write(view.get(), "render-grid.xml");

    const std::string folder = outputFolder("render-grid");
    const IfxRun run = runIfx({"render", design, "--svg", "-o", folder});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(isWellFormed(folder + "/U9.svg"));
    const std::string svg = readFile(folder + "/U9.svg");
    EXPECT_NE(svg.find("U9 on BGA &quot;grid&quot;: 5 pins, seen from the top, placed on the ball grid by name"),
              std::string::npos);
    EXPECT_NE(pinElement(svg, "AA1").find("CELL&lt;&amp;&gt;.DATA&lt;1&gt;: inout"), std::string::npos);
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
}
