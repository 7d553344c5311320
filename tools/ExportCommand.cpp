#include "ExportCommand.h"

#include "DesignReader.h"

#include <fstream>
#include <iostream>

int ExportCommand::run(const std::string& designFile, const std::string& refdes, const std::string& format,
                       const std::string& output, const std::string& ioStandard)
{
    ExportOptions options;
    options.refdes = refdes;
    options.ioStandard = ioStandard;
    if (format.empty() ? !PinConstraints::formatFromFileName(output, &options.format)
                       : !PinConstraints::formatFromName(format, &options.format)) {
        std::cerr << "ifx export: name the format with --format xdc, qsf, lpf, pcf or csv\n";
        return 2;
    }
    const Design design = DesignReader::read(designFile);
    if (!design)
        return 1;
    std::string text;
    std::string error;
    if (!PinConstraints::exportConstraints(design.get(), options, &text, &error)) {
        std::cerr << designFile << ": " << error << '\n';
        return 1;
    }
    if (output.empty()) {
        std::cout << text;
        return 0;
    }
    std::ofstream out(output, std::ios::binary);
    out << text;
    out.close();
    if (!out) {
        std::cerr << output << ": the file cannot be written\n";
        return 1;
    }
    return 0;
}
