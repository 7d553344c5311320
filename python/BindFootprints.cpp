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
    addTextProperty(footprint, "name", &IWJFootPrint::name, &IWJFootPrint::setName);
    addTextProperty(footprint, "width", &IWJFootPrint::width, &IWJFootPrint::setWidth);
    addTextProperty(footprint, "length", &IWJFootPrint::length, &IWJFootPrint::setLength);
    addTextProperty(footprint, "thickness", &IWJFootPrint::thickness, &IWJFootPrint::setThickness);
    addTextProperty(footprint, "origin", &IWJFootPrint::origin, &IWJFootPrint::setOrigin);
    addTextProperty(footprint, "rotation", &IWJFootPrint::rotation, &IWJFootPrint::setRotation);
    footprint
        .def_property_readonly("design",
                               [](const FootprintHandle& self) {
                                   self.get();
                                   return self.designPtr();
                               })
        .def_property_readonly("pins",
                               [](const FootprintHandle& self) {
                                   return KeyedView(self.designPtr(), [self] {
                                       return keyedEntries(self.get()->pins(), [&self](IWJFootPrintPin* pin) {
                                           return wrapPin(self, pin);
                                       });
                                   });
                               })
        .def(
            "find_pin",
            [](const FootprintHandle& self, const std::string& name) {
                return wrapHeldPin(self, self.get()->findPin(libraryText(name)));
            },
            py::arg("name"), "The pin of this name, ignoring case, or None.")
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
            py::arg("size") = py::none(), py::arg("shape") = py::none());

    auto pin = declared<PinHandle>(module, "Pin");
    addIdentity<PinHandle>(pin, [](const PinHandle& self) { return std::string(self.get()->name()); });
    addTextProperty(pin, "name", &IWJFootPrintPin::name, &IWJFootPrintPin::setName);
    addTextProperty(pin, "location", &IWJFootPrintPin::location, &IWJFootPrintPin::setLocation);
    addTextProperty(pin, "padstack", &IWJFootPrintPin::padstack, &IWJFootPrintPin::setPadstack);
    addTextProperty(pin, "size", &IWJFootPrintPin::size, &IWJFootPrintPin::setSize);
    addTextProperty(pin, "shape", &IWJFootPrintPin::shape, &IWJFootPrintPin::setShape);
    pin.def_property_readonly("footprint", [](const PinHandle& self) { return self.owner<IWJFootPrint>(); });
}
