// Long editing sessions: an edit undone leaves behind only what the
// interfaces promise to keep (a removed port's object, a pin group the part
// map made, ids that are never handed out again); the elements and texts it
// removed are reused by the next edit.

#include "FailingAllocator.h"

#include "wjxmlinterfaceflowreader.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Cycle {
    const char* name;
    // Bytes a cycle may leave behind; before elements were reused, each of
    // these cycles left more than twice as much.
    long long mostBytes;
    std::function<void(IWJInterfaceView&, IWJCompInst&, IWJFootPrint&, IWJPartMap&)> run;
};

TEST(EditGrowth, AnUndoneEditLeavesOnlyWhatTheInterfacesKeep)
{
    const std::vector<std::string> pins{"A1", "A2", "A3", "A4"};
    const std::vector<Cycle> cycles{
        {"addPort, removePort", 450,
         [](IWJInterfaceView&, IWJCompInst& instance, IWJFootPrint&, IWJPartMap&) {
             instance.removePort(instance.addPort("P", "", IWJPort::Inout, 1, -1, -1));
         }},
        {"mapPortToPinNames, unmapPort", 700,
         [&pins](IWJInterfaceView&, IWJCompInst& instance, IWJFootPrint&, IWJPartMap& partMap) {
             IWJPort* port = instance.findPort("D");
             partMap.mapPortToPinNames(port, pins, -1);
             partMap.unmapPort(port, -1);
         }},
        {"addFootprint, removeFootprint", 200,
         [](IWJInterfaceView& view, IWJCompInst&, IWJFootPrint&, IWJPartMap&) {
             view.addFootprint("SPARE", "1", "2", "3", "", "")->addPin("X1", "", "", "", "");
             view.removeFootprint("SPARE");
         }},
    };
    constexpr int kWarmUp = 200;
    constexpr int kMeasured = 4000;
    for (const Cycle& cycle : cycles) {
        SCOPED_TRACE(cycle.name);
        CWJXMLFlowReader reader;
        std::unique_ptr<IWJInterfaceView> view(reader.CreateInterfaceView("test", "2026-12-07T12:00:00", "cycles"));
        IWJCompInst* instance = view->addCompInst("CELL", "U1");
        instance->addPort("D", "", IWJPort::Inout, 1, -1, -1);
        IWJFootPrint* footprint = view->addFootprint("FP", "", "", "", "", "");
        for (const std::string& pin : pins)
            footprint->addPin(pin.c_str(), "", "", "", "");
        IWJPartMap* partMap = view->addPartMap(footprint, instance);
        for (int i = 0; i < kWarmUp; ++i)
            cycle.run(*view, *instance, *footprint, *partMap);
        const long long before = failingallocator::liveBytes();
        for (int i = 0; i < kMeasured; ++i)
            cycle.run(*view, *instance, *footprint, *partMap);
        const long long perCycle = (failingallocator::liveBytes() - before) / kMeasured;
        RecordProperty(cycle.name, std::to_string(perCycle));
        EXPECT_LE(perCycle, cycle.mostBytes);
    }
}

} // namespace

// Objects made under no parent and handed to a view are the view's: deleting
// the view gives back all the memory they took.
TEST(EditGrowth, AViewReleasesTheLoneObjectsHandedToIt)
{
    const auto session = [] {
        CWJXMLFlowReader reader;
        std::unique_ptr<IWJInterfaceView> view(reader.CreateInterfaceView("test", "2026-12-07T12:00:00", "lone"));
        auto* asObject = dynamic_cast<IWJXMLObject*>(view.get());
        for (IWJXMLObject* lone : {CreateInterfaceCompInst(nullptr, nullptr), CreateFootPrintObject(nullptr, nullptr),
                                   CreatePartMapObject(nullptr, nullptr)})
            asObject->AddChild(nullptr, lone);
    };
    session();
    const long long before = failingallocator::liveBytes();
    session();
    EXPECT_EQ(failingallocator::liveBytes(), before);
}
