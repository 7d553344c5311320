#include "IfxRunner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

using namespace testsupport;

namespace {

bool hasChromium()
{
    return std::system("command -v chromium >/dev/null 2>&1") == 0;
}

// Runs headless Chromium, with a profile of its own, on the arguments and
// returns what it printed on stdout.
std::string runChromium(const std::string& arguments)
{
    char profile[] = "/tmp/ifx-chromium-XXXXXX";
    if (!::mkdtemp(profile))
        return "";
    const std::string command = std::string("chromium --headless --no-sandbox --disable-gpu --disable-quic "
                                            "--no-first-run --disable-background-networking "
                                            "--disable-component-update --disable-sync --user-data-dir=") +
                                profile + " --window-size=1400,1000 " + arguments + " 2>/dev/null";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, got);
        ::pclose(pipe);
    }
    std::system(("rm -rf '" + std::string(profile) + "'").c_str());
    return out;
}

// The page's title after its script ran, opened with #search=query, and
// whether it scrolled down.
std::string titleAfterSearch(const std::string& page, const std::string& query, bool* scrolled = nullptr)
{
    const std::string dom = runChromium("--dump-dom 'file://" + page + "#search=" + query + "'");
    EXPECT_NE(dom.find("data-ready=\"yes\""), std::string::npos) << "the page's script did not finish";
    if (scrolled)
        *scrolled = dom.find("data-scrolled=\"0\"") == std::string::npos;
    std::smatch title;
    return std::regex_search(dom, title, std::regex("<title>([^<]*)</title>")) ? title[1].str() : "";
}

} // namespace

TEST(IfxRenderBrowser, ShowsThePageAndHighlightsThePinsOfASearchedPort)
{
    if (!hasChromium())
        GTEST_SKIP() << "no chromium found, the page was not opened: make test-browser installs it and runs this test";
    const std::string page = outputPath("render-example.html");
    const IfxRun run = runIfx({"render", sourcePath("examples/board.xml"), "-o", page});
    ASSERT_EQ(run.status, 0) << run.err;

    // Kept with the test output, to be looked at.
    const std::string screenshot = outputPath("render-example.png");
    runChromium("--screenshot='" + screenshot + "' 'file://" + page + "'");
    const std::string png = readFile(screenshot);
    ASSERT_GT(png.size(), 10000u) << "no screenshot at " << screenshot;
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");

    EXPECT_EQ(titleAfterSearch(page, "CLK_IN"), "highlighted:1");
    EXPECT_EQ(titleAfterSearch(page, "FPGA_BGA56.D%3C"), "highlighted:8"); // FPGA_BGA56.D<
    EXPECT_EQ(titleAfterSearch(page, "d%3C3%3E"), "highlighted:1");        // D<3>, any case
    EXPECT_EQ(titleAfterSearch(page, "U1.D%5B3%5D"), "highlighted:1");     // U1.D[3]
    EXPECT_EQ(titleAfterSearch(page, "d_3"), "highlighted:1");
    EXPECT_EQ(titleAfterSearch(page, "vcc"), "highlighted:5"); // anywhere in a name: VCCINT, VCCO_DDR
    EXPECT_EQ(titleAfterSearch(page, "GND"), "highlighted:6");
    EXPECT_EQ(titleAfterSearch(page, "LANE0"), "highlighted:11"); // a group: 8 DQ, DM and DQS0 pins
    EXPECT_EQ(titleAfterSearch(page, "A1"), "highlighted:1");
    EXPECT_EQ(titleAfterSearch(page, "NO_SUCH_PORT"), "highlighted:0");
    EXPECT_EQ(titleAfterSearch(page, "u1.clk_in"), "highlighted:1");  // refdes and port
    EXPECT_EQ(titleAfterSearch(page, "DDR.LANE0"), "highlighted:11"); // a dotted suffix of the group
}

TEST(IfxRenderBrowser, ScrollsToTheFirstPinFound)
{
    if (!hasChromium())
        GTEST_SKIP() << "no chromium found, the page was not opened: make test-browser installs it and runs this test";
    const std::string page = outputPath("render-fpga.html");
    const IfxRun run = runIfx({"render", sourcePath("examples/fpga_board.xml"), "-o", page});
    ASSERT_EQ(run.status, 0) << run.err;
    bool scrolled = false;
    EXPECT_EQ(titleAfterSearch(page, "U1.DDR0_CK", &scrolled), "highlighted:3"); // the pair DDR0_CK, and DDR0_CKE
    EXPECT_TRUE(scrolled);
    EXPECT_EQ(titleAfterSearch(page, "NO_SUCH_PORT", &scrolled), "highlighted:0");
    EXPECT_FALSE(scrolled);
}
