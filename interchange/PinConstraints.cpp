#include "wjxmlinterchange/PinConstraints.h"

#include "ConstraintDialect.h"
#include "DesignImporter.h"
#include "PinTable.h"
#include "PortBitName.h"
#include "TextRules.h"

#include <fstream>
#include <new>
#include <sstream>

namespace {

const struct {
    const char* name;
    ConstraintFormat format;
} kFormats[] = {{"xdc", ConstraintFormat::Xdc},
                {"qsf", ConstraintFormat::Qsf},
                {"lpf", ConstraintFormat::Lpf},
                {"pcf", ConstraintFormat::Pcf},
                {"csv", ConstraintFormat::Csv}};

} // namespace

bool PinConstraints::formatFromName(const std::string& name, ConstraintFormat* format)
{
    for (const auto& known : kFormats) {
        if (TextRules::equalIgnoringCase(name, known.name)) {
            *format = known.format;
            return true;
        }
    }
    return false;
}

bool PinConstraints::formatFromFileName(const std::string& fileName, ConstraintFormat* format)
{
    const std::size_t dot = fileName.rfind('.');
    const std::size_t slash = fileName.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return false;
    return formatFromName(fileName.substr(dot + 1), format);
}

const char* PinConstraints::formatName(ConstraintFormat format)
{
    for (const auto& known : kFormats) {
        if (known.format == format)
            return known.name;
    }
    return "";
}

bool PinConstraints::loadSource(const std::string& path, const std::string& formatName, ConstraintSource* source,
                                std::string* error)
{
    try {
        if (formatName.empty() ? !formatFromFileName(path, &source->format)
                               : !PinConstraints::formatFromName(formatName, &source->format)) {
            *error = path + ": the format is not known; name it with xdc, qsf, lpf, pcf or csv";
            return false;
        }
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        if (!in) {
            *error = path + ": the file cannot be read";
            return false;
        }
        source->name = path;
        source->text = text.str();
        return true;
    } catch (const std::bad_alloc&) {
        *error = path + ": out of memory";
        return false;
    }
}

bool PinConstraints::importConstraints(IWJInterfaceView* design, const std::vector<ConstraintSource>& sources,
                                       const ImportOptions& options, ImportReport* report)
{
    try {
        DesignImporter importer(design, options, report);
        for (const ConstraintSource& source : sources) {
            ConstraintReading reading;
            ConstraintDialect::of(source.format).read(source.text, &reading);
            importer.add(source.name, reading);
        }
        return importer.apply();
    } catch (const std::bad_alloc&) {
        report->errors.push_back("out of memory");
        return false;
    }
}

bool PinConstraints::exportConstraints(IWJInterfaceView* design, const ExportOptions& options, std::string* text,
                                       std::string* error)
{
    try {
        PinTable table;
        if (!table.collect(design, options.refdes)) {
            *error = "no instance has the refdes \"" + options.refdes + "\"";
            return false;
        }
        const ConstraintDialect& dialect = ConstraintDialect::of(options.format);
        if (!options.ioStandard.empty() && !dialect.carriesStandard(options.ioStandard)) {
            *error =
                "the IO standard \"" + options.ioStandard + "\" cannot be written in " + formatName(options.format);
            return false;
        }
        table.setDefaultStandard(options.ioStandard);
        for (const PinTableEntry& entry : table.entries()) {
            for (const std::string* name : {&entry.port, &entry.pin}) {
                if (!dialect.carries(*name)) {
                    *error = "the name \"" + *name + "\" cannot be written in " + formatName(options.format);
                    return false;
                }
            }
            if (!entry.ioStandard.empty() && !dialect.carriesStandard(entry.ioStandard)) {
                *error = "the IO standard \"" + entry.ioStandard + "\" of " +
                         PortBitName::format(entry.port, entry.bit) + " cannot be written in " +
                         formatName(options.format);
                return false;
            }
        }
        std::ostringstream out;
        dialect.write(table, options, out);
        *text = out.str();
        return true;
    } catch (const std::bad_alloc&) {
        *error = "out of memory";
        return false;
    }
}
