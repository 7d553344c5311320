#include "commands/ExportCommand.h"

#include "PrintableText.h"
#include "commands/CommandLine.h"
#include "commands/KicadExport.h"
#include "model/DesignReader.h"
#include "text/OutputFile.h"

#include <iostream>
#include <memory>

void ExportCommand::add(CLI::App& app, int& result)
{
    struct Options {
        std::string design;
        std::string refdes;
        std::string format;
        std::string output;
        std::string ioStandard;
        std::string package;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command =
        CommandLine::add(app, "export",
                         "Write the pin mappings of one instance as a constraint file: one placement per port or\n"
                         "bit on a pin, sorted by port and bit; mappings onto several pins as comments.",
                         "ifx export board.xml --refdes U1 --format xdc -o pins.xdc");
    command->add_option("DESIGN", options->design, "interface exchange file")->required();
    command->add_option("--refdes", options->refdes, "the instance exported")->required();
    command
        ->add_option("--format", options->format, "xdc, qsf, lpf, pcf, csv, kicad_sym or kicad_mod (default: from -o)")
        ->check(CommandLine::constraintFormats() | CLI::IsMember({"kicad_sym", "kicad_mod"}));
    command->add_option("-o,--output", options->output, "the file written; - or none: standard output");
    command->add_option("--iostandard", options->ioStandard, "the IO standard of each placement whose port has none");
    command->add_option("--package", options->package, "kicad_sym: device pin list naming the unmapped pins");
    command->callback([options, &result] {
        if (KicadExport::handles(options->format, options->output, options->package))
            result = KicadExport::run(options->design, options->refdes, options->format, options->output,
                                      options->package, options->ioStandard);
        else
            result = run(options->design, options->refdes, options->format, options->output, options->ioStandard);
    });
}

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
    if (OutputFile::replacesInput("export", output, {designFile}))
        return 1;
    const Design design = DesignReader::read(designFile);
    if (!design)
        return 1;
    std::string text;
    std::string error;
    if (!PinConstraints::exportConstraints(design.get(), options, &text, &error)) {
        std::cerr << wjxml::printable(designFile + ": " + error) << '\n';
        return 1;
    }
    return OutputFile::write(output.empty() ? "-" : output, text) ? 0 : 1;
}
