#include "Bindings.h"
#include "ClassHelpers.h"
#include "PortChecks.h"
#include "Words.h"
#include "Wrap.h"

namespace py = pybind11;

namespace {

using MemberGetter = IWJPort* (IWJDPPort::*)(int*, int*);
using MemberSetter = void (IWJDPPort::*)(IWJPort*, int, int);

// (port, lsb, msb) of a pair's member, or None.
py::object member(const DiffPortHandle& pair, MemberGetter getter)
{
    int lsb = -1;
    int msb = -1;
    IWJPort* port = (pair.pair()->*getter)(&lsb, &msb);
    py::object wrapped = wrapHeldPort(pair.owner<IWJCompInst>(), port);
    if (wrapped.is_none())
        return wrapped;
    return py::make_tuple(wrapped, lsb, msb);
}

void setMember(const DiffPortHandle& pair, MemberSetter setter, const PortHandle& port, int lsb, int msb)
{
    requireOwner(port, pair.owner<IWJCompInst>(), "the member must be a port of the pair's instance");
    if (dynamic_cast<IWJDPPort*>(port.get()))
        throw py::value_error("the member of a differential pair is a single-ended port");
    requireRange(lsb, msb);
    pair.edit();
    (pair.pair()->*setter)(port.get(), lsb, msb);
}

} // namespace

void bindPorts(py::module_& module)
{
    auto port = declared<PortHandle>(module, "Port");
    addIdentity<PortHandle>(port, [](const PortHandle& self) { return std::string(self.get()->fullName()); });
    addTextProperty(port, "name", &IWJPort::name, &IWJPort::setName,
                    "The name of the cell's port. A renamed port stays filed, for find_port, under the names "
                    "it was added with.");
    addTextProperty(port, "instance_port_name", &IWJPort::instancePortName, &IWJPort::setInstancePortName,
                    "What the port is called on this instance; \"\" when it has no name of its own.");
    port.def_property_readonly(
            "full_name", [](const PortHandle& self) { return modelText(self.get()->fullName()); },
            "The cell name, \".\" and the local name (the instance port name when not empty, else the name), "
            "such as U1.DATA.")
        .def_property(
            "type", [](const PortHandle& self) { return portTypeWord(self.get()->type()); },
            [](const PortHandle& self, const std::string& word) { self.edit()->setType(portTypeCode(word)); },
            "\"input\", \"output\", \"inout\", \"power\", \"ground\" or \"unknown\"; setting another word "
            "raises ValueError.")
        .def_property(
            "num_phys_pins", [](const PortHandle& self) { return self.get()->numPhysPins(); },
            [](const PortHandle& self, int pins) {
                requirePinCount(pins);
                self.edit()->setNumPhysPins(pins);
            },
            "The count of physical pins, 0 when none is given; a negative count raises ValueError.")
        .def_property(
            "lsb", [](const PortHandle& self) { return self.get()->lsb(); },
            [](const PortHandle& self, int lsb) {
                requireRange(lsb, -1);
                self.edit()->setRange(lsb, self.get()->msb());
            },
            "The first bound of the bit range, -1 for none; below -1 raises ValueError. Mappings of single bits "
            "the port no longer has are dropped.")
        .def_property(
            "msb", [](const PortHandle& self) { return self.get()->msb(); },
            [](const PortHandle& self, int msb) {
                requireRange(-1, msb);
                self.edit()->setRange(self.get()->lsb(), msb);
            },
            "The second bound of the bit range, -1 for none; below -1 raises ValueError. Mappings of single "
            "bits the port no longer has are dropped.")
        .def_property_readonly(
            "instance", [](const PortHandle& self) { return self.owner<IWJCompInst>(); },
            "The Instance that owns the port.");

    auto pair = declared<DiffPortHandle, PortHandle>(module, "DifferentialPort");
    pair.def_property_readonly(
            "positive", [](const DiffPortHandle& self) { return member(self, &IWJDPPort::positivePort); },
            "The positive member as (port, lsb, msb), -1 for a missing bound, or None when unset.")
        .def_property_readonly(
            "negative", [](const DiffPortHandle& self) { return member(self, &IWJDPPort::negativePort); },
            "The negative member as (port, lsb, msb), -1 for a missing bound, or None when unset.")
        .def(
            "set_positive",
            [](const DiffPortHandle& self, const PortHandle& memberPort, int lsb, int msb) {
                setMember(self, &IWJDPPort::setPositivePort, memberPort, lsb, msb);
            },
            py::arg("port"), py::arg("lsb") = -1, py::arg("msb") = -1,
            "Sets the positive member to a single-ended port of the pair's instance, with a bit range (-1 for "
            "none). Raises ValueError for a port of another instance, a differential pair or a bit number below "
            "-1.")
        .def(
            "set_negative",
            [](const DiffPortHandle& self, const PortHandle& memberPort, int lsb, int msb) {
                setMember(self, &IWJDPPort::setNegativePort, memberPort, lsb, msb);
            },
            py::arg("port"), py::arg("lsb") = -1, py::arg("msb") = -1,
            "Sets the negative member, as set_positive does the positive one.");
}
