#include "Bindings.h"
#include "ClassHelpers.h"
#include "PortChecks.h"
#include "Wrap.h"

#include "edit/PinEdits.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace py = pybind11;

namespace {

// The part map's instance; raises ValueError when it has none in the design.
InstanceHandle instanceOf(const PartMapHandle& partMap)
{
    IWJCompInst* instance = partMap.get()->compInst();
    if (!instance || !partMap.design().holdsInstance(instance))
        throw py::value_error("the part map has no instance");
    return instanceHandle(partMap.designPtr(), instance);
}

FootprintHandle footprintOf(const PartMapHandle& partMap)
{
    IWJFootPrint* footprint = partMap.get()->footprint();
    if (!footprint || !partMap.design().holdsFootprint(footprint))
        throw py::value_error("the part map has no footprint");
    return footprintHandle(partMap.designPtr(), footprint);
}

// A port argument of a mapping call: a port of the part map's instance and,
// when bit is not -1, a bit of its range.
IWJPort* mappedPort(const PartMapHandle& partMap, const PortHandle& port, int bit)
{
    requireOwner(port, instanceOf(partMap), "the port is not a port of the part map's instance");
    if (dynamic_cast<IWJDPPort*>(port.get()))
        throw py::value_error("a differential pair is mapped through its member ports");
    requireBit(port.get(), bit);
    return port.get();
}

// A pin argument: a Pin of the part map's footprint or the name of one.
IWJFootPrintPin* pinArgument(const FootprintHandle& footprint, const py::handle& pin)
{
    if (py::isinstance<py::str>(pin))
        return requirePin(footprint, strArgument(pin));
    if (!py::isinstance<PinHandle>(pin))
        throw py::type_error("a pin is given as a Pin or a pin name");
    const PinHandle& handle = pin.cast<const PinHandle&>();
    requireOwner(handle, footprint, "the pin is not a pin of the part map's footprint");
    return handle.get();
}

// The pins of a list of Pins or pin names. The library's pin-group mappings
// look pins up by name, so each name must find the pin it came from.
// Iterating may run Python code that edits the design, so callers check
// their other arguments after this.
std::vector<IWJFootPrintPin*> pinObjects(const FootprintHandle& footprint, const py::object& pins)
{
    if (py::isinstance<py::str>(pins) || !py::isinstance<py::iterable>(pins))
        throw py::type_error("pins are given as a list of Pins or pin names");
    std::vector<IWJFootPrintPin*> objects;
    for (const py::handle& item : pins) {
        objects.push_back(pinArgument(footprint, item));
        if (footprint.get()->findPin(objects.back()->name()) != objects.back())
            throw py::value_error("pin name '" + std::string(objects.back()->name()) +
                                  "' is shared by another pin of the footprint");
    }
    return objects;
}

std::vector<std::string> pinNames(const FootprintHandle& footprint, const py::object& pins)
{
    std::vector<std::string> names;
    for (IWJFootPrintPin* pin : pinObjects(footprint, pins))
        names.emplace_back(pin->name());
    return names;
}

// Raises ValueError when the edit was refused.
void requireDone(const EditOutcome& outcome, const char* forcing = "")
{
    if (!outcome.done())
        throw py::value_error(outcome.refusal + (outcome.occupied ? forcing : ""));
}

py::list pinList(const FootprintHandle& footprint, IWJFootPrintPinGroup* group)
{
    py::list pins;
    for (auto walk = group->pins(); walk.isValid(); ++walk) {
        py::object pin = wrapHeldPin(footprint, walk.value());
        if (!pin.is_none())
            pins.append(pin);
    }
    return pins;
}

// A port group or bus interface of the part map's instance.
IWJPortGroup* groupArgument(const PartMapHandle& partMap, const py::object& group)
{
    const InstanceHandle instance = instanceOf(partMap);
    const char* message = "the group is not a group of the part map's instance";
    if (py::isinstance<BusInterfaceHandle>(group)) {
        const auto& handle = group.cast<const BusInterfaceHandle&>();
        requireOwner(handle, instance, message);
        return handle.get();
    }
    if (!py::isinstance<GroupHandle>(group))
        throw py::type_error("a group is given as a PortGroup or a BusInterface");
    const auto& handle = group.cast<const GroupHandle&>();
    requireOwner(handle, instance, message);
    return handle.get();
}

py::object bitOrNone(int bit)
{
    return bit == -1 ? py::object(py::none()) : py::object(py::int_(bit));
}

// (port, bit or None, what it is mapped to) for each mapping of a walk over
// port references, sorted by port full name and bit; toValue turns the mapped
// object into Python, or None to leave the row out.
template <class Walk, class ToValue> py::list portRows(const PartMapHandle& partMap, Walk walk, ToValue toValue)
{
    const InstanceHandle instance = instanceOf(partMap);
    std::vector<std::tuple<std::string, int, py::object, py::object>> rows;
    for (; walk.isValid(); ++walk) {
        int lsb = -1;
        int msb = -1;
        IWJPort* port = walk.key()->port(&lsb, &msb);
        py::object wrapped = wrapHeldPort(instance, port);
        py::object value = toValue(walk.value());
        if (!wrapped.is_none() && !value.is_none())
            rows.emplace_back(port->fullName(), lsb, wrapped, value);
    }
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    py::list result;
    for (const auto& row : rows)
        result.append(py::make_tuple(std::get<2>(row), bitOrNone(std::get<1>(row)), std::get<3>(row)));
    return result;
}

void map(const PartMapHandle& self, const PortHandle& port, const py::object& pin, int bit, bool force)
{
    const FootprintHandle footprint = footprintOf(self);
    const bool onePin = py::isinstance<py::str>(pin) || py::isinstance<PinHandle>(pin);
    const std::vector<IWJFootPrintPin*> pins =
        onePin ? std::vector<IWJFootPrintPin*>{pinArgument(footprint, pin)} : pinObjects(footprint, pin);
    requireDone(PinEdits(self.edit()).map({mappedPort(self, port, bit), bit}, pins, force),
                " (force=True maps it there too)");
}

} // namespace

