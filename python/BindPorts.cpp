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
    addTextProperty(port, "name", &IWJPort::name, &IWJPort::setName);
    addTextProperty(port, "instance_port_name", &IWJPort::instancePortName, &IWJPort::setInstancePortName);
    port.def_property_readonly("full_name", [](const PortHandle& self) { return modelText(self.get()->fullName()); })
        .def_property(
            "type", [](const PortHandle& self) { return portTypeWord(self.get()->type()); },
            [](const PortHandle& self, const std::string& word) { self.edit()->setType(portTypeCode(word)); },
            "input, output, inout, power, ground or unknown")
        .def_property(
            "num_phys_pins", [](const PortHandle& self) { return self.get()->numPhysPins(); },
            [](const PortHandle& self, int pins) {
                requirePinCount(pins);
                self.edit()->setNumPhysPins(pins);
            })
        .def_property(
            "lsb", [](const PortHandle& self) { return self.get()->lsb(); },
            [](const PortHandle& self, int lsb) {
                requireRange(lsb, -1);
                self.edit()->setRange(lsb, self.get()->msb());
            },
            "-1 for none")
        .def_property(
            "msb", [](const PortHandle& self) { return self.get()->msb(); },
            [](const PortHandle& self, int msb) {
                requireRange(-1, msb);
                self.edit()->setRange(self.get()->lsb(), msb);
            },
            "-1 for none")
        .def_property_readonly("instance", [](const PortHandle& self) { return self.owner<IWJCompInst>(); });

    auto pair = declared<DiffPortHandle, PortHandle>(module, "DifferentialPort");
    pair.def_property_readonly(
            "positive", [](const DiffPortHandle& self) { return member(self, &IWJDPPort::positivePort); },
            "(port, lsb, msb) or None")
        .def_property_readonly(
            "negative", [](const DiffPortHandle& self) { return member(self, &IWJDPPort::negativePort); },
            "(port, lsb, msb) or None")
        .def(
            "set_positive",
            [](const DiffPortHandle& self, const PortHandle& memberPort, int lsb, int msb) {
                setMember(self, &IWJDPPort::setPositivePort, memberPort, lsb, msb);
            },
            py::arg("port"), py::arg("lsb") = -1, py::arg("msb") = -1)
        .def(
            "set_negative",
            [](const DiffPortHandle& self, const PortHandle& memberPort, int lsb, int msb) {
                setMember(self, &IWJDPPort::setNegativePort, memberPort, lsb, msb);
            },
            py::arg("port"), py::arg("lsb") = -1, py::arg("msb") = -1);
}
