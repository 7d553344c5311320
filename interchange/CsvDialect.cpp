#include "CsvDialect.h"

#include "CsvColumns.h"
#include "PinTable.h"
#include "PortBitName.h"
#include "TextRules.h"

namespace {

// A field that a spreadsheet would not take for a formula, quoted when it
// needs to be.
std::string csvField(const std::string& text)
{
    std::string field = !text.empty() && std::string("=+-@").find(text[0]) != std::string::npos ? "'" + text : text;
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (const char c : field)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void readRow(const CsvColumns& columns, const CsvRecord& record, ConstraintReading* reading)
{
    if (CsvColumns::isEmpty(record))
        return;
    // With a mapping column, only pin mappings are placements: the rows of
    // unmapped pins have none.
    if (columns.has("MAPPING") && columns.of(record, "MAPPING") != "pin") {
        ++reading->readPast;
        return;
    }
    std::string port = columns.of(record, "PORT");
    const std::string bitText = columns.of(record, "BIT");
    std::string cell;
    const std::size_t dot = port.rfind('.');
    if (dot != std::string::npos) {
        cell = port.substr(0, dot);
        port = port.substr(dot + 1);
    }
    const std::size_t before = reading->placements.size();
    int bit = -1;
    if (!bitText.empty() && !TextRules::parseBit(bitText, &bit))
        reading->error(record.line, "the bit \"" + bitText + "\" is not a bit number");
    else
        ConstraintDialect::place(reading, record.line, bit == -1 ? port : PortBitName::format(port, bit),
                                 columns.of(record, "PIN"));
    if (reading->placements.size() == before)
        return;
    Placement& placement = reading->placements.back();
    placement.cell = cell;
    placement.refdes = columns.of(record, "REFDES");
    placement.type = columns.of(record, "TYPE");
    const std::string standard = columns.of(record, "IOSTANDARD");
    if (!standard.empty()) {
        ConstraintDialect::setStandard(reading, record.line, PortBitName::format(placement.port, placement.bit),
                                       standard);
        reading->standards.back().refdes = placement.refdes;
    }
}

} // namespace

void CsvDialect::read(const std::string& text, ConstraintReading* reading) const
{
    int unclosedLine = 0;
    const std::vector<CsvRecord> rows = CsvColumns::records(text, &unclosedLine);
    std::size_t first = 0;
    while (first < rows.size() && CsvColumns::isEmpty(rows[first]))
        ++first;
    if (first < rows.size()) {
        const CsvColumns columns(rows[first]);
        if (!columns.has("PORT") || !columns.has("PIN")) {
            reading->error(rows[first].line, "the header row must name the columns port and pin");
            return;
        }
        for (std::size_t i = first + 1; i < rows.size(); ++i)
            readRow(columns, rows[i], reading);
    }
    if (unclosedLine)
        reading->error(unclosedLine, "a quoted field opened here is never closed");
}

bool CsvDialect::carries(const std::string& name) const
{
    return !name.empty() && name.find_first_of(".[]") == std::string::npos && TextRules::trimmed(name) == name &&
           name[0] != '\'';
}

bool CsvDialect::carriesStandard(const std::string& standard) const
{
    return !standard.empty() && TextRules::trimmed(standard) == standard && standard[0] != '\'';
}

void CsvDialect::write(const PinTable& table, const ExportOptions&, std::ostream& out) const
{
    out << "refdes,port,bit,pin,type,iostandard,mapping,group\r\n";
    const std::string refdes = csvField(table.refdes());
    for (const PinTableEntry& entry : table.entries())
        out << refdes << ',' << csvField(table.cell() + "." + entry.port) << ','
            << (entry.bit == -1 ? "" : std::to_string(entry.bit)) << ',' << csvField(entry.pin) << ',' << entry.type
            << ',' << csvField(entry.ioStandard) << ",pin,\r\n";
    // As in ifx pinmap: a port's pin-group mapping names the port, a group
    // mapping the group.
    for (const PinTableGroup& group : table.groups()) {
        const bool port = group.kind == "pin-group";
        for (const std::string& pin : group.pins)
            out << refdes << ',' << (port ? csvField(group.name) : "") << ",," << csvField(pin) << ",,," << group.kind
                << ',' << (port ? "" : csvField(group.name)) << "\r\n";
    }
}
