#include "wjxmlinterchange/PinConstraints.h"

#include "ConstraintDialect.h"
#include "DesignImporter.h"
#include "PinTable.h"
#include "PortBitName.h"
#include "SourceText.h"
#include "TextRules.h"

#include "wjxmlinterfaceflowreader.h"

#include <fstream>
#include <new>
#include <sstream>
#include <sys/stat.h>

namespace {

const struct {
    const char* name;
    ConstraintFormat format;
} kFormats[] = {{"xdc", ConstraintFormat::Xdc},
                {"qsf", ConstraintFormat::Qsf},
                {"lpf", ConstraintFormat::Lpf},
                {"pcf", ConstraintFormat::Pcf},
                {"csv", ConstraintFormat::Csv}};

// What of the table the dialect cannot write so that it reads back as it is,
// "" when it can write all: names, IO standards (the default one given
// included) and the texts of comments.
std::string unwritable(const PinTable& table, const ConstraintDialect& dialect, const ExportOptions& options)
{
    const std::string format = PinConstraints::formatName(options.format);
    const std::string& fallback = options.ioStandard;
    if (!fallback.empty() && !ConstraintDialect::isPlainValue(fallback))
        return "the IO standard \"" + fallback + "\" cannot be written as it is";
    if (!fallback.empty() && !dialect.carriesStandard(fallback))
        return "the IO standard \"" + fallback + "\" cannot be written in " + format;
    for (const PinTableEntry& entry : table.entries()) {
        for (const std::string* name : {&entry.port, &entry.pin}) {
            if (!dialect.carries(*name))
                return "the name \"" + *name + "\" cannot be written in " + format;
        }
        if (!entry.ioStandard.empty() && !dialect.carriesStandard(entry.ioStandard))
            return "the IO standard \"" + entry.ioStandard + "\" of " + PortBitName::format(entry.port, entry.bit) +
                   " cannot be written in " + format;
    }
    std::vector<const std::string*> comments{&table.refdes(), &table.cell(), &table.design()};
    for (const PinTableGroup& group : table.groups()) {
        comments.push_back(&group.name);
        for (const std::string& pin : group.pins)
            comments.push_back(&pin);
    }
    for (const std::string* comment : comments) {
        if (!dialect.commentCarries(*comment))
            return "the text \"" + *comment + "\" cannot be written in a comment of " + format;
    }
    return "";
}

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

std::string PinConstraints::refdesKey(const std::string& refdes)
{
    return TextRules::upper(refdes);
}

IWJCompInst* PinConstraints::findInstance(IWJInterfaceView* design, const std::string& refdes)
{
    for (auto walk = design->compInsts(); walk.isValid(); ++walk) {
        if (TextRules::equalIgnoringCase(refdes, walk.value()->refdes()))
            return walk.value();
    }
    return nullptr;
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
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
            *error = path + ": is a folder, not a constraint file";
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

bool PinConstraints::sourceText(const ConstraintSource& source, std::string* text)
{
    int line = 0;
    std::string problem;
    try {
        return SourceText::decode(source.text, text, &line, &problem);
    } catch (const std::bad_alloc&) {
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
            std::string text;
            std::string problem;
            int line = 0;
            if (SourceText::decode(source.text, &text, &line, &problem))
                ConstraintDialect::of(source.format).read(text, &reading);
            else
                reading.error(line, problem);
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
        const std::string problem = unwritable(table, dialect, options);
        if (!problem.empty()) {
            *error = problem;
            return false;
        }
        table.setDefaultStandard(options.ioStandard);
        std::ostringstream out;
        dialect.write(table, options, out);
        *text = out.str();
        return true;
    } catch (const std::bad_alloc&) {
        *error = "out of memory";
        return false;
    }
}
