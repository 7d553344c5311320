#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

const std::string kEdgeCases = sourcePath("tests/data/valid/footprint-edge-cases.xml");

std::string footprintsOf(const std::string& path)
{
    return readFrom(path, "  <Footprints");
}

IWJFootPrint* footprintNamed(IWJInterfaceView* view, const std::string& name)
{
    for (auto walk = view->footprints(); walk.isValid(); ++walk) {
        if (walk.value()->name() == name)
            return walk.value();
    }
    return nullptr;
}

} // namespace

TEST(Footprint, AddFootprintWritesTheGivenPropertiesInSequenceOrder)
{
    const View view = create();
    IWJFootPrint* partial = view->addFootprint("FP", nullptr, "2", nullptr, nullptr, "90");
    EXPECT_STREQ(partial->width(), "");
    EXPECT_STREQ(partial->length(), "2");
    view->addFootprint("FULL", "1", "2", "3", "0,0", "180");
    view->addFootprint(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(footprintsOf(write(view.get(), "footprint-add.xml")), "  <Footprints>\n"
                                                                    "    <Footprint id=\"FP\">\n"
                                                                    "      <Name>FP</Name>\n"
                                                                    "      <Length>2</Length>\n"
                                                                    "      <Rotation>90</Rotation>\n"
                                                                    "    </Footprint>\n"
                                                                    "    <Footprint id=\"FULL\">\n"
                                                                    "      <Name>FULL</Name>\n"
                                                                    "      <Width>1</Width>\n"
                                                                    "      <Length>2</Length>\n"
                                                                    "      <Thickness>3</Thickness>\n"
                                                                    "      <Origin>0,0</Origin>\n"
                                                                    "      <Rotation>180</Rotation>\n"
                                                                    "    </Footprint>\n"
                                                                    "    <Footprint id=\"TVN_\">\n"
                                                                    "      <Name/>\n"
                                                                    "    </Footprint>\n"
                                                                    "  </Footprints>\n"
                                                                    "</InterfaceExchangeSchema>\n");
}

TEST(Footprint, NewIdsAreUniqueAcrossFootprintsPinsAndReadIds)
{
    const View view = read(kEdgeCases, true);
    ASSERT_TRUE(view);
    IWJFootPrint* copy = view->addFootprint("FP1", nullptr, nullptr, nullptr, nullptr, nullptr);
    copy->addPin("FP1_A1", nullptr, nullptr, nullptr, nullptr);
    copy->addPin("FP1_A1", nullptr, nullptr, nullptr, nullptr);
    copy->addPin("1", nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(count(view->footprints()), 3);
    EXPECT_EQ(count(copy->pins()), 3);
    const std::string written = footprintsOf(write(view.get(), "footprint-ids.xml"));
    for (const char* id : {"FP1_1", "FP1_A1_1", "FP1_A1_2", "TVN_1"})
        EXPECT_NE(written.find(std::string(" id=\"") + id + "\">"), std::string::npos) << id;
}

TEST(Footprint, ReadsRotationBeforeOriginAndPlacesLaterChildrenInSequenceOrder)
{
    const std::string path = outputPath("footprint-order-in.xml");
    writeFile(path, document("<Footprints><Footprint id=\"F\"><Name>F</Name><Rotation>90</Rotation>"
                             "<Origin>0,0</Origin></Footprint></Footprints>"));
    const View view = read(path, true);
    ASSERT_TRUE(view);
    IWJFootPrint* footprint = footprintNamed(view.get(), "F");
    ASSERT_TRUE(footprint);
    EXPECT_STREQ(footprint->rotation(), "90");
    EXPECT_STREQ(footprint->origin(), "0,0");
    footprint->addPin("P", nullptr, nullptr, nullptr, nullptr);
    footprint->setThickness("1.6");
    footprint->setWidth("4");
    footprint->setOrigin("1,1");
    EXPECT_EQ(footprintsOf(write(view.get(), "footprint-order-out.xml")), "  <Footprints>\n"
                                                                          "    <Footprint id=\"F\">\n"
                                                                          "      <Name>F</Name>\n"
                                                                          "      <Width>4</Width>\n"
                                                                          "      <Thickness>1.6</Thickness>\n"
                                                                          "      <Rotation>90</Rotation>\n"
                                                                          "      <Origin>1,1</Origin>\n"
                                                                          "      <Pins>\n"
                                                                          "        <Pin id=\"P\">\n"
                                                                          "          <Name>P</Name>\n"
                                                                          "        </Pin>\n"
                                                                          "      </Pins>\n"
                                                                          "    </Footprint>\n"
                                                                          "  </Footprints>\n"
                                                                          "</InterfaceExchangeSchema>\n");
}

TEST(Footprint, UnboundReadsWriteNothingBack)
{
    const View view = read(kEdgeCases, false);
    ASSERT_TRUE(view);
    IWJFootPrint* fp1 = footprintNamed(view.get(), "FP1");
    ASSERT_TRUE(fp1);
    fp1->setName("renamed");
    fp1->findPin("a1")->setLocation("9,9");
    fp1->addPin("NEW", "1,1", "P", "1", "square");
    IWJFootPrint* added = view->addFootprint("ADDED", "1", nullptr, nullptr, nullptr, nullptr);
    added->addPin("X", nullptr, nullptr, nullptr, nullptr);
    view->removeFootprint("FP2");
    EXPECT_STREQ(fp1->name(), "renamed");
    EXPECT_EQ(count(fp1->pins()), 4);
    EXPECT_EQ(count(view->footprints()), 2);
    EXPECT_EQ(readFile(write(view.get(), "footprint-unbound.xml")), readFile(kEdgeCases));
}

TEST(Footprint, RemoveFootprintTakesOutTheFirstOfThatExactName)
{
    const View view = read(kEdgeCases, true);
    ASSERT_TRUE(view);
    view->removeFootprint("fp1");
    view->removeFootprint(nullptr);
    view->removeFootprint("none");
    EXPECT_EQ(count(view->footprints()), 2);
    view->removeFootprint("FP1");
    EXPECT_EQ(count(view->footprints()), 1);
    EXPECT_FALSE(footprintNamed(view.get(), "FP1"));
    EXPECT_EQ(footprintsOf(write(view.get(), "footprint-removed.xml")), "  <Footprints>\n"
                                                                        "    <Footprint id=\"FP2\">\n"
                                                                        "      <Pins/>\n"
                                                                        "      <Name>FP2</Name>\n"
                                                                        "    </Footprint>\n"
                                                                        "  </Footprints>\n"
                                                                        "</InterfaceExchangeSchema>\n");

    // By the name it has now; of two alike, the one whose id comes first.
    view->footprints().value()->setName("MOVED");
    view->addFootprint("b", "2", nullptr, nullptr, nullptr, nullptr)->setName("SAME");
    view->addFootprint("a", "1", nullptr, nullptr, nullptr, nullptr)->setName("SAME");
    view->removeFootprint("FP2");
    view->removeFootprint("SAME");
    EXPECT_EQ(count(view->footprints()), 2);
    ASSERT_TRUE(footprintNamed(view.get(), "SAME"));
    EXPECT_STREQ(footprintNamed(view.get(), "SAME")->width(), "2");
    view->removeFootprint("MOVED");
    view->removeFootprint("SAME");
    EXPECT_EQ(count(view->footprints()), 0);
}

TEST(Footprint, ALaterFootprintOfTheSameIdHidesTheEarlierOne)
{
    const std::string path = outputPath("footprint-duplicate-ids.xml");
    writeFile(path, document("<Footprints><Footprint id=\"D\"><Name>first</Name><Pins><Pin id=\"P\"/></Pins>"
                             "</Footprint><Footprint id=\"D\"><Name>second</Name></Footprint></Footprints>"));
    for (const bool bind : {true, false}) {
        const View view = read(path, bind);
        ASSERT_TRUE(view);
        EXPECT_EQ(count(view->footprints()), 1);
        EXPECT_STREQ(view->footprints().value()->name(), "second");
        view->removeFootprint("first");
        view->removeFootprint("second");
        EXPECT_EQ(count(view->footprints()), 0);
    }
}
