#include "Bindings.h"
#include "DesignState.h"
#include "Errors.h"
#include "Handles.h"
#include "KeyedView.h"
#include "PyText.h"

namespace py = pybind11;

void declareClasses(py::module_& module)
{
    py::class_<DesignState, std::shared_ptr<DesignState>>(
        module, "Design", "A design read from a file by read() or started empty by new().");
    py::class_<InstanceHandle>(module, "Instance", "A placed component with its ports and bus interfaces.");
    py::class_<PortHandle>(module, "Port",
                           "A single-ended port of an instance: one signal, or a bus of bits when it has a range.");
    py::class_<DiffPortHandle, PortHandle>(
        module, "DifferentialPort",
        "A differential pair: a positive and a negative member, each a single-ended port of the same instance. "
        "It has no type, pin count or range of its own: they read \"unknown\", 0 and -1, and setting them "
        "changes nothing.");
    py::class_<BusInterfaceHandle>(module, "BusInterface",
                                   "A bus interface of an instance: the top of its port groups.");
    py::class_<GroupHandle>(module, "PortGroup", "A group of port references below a bus interface.");
    py::class_<FootprintHandle>(module, "Footprint", "A footprint (part definition) with its pins.");
    py::class_<PinHandle>(module, "Pin", "A pin of a footprint.");
    py::class_<PartMapHandle>(module, "PartMap",
                              "The mapping of an instance's ports and groups onto a footprint's pins. Calls that "
                              "need its instance or footprint raise ValueError when it has none in the design.");
}

PYBIND11_MODULE(wjxmlinterfaceflowreader, module)
{
    module.doc() =
        "Read, query, edit and write interface exchange designs.\n\n"
        "Every object keeps its design alive, and objects compare equal when they stand for the same model "
        "object. Removing an instance makes its ports, groups and part maps stale with it, removing a footprint "
        "its pins and part maps, removing a port the port: any later use of a stale object raises "
        "StaleObjectError. Every edit (setting a property, an add, a remove, a mapping) of a design read with "
        "bind=False raises ValueError. A find_ call that finds nothing raises NotFoundError naming what it "
        "looked for and where. Texts holding a NUL raise ValueError; None, or an object of another class, "
        "where an object, a text, a number or a flag is needed raises TypeError (flags take True or False "
        "only); an object of another design, or of another instance or footprint than the call works on, "
        "raises ValueError. Texts of the file that are not UTF-8 come through with surrogate escapes.";
    py::register_exception<StaleObject>(module, "StaleObjectError", PyExc_ReferenceError).doc() =
        "An object was used after its model object was removed from its design.";
    py::register_exception<ReadFailure>(module, "ReadError", PyExc_Exception).doc() =
        "A design file could not be read; the message is the library's \"file:line:col: message\".";
    py::register_exception<NotFound>(module, "NotFoundError",
                                     py::make_tuple(py::handle(PyExc_LookupError), py::handle(PyExc_ValueError)))
        .doc() = "A lookup (a find_ call, remove_footprint by name) finds nothing in the design.";
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
        py::arg("path"), py::arg("bind").noconvert() = true,
        "Reads and validates a design file (a str, bytes or os.PathLike path) and returns its Design. With "
        "bind, edits are written into the document that save writes; with bind=False every edit raises "
        "ValueError and save writes the document as it was read. Raises ReadError with the library's "
        "\"file:line:col: message\" when the file cannot be read or is not a valid design, TypeError for a "
        "path of another type.");
    module.def(
        "new",
        [](const std::string& designName, const std::string& lastUpdatedBy, const std::string& lastUpdatedAt) {
            return DesignState::create(libraryText(designName), libraryText(lastUpdatedBy), libraryText(lastUpdatedAt));
        },
        py::kw_only(), py::arg("design_name") = "", py::arg("last_updated_by") = "", py::arg("last_updated_at") = "",
        "Starts an empty, bound Design with these root texts; they are keywords only.");
}
