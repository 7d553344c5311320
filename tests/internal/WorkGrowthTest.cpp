// The work of edits that once grew with the square of their count, counted
// rather than timed: it must grow no faster than the count.

#include "binding/CWJDOM2DesignData.h"
#include "components/CWJPortGroupContainer.h"
#include "flowreader/CWJInterfaceView.h"

#include "wjxmlinterfaceflowreader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

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

// What the document's searches and placements cost on this thread so far.
unsigned long long documentSteps()
{
    return getDesignData()->placementSteps + getDesignData()->searchSteps;
}

// Maps each of count ports, a quarter of them in a group, onto a pin of its
// own, then removes every second port: the document's steps of each.
std::vector<unsigned long long> mapThenRemovePorts(int count)
{
    CWJXMLFlowReader reader;
    std::unique_ptr<IWJInterfaceView> view(reader.CreateInterfaceView("tester", "2024-06-01T12:00:00", "growth"));
    IWJCompInst* instance = view->addCompInst("CELL", "U1");
    IWJFootPrint* footprint = view->addFootprint("FP", "", "", "", "", "");
    IWJPortGroup* group = instance->addBusInterface("BUS", "")->addPortGroup("G", IWJPortGroup::Bus, "", 0, 0);
    std::vector<IWJPort*> ports;
    std::vector<IWJFootPrintPin*> pins;
    for (int i = 0; i < count; ++i) {
        ports.push_back(instance->addPort(("P" + std::to_string(i)).c_str(), "", IWJPort::Inout, 1, -1, -1));
        pins.push_back(footprint->addPin(("A" + std::to_string(i)).c_str(), "", "", "", ""));
        if (i % 4 == 0)
            group->addPortRef(ports.back(), -1, -1);
    }
    IWJPartMap* partMap = view->addPartMap(footprint, instance);
    const unsigned long long before = documentSteps();
    for (std::size_t i = 0; i < ports.size(); ++i)
        partMap->mapPortToPin(ports[i], pins[i], -1);
    const unsigned long long mapped = documentSteps();
    for (std::size_t i = 0; i < ports.size(); i += 2)
        instance->removePort(ports[i]);
    return {mapped - before, documentSteps() - mapped};
}

// Writes a bus interface with count ranged references, to one port or each
// to a port of its own, reads the file back bound and returns the listings
// the read looked at.
unsigned long long readPortRefs(int count, bool onePort)
{
    const std::string file = ::testing::TempDir() + "growth_refs.xml";
    {
        CWJXMLFlowReader reader;
        std::unique_ptr<IWJInterfaceView> view(reader.CreateInterfaceView("tester", "2024-06-01T12:00:00", "growth"));
        IWJCompInst* instance = view->addCompInst("CELL", "U1");
        IWJCompBusInterface* bus = instance->addBusInterface("BUS", "");
        IWJPort* shared = instance->addPort("D", "", IWJPort::Inout, 1, 7, 0);
        for (int i = 0; i < count; ++i) {
            IWJPort* port =
                onePort ? shared : instance->addPort(("D" + std::to_string(i)).c_str(), "", IWJPort::Inout, 1, 7, 0);
            bus->addPortRef(port, i % 8, i % 8);
        }
        CWJXMLFlowReader(view.get()).writeXMLFile(file.c_str());
    }
    CWJXMLFlowReader reader;
    const unsigned long long before = CWJPortGroupContainer::listingSteps;
    reader.readFlowXML(file.c_str(), true);
    std::unique_ptr<IWJInterfaceView> view(reader.getInterfaceView());
    std::remove(file.c_str());
    EXPECT_NE(view, nullptr) << reader.lastError();
    return CWJPortGroupContainer::listingSteps - before;
}

} // namespace

TEST(WorkGrowth, ReferencesToOnePortReadWithWorkInProportionToTheirCount)
{
    for (const bool onePort : {true, false}) {
        SCOPED_TRACE(onePort ? "one port" : "a port each");
        const unsigned long long few = readPortRefs(2000, onePort);
        const unsigned long long many = readPortRefs(8000, onePort);
        EXPECT_GT(few, 0u);
        EXPECT_LE(static_cast<double>(many), 4.4 * static_cast<double>(few));
    }
}

TEST(WorkGrowth, MappingAndRemovingPortsTakeWorkInProportionToTheirCount)
{
    const std::vector<unsigned long long> few = mapThenRemovePorts(500);
    const std::vector<unsigned long long> many = mapThenRemovePorts(5000);
    // A removal may search nothing at all: a step per port of the small run
    // is allowed on top.
    for (std::size_t edit = 0; edit < few.size(); ++edit) {
        SCOPED_TRACE(edit == 0 ? "mapping" : "removing");
        EXPECT_LE(static_cast<double>(many[edit]), kMostGrowth * static_cast<double>(few[edit] + 500));
    }
}

TEST(WorkGrowth, SameNamedIdsAndNewChildrenTakeWorkInProportionToTheirCount)
{
    const Work few = addPorts(500);
    const Work many = addPorts(5000);
    // Each id is its name or the next suffix that is free: at most two
    // candidates per port, however many ports share the name.
    EXPECT_LE(many.idCandidates, 2u * 5000u);
    EXPECT_LE(static_cast<double>(many.idCandidates), kMostGrowth * static_cast<double>(few.idCandidates));
    EXPECT_GT(few.placementSteps, 0u);
    EXPECT_LE(static_cast<double>(many.placementSteps), kMostGrowth * static_cast<double>(few.placementSteps));
}
