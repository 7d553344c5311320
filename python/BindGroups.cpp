#include "Bindings.h"
#include "ClassHelpers.h"
#include "KeyedView.h"
#include "PortChecks.h"
#include "Words.h"
#include "Wrap.h"

namespace py = pybind11;

namespace {

// "FPGA.DDR" for a message.
std::string groupName(IWJPortGroup* group)
{
    return "\"" + messageText(group->fullName()) + "\"";
}

// What port groups and bus interfaces share; H is the handle of either.
template <class H, class... Options> void bindGroupOperations(py::class_<H, Options...>& cls)
{
    addTextProperty(cls, "name", &IWJPortGroup::name, &IWJPortGroup::setName, "The name; setting it keeps the id.");
    cls.def_property_readonly(
           "full_name", [](const H& self) { return modelText(self.get()->fullName()); },
           "The dotted name from the cell down: cell name, bus interface, enclosing groups and this name, such as "
           "FPGA.DDR.LANE0.")
        .def_property_readonly(
            "instance", [](const H& self) { return self.template owner<IWJCompInst>(); },
            "The Instance that owns the bus interface.")
        .def_property_readonly(
            "port_refs",
            [](const H& self) {
                const InstanceHandle instance = self.template owner<IWJCompInst>();
                py::list refs;
                for (auto walk = self.get()->portRefs(); walk.isValid(); ++walk) {
                    int lsb = -1;
                    int msb = -1;
                    py::object port = wrapHeldPort(instance, walk.value()->port(&lsb, &msb));
                    if (!port.is_none())
                        refs.append(py::make_tuple(port, lsb, msb));
                }
                return refs;
            },
            "The references to single-ended ports as a list of (port, lsb, msb), -1 for a missing bound, in the "
            "order added.")
        .def_property_readonly(
            "differential_ports",
            [](const H& self) {
                const InstanceHandle instance = self.template owner<IWJCompInst>();
                py::list pairs;
                for (auto walk = self.get()->differentialPorts(); walk.isValid(); ++walk) {
                    py::object pair = wrapHeldPort(instance, walk.value());
                    if (!pair.is_none())
                        pairs.append(pair);
                }
                return pairs;
            },
            "The referenced differential pairs as a list, in the order added.")
        .def_property_readonly(
            "port_groups",
            [](const H& self) {
                return KeyedView(
                    self.designPtr(),
                    [self] {
                        const InstanceHandle instance = self.template owner<IWJCompInst>();
                        return keyedEntries(self.get()->portGroups(),
                                            [&instance](IWJPortGroup* group) { return wrapGroup(instance, group); });
                    },
                    [self] { return "the port groups of " + groupName(self.get()); });
            },
            "The child groups as a ModelMapping of id to PortGroup, in id order.")
        .def(
            "add_port_ref",
            [](const H& self, const PortHandle& port, int lsb, int msb) {
                requireOwner(port, self.template owner<IWJCompInst>(),
                             "the port is not a port of the group's instance");
                requireRange(lsb, msb);
                self.edit()->addPortRef(port.get(), lsb, msb);
            },
            py::arg("port"), py::arg("lsb") = -1, py::arg("msb") = -1,
            "Adds a reference to a port of the instance, with a bit range (-1 for none); a differential pair is "
            "listed by differential_ports, without the range. Adding a port twice gives two references. Raises "
            "ValueError for a port of another instance or a bit number below -1.")
        .def(
            "add_port_group",
            [](const H& self, const std::string& name, const py::object& type, const std::string& voltage,
               int powerPins, int groundPins) {
                requirePinCount(powerPins);
                requirePinCount(groundPins);
                IWJPortGroup* group = requireMade(self.edit()->addPortGroup(
                    libraryText(name), groupTypeCode(type), libraryText(voltage), powerPins, groundPins));
                self.design().structureChanged();
                return wrapGroup(self.template owner<IWJCompInst>(), group);
            },
            py::arg("name"), py::arg("type") = py::none(), py::arg("voltage") = "", py::arg("power_pins") = 0,
            py::arg("ground_pins") = 0,
            "Adds a child PortGroup, its id made from the name, and returns it. type is None, \"bus\" or "
            "\"voltageDefn\". Raises ValueError for another word or a negative pin count, TypeError for a type "
            "that is neither str nor None.")
        .def(
            "find_port_group",
            [](const H& self, const std::string& path) {
                return requireFound(
                    wrapGroup(self.template owner<IWJCompInst>(), self.get()->findPortGroup(libraryText(path))),
                    "port group", path, "below " + groupName(self.get()));
            },
            py::arg("path"),
            "The group below this one at a dotted path of group names, such as \"LANE0.SUB\". Names match "
            "exactly, but a bus interface's first step in any ASCII letter case; only the first match in id "
            "order of each step is followed. Raises NotFoundError when there is none.");
}

} // namespace

void bindGroups(py::module_& module)
{
    auto group = declared<GroupHandle>(module, "PortGroup");
    addIdentity<GroupHandle>(group, [](const GroupHandle& self) { return std::string(self.get()->fullName()); });
    bindGroupOperations(group);
    addTextProperty(group, "voltage", &IWJPortGroup::voltage, &IWJPortGroup::setVoltage,
                    "The voltage, a text the library does not interpret, such as \"1.5V\".");
    group
        .def_property(
            "type", [](const GroupHandle& self) { return groupTypeWord(self.get()->groupType()); },
            [](const GroupHandle& self, const py::object& type) { self.edit()->setGroupType(groupTypeCode(type)); },
            "None, \"bus\" or \"voltageDefn\"; setting another str raises ValueError, another type TypeError.")
        .def_property(
            "num_phys_power_pins", [](const GroupHandle& self) { return self.get()->numPhysPowerPins(); },
            [](const GroupHandle& self, int pins) {
                requirePinCount(pins);
                self.edit()->setNumPhysPins(pins, self.get()->numPhysGroundPins());
            },
            "The count of physical power pins, 0 when none; a negative count raises ValueError.")
        .def_property(
            "num_phys_ground_pins", [](const GroupHandle& self) { return self.get()->numPhysGroundPins(); },
            [](const GroupHandle& self, int pins) {
                requirePinCount(pins);
                self.edit()->setNumPhysPins(self.get()->numPhysPowerPins(), pins);
            },
            "The count of physical ground pins, 0 when none; a negative count raises ValueError.")
        .def_property_readonly(
            "bus_interface",
            [](const GroupHandle& self) { return wrapGroup(self.owner<IWJCompInst>(), self.get()->busInterface()); },
            "The BusInterface at the top of the group's tree.");

    auto busInterface = declared<BusInterfaceHandle>(module, "BusInterface");
    addIdentity<BusInterfaceHandle>(busInterface,
                                    [](const BusInterfaceHandle& self) { return std::string(self.get()->fullName()); });
    bindGroupOperations(busInterface);
    addTextProperty(busInterface, "definition", &IWJCompBusInterface::definition, &IWJCompBusInterface::setDefinition,
                    "The definition, a text the library does not interpret, such as \"DDR3 SDRAM x16\".");
}
