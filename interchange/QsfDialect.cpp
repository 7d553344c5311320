#include "QsfDialect.h"

#include "PinTable.h"
#include "PortBitName.h"
#include "TclScript.h"
#include "TextRules.h"

namespace {

const std::string kPinPrefix = "PIN_";

// Reads one set_location_assignment command; false when it places nothing.
bool readAssignment(const TclCommand& command, ConstraintReading* reading)
{
    const std::vector<std::string>& words = command.words;
    if (words.empty() || words[0] != "set_location_assignment")
        return false;
    std::string location;
    std::string extra;
    std::string name;
    bool named = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i][0] == '-') {
            const bool to = words[i] == "-to";
            if (++i < words.size() && to) {
                name = TclScript::unwrap(words[i]);
                named = true;
            }
        } else if (location.empty()) {
            location = TclScript::unwrap(words[i]);
        } else {
            extra = words[i];
        }
    }
    if (!location.empty() && !TextRules::startsWithIgnoringCase(location, kPinPrefix))
        return false;
    if (!named)
        reading->error(command.line, "the location assignment has no -to NAME");
    else if (!extra.empty())
        reading->error(command.line, "the location assignment takes one location; " + extra + " is more");
    else
        ConstraintDialect::place(reading, command.line, name,
                                 location.empty() ? "" : location.substr(kPinPrefix.size()));
    return true;
}

} // namespace

void QsfDialect::read(const std::string& text, ConstraintReading* reading) const
{
    readTcl(text, reading, readAssignment);
}

void QsfDialect::write(const PinTable& table, const ExportOptions& options, std::ostream& out) const
{
    writeHeader(table, out);
    for (const PinTableEntry& entry : table.entries()) {
        const std::string name = PortBitName::format(entry.port, entry.bit);
        out << "set_location_assignment " << kPinPrefix << entry.pin << " -to " << name << "\n";
        if (!options.ioStandard.empty())
            out << "set_instance_assignment -name IO_STANDARD \"" << options.ioStandard << "\" -to " << name << "\n";
    }
    writeGroups(table, out);
}
