// The work of edits that once grew with the square of their count, counted
// rather than timed: it must grow no faster than the count.

#include "binding/CWJDOM2DesignData.h"
#include "flowreader/CWJInterfaceView.h"

#include "wjxmlinterfaceflowreader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Some growth beyond tenfold is allowed for the constant part of the work.
constexpr double kMostGrowth = 11.0;

struct Work {
    unsigned long long idCandidates;
    unsigned long long placementSteps;
};

// Adds count ports to one new instance; every second one is named SPARE.
Work addPorts(int count)
{
    CWJXMLFlowReader reader;
    std::unique_ptr<IWJInterfaceView> view(reader.CreateInterfaceView("tester", "2024-06-01T12:00:00", "growth"));
    auto* ours = dynamic_cast<CWJInterfaceView*>(view.get());
    IWJCompInst* instance = view->addCompInst("CELL", "U1");
    instance->addBusInterface("BUS", "a bus after the ports");
    const unsigned long long idsBefore = ours->ids().candidatesTried();
    const unsigned long long stepsBefore = getDesignData()->placementSteps;
    for (int i = 0; i < count; ++i) {
        const std::string name = i % 2 == 0 ? std::string("SPARE") : "SIG" + std::to_string(i);
        instance->addPort(name.c_str(), "", IWJPort::Inout, 1, 0, 3);
    }
    return {ours->ids().candidatesTried() - idsBefore, getDesignData()->placementSteps - stepsBefore};
}

} // namespace

TEST(WorkGrowth, SameNamedIdsTakeWorkInProportionToTheirCount)
{
    const Work few = addPorts(500);
    const Work many = addPorts(5000);
    // Each id is its name or the next suffix that is free: at most two
    // candidates per port, however many ports share the name.
    EXPECT_LE(many.idCandidates, 2u * 5000u);
    EXPECT_LE(static_cast<double>(many.idCandidates), kMostGrowth * static_cast<double>(few.idCandidates));
}

TEST(WorkGrowth, NewChildrenFindTheirPlaceInProportionToTheirCount)
{
    const Work few = addPorts(500);
    const Work many = addPorts(5000);
    EXPECT_GT(few.placementSteps, 0u);
    EXPECT_LE(static_cast<double>(many.placementSteps), kMostGrowth * static_cast<double>(few.placementSteps));
}

TEST(WorkGrowth, TheIdsAreThoseOfTheRule)
{
    CWJXMLFlowReader reader;
    std::unique_ptr<IWJInterfaceView> view(reader.CreateInterfaceView("tester", "2024-06-01T12:00:00", "ids"));
    auto* ours = dynamic_cast<CWJInterfaceView*>(view.get());
    EXPECT_STREQ(ours->ids().makeUniqueId("U1"), "U1");
    EXPECT_STREQ(ours->ids().makeUniqueId("U1"), "U1_1");
    EXPECT_STREQ(ours->ids().makeUniqueId("U1_2"), "U1_2");
    EXPECT_STREQ(ours->ids().makeUniqueId("U1"), "U1_3");
    EXPECT_STREQ(ours->ids().makeUniqueId("U1_1"), "U1_1_1");
    EXPECT_STREQ(ours->ids().makeUniqueId("U1"), "U1_4");
}
