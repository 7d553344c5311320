// The nine exported factories, called as a host calls them: with no parent
// and no element, each makes a working object of its class that knows no
// instance, footprint or view, keeps the seeds it is given as ids, and is
// deleted through its interface.

#include "TestSupport.h"

#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <gtest/gtest.h>

#include <functional>

using namespace testsupport;

namespace {

template <class Interface> std::function<std::string(IWJXMLObject*)> as(std::function<std::string(Interface*)> use)
{
    return [use](IWJXMLObject* object) {
        auto* typed = dynamic_cast<Interface*>(object);
        if (!typed)
            return std::string("not of the factory's class");
        const std::string seen = use(typed);
        delete typed;
        return seen;
    };
}

} // namespace

TEST(Factories, MakeLoneObjectsAHostCanUseAndDelete)
{
    struct Case {
        const char* factory;
        IWJXMLObject* (*make)(IWJXMLObject*, xercesc::DOMElement*);
        std::function<std::string(IWJXMLObject*)> use;
        const char* expected;
    };
    const Case cases[] = {
        {"port", CreateInterfacePortObject, as<IWJPort>([](IWJPort* port) {
             port->setName("LONE");
             port->setRange(0, 3);
             return std::string(port->fullName()) + std::to_string(port->msb()) + (port->compInst() ? " owned" : "");
         }),
         "LONE3"},
        {"differential port", CreateInterfaceDPPortObject, as<IWJPort>([](IWJPort* port) {
             port->setInstancePortName("DP");
             return std::string(port->fullName()) + " " + std::to_string(port->portKind());
         }),
         "DP 1"},
        {"port group", CreateInterfacePortGroupObject, as<IWJPortGroup>([](IWJPortGroup* group) {
             group->setVoltage("1.8V");
             return group->voltage() + std::string(group->busInterface() ? " owned" : "");
         }),
         "1.8V"},
        {"bus interface", CreateCompBusInterface, as<IWJCompBusInterface>([](IWJCompBusInterface* bus) {
             bus->setName("BUS");
             IWJPortGroup* group = bus->addPortGroup("3V3", IWJPortGroup::VoltageDefn, "3.3", 1, 1);
             return keys(bus->portGroups()) + group->fullName() + (bus->compInst() ? " owned" : "");
         }),
         "3V3 BUS.3V3"},
        {"instance", CreateInterfaceCompInst, as<IWJCompInst>([](IWJCompInst* inst) {
             inst->setCellName("CELL");
             IWJPort* port = inst->addPort("3V3", "", IWJPort::Power, 1, -1, -1);
             inst->addBusInterface("a b", "");
             const bool found = inst->findPortGroup("CELL.A B") == inst->busInterfaces().value();
             return keys(inst->ports()) + keys(inst->busInterfaces()) + port->fullName() +
                    (found ? "" : " group not found") + (inst->interfaceView() ? " in a view" : "");
         }),
         "3V3 a b CELL.3V3"},
        {"pin", CreateFootPrintPinObject, as<IWJFootPrintPin>([](IWJFootPrintPin* pin) {
             pin->setName("A1");
             pin->setLocation("1,2");
             return std::string(pin->name()) + " " + pin->location();
         }),
         "A1 1,2"},
        {"pin group", CreateFootPrintPinGroupObject,
         as<IWJFootPrintPinGroup>([](IWJFootPrintPinGroup* group) { return std::to_string(count(group->pins())); }),
         "0"},
        {"footprint", CreateFootPrintObject, as<IWJFootPrint>([](IWJFootPrint* footprint) {
             footprint->setName("FP");
             footprint->addPin("1", nullptr, nullptr, nullptr, nullptr);
             return std::string(footprint->name()) + " " + keys(footprint->pins());
         }),
         "FP 1 "},
        {"part map", CreatePartMapObject, as<IWJPartMap>([](IWJPartMap* partMap) {
             return std::string(partMap->compInst() || partMap->footprint() ? "refers" : "") +
                    std::to_string(count(partMap->portPinMaps()));
         }),
         "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.factory);
        IWJXMLObject* object = c.make(nullptr, nullptr);
        ASSERT_TRUE(object);
        EXPECT_EQ(c.use(object), c.expected);
    }
}

// The binder hands each finished object to its parent through AddChild, and
// a host may call it too: a parent takes only an object made under it, once.
TEST(Factories, AParentTakesOnlyWhatWasMadeUnderItAndOnlyOnce)
{
    const View view = create();
    const View other = create("other");
    IWJCompInst* u1 = view->addCompInst("C", "U1");
    IWJCompInst* u2 = view->addCompInst("C", "U2");
    IWJFootPrint* a = view->addFootprint("A", "", "", "", "", "");
    IWJFootPrint* b = view->addFootprint("B", "", "", "", "", "");
    IWJFootPrintPin* pin = a->addPin("1", nullptr, nullptr, nullptr, nullptr);
    IWJPort* port = u1->addPort("P", nullptr, IWJPort::Input, 1, -1, -1);
    IWJPortGroup* group = u1->addBusInterface("BUS", "")->addPortGroup("G", IWJPortGroup::Bus, nullptr, 0, 0);
    IWJCompBusInterface* bus2 = u2->addBusInterface("BUS2", "");
    IWJPartMap* partMap = view->addPartMap(a, u1);
    const auto object = [](auto* model) { return dynamic_cast<IWJXMLObject*>(model); };

    object(b)->AddChild(nullptr, object(pin));
    object(u2)->AddChild(nullptr, object(port));
    object(bus2)->AddChild(nullptr, object(group));
    object(other.get())->AddChild(nullptr, object(u1));
    object(view.get())->AddChild(nullptr, object(partMap));
    u1->removePort(port);
    object(u1)->AddChild(nullptr, object(port));
    object(u2)->AddChild(nullptr, CreateInterfacePortObject(object(u1), nullptr));
    EXPECT_EQ(a->findPin("1"), pin);
    EXPECT_EQ(count(b->pins()), 0);
    EXPECT_EQ(count(u1->ports()) + count(u2->ports()), 0);
    EXPECT_EQ(count(bus2->portGroups()), 0);
    EXPECT_EQ(count(other->compInsts()), 0);
    EXPECT_EQ(count(view->partMaps()), 1);

    IWJXMLObject* made = CreateFootPrintPinObject(object(b), nullptr);
    dynamic_cast<IWJFootPrintPin*>(made)->setName("2");
    object(b)->AddChild(nullptr, made);
    object(b)->AddChild(nullptr, made);
    EXPECT_EQ(object(b->findPin("2")), made);
    EXPECT_EQ(count(b->pins()), 1);
    IWJXMLObject* pinGroup = CreateFootPrintPinGroupObject(object(partMap), nullptr);
    object(partMap)->AddChild(nullptr, pinGroup);
    object(partMap)->AddChild(nullptr, pinGroup);
    CreateFootPrintPinObject(object(a), nullptr);
    EXPECT_EQ(count(a->pins()), 1) << "a pin never handed over is not filed, and is released with its footprint";
    IWJXMLObject* instance = CreateInterfaceCompInst(object(other.get()), nullptr);
    object(other.get())->AddChild(nullptr, instance);
    object(other.get())->AddChild(nullptr, instance);
    CreateInterfaceCompInst(object(other.get()), nullptr);
    CreateFootPrintObject(object(other.get()), nullptr);
    CreatePartMapObject(object(other.get()), nullptr);
    EXPECT_EQ(count(other->compInsts()), 1) << "an instance never handed over is released with its view";
    EXPECT_EQ(count(other->footprints()) + count(other->partMaps()), 0);
    IWJCompBusInterface* bus = u1->busInterfaces().value();
    auto* loose = dynamic_cast<IWJPortGroup*>(CreateInterfacePortGroupObject(object(bus), nullptr));
    bus2->insertPortGroup(loose);
    EXPECT_EQ(count(bus->portGroups()) + count(bus2->portGroups()), 1) << "another instance takes nothing";
    group->insertPortGroup(loose);
    EXPECT_EQ(count(group->portGroups()), 1) << "a group made under the instance is handed over, then moved";

    IWJXMLObject* lone = CreateInterfaceCompInst(nullptr, nullptr);
    dynamic_cast<IWJCompInst*>(lone)->addPort("Q", nullptr, IWJPort::Input, 1, -1, -1);
    IWJXMLObject* loneFootprint = CreateFootPrintObject(nullptr, nullptr);
    for (IWJXMLObject* joining : {lone, loneFootprint, lone, CreatePartMapObject(nullptr, nullptr)})
        object(other.get())->AddChild(nullptr, joining);
    object(view.get())->AddChild(nullptr, lone);
    object(view.get())->AddChild(nullptr, CreateInterfaceCompInst(object(other.get()), nullptr));
    EXPECT_EQ(other->compInsts().value(), dynamic_cast<IWJCompInst*>(lone))
        << "an object made under no parent joins the view it is handed to (displacing the one of its id)";
    EXPECT_EQ(count(other->footprints()) + count(other->partMaps()), 2);
    EXPECT_EQ(count(view->compInsts()), 2);
    EXPECT_EQ(dynamic_cast<IWJCompInst*>(lone)->interfaceView(), other.get());
}

template <class Interface> void deleteAs(IWJXMLObject* object)
{
    delete dynamic_cast<Interface*>(object);
}

// A factory object is its maker's until it is handed over: a host that
// deletes it leaves its parent, which releases the rest, unharmed.
TEST(Factories, AHostMayDeleteWhatItMadeBeforeHandingItOver)
{
    const View view = create();
    IWJCompInst* u1 = view->addCompInst("C", "U1");
    IWJCompBusInterface* bus = u1->addBusInterface("BUS", "");
    IWJPortGroup* group = bus->addPortGroup("G", IWJPortGroup::Bus, nullptr, 0, 0);
    IWJFootPrint* footprint = view->addFootprint("A", "", "", "", "", "");
    IWJPartMap* partMap = view->addPartMap(footprint, u1);
    const auto object = [](auto* model) { return dynamic_cast<IWJXMLObject*>(model); };
    struct Case {
        IWJXMLObject* (*make)(IWJXMLObject*, xercesc::DOMElement*);
        IWJXMLObject* parent;
        void (*remove)(IWJXMLObject*);
    };
    const Case cases[] = {
        {CreateInterfacePortObject, object(u1), deleteAs<IWJPort>},
        {CreateInterfaceDPPortObject, object(u1), deleteAs<IWJPort>},
        {CreateInterfacePortGroupObject, object(bus), deleteAs<IWJPortGroup>},
        {CreateInterfacePortGroupObject, object(group), deleteAs<IWJPortGroup>},
        {CreateCompBusInterface, object(u1), deleteAs<IWJCompBusInterface>},
        {CreateInterfaceCompInst, object(view.get()), deleteAs<IWJCompInst>},
        {CreateFootPrintPinObject, object(footprint), deleteAs<IWJFootPrintPin>},
        {CreateFootPrintPinGroupObject, object(partMap), deleteAs<IWJFootPrintPinGroup>},
        {CreateFootPrintObject, object(view.get()), deleteAs<IWJFootPrint>},
        {CreatePartMapObject, object(view.get()), deleteAs<IWJPartMap>},
    };
    for (const Case& c : cases) {
        IWJXMLObject* first = c.make(c.parent, nullptr);
        IWJXMLObject* second = c.make(c.parent, nullptr);
        c.remove(first);
        c.remove(second);
    }
    EXPECT_EQ(count(view->compInsts()) + count(view->footprints()) + count(view->partMaps()), 3);
    EXPECT_EQ(count(u1->ports()) + count(bus->portGroups()) + count(footprint->pins()), 1);
}

// A part map never handed over may be on an instance or a footprint that
// the view removes: it lets go of it and of its mappings on it.
TEST(Factories, APartMapNotHandedOverLetsGoOfWhatTheViewRemoves)
{
    for (const bool removeInstance : {true, false}) {
        const View view = create();
        IWJCompInst* u1 = view->addCompInst("C", "U1");
        IWJPort* port = u1->addPort("P", "", IWJPort::Inout, 1, -1, -1);
        IWJFootPrint* footprint = view->addFootprint("A", "", "", "", "", "");
        footprint->addPin("1", "", "", "", "");
        auto* partMap =
            dynamic_cast<IWJPartMap*>(CreatePartMapObject(dynamic_cast<IWJXMLObject*>(view.get()), nullptr));
        partMap->setCompInst(u1);
        partMap->setFootprint(footprint);
        partMap->mapPortToPinNames(port, {"1"}, -1);
        if (removeInstance)
            view->removeCompInst(u1);
        else
            view->removeFootprint("A");
        EXPECT_TRUE(removeInstance ? partMap->compInst() == nullptr : partMap->footprint() == nullptr);
        EXPECT_FALSE(partMap->portPinGroupMaps().isValid());
    }
}
