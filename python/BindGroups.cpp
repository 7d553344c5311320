#include "Bindings.h"
#include "ClassHelpers.h"
#include "KeyedView.h"
#include "PortChecks.h"
#include "Words.h"
#include "Wrap.h"

namespace py = pybind11;

namespace {

// What port groups and bus interfaces share; H is the handle of either.
template <class H, class... Options> void bindGroupOperations(py::class_<H, Options...>& cls)
{
    addTextProperty(cls, "name", &IWJPortGroup::name, &IWJPortGroup::setName);
    cls.def_property_readonly("full_name", [](const H& self) { return modelText(self.get()->fullName()); })
        .def_property_readonly("instance", [](const H& self) { return self.template owner<IWJCompInst>(); })
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
            "The referenced ports as (port, lsb, msb), in order.")
        .def_property_readonly("differential_ports",
                               [](const H& self) {
                                   const InstanceHandle instance = self.template owner<IWJCompInst>();
                                   py::list pairs;
                                   for (auto walk = self.get()->differentialPorts(); walk.isValid(); ++walk) {
                                       py::object pair = wrapHeldPort(instance, walk.value());
                                       if (!pair.is_none())
                                           pairs.append(pair);
                                   }
                                   return pairs;
                               })
        .def_property_readonly("port_groups",
                               [](const H& self) {
                                   return KeyedView(self.designPtr(), [self] {
                                       const InstanceHandle instance = self.template owner<IWJCompInst>();
                                       return keyedEntries(self.get()->portGroups(), [&instance](IWJPortGroup* group) {
                                           return wrapGroup(instance, group);
                                       });
                                   });
                               })
        .def(
            "add_port_ref",
            [](const H& self, const PortHandle& port, int lsb, int msb) {
                requireOwner(port, self.template owner<IWJCompInst>(),
                             "the port is not a port of the group's instance");
                requireRange(lsb, msb);
                self.edit()->addPortRef(port.get(), lsb, msb);
            },
            py::arg("port"), py::arg("lsb") = -1, py::arg("msb") = -1)
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
            py::arg("ground_pins") = 0)
        .def(
            "find_port_group",
            [](const H& self, const std::string& path) {
                return wrapGroup(self.template owner<IWJCompInst>(), self.get()->findPortGroup(libraryText(path)));
            },
            py::arg("path"), "The group below at a dotted path, or None.");
}

} // namespace

void bindGroups(py::module_& module)
{
    auto group = declared<GroupHandle>(module, "PortGroup");
    addIdentity<GroupHandle>(group, [](const GroupHandle& self) { return std::string(self.get()->fullName()); });
    bindGroupOperations(group);
    addTextProperty(group, "voltage", &IWJPortGroup::voltage, &IWJPortGroup::setVoltage);
    group
        .def_property(
            "type", [](const GroupHandle& self) { return groupTypeWord(self.get()->groupType()); },
            [](const GroupHandle& self, const py::object& type) { self.edit()->setGroupType(groupTypeCode(type)); },
            "None, 'bus' or 'voltageDefn'")
        .def_property(
            "num_phys_power_pins", [](const GroupHandle& self) { return self.get()->numPhysPowerPins(); },
            [](const GroupHandle& self, int pins) {
                requirePinCount(pins);
                self.edit()->setNumPhysPins(pins, self.get()->numPhysGroundPins());
            })
        .def_property(
            "num_phys_ground_pins", [](const GroupHandle& self) { return self.get()->numPhysGroundPins(); },
            [](const GroupHandle& self, int pins) {
                requirePinCount(pins);
                self.edit()->setNumPhysPins(self.get()->numPhysPowerPins(), pins);
            })
        .def_property_readonly("bus_interface", [](const GroupHandle& self) {
            return wrapGroup(self.owner<IWJCompInst>(), self.get()->busInterface());
        });

    auto busInterface = declared<BusInterfaceHandle>(module, "BusInterface");
    addIdentity<BusInterfaceHandle>(busInterface,
                                    [](const BusInterfaceHandle& self) { return std::string(self.get()->fullName()); });
    bindGroupOperations(busInterface);
    addTextProperty(busInterface, "definition", &IWJCompBusInterface::definition, &IWJCompBusInterface::setDefinition);
}
