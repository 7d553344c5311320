#include "TestSupport.h"

#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <gtest/gtest.h>

#include <xercesc/dom/DOM.hpp>

using namespace testsupport;

namespace {

const std::string kEdgeCases = sourcePath("tests/data/valid/footprint-edge-cases.xml");

// A design with one footprint F holding the given pins.
std::string pinsFile(const std::string& name, const std::string& pins)
{
    return writeInput(name, document("<Footprints><Footprint id=\"F\"><Name>F</Name><Pins>" + pins +
                                     "</Pins></Footprint></Footprints>"));
}

} // namespace

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
    const std::string written = readFile(write(view.get(), "footprint-ids.xml"));
    for (const char* id : {"FP1_1", "FP1_A1_1", "FP1_A1_2", "TVN_1"})
        EXPECT_NE(written.find(std::string(" id=\"") + id + "\">"), std::string::npos) << id;
}

TEST(Footprint, UnboundReadsWriteNothingBack)
{
    const View view = read(kEdgeCases, false);
    ASSERT_TRUE(view);
    IWJFootPrint* fp1 = valueAt(view->footprints(), "FP1");
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

TEST(Footprint, ALaterFootprintOfTheSameIdHidesTheEarlierOne)
{
    const std::string path =
        writeInput("footprint-duplicate-ids.xml",
                   document("<Footprints><Footprint id=\"D\"><Name>first</Name><Pins><Pin id=\"P\"/></Pins>"
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

// A removal goes by the name a footprint has now, exactly; of two alike, the
// one whose id comes first goes.
TEST(Footprint, RemoveFootprintGoesByTheCurrentNameAndTheFirstIdOfTwoAlike)
{
    const View view = read(kEdgeCases, true);
    ASSERT_TRUE(view);
    valueAt(view->footprints(), "FP1")->setName("MOVED");
    view->addFootprint("b", "2", nullptr, nullptr, nullptr, nullptr)->setName("SAME");
    view->addFootprint("a", "1", nullptr, nullptr, nullptr, nullptr)->setName("SAME");
    for (const char* name : {"FP1", "fp2", "FP2", "SAME"})
        view->removeFootprint(name);
    EXPECT_EQ(keys(view->footprints()), "FP1 b ");
    EXPECT_STREQ(valueAt(view->footprints(), "b")->width(), "2");
    view->removeFootprint("MOVED");
    view->removeFootprint("SAME");
    EXPECT_EQ(count(view->footprints()), 0);
}

TEST(FootprintPin, FindPinIgnoresCaseButNeverMatchesAnId)
{
    const std::string pins = "<Pin id=\"b\"><Name>abc</Name></Pin><Pin id=\"B\"><Name>ABC</Name></Pin>"
                             "<Pin id=\"a\"><Name>x</Name></Pin><Pin id=\"A\"/>";
    const View view = read(pinsFile("pin-names.xml", pins), false);
    ASSERT_TRUE(view);
    IWJFootPrint* footprint = view->footprints().value();
    EXPECT_EQ(keys(footprint->pins()), "A B a b ");
    for (const char* spelling : {"abc", "ABC", "aBc"})
        EXPECT_STREQ(footprint->findPin(spelling)->name(), "ABC") << spelling;
    EXPECT_STREQ(footprint->findPin("X")->name(), "x");
    EXPECT_EQ(footprint->findPin("b"), nullptr);
    EXPECT_STREQ(footprint->findPin("")->name(), "");
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

// A pin group read from a file takes its pin references by exact id, once
// each, in id order, and skips what names no pin; it finds pins by name in
// any case, the last filed of two names differing only in case.
TEST(FootprintPinGroup, ResolvesPinRefsByExactIdAndFindsPinsByName)
{
    const std::string pins = "<Pin id=\"c3\"><Name>c3</Name></Pin><Pin id=\"a1\"><Name>a1</Name></Pin>"
                             "<Pin id=\"B2\"><Name>B2</Name></Pin><Pin id=\"b2\"><Name>b2</Name></Pin>";
    const std::string refs = "<PinRef ref=\"c3\"/><PinRef ref=\"a1\"/><PinRef ref=\"A1\"/><PinRef ref=\"missing\"/>"
                             "<PinRef ref=\"\"/><PinRef ref=\"a1\"/>";
    const View view =
        read(writeDocument("pin-group-refs.xml",
                           "<CompInsts><CompInst id=\"U1\"><Ports><Port id=\"P\"><Name>P</Name></Port>"
                           "</Ports></CompInst></CompInsts><Footprints><Footprint id=\"F\"><Name>F</Name><Pins>" +
                               pins +
                               "</Pins></Footprint></Footprints><PartMaps><PartMap>"
                               "<CompInstRef ref=\"U1\"/><PartDefRef ref=\"F\"/><PortMaps><PortMap>"
                               "<PortRefNoRange ref=\"P\"/><PinGroup>" +
                               refs +
                               "</PinGroup></PortMap><PortMap><PortRefNoRange ref=\"P\"><Bit>0</Bit>"
                               "</PortRefNoRange><PinGroup><PinRef ref=\"B2\"/><PinRef ref=\"b2\"/>"
                               "</PinGroup></PortMap></PortMaps></PartMap></PartMaps>"),
             true);
    ASSERT_TRUE(view);
    IWJPartMap* map = view->partMaps().value();
    IWJPort* port = view->compInsts().value()->findPort("P");
    IWJFootPrintPinGroup* group = map->pinGroupForPort(port, -1);
    ASSERT_TRUE(group);
    group->addPin(nullptr);
    EXPECT_EQ(keys(group->pins()), "a1 c3 ");
    EXPECT_EQ(group->findPin("A1"), map->footprint()->findPin("a1"));
    EXPECT_EQ(group->findPin("b2"), nullptr);
    IWJFootPrintPinGroup* twins = map->pinGroupForPort(port, 0);
    ASSERT_TRUE(twins);
    EXPECT_EQ(keys(twins->pins()), "B2 b2 ");
    EXPECT_STREQ(twins->findPin("B2")->name(), "b2");
}
