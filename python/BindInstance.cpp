#include "Bindings.h"
#include "ClassHelpers.h"
#include "KeyedView.h"
#include "PortChecks.h"
#include "Words.h"
#include "Wrap.h"

namespace py = pybind11;

namespace {

// A mapping over one of the instance's keyed collections, the instance's
// "ports", "differential ports" or "bus interfaces".
template <class Enumerate, class WrapItem>
KeyedView instanceMapping(const InstanceHandle& instance, const char* items, Enumerate enumerate, WrapItem wrapItem)
{
    return KeyedView(
        instance.designPtr(),
        [instance, enumerate, wrapItem] {
            return keyedEntries(enumerate(instance.get()),
                                [&instance, &wrapItem](auto* item) { return wrapItem(instance, item); });
        },
        [instance, items] { return std::string("the ") + items + " of " + instanceName(instance); });
}

const char* instancePortName(const py::object& value, std::string& storage)
{
    storage = value.is_none() ? std::string() : strArgument(value);
    return libraryText(storage);
}

py::object addPort(const InstanceHandle& instance, const std::string& name, const std::string& type, int pins, int lsb,
                   int msb, const py::object& instancePortNameValue)
{
    requireRange(lsb, msb);
    requirePinCount(pins);
    std::string storage;
    IWJPort* port = requireMade(instance.edit()->addPort(
        libraryText(name), instancePortName(instancePortNameValue, storage), portTypeCode(type), pins, lsb, msb));
    instance.design().structureChanged();
    return wrapPort(instance, port);
}

void removePort(const InstanceHandle& instance, const PortHandle& port)
{
    requireOwner(port, instance, "the port is not a port of this instance");
    if (!instance.design().holdsPort(instance.get(), port.get()))
        throw py::value_error("the port is not filed in the instance: another of the same id took its place");
    instance.edit()->removePort(port.get());
    instance.design().retire(port.get());
    instance.design().structureChanged();
}

// Where a lookup on the instance looked, for its message.
std::string where(const InstanceHandle& instance)
{
    return "on " + instanceName(instance);
}

} // namespace

void bindInstance(py::module_& module)
{
    auto cls = declared<InstanceHandle>(module, "Instance");
    addIdentity<InstanceHandle>(cls, [](const InstanceHandle& self) { return std::string(self.get()->refdes()); });
    addTextProperty(cls, "refdes", &IWJCompInst::refdes, &IWJCompInst::setRefdes,
                    "The reference designator, such as U1; setting it keeps the id.");
    addTextProperty(cls, "cell_name", &IWJCompInst::cellName, &IWJCompInst::setCellName,
                    "The cell name, the first part of the full names of its ports and groups.");
    cls.def_property_readonly(
           "design",
           [](const InstanceHandle& self) {
               self.get();
               return self.designPtr();
           },
           "The Design that holds the instance.")
        .def_property_readonly(
            "ports",
            [](const InstanceHandle& self) {
                return instanceMapping(
                    self, "ports", [](IWJCompInst* instance) { return instance->ports(); }, wrapPort);
            },
            "The single-ended ports as a ModelMapping of id to Port, in id order.")
        .def_property_readonly(
            "differential_ports",
            [](const InstanceHandle& self) {
                return instanceMapping(
                    self, "differential ports", [](IWJCompInst* instance) { return instance->differentialPorts(); },
                    wrapPort);
            },
            "The differential pairs as a ModelMapping of id to DifferentialPort, in id order.")
        .def_property_readonly(
            "bus_interfaces",
            [](const InstanceHandle& self) {
                return instanceMapping(
                    self, "bus interfaces", [](IWJCompInst* instance) { return instance->busInterfaces(); },
                    [](const InstanceHandle& owner, IWJCompBusInterface* busInterface) {
                        return wrapGroup(owner, busInterface);
                    });
            },
            "The bus interfaces as a ModelMapping of id to BusInterface, in id order.")
        .def(
            "find_port",
            [](const InstanceHandle& self, const std::string& name) {
                return requireFound(wrapHeldPort(self, self.get()->findPort(libraryText(name))), "port", name,
                                    where(self));
            },
            py::arg("name"),
            "The single-ended port of this local name (the instance port name when it has one, else the "
            "name), in any ASCII letter case. Raises NotFoundError when the instance has none.")
        .def(
            "find_differential_port",
            [](const InstanceHandle& self, const std::string& name) {
                return requireFound(wrapHeldPort(self, self.get()->findDifferentialPort(libraryText(name))),
                                    "differential port", name, where(self));
            },
            py::arg("name"),
            "The differential pair of this local name, in any ASCII letter case. Raises NotFoundError when the "
            "instance has none.")
        .def("add_port", &addPort, py::arg("name"), py::arg("type") = "input", py::arg("pins") = 1, py::arg("lsb") = -1,
             py::arg("msb") = -1, py::arg("instance_port_name") = py::none(),
             "Adds a single-ended Port and returns it; its id is made from instance_port_name when that is given "
             "and not empty, else from name. lsb and msb are bit numbers, -1 for none. Raises ValueError for an "
             "unknown type word, a negative pin count or a bit number below -1, TypeError for an "
             "instance_port_name that is neither str nor None.")
        .def("remove_port", &removePort, py::arg("port"),
             "Removes a port or differential pair of this instance, which becomes stale, with its pair "
             "memberships, group references and part map mappings. Raises ValueError for a port of another "
             "instance, or one whose id another port took.")
        .def(
            "add_differential_port",
            [](const InstanceHandle& self, const std::string& name, const py::object& instancePortNameValue) {
                std::string storage;
                IWJDPPort* port = requireMade(self.edit()->addDifferentialPort(
                    libraryText(name), instancePortName(instancePortNameValue, storage)));
                self.design().structureChanged();
                return wrapPort(self, port);
            },
            py::arg("name"), py::arg("instance_port_name") = py::none(),
            "Adds a DifferentialPort without members and returns it; set them with set_positive and "
            "set_negative. Its id is made as for add_port.")
        .def(
            "add_bus_interface",
            [](const InstanceHandle& self, const std::string& name, const std::string& definition) {
                IWJCompBusInterface* busInterface =
                    requireMade(self.edit()->addBusInterface(libraryText(name), libraryText(definition)));
                self.design().structureChanged();
                return wrapGroup(self, busInterface);
            },
            py::arg("name"), py::arg("definition") = "",
            "Adds a BusInterface, its id made from the name, and returns it.")
        .def(
            "find_port_group",
            [](const InstanceHandle& self, const std::string& path) {
                return requireFound(wrapGroup(self, self.get()->findPortGroup(libraryText(path))), "port group", path,
                                    where(self));
            },
            py::arg("path"),
            "The bus interface or group of this full name, \"CELL.BUS\" or \"CELL.BUS.GROUP.SUB\". The cell "
            "name is not compared; the bus interface and first group match in any ASCII letter case, deeper "
            "groups exactly. Raises NotFoundError when the instance has none.");
}
