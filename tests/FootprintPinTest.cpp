#include "TestSupport.h"

#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <gtest/gtest.h>

#include <xercesc/dom/DOM.hpp>

#include <vector>

using namespace testsupport;

namespace {

// A design with one footprint F holding the given pins.
std::string pinsFile(const std::string& name, const std::string& pins)
{
    const std::string path = outputPath(name);
    writeFile(path, document("  <Footprints>\n    <Footprint id=\"F\">\n      <Name>F</Name>\n      <Pins>\n" + pins +
                             "      </Pins>\n    </Footprint>\n  </Footprints>"));
    return path;
}

IWJFootPrint* onlyFootprint(IWJInterfaceView* view)
{
    auto walk = view->footprints();
    return walk.isValid() ? walk.value() : nullptr;
}

std::vector<std::string> pinIds(IWJFootPrint* footprint)
{
    std::vector<std::string> ids;
    for (auto walk = footprint->pins(); walk.isValid(); ++walk)
        ids.push_back(walk.key());
    return ids;
}

const char kXYPin[] = "        <Pin id=\"P\">\n"
                      "          <Name>P</Name>\n"
                      "          <XY>1,2</XY>\n"
                      "          <Padstack>PAD</Padstack>\n"
                      "        </Pin>\n";

} // namespace

TEST(FootprintPin, AddPinWritesEachGivenPropertyAndReusesThePinsContainer)
{
    const View view = create();
    IWJFootPrint* footprint = view->addFootprint("FP", nullptr, nullptr, nullptr, nullptr, nullptr);
    IWJFootPrintPin* full = footprint->addPin("A1", "1,1", "PAD", "0.4", "circle");
    footprint->addPin("A1", nullptr, nullptr, nullptr, nullptr);
    EXPECT_STREQ(full->location(), "1,1");
    EXPECT_EQ(readFrom(write(view.get(), "pin-add.xml"), "  <Footprints"), "  <Footprints>\n"
                                                                           "    <Footprint id=\"FP\">\n"
                                                                           "      <Name>FP</Name>\n"
                                                                           "      <Pins>\n"
                                                                           "        <Pin id=\"A1\">\n"
                                                                           "          <Name>A1</Name>\n"
                                                                           "          <Location>1,1</Location>\n"
                                                                           "          <Padstack>PAD</Padstack>\n"
                                                                           "          <Size>0.4</Size>\n"
                                                                           "          <Shape>circle</Shape>\n"
                                                                           "        </Pin>\n"
                                                                           "        <Pin id=\"A1_1\">\n"
                                                                           "          <Name>A1</Name>\n"
                                                                           "        </Pin>\n"
                                                                           "      </Pins>\n"
                                                                           "    </Footprint>\n"
                                                                           "  </Footprints>\n"
                                                                           "</InterfaceExchangeSchema>\n");
}

TEST(FootprintPin, FindPinIgnoresCaseButNeverMatchesAnId)
{
    const std::string pins = "<Pin id=\"b\"><Name>abc</Name></Pin><Pin id=\"B\"><Name>ABC</Name></Pin>"
                             "<Pin id=\"a\"><Name>x</Name></Pin><Pin id=\"A\"/>";
    const View view = read(pinsFile("pin-names.xml", pins), false);
    ASSERT_TRUE(view);
    IWJFootPrint* footprint = onlyFootprint(view.get());
    ASSERT_TRUE(footprint);
    EXPECT_EQ(pinIds(footprint), (std::vector<std::string>{"A", "B", "a", "b"}));
    for (const char* spelling : {"abc", "ABC", "aBc"})
        EXPECT_STREQ(footprint->findPin(spelling)->name(), "ABC") << spelling;
    EXPECT_STREQ(footprint->findPin("X")->name(), "x");
    EXPECT_EQ(footprint->findPin("b"), nullptr);
    EXPECT_STREQ(footprint->findPin("")->name(), "");
}

TEST(FootprintPin, ALaterPinOfTheSameIdHidesTheEarlierOne)
{
    const View view = read(pinsFile("pin-duplicate-ids.xml", "<Pin id=\"P\"><Name>first</Name></Pin>"
                                                             "<Pin id=\"P\"><Name>second</Name></Pin>"),
                           true);
    ASSERT_TRUE(view);
    IWJFootPrint* footprint = onlyFootprint(view.get());
    EXPECT_EQ(count(footprint->pins()), 1);
    EXPECT_STREQ(footprint->pins().value()->name(), "second");
    EXPECT_STREQ(footprint->findPin("first")->name(), "first");
}

TEST(FootprintPin, SetLocationOnAnXYPinUpdatesBothAndSurvivesAReload)
{
    const View view = read(pinsFile("pin-xy-edit.xml", kXYPin), true);
    ASSERT_TRUE(view);
    onlyFootprint(view.get())->findPin("P")->setLocation("7,8");
    const std::string path = write(view.get(), "pin-xy-edit-out.xml");
    EXPECT_NE(readFile(path).find("          <XY>7,8</XY>\n"
                                  "          <Location>7,8</Location>\n"
                                  "          <Padstack>PAD</Padstack>\n"),
              std::string::npos);
    const View again = read(path, false);
    ASSERT_TRUE(again);
    EXPECT_STREQ(onlyFootprint(again.get())->findPin("P")->location(), "7,8");
}

TEST(FootprintPin, APinWithoutAFootprintKeepsItsIdText)
{
    // A bound read makes the factories bind the objects they make.
    read(pinsFile("pin-bind.xml", ""), true);
    xercesc::DOMImplementation* dom = xercesc::DOMImplementationRegistry::getDOMImplementation(u"LS");
    xercesc::DOMDocument* document = dom->createDocument(nullptr, u"Pin", nullptr);
    IWJXMLObject* object = CreateFootPrintPinObject(nullptr, document->getDocumentElement());
    ASSERT_TRUE(object);
    object->SetAttribute("id", "not an id");
    EXPECT_EQ(std::u16string(document->getDocumentElement()->getAttribute(u"id")), u"not an id");
    delete dynamic_cast<IWJFootPrintPin*>(object);
    document->release();
}
