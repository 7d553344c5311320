#include "Bindings.h"
#include "DesignState.h"
#include "PyText.h"

#include <wjxmlinterchange/PinConstraints.h>

#include <pybind11/stl.h>

#include <memory>
#include <string>
#include <vector>

namespace py = pybind11;

using DesignPtr = std::shared_ptr<DesignState>;

namespace {

ConstraintFormat formatNamed(const std::string& name)
{
    ConstraintFormat format = ConstraintFormat::Xdc;
    if (!PinConstraints::formatFromName(name, &format))
        throw py::value_error("unknown constraint format \"" + name + "\": xdc, qsf, lpf, pcf or csv");
    return format;
}

std::string lines(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& text : texts)
        joined += (joined.empty() ? "" : "\n") + text;
    return joined;
}

} // namespace

void bindConstraints(py::module_& module)
{
    module.def(
        "import_constraints",
        [](DesignState& designArgument, const py::object& path, const std::string& refdes, const std::string& cell,
           const std::string& footprint, bool replace, bool pairs, const std::string& format, bool includeCommented,
           bool force, bool noNewPorts, bool noNewPins) {
            const DesignPtr design = designArgument.shared_from_this();
            ConstraintSource source;
            std::string error;
            if (!PinConstraints::loadSource(pathText(path), format, &source, &error))
                throw py::value_error(error);
            ImportReport report;
            ImportOptions options;
            options.refdes = refdes;
            options.cell = cell;
            options.footprint = footprint;
            options.replace = replace;
            options.pairsByName = pairs;
            options.includeCommented = includeCommented;
            options.force = force;
            options.noNewPorts = noNewPorts;
            options.noNewPins = noNewPins;
            const bool imported = PinConstraints::importConstraints(design->edit(), {source}, options, &report);
            design->structureChanged();
            if (!imported)
                throw py::value_error(lines(report.errors));
            py::dict summary;
            summary["placements"] = report.placementsRead;
            summary["standards"] = report.standardsRead;
            summary["ports_made"] = report.portsMade;
            summary["pins_made"] = report.pinsMade;
            summary["pairs_made"] = report.pairsMade;
            summary["made_ports"] = report.madePorts;
            summary["made_pins"] = report.madePins;
            summary["commented_out"] = report.placementsCommentedOut;
            summary["warnings"] = report.warnings;
            return summary;
        },
        py::arg("design"), py::arg("path"), py::kw_only(), py::arg("refdes"), py::arg("cell") = "",
        py::arg("footprint") = "", py::arg("replace").noconvert() = false, py::arg("pairs").noconvert() = true,
        py::arg("format") = "", py::arg("include_commented").noconvert() = false, py::arg("force").noconvert() = false,
        py::arg("no_new_ports").noconvert() = false, py::arg("no_new_pins").noconvert() = false,
        "Places the pins a constraint file (.xdc, .qsf, .lpf, .pcf, .csv; format= overrides the extension) "
        "assigns on the instance refdes, with their IO standards and differential pairs, as ifx import does with "
        "the options of the same names (pairs=False as --no-pairs). Raises ValueError with every error, and then "
        "changes nothing; returns the counts, the names of the ports and pins made and the warnings.");
    module.def(
        "export_constraints",
        [](DesignState& designArgument, const std::string& refdes, const std::string& format,
           const std::string& iostandard) {
            const DesignPtr design = designArgument.shared_from_this();
            ExportOptions options;
            options.refdes = refdes;
            options.format = formatNamed(format);
            options.ioStandard = iostandard;
            std::string text;
            std::string error;
            if (!PinConstraints::exportConstraints(design->view(), options, &text, &error))
                throw py::value_error(error);
            return text;
        },
        py::arg("design"), py::kw_only(), py::arg("refdes"), py::arg("format"), py::arg("iostandard") = "",
        "The pin mappings of the instance refdes as a constraint file's text, with their IO standards "
        "(iostandard= where a port has none), as ifx export writes it.");
}
