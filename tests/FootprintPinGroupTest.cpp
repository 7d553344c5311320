#include "TestSupport.h"

#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace testsupport;

namespace {

// A part map that only knows its footprint: what a pin group resolves its
// pin references against.
class FootprintOnlyPartMap : public IWJPartMap, public IWJXMLObject {
public:
    explicit FootprintOnlyPartMap(IWJFootPrint* footprint) : IWJXMLObject(nullptr), m_footprint(footprint) {}

    IWJFootPrint* footprint() const override { return m_footprint; }
    IWJCompInst* compInst() const override { return nullptr; }
    void setFootprint(IWJFootPrint*) override {}
    void setCompInst(IWJCompInst*) override {}
    void mapPortToPinNames(IWJPort*, const std::vector<std::string>&, int) override {}
    void mapPortToPinName(IWJPort*, const char*, int) override {}
    void mapPortToPinGroup(IWJPort*, IWJFootPrintPinGroup*, int) override {}
    void mapPortToPin(IWJPort*, IWJFootPrintPin*, int) override {}
    void unmapPort(IWJPort*, int) override {}
    void mapPortGroupToPinNames(IWJPortGroup*, const std::vector<std::string>&) override {}
    void mapPortGroupToPinGroup(IWJPortGroup*, IWJFootPrintPinGroup*) override {}
    void unmapPortGroup(IWJPortGroup*) override {}
    IWJFootPrintPin* pinForPort(IWJPort*, int) override { return nullptr; }
    IWJFootPrintPinGroup* pinGroupForPortGroup(IWJPortGroup*) override { return nullptr; }
    IWJFootPrintPinGroup* pinGroupForPort(IWJPort*, int) override { return nullptr; }
    CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPin*> portPinMaps() override { return {}; }
    CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPinGroup*> portPinGroupMaps() override { return {}; }
    CInterfaceObjectMapIterator<IWJPortGroup*, IWJFootPrintPinGroup*> portGroupPinGroupMaps() override { return {}; }
    IWJPortRef* findPortRef(IWJPort*, int) override { return nullptr; }

private:
    IWJFootPrint* m_footprint;
};

struct GroupDeleter {
    void operator()(IWJFootPrintPinGroup* group) const { delete group; }
};
using Group = std::unique_ptr<IWJFootPrintPinGroup, GroupDeleter>;

// A group made as the reader makes one, with parent as its parent object.
Group makeGroup(IWJXMLObject* parent)
{
    return Group(dynamic_cast<IWJFootPrintPinGroup*>(CreateFootPrintPinGroupObject(parent, nullptr)));
}

// Feeds the group one "PinRef" reference, as reading a PinGroup element does.
void pinRef(IWJFootPrintPinGroup* group, const char* ref)
{
    dynamic_cast<IWJXMLObject*>(group)->SetAttribute("PinRef:ref", ref);
}

std::vector<std::string> pinIds(IWJFootPrintPinGroup* group)
{
    std::vector<std::string> ids;
    for (auto walk = group->pins(); walk.isValid(); ++walk) {
        EXPECT_TRUE(walk.value());
        ids.push_back(walk.key());
    }
    return ids;
}

class FootprintPinGroup : public ::testing::Test {
protected:
    FootprintPinGroup()
        : view(create()), footprint(view->addFootprint("FP", nullptr, nullptr, nullptr, nullptr, nullptr)),
          partMap(footprint)
    {
        for (const char* name : {"c3", "a1", "B2", "b2"})
            footprint->addPin(name, nullptr, nullptr, nullptr, nullptr);
    }

    View view;
    IWJFootPrint* footprint;
    FootprintOnlyPartMap partMap;
};

} // namespace

TEST_F(FootprintPinGroup, ResolvesPinRefsByExactIdInIdOrder)
{
    const Group group = makeGroup(&partMap);
    for (const char* ref : {"c3", "a1", "A1", "missing", "", "a1"})
        pinRef(group.get(), ref);
    EXPECT_EQ(pinIds(group.get()), (std::vector<std::string>{"a1", "c3"}));
    EXPECT_EQ(group->findPin("A1"), footprint->findPin("a1"));
    EXPECT_EQ(group->findPin("b2"), nullptr);
}

TEST_F(FootprintPinGroup, TheLastOfTwoNamesDifferingInCaseIsFoundByName)
{
    const Group group = makeGroup(&partMap);
    pinRef(group.get(), "B2");
    pinRef(group.get(), "b2");
    EXPECT_EQ(pinIds(group.get()), (std::vector<std::string>{"B2", "b2"}));
    EXPECT_STREQ(group->findPin("B2")->name(), "b2");
}

TEST_F(FootprintPinGroup, AddsNothingWithoutAPinToAdd)
{
    FootprintOnlyPartMap noFootprint(nullptr);
    IWJXMLObject* notAPartMap = dynamic_cast<IWJXMLObject*>(view.get());
    for (IWJXMLObject* parent :
         {static_cast<IWJXMLObject*>(&noFootprint), notAPartMap, static_cast<IWJXMLObject*>(nullptr)}) {
        const Group group = makeGroup(parent);
        pinRef(group.get(), "a1");
        group->addPin(nullptr);
        EXPECT_FALSE(group->pins().isValid());
    }
}
