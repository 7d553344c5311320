// A minimal host of the interchange library: places one port on a pin of a
// new design and writes the placement back as a .qsf line.
#include <wjxmlinterchange/PinConstraints.h>
#include <wjxmlinterfaceflowreader.h>

#include <cstdio>
#include <memory>
#include <string>

int main()
{
    CWJXMLFlowReader reader;
    std::unique_ptr<IWJInterfaceView> design(reader.CreateInterfaceView("host", "2026-12-07T12:00:00Z", "board"));
    ImportOptions options;
    options.refdes = "U1";
    ImportReport report;
    const ConstraintSource source{"pins.xdc", "set_property PACKAGE_PIN E3 [get_ports clk]\n", ConstraintFormat::Xdc};
    if (!PinConstraints::importConstraints(design.get(), {source}, options, &report))
        return 1;
    ExportOptions exported;
    exported.refdes = "U1";
    exported.format = ConstraintFormat::Qsf;
    std::string text;
    std::string error;
    if (!PinConstraints::exportConstraints(design.get(), exported, &text, &error) ||
        text.find("set_location_assignment PIN_E3 -to clk") == std::string::npos) {
        std::fprintf(stderr, "%s%s", error.c_str(), text.c_str());
        return 1;
    }
    return 0;
}
