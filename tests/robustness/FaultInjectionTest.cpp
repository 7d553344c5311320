// Every operation is run with its 1st, 2nd, ... allocation failing, until it
// needs fewer allocations than that: each attempt must end normally, with the
// operation done or "out of memory" said, and the reader must work afterwards.

#include "DesignEdits.h"
#include "FailingAllocator.h"
#include "TestSupport.h"
#include "model/DesignRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testsupport;

namespace {

const std::string kOutOfMemory = "out of memory";

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Calls attempt(k) for k = 1, 2, ... with the k-th allocation of its armed
// part failing, until an attempt ends before its k-th allocation.
template <class Attempt> void sweep(Attempt attempt)
{
    for (long long k = 1; !testing::Test::HasFailure(); ++k) {
        SCOPED_TRACE("allocation " + std::to_string(k) + " fails");
        if (!attempt(k))
            return;
    }
}

// A design with an object of every kind, as the library writes it; a file
// per test, as ctest runs the tests side by side.
const std::string& editedDesign()
{
    static const std::string path = [] {
        View view = read(sourcePath("tests/data/valid/minimal.xml"), true);
        editDesign(view.get());
        const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        return write(view.get(), "fault-edited-" + test + ".xml");
    }();
    return path;
}

// A design whose edit failed is refused at save for lack of memory; any
// other is saved as expected.
void expectSavedOrRefused(IWJInterfaceView* view, const char* name, const std::string& expected)
{
    const std::string path = outputPath(name);
    CWJXMLFlowReader writer(view);
    writer.writeXMLFile(path.c_str());
    if (*writer.lastError())
        EXPECT_TRUE(endsWith(writer.lastError(), kOutOfMemory)) << writer.lastError();
    else
        EXPECT_EQ(readFile(path), expected);
}

TEST(AllocationFaults, AReadHoldsTheWholeFileOrSaysOutOfMemory)
{
    const std::string expected = DesignRecords(read(editedDesign(), true).get()).text();
    CWJXMLFlowReader reader;
    sweep([&](long long k) {
        failingallocator::arm(k);
        reader.readFlowXML(editedDesign().c_str(), true);
        const bool failed = failingallocator::disarm();
        if (View view{reader.getInterfaceView()})
            EXPECT_EQ(DesignRecords(view.get()).text(), expected);
        else
            EXPECT_TRUE(endsWith(reader.lastError(), kOutOfMemory)) << reader.lastError();
        reader.readFlowXML(editedDesign().c_str(), true);
        View again{reader.getInterfaceView()};
        EXPECT_TRUE(again && DesignRecords(again.get()).text() == expected) << reader.lastError();
        return failed;
    });
}

TEST(AllocationFaults, AFailedEditStopsEverySaveOfTheDesign)
{
    const std::string expected = readFile(editedDesign());
    sweep([&](long long k) {
        View view = read(sourcePath("tests/data/valid/minimal.xml"), true);
        failingallocator::arm(k);
        editDesign(view.get());
        const bool failed = failingallocator::disarm();
        expectSavedOrRefused(view.get(), "fault-edit.xml", expected);
        return failed;
    });
}

// The objects of the edited design that the lookups below start from.
struct Found {
    IWJInterfaceView* view;
    IWJCompInst* compInst;
    IWJCompBusInterface* bus;
    IWJPortGroup* group;
    IWJPort* port;
    IWJPortRef* ref;
    IWJFootPrint* footprint;
    IWJPartMap* partMap;
    IWJFootPrintPinGroup* pinGroup;
};

Found find(IWJInterfaceView* view)
{
    IWJCompInst* compInst = valueAt(view->compInsts(), "U9");
    IWJPortGroup* group = compInst->findPortGroup("CELL.BUS.LANE");
    IWJPartMap* partMap = view->findPartMap(compInst);
    return {view,
            compInst,
            valueAt(compInst->busInterfaces(), "BUS"),
            group,
            compInst->findPort("CLK"),
            group->portRefs().value(),
            partMap->footprint(),
            partMap,
            partMap->pinGroupForPortGroup(group)};
}

TEST(AllocationFaults, AFailedLookupKeepsTheDesignSaveable)
{
    const std::string expected = DesignRecords(read(editedDesign(), true).get()).text();
    using LookUp = void (*)(const Found&);
    const std::vector<std::pair<const char*, LookUp>> lookups{
        {"compInsts", [](const Found& f) { f.view->compInsts(); }},
        {"footprints", [](const Found& f) { f.view->footprints(); }},
        {"partMaps", [](const Found& f) { f.view->partMaps(); }},
        {"ports", [](const Found& f) { f.compInst->ports(); }},
        {"findPort", [](const Found& f) { f.compInst->findPort("CLK"); }},
        {"differentialPorts", [](const Found& f) { f.compInst->differentialPorts(); }},
        {"findDifferentialPort", [](const Found& f) { f.compInst->findDifferentialPort("PAIR"); }},
        {"busInterfaces", [](const Found& f) { f.compInst->busInterfaces(); }},
        {"findPortGroup", [](const Found& f) { f.compInst->findPortGroup("CELL.BUS.LANE.POWER"); }},
        {"group portRefs", [](const Found& f) { f.group->portRefs(); }},
        {"group differentialPorts", [](const Found& f) { f.group->differentialPorts(); }},
        {"group portGroups", [](const Found& f) { f.group->portGroups(); }},
        {"group findPortGroup", [](const Found& f) { f.bus->findPortGroup("LANE.POWER"); }},
        {"fullNames", [](const Found& f) { f.group->fullName(), f.bus->fullName(), f.port->fullName(); }},
        {"portRef name", [](const Found& f) { f.ref->name(); }},
        {"pins", [](const Found& f) { f.footprint->pins(); }},
        {"findPin", [](const Found& f) { f.footprint->findPin("A2"); }},
        {"pin group", [](const Found& f) { f.pinGroup->pins(), f.pinGroup->findPin("A1"); }},
        {"portPinMaps", [](const Found& f) { f.partMap->portPinMaps(); }},
        {"portPinGroupMaps", [](const Found& f) { f.partMap->portPinGroupMaps(); }},
        {"portGroupPinGroupMaps", [](const Found& f) { f.partMap->portGroupPinGroupMaps(); }},
        {"mapped pins", [](const Found& f) { f.partMap->pinForPort(f.port, -1), f.partMap->findPortRef(f.port, -1); }},
        {"pinGroupForPort", [](const Found& f) { f.partMap->pinGroupForPort(f.port, -1); }},
    };
    for (const auto& [name, lookUp] : lookups) {
        SCOPED_TRACE(name);
        sweep([&, lookUp = lookUp](long long k) {
            View view = read(editedDesign(), true);
            const Found found = find(view.get());
            failingallocator::arm(k);
            lookUp(found);
            const bool failed = failingallocator::disarm();
            EXPECT_EQ(DesignRecords(read(write(view.get(), "fault-lookup.xml"), true).get()).text(), expected);
            return failed;
        });
    }
}

// A host's change of a reference that a group or a part map keeps in its
// element goes through that holder, whose failure stops every save.
TEST(AllocationFaults, AFailedReferenceChangeStopsEverySaveOfTheDesign)
{
    // What it changes is found before any allocation fails.
    const auto changeIn = [](IWJInterfaceView* view) {
        const Found f = find(view);
        IWJPortRef* mapped = f.partMap->findPortRef(f.port, -1);
        IWJPort* data = f.compInst->findPort("D");
        return [ref = f.ref, mapped, data] {
            ref->setRange(2, 3);
            mapped->setPort(data);
        };
    };
    const View edited = read(editedDesign(), true);
    changeIn(edited.get())();
    const std::string expected = readFile(write(edited.get(), "fault-reference-expected.xml"));
    sweep([&](long long k) {
        View view = read(editedDesign(), true);
        const auto change = changeIn(view.get());
        failingallocator::arm(k);
        change();
        const bool failed = failingallocator::disarm();
        expectSavedOrRefused(view.get(), "fault-reference.xml", expected);
        return failed;
    });
}

TEST(AllocationFaults, AFailedSaveKeepsTheOldFile)
{
    const std::string path = outputPath("fault-save.xml");
    const std::string old = readFile(sourcePath("tests/data/valid/minimal.xml"));
    CWJXMLFlowReader reader;
    reader.readFlowXML(editedDesign().c_str(), true);
    View view{reader.getInterfaceView()};
    sweep([&](long long k) {
        writeFile(path, old);
        failingallocator::arm(k);
        reader.writeXMLFile(path.c_str());
        const bool failed = failingallocator::disarm();
        if (*reader.lastError()) {
            EXPECT_TRUE(endsWith(reader.lastError(), kOutOfMemory)) << reader.lastError();
            EXPECT_EQ(readFile(path), old);
        } else {
            EXPECT_EQ(readFile(path), readFile(editedDesign()));
        }
        return failed;
    });
}

TEST(AllocationFaults, MakingAndDeletingADesignEndNormally)
{
    sweep([&](long long k) {
        CWJXMLFlowReader reader;
        reader.readFlowXML(editedDesign().c_str(), true);
        IWJInterfaceView* read = reader.getInterfaceView();
        failingallocator::arm(k);
        delete read;
        CWJXMLFlowReader creator;
        View created{creator.CreateInterfaceView("tester", "2026-12-07T00:00:00", "made")};
        const bool failed = failingallocator::disarm();
        EXPECT_EQ(reader.getInterfaceView(), nullptr);
        reader.writeXMLFile(outputPath("fault-deleted.xml").c_str());
        EXPECT_TRUE(endsWith(reader.lastError(), "there is no design to write")) << reader.lastError();
        EXPECT_TRUE(created || creator.lastError() == kOutOfMemory) << creator.lastError();
        return failed;
    });
}

} // namespace
