#include "Bindings.h"
#include "ClassHelpers.h"
#include "KeyedView.h"
#include "PortChecks.h"
#include "Words.h"
#include "Wrap.h"

namespace py = pybind11;

namespace {

// A mapping over one of the instance's keyed collections.
template <class Enumerate, class WrapItem>
KeyedView instanceMapping(const InstanceHandle& instance, Enumerate enumerate, WrapItem wrapItem)
{
    return KeyedView(instance.designPtr(), [instance, enumerate, wrapItem] {
        return keyedEntries(enumerate(instance.get()),
                            [&instance, &wrapItem](auto* item) { return wrapItem(instance, item); });
    });
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

} // namespace

void bindInstance(py::module_& module)
{
    auto cls = declared<InstanceHandle>(module, "Instance");
    addIdentity<InstanceHandle>(cls, [](const InstanceHandle& self) { return std::string(self.get()->refdes()); });
    addTextProperty(cls, "refdes", &IWJCompInst::refdes, &IWJCompInst::setRefdes);
    addTextProperty(cls, "cell_name", &IWJCompInst::cellName, &IWJCompInst::setCellName);
    cls.def_property_readonly("design",
                              [](const InstanceHandle& self) {
                                  self.get();
                                  return self.designPtr();
                              })
        .def_property_readonly("ports",
                               [](const InstanceHandle& self) {
                                   return instanceMapping(
                                       self, [](IWJCompInst* instance) { return instance->ports(); }, wrapPort);
                               })
        .def_property_readonly("differential_ports",
                               [](const InstanceHandle& self) {
                                   return instanceMapping(
                                       self, [](IWJCompInst* instance) { return instance->differentialPorts(); },
                                       wrapPort);
                               })
        .def_property_readonly("bus_interfaces",
                               [](const InstanceHandle& self) {
                                   return instanceMapping(
                                       self, [](IWJCompInst* instance) { return instance->busInterfaces(); },
                                       [](const InstanceHandle& owner, IWJCompBusInterface* busInterface) {
                                           return wrapGroup(owner, busInterface);
                                       });
                               })
        .def(
            "find_port",
            [](const InstanceHandle& self, const std::string& name) {
                return wrapHeldPort(self, self.get()->findPort(libraryText(name)));
            },
            py::arg("name"), "The single-ended port of this local name, ignoring case, or None.")
        .def(
            "find_differential_port",
            [](const InstanceHandle& self, const std::string& name) {
                return wrapHeldPort(self, self.get()->findDifferentialPort(libraryText(name)));
            },
            py::arg("name"))
        .def("add_port", &addPort, py::arg("name"), py::arg("type") = "input", py::arg("pins") = 1, py::arg("lsb") = -1,
             py::arg("msb") = -1, py::arg("instance_port_name") = py::none())
        .def("remove_port", &removePort, py::arg("port"))
        .def(
            "add_differential_port",
            [](const InstanceHandle& self, const std::string& name, const py::object& instancePortNameValue) {
                std::string storage;
                IWJDPPort* port = requireMade(self.edit()->addDifferentialPort(
                    libraryText(name), instancePortName(instancePortNameValue, storage)));
                self.design().structureChanged();
                return wrapPort(self, port);
            },
            py::arg("name"), py::arg("instance_port_name") = py::none())
        .def(
            "add_bus_interface",
            [](const InstanceHandle& self, const std::string& name, const std::string& definition) {
                IWJCompBusInterface* busInterface =
                    requireMade(self.edit()->addBusInterface(libraryText(name), libraryText(definition)));
                self.design().structureChanged();
                return wrapGroup(self, busInterface);
            },
            py::arg("name"), py::arg("definition") = "")
        .def(
            "find_port_group",
            [](const InstanceHandle& self, const std::string& path) {
                return wrapGroup(self, self.get()->findPortGroup(libraryText(path)));
            },
            py::arg("path"), "The group of this full name (cell name, bus interface, groups, dotted), or None.");
}
