#include "ConstraintDialect.h"

#include "CsvDialect.h"
#include "LpfDialect.h"
#include "PcfDialect.h"
#include "PinTable.h"
#include "PortBitName.h"
#include "QsfDialect.h"
#include "TclScript.h"
#include "TextRules.h"
#include "XdcDialect.h"

#include <algorithm>
#include <cstring>

const ConstraintDialect& ConstraintDialect::of(ConstraintFormat format)
{
    static const XdcDialect xdc;
    static const QsfDialect qsf;
    static const LpfDialect lpf;
    static const PcfDialect pcf;
    static const CsvDialect csv;
    switch (format) {
    case ConstraintFormat::Qsf: return qsf;
    case ConstraintFormat::Lpf: return lpf;
    case ConstraintFormat::Pcf: return pcf;
    case ConstraintFormat::Csv: return csv;
    case ConstraintFormat::Xdc: break;
    }
    return xdc;
}

void ConstraintDialect::place(ConstraintReading* reading, int line, const std::string& name, const std::string& pin)
{
    Placement placement;
    placement.line = line;
    placement.pin = pin;
    std::string problem;
    if (!PortBitName::parse(name, &placement.port, &placement.bit, &problem))
        reading->error(line, problem);
    else if (name.find_first_of("*?") != std::string::npos)
        reading->error(line, "\"" + name + "\" is a pattern; a placement names one port");
    else if (pin.empty())
        reading->error(line, "the placement of " + name + " names no pin");
    else
        reading->placements.push_back(placement);
}

void ConstraintDialect::setStandard(ConstraintReading* reading, int line, const std::string& name,
                                    const std::string& standard)
{
    StandardSetting setting;
    setting.line = line;
    setting.standard = TextRules::trimmed(standard);
    setting.pattern = name.find_first_of("*?") != std::string::npos;
    std::string problem;
    if (setting.standard.empty()) {
        reading->error(line, "the IO standard of " + name + " is empty");
    } else if (setting.pattern) {
        setting.port = TextRules::trimmed(name);
        reading->standards.push_back(setting);
    } else if (!PortBitName::parse(name, &setting.port, &setting.bit, &problem)) {
        reading->error(line, problem);
    } else {
        reading->standards.push_back(setting);
    }
}

void ConstraintDialect::readTcl(const std::string& text, ConstraintReading* reading, const CommandReader& placeCommand)
{
    int unbalancedLine = 0;
    for (const TclCommand& command : TclScript::commands(text, &unbalancedLine)) {
        ConstraintReading placed;
        if (command.comment)
            readComment(command.words[0], command.line, reading, placeCommand);
        else if (!placeCommand(command, &placed))
            ++reading->readPast;
        else if (std::any_of(command.words.begin(), command.words.end(), TclScript::substitutes))
            reading->error(command.line,
                           "the statement takes a value from a Tcl variable, which an import cannot read");
        else
            reading->add(placed);
    }
    if (unbalancedLine)
        reading->error(unbalancedLine, "a brace, bracket or quote opened here is never closed");
}

void ConstraintDialect::readComment(const std::string& comment, int line, ConstraintReading* reading,
                                    const CommandReader& placeCommand)
{
    // "##" begins a comment as well as "#".
    const std::size_t start = std::min(comment.find_first_not_of('#'), comment.size());
    int unbalancedLine = 0;
    for (TclCommand command : TclScript::commands(comment.substr(start), &unbalancedLine)) {
        command.line += line - 1;
        ConstraintReading inside;
        if (!command.comment && placeCommand(command, &inside))
            reading->addCommented(inside);
    }
}

bool ConstraintDialect::isPlainName(const std::string& name)
{
    for (const char c : name) {
        if (!TextRules::isPlainWord(std::string(1, c)) && std::string("$./:<>").find(c) == std::string::npos)
            return false;
    }
    return !name.empty();
}

bool ConstraintDialect::isQuotable(const std::string& text, const char* forbidden)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f || std::strchr(forbidden, c))
            return false;
    }
    return !text.empty() && TextRules::trimmed(text) == text;
}

bool ConstraintDialect::isPlainValue(const std::string& value)
{
    for (const char c : value) {
        if (!TextRules::isPlainWord(std::string(1, c)) && std::string("_.-+ ").find(c) == std::string::npos)
            return false;
    }
    return !value.empty() && TextRules::trimmed(value) == value;
}

bool ConstraintDialect::commentCarries(const std::string& text) const
{
    return text.find_first_of("\r\n") == std::string::npos;
}

void ConstraintDialect::writeHeader(const PinTable& table, std::ostream& out)
{
    out << "# Pin placements of " << table.refdes() << " (cell " << table.cell() << ") in design " << table.design()
        << "\n";
}

void ConstraintDialect::writeGroups(const PinTable& table, std::ostream& out)
{
    for (const PinTableGroup& group : table.groups()) {
        out << "# " << group.kind << " mapping: " << group.name << " on pins";
        for (const std::string& pin : group.pins)
            out << ' ' << pin;
        out << '\n';
    }
}
