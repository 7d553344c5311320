#include "commands/KicadExport.h"

#include "kicadio/KicadFootprintWriter.h"
#include "kicadio/KicadSymbolWriter.h"
#include "model/DesignReader.h"
#include "text/OutputFile.h"
#include "wjxmlkicad/DevicePins.h"

#include <iostream>

namespace {

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

bool KicadExport::handles(const std::string& format, const std::string& output, const std::string& package)
{
    if (!package.empty())
        return true;
    if (format.empty())
        return endsWith(output, ".kicad_sym") || endsWith(output, ".kicad_mod");
    return format == "kicad_sym" || format == "kicad_mod";
}

int KicadExport::run(const std::string& designFile, const std::string& refdes, const std::string& format,
                     const std::string& output, const std::string& package, const std::string& ioStandard)
{
    const bool symbol = format.empty() ? endsWith(output, ".kicad_sym") : format == "kicad_sym";
    if ((!package.empty() && !symbol) || !ioStandard.empty()) {
        std::cerr << "ifx export: --package goes with --format kicad_sym only, --iostandard with xdc and qsf\n";
        return 2;
    }
    DevicePins device;
    std::string error;
    if (!package.empty() && !DevicePins::read(package, &device, &error)) {
        std::cerr << error << '\n';
        return 1;
    }
    const Design design = DesignReader::read(designFile);
    if (!design)
        return 1;
    std::string text;
    if (!(symbol ? KicadSymbolWriter::write(design.get(), refdes, package.empty() ? nullptr : &device, &text, &error)
                 : KicadFootprintWriter::write(design.get(), refdes, &text, &error))) {
        std::cerr << designFile << ": " << error << '\n';
        return 1;
    }
    if (OutputFile::replacesInput("export", output, {designFile}))
        return 1;
    return OutputFile::write(output.empty() ? "-" : output, text) ? 0 : 1;
}
