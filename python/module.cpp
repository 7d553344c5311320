#include "Bindings.h"
#include "DesignState.h"
#include "Errors.h"
#include "Handles.h"
#include "KeyedView.h"
#include "PyText.h"

namespace py = pybind11;

void declareClasses(py::module_& module)
{
    py::class_<DesignState, std::shared_ptr<DesignState>>(module, "Design",
                                                          "A design read from a file or started empty.");
    py::class_<InstanceHandle>(module, "Instance", "A placed component with its ports and bus interfaces.");
    py::class_<PortHandle>(module, "Port", "A port of an instance.");
    py::class_<DiffPortHandle, PortHandle>(module, "DifferentialPort",
                                           "A differential pair: a positive and a negative member port.");
    py::class_<BusInterfaceHandle>(module, "BusInterface",
                                   "A bus interface of an instance: the top of its port groups.");
    py::class_<GroupHandle>(module, "PortGroup", "A group of port references below a bus interface.");
    py::class_<FootprintHandle>(module, "Footprint", "A footprint (part definition) with its pins.");
    py::class_<PinHandle>(module, "Pin", "A pin of a footprint.");
    py::class_<PartMapHandle>(module, "PartMap", "The mapping of an instance's ports onto a footprint's pins.");
}

PYBIND11_MODULE(wjxmlinterfaceflowreader, module)
{
    module.doc() = "Read, query, edit and write interface exchange designs.";
    py::register_exception<StaleObject>(module, "StaleObjectError", PyExc_ReferenceError);
    py::register_exception<ReadFailure>(module, "ReadError", PyExc_Exception);
    py::register_exception<NotFound>(module, "NotFoundError",
                                     py::make_tuple(py::handle(PyExc_LookupError), py::handle(PyExc_ValueError)));
    // None where an object is needed reaches a C++ reference as a cast
    // failure whose text names C++ types.
    py::register_exception_translator([](std::exception_ptr failure) {
        try {
            if (failure)
                std::rethrow_exception(failure);
        } catch (const py::reference_cast_error&) {
            PyErr_SetString(PyExc_TypeError, "None was given where an object is needed");
        }
    });

    bindKeyedView(module);
    declareClasses(module);
    bindDesign(module);
    bindInstance(module);
    bindPorts(module);
    bindGroups(module);
    bindFootprints(module);
    bindPartMaps(module);
    bindConstraints(module);

    module.def(
        "read", [](const py::object& path, bool bind) { return DesignState::read(pathText(path), bind); },
        py::arg("path"), py::arg("bind") = true,
        "Reads and validates a design file. With bind, edits are written into the document that save writes.");
    module.def(
        "new",
        [](const std::string& designName, const std::string& lastUpdatedBy, const std::string& lastUpdatedAt) {
            return DesignState::create(libraryText(designName), libraryText(lastUpdatedBy), libraryText(lastUpdatedAt));
        },
        py::kw_only(), py::arg("design_name") = "", py::arg("last_updated_by") = "", py::arg("last_updated_at") = "",
        "Starts an empty design.");
}
