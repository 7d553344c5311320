#include "Bindings.h"
#include "ClassHelpers.h"
#include "KeyedView.h"
#include "Wrap.h"

namespace py = pybind11;

void bindFootprints(py::module_& module)
{
    auto footprint = declared<FootprintHandle>(module, "Footprint");
    addIdentity<FootprintHandle>(footprint,
                                 [](const FootprintHandle& self) { return std::string(self.get()->name()); });
    addTextProperty(footprint, "name", &IWJFootPrint::name, &IWJFootPrint::setName,
                    "The name, such as BGA56_P0.8; remove_footprint and find_footprint go by it.");
    addTextProperty(footprint, "width", &IWJFootPrint::width, &IWJFootPrint::setWidth,
                    "The width, a text kept as the file has it.");
    addTextProperty(footprint, "length", &IWJFootPrint::length, &IWJFootPrint::setLength,
                    "The length, a text kept as the file has it.");
    addTextProperty(footprint, "thickness", &IWJFootPrint::thickness, &IWJFootPrint::setThickness,
                    "The thickness, a text kept as the file has it.");
    addTextProperty(footprint, "origin", &IWJFootPrint::origin, &IWJFootPrint::setOrigin,
                    "The origin, such as \"0.0,0.0\".");
    addTextProperty(footprint, "rotation", &IWJFootPrint::rotation, &IWJFootPrint::setRotation,
                    "The rotation, such as \"90\".");
    footprint
        .def_property_readonly(
            "design",
            [](const FootprintHandle& self) {
                self.get();
                return self.designPtr();
            },
            "The Design that holds the footprint.")
        .def_property_readonly(
            "pins",
            [](const FootprintHandle& self) {
                return KeyedView(
                    self.designPtr(),
                    [self] {
                        return keyedEntries(self.get()->pins(),
                                            [&self](IWJFootPrintPin* pin) { return wrapPin(self, pin); });
                    },
                    [self] { return "the pins of " + footprintName(self); });
            },
            "The pins as a ModelMapping of id to Pin, in id order.")
        .def(
            "find_pin",
            [](const FootprintHandle& self, const std::string& name) { return wrapPin(self, requirePin(self, name)); },
            py::arg("name"),
            "The pin of this name, in any ASCII letter case; of pins whose names differ only in case, the last "
            "in the file. Raises NotFoundError when the footprint has none.")
        .def(
            "add_pin",
            [](const FootprintHandle& self, const std::string& name, const py::object& location,
               const py::object& padstack, const py::object& size, const py::object& shape) {
                std::string texts[4];
                IWJFootPrintPin* pin = requireMade(self.edit()->addPin(
                    libraryText(name), optionalLibraryText(location, texts[0]), optionalLibraryText(padstack, texts[1]),
                    optionalLibraryText(size, texts[2]), optionalLibraryText(shape, texts[3])));
                self.design().structureChanged();
                return wrapPin(self, pin);
            },
            py::arg("name"), py::arg("location") = py::none(), py::arg("padstack") = py::none(),
            py::arg("size") = py::none(), py::arg("shape") = py::none(),
            "Adds a Pin, its id made from the name, and returns it. None leaves a text out. Raises TypeError "
            "for a text that is neither str nor None.");

    auto pin = declared<PinHandle>(module, "Pin");
    addIdentity<PinHandle>(pin, [](const PinHandle& self) { return std::string(self.get()->name()); });
    addTextProperty(pin, "name", &IWJFootPrintPin::name, &IWJFootPrintPin::setName, "The name, such as A1 or 10.");
    addTextProperty(pin, "location", &IWJFootPrintPin::location, &IWJFootPrintPin::setLocation,
                    "The location, \"x,y\" by convention.");
    addTextProperty(pin, "padstack", &IWJFootPrintPin::padstack, &IWJFootPrintPin::setPadstack, "The padstack's name.");
    addTextProperty(pin, "size", &IWJFootPrintPin::size, &IWJFootPrintPin::setSize, "The pad size.");
    addTextProperty(pin, "shape", &IWJFootPrintPin::shape, &IWJFootPrintPin::setShape, "The pad shape.");
    pin.def_property_readonly(
        "footprint", [](const PinHandle& self) { return self.owner<IWJFootPrint>(); },
        "The Footprint that owns the pin.");
}
