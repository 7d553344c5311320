#include "Bindings.h"
#include "DesignState.h"
#include "Errors.h"
#include "KeyedView.h"
#include "PyText.h"

namespace py = pybind11;

PYBIND11_MODULE(wjxmlinterfaceflowreader, module)
{
    module.doc() = "Read, query, edit and write interface exchange designs.";
    py::register_exception<StaleObject>(module, "StaleObjectError", PyExc_ReferenceError);
    py::register_exception<ReadFailure>(module, "ReadError", PyExc_Exception);

    bindKeyedView(module);
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
