#include "Bindings.h"
#include "ClassHelpers.h"
#include "DesignState.h"
#include "Errors.h"
#include "KeyedView.h"
#include "Wrap.h"

#include "edit/EditNames.h"
#include "wjxmlinterchange/PinConstraints.h"

namespace py = pybind11;

namespace {

using DesignPtr = std::shared_ptr<DesignState>;

// The footprint that removing by this name takes: the first in id order
// whose name is equal byte for byte, as the library looks it up.
IWJFootPrint* footprintNamed(IWJInterfaceView* view, const std::string& name)
{
    for (auto walk = view->footprints(); walk.isValid(); ++walk) {
        if (name == walk.value()->name())
            return walk.value();
    }
    return nullptr;
}

void removeFootprint(DesignState& self, const py::object& which)
{
    const DesignPtr design = self.shared_from_this();
    IWJInterfaceView* view = design->edit();
    const bool byObject = py::isinstance<FootprintHandle>(which);
    const std::string name =
        byObject ? std::string(which.cast<const FootprintHandle&>().get()->name()) : strArgument(which);
    if (byObject)
        requireDesign(which.cast<const FootprintHandle&>(), design, "the footprint belongs to another design");
    IWJFootPrint* footprint = footprintNamed(view, libraryText(name));
    if (!footprint)
        throw NotFound("footprint", name, "in the design");
    if (byObject && footprint != which.cast<const FootprintHandle&>().get())
        throw py::value_error("another footprint named '" + name + "' comes first in id order; rename one of them");
    const auto before = design->topLevelObjects();
    const auto partMaps = design->partMaps();
    view->removeFootprint(name.c_str());
    design->retireRemoved(before, partMaps);
}

void removeInstance(DesignState& self, const InstanceHandle& instance)
{
    const DesignPtr design = self.shared_from_this();
    requireDesign(instance, design, "the instance belongs to another design");
    if (!design->holdsInstance(instance.get()))
        throw py::value_error("the instance is not filed in the design: another of the same id took its place");
    const auto before = design->topLevelObjects();
    const auto partMaps = design->partMaps();
    design->edit()->removeCompInst(instance.get());
    design->retireRemoved(before, partMaps);
}

} // namespace