void bindPartMaps(py::module_& module)
{
    auto cls = declared<PartMapHandle>(module, "PartMap");
    addIdentity<PartMapHandle>(cls, [](const PartMapHandle& self) {
        IWJCompInst* instance = self.get()->compInst();
        return std::string(instance && self.design().holdsInstance(instance) ? instance->refdes() : "?");
    });
    cls.def_property_readonly(
           "instance",
           [](const PartMapHandle& self) {
               IWJCompInst* instance = self.get()->compInst();
               return self.design().holdsInstance(instance) ? wrapInstance(self.designPtr(), instance) : py::none();
           },
           "The mapped Instance, or None when the part map has none in the design.")
        .def_property_readonly(
            "footprint",
            [](const PartMapHandle& self) {
                IWJFootPrint* footprint = self.get()->footprint();
                return self.design().holdsFootprint(footprint) ? wrapFootprint(self.designPtr(), footprint)
                                                               : py::none();
            },
            "The Footprint mapped onto, or None when the part map has none in the design.")
        .def("map", &map, py::arg("port"), py::arg("pin"), py::arg("bit") = -1, py::arg("force").noconvert() = false,
             "Maps a port, or one bit of it (-1: the whole port), to a pin (a Pin or a pin name) or to a list of "
             "them, a pin group; the mapping it had is replaced. Raises NotFoundError for a pin name the "
             "footprint lacks, ValueError, changing nothing, for a pin given twice or (in a list) whose name "
             "another pin shares, a bit outside the port's bits, a port with several bits on one pin, a "
             "differential pair (map its members), a port of another instance, and, unless force, a pin that "
             "carries another port or bit; TypeError for pins of another type.")
        .def(
            "unmap",
            [](const PartMapHandle& self, const PortHandle& port, int bit) {
                requireDone(PinEdits(self.edit()).unmap({mappedPort(self, port, bit), bit}));
            },
            py::arg("port"), py::arg("bit") = -1,
            "Unmaps one bit, or with -1 the port and every bit of it. Raises ValueError when it is not mapped, for "
            "a bit outside the port's bits, a differential pair or a port of another instance.")
        .def(
            "swap",
            [](const PartMapHandle& self, const py::object& first, const py::object& second) {
                const FootprintHandle footprint = footprintOf(self);
                IWJFootPrintPin* one = pinArgument(footprint, first);
                requireDone(PinEdits(self.edit()).swap(one, pinArgument(footprint, second)));
            },
            py::arg("pin1"), py::arg("pin2"),
            "Exchanges what is mapped to two pins (Pins or names); either may be free. Raises ValueError when "
            "both are free or for the same pin twice, NotFoundError for a pin name the footprint lacks, "
            "TypeError for another type.")
        .def(
            "pin_for",
            [](const PartMapHandle& self, const PortHandle& port, int bit) {
                return wrapHeldPin(footprintOf(self), self.get()->pinForPort(mappedPort(self, port, bit), bit));
            },
            py::arg("port"), py::arg("bit") = -1,
            "The Pin the port, or with bit one bit of it, is mapped to, or None. Raises ValueError as unmap "
            "does, except for an unmapped port.")
        .def(
            "pins_for",
            [](const PartMapHandle& self, const PortHandle& port, int bit) -> py::object {
                IWJFootPrintPinGroup* group = self.get()->pinGroupForPort(mappedPort(self, port, bit), bit);
                return group ? pinList(footprintOf(self), group) : py::list();
            },
            py::arg("port"), py::arg("bit") = -1,
            "The pins of the port's (or bit's) pin-group mapping as a list; [] when it has none. Raises "
            "ValueError as pin_for does.")
        .def(
            "assignments",
            [](const PartMapHandle& self) {
                const FootprintHandle footprint = footprintOf(self);
                return portRows(self, self.get()->portPinMaps(),
                                [&footprint](IWJFootPrintPin* pin) { return wrapHeldPin(footprint, pin); });
            },
            "(port, bit or None, pin) for each pin mapping, as a list ordered by port full name and bit.")
        .def(
            "pin_group_assignments",
            [](const PartMapHandle& self) {
                const FootprintHandle footprint = footprintOf(self);
                return portRows(self, self.get()->portPinGroupMaps(), [&footprint](IWJFootPrintPinGroup* group) {
                    return py::object(pinList(footprint, group));
                });
            },
            "(port, bit or None, [pins]) for each pin-group mapping, as a list ordered by port full name and bit.")
        .def(
            "map_group",
            [](const PartMapHandle& self, const py::object& group, const py::object& pins) {
                const std::vector<std::string> names = pinNames(footprintOf(self), pins);
                self.edit()->mapPortGroupToPinNames(groupArgument(self, group), names);
            },
            py::arg("group"), py::arg("pins"),
            "Maps a PortGroup or BusInterface of the instance to a list of pins (Pins or pin names). Raises "
            "NotFoundError for a pin name the footprint lacks, ValueError for a group of another instance or a "
            "pin whose name another pin shares; TypeError for a group of another type, or pins given as a str or not "
            "iterable.")
        .def(
            "unmap_group",
            [](const PartMapHandle& self, const py::object& group) {
                IWJPortGroup* mapped = groupArgument(self, group);
                if (!self.get()->pinGroupForPortGroup(mapped))
                    throw py::value_error("group " + std::string(mapped->fullName()) + " is not mapped");
                self.edit()->unmapPortGroup(mapped);
            },
            py::arg("group"),
            "Unmaps a PortGroup or BusInterface. Raises ValueError when it is not mapped or is a group of "
            "another instance, TypeError for another type.")
        .def(
            "pins_for_group",
            [](const PartMapHandle& self, const py::object& group) -> py::object {
                IWJFootPrintPinGroup* pins = self.get()->pinGroupForPortGroup(groupArgument(self, group));
                return pins ? pinList(footprintOf(self), pins) : py::list();
            },
            py::arg("group"),
            "The pins a PortGroup or BusInterface is mapped to, as a list; [] when it is not mapped. Raises as "
            "unmap_group does, except for an unmapped group.")
        .def(
            "group_assignments",
            [](const PartMapHandle& self) {
                const InstanceHandle instance = instanceOf(self);
                const FootprintHandle footprint = footprintOf(self);
                std::vector<std::pair<std::string, py::tuple>> rows;
                for (auto walk = self.get()->portGroupPinGroupMaps(); walk.isValid(); ++walk)
                    rows.emplace_back(walk.key()->fullName(), py::make_tuple(wrapGroup(instance, walk.key()),
                                                                             pinList(footprint, walk.value())));
                std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
                py::list result;
                for (const auto& row : rows)
                    result.append(row.second);
                return result;
            },
            "(group, [pins]) for each group mapping, as a list ordered by the group's full name.");
}