void bindDesign(py::module_& module)
{
    auto cls = declared<DesignState, DesignPtr>(module, "Design");
    cls.def_property_readonly(
           "bound", [](const DesignState& self) { return self.bound(); },
           "Whether edits are written into the saved document: False for a design read with bind=False, "
           "which cannot be edited.")
        .def(
            "save",
            [](DesignState& design, const py::object& path) {
                const std::string message = design.write(pathText(path));
                if (!message.empty()) {
                    PyErr_SetString(PyExc_OSError, message.c_str());
                    throw py::error_already_set();
                }
            },
            py::arg("path"),
            "Writes the design to path (a str, bytes or os.PathLike). After edits it first sets "
            "last_updated_by (the login name and \"(Python)\") and last_updated_at (ISO 8601, UTC), unless "
            "either was set since the last save. Raises OSError with the library's message when the file "
            "cannot be written, and then leaves an existing file as it was.")
        .def_property_readonly(
            "instances",
            [](DesignState& self) {
                const DesignPtr design = self.shared_from_this();
                return KeyedView(
                    design,
                    [design] {
                        return keyedEntries(design->view()->compInsts(), [&design](IWJCompInst* instance) {
                            return wrapInstance(design, instance);
                        });
                    },
                    [] { return "the instances of the design"; });
            },
            "The instances as a ModelMapping of id to Instance, in id order.")
        .def_property_readonly(
            "footprints",
            [](DesignState& self) {
                const DesignPtr design = self.shared_from_this();
                return KeyedView(
                    design,
                    [design] {
                        return keyedEntries(design->view()->footprints(), [&design](IWJFootPrint* footprint) {
                            return wrapFootprint(design, footprint);
                        });
                    },
                    [] { return "the footprints of the design"; });
            },
            "The footprints as a ModelMapping of id to Footprint, in id order.")
        .def_property_readonly(
            "part_maps",
            [](DesignState& self) {
                const DesignPtr design = self.shared_from_this();
                py::list partMaps;
                for (IWJPartMap* partMap : design->partMaps())
                    partMaps.append(wrapPartMap(design, partMap));
                return partMaps;
            },
            "The part maps as a list, in the order they were read or added.")
        .def(
            "add_instance",
            [](DesignState& self, const std::string& cellName, const std::string& refdes) {
                const DesignPtr design = self.shared_from_this();
                IWJCompInst* instance =
                    requireMade(design->edit()->addCompInst(libraryText(cellName), libraryText(refdes)));
                design->structureChanged();
                return wrapInstance(design, instance);
            },
            py::arg("cell_name"), py::arg("refdes"),
            "Adds an Instance of the cell with this refdes, its id made from the refdes, and returns it.")
        .def("remove_instance", &removeInstance, py::arg("instance"),
             "Removes the instance with its ports, groups and part maps, which all become stale. Raises "
             "ValueError for an instance of another design, or one whose id another instance took.")
        .def(
            "find_instance",
            [](DesignState& self, const std::string& refdes) {
                const DesignPtr design = self.shared_from_this();
                return requireFound(wrapInstance(design, PinConstraints::findInstance(design->view(), refdes)),
                                    "instance", refdes, "in the design");
            },
            py::arg("refdes"),
            "The first instance in id order with this refdes, in any letter case. Raises NotFoundError when "
            "none has it.")
        .def(
            "add_footprint",
            [](DesignState& self, const std::string& name, const py::object& width, const py::object& length,
               const py::object& thickness, const py::object& origin, const py::object& rotation) {
                const DesignPtr design = self.shared_from_this();
                std::string texts[5];
                IWJFootPrint* footprint = requireMade(design->edit()->addFootprint(
                    libraryText(name), optionalLibraryText(width, texts[0]), optionalLibraryText(length, texts[1]),
                    optionalLibraryText(thickness, texts[2]), optionalLibraryText(origin, texts[3]),
                    optionalLibraryText(rotation, texts[4])));
                design->structureChanged();
                return wrapFootprint(design, footprint);
            },
            py::arg("name"), py::arg("width") = py::none(), py::arg("length") = py::none(),
            py::arg("thickness") = py::none(), py::arg("origin") = py::none(), py::arg("rotation") = py::none(),
            "Adds a Footprint, its id made from the name, and returns it. The outline texts are kept as given; "
            "None leaves one out. Raises TypeError for an outline text that is neither str nor None.")
        .def("remove_footprint", &removeFootprint, py::arg("footprint"),
             "Removes a footprint, given by name or as a Footprint, with its pins and part maps, which all become "
             "stale. A name takes the first footprint in id order whose name is equal, letter case counting. "
             "Raises NotFoundError when no footprint has the name, ValueError for a Footprint of another design "
             "or one behind another of the same name in id order, TypeError for another type.")
        .def(
            "find_footprint",
            [](DesignState& self, const std::string& name) {
                const DesignPtr design = self.shared_from_this();
                return requireFound(wrapFootprint(design, footprintNamed(design->view(), name)), "footprint", name,
                                    "in the design");
            },
            py::arg("name"),
            "The first footprint in id order with this name, letter case counting. Raises NotFoundError when "
            "none has it.")
        .def(
            "add_part_map",
            [](DesignState& self, const FootprintHandle& footprint, const InstanceHandle& instance) {
                const DesignPtr design = self.shared_from_this();
                requireDesign(footprint, design, "the footprint belongs to another design");
                requireDesign(instance, design, "the instance belongs to another design");
                IWJPartMap* partMap = requireMade(design->edit()->addPartMap(footprint.get(), instance.get()));
                design->structureChanged();
                return wrapPartMap(design, partMap);
            },
            py::arg("footprint"), py::arg("instance"),
            "Adds a PartMap of the instance onto the footprint, listed last by part_maps, and returns it. "
            "Raises ValueError for an object of another design.")
        .def(
            "find_part_map",
            [](DesignState& self, const InstanceHandle& instance) {
                const DesignPtr design = self.shared_from_this();
                requireDesign(instance, design, "the instance belongs to another design");
                return requireFound(wrapPartMap(design, design->view()->findPartMap(instance.get())),
                                    "part map of instance", messageText(instance.get()->refdes()), "in the design");
            },
            py::arg("instance"),
            "The first part map of the instance in the order of part_maps. Raises NotFoundError when the "
            "instance has none, ValueError for an instance of another design.");
    addTextProperty(cls, "design_name", &IWJInterfaceView::designName, &IWJInterfaceView::setDesignName,
                    "The design's name.");
    // A save after edits stamps who changed the design and when, unless the
    // host set either text itself.
    using Setter = void (IWJInterfaceView::*)(const char*);
    const auto stampProperty = [&cls](const char* name, const char* (IWJInterfaceView::*read)(), Setter write,
                                      const char* doc) {
        cls.def_property(
            name, [read](const DesignState& self) { return modelText((self.get()->*read)()); },
            [write](DesignState& self, const std::string& value) {
                (self.edit()->*write)(libraryText(value));
                self.stampedByHost();
            },
            doc);
    };
    stampProperty("last_updated_by", &IWJInterfaceView::lastUpdatedBy, &IWJInterfaceView::setLastUpdatedBy,
                  "Who last updated the design; once set, the next save keeps it instead of stamping.");
    stampProperty("last_updated_at", &IWJInterfaceView::lastUpdatedAt, &IWJInterfaceView::setLastUpdatedAt,
                  "When the design was last updated, a text the library does not interpret; once set, the next "
                  "save keeps it instead of stamping.");
}
