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

// Reads one set_instance_assignment of an IO_STANDARD; false when it sets
// something else.
bool readInstanceAssignment(const TclCommand& command, ConstraintReading* reading)
{
    const std::vector<std::string>& words = command.words;
    if (words.empty() || words[0] != "set_instance_assignment")
        return false;
    std::string setting;
    std::string value;
    std::string name;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i][0] != '-')
            value = TclScript::unwrap(words[i]);
        else if (words[i] == "-name" && i + 1 < words.size())
            setting = TclScript::unwrap(words[++i]);
        else if (words[i] == "-to" && i + 1 < words.size())
            name = TclScript::unwrap(words[++i]);
        else if (words[i] != "-disable")
            ++i;
    }
    if (!TextRules::equalIgnoringCase(setting, "IO_STANDARD"))
        return false;
    if (name.empty())
        reading->error(command.line, "the IO_STANDARD assignment has no -to NAME");
    else
        ConstraintDialect::setStandard(reading, command.line, name, value);
    return true;
}

} // namespace

void QsfDialect::read(const std::string& text, ConstraintReading* reading) const
{
    readTcl(text, reading, [](const TclCommand& command, ConstraintReading* into) {
        return readAssignment(command, into) || readInstanceAssignment(command, into);
    });
}

bool QsfDialect::carriesStandard(const std::string& standard) const
{
    return isQuotable(standard, "\"\\$[]");
}

void QsfDialect::write(const PinTable& table, const ExportOptions&, std::ostream& out) const
{
    writeHeader(table, out);
    for (const PinTableEntry& entry : table.entries()) {
        const std::string name = PortBitName::format(entry.port, entry.bit);
        out << "set_location_assignment " << kPinPrefix << entry.pin << " -to " << name << "\n";
        if (!entry.ioStandard.empty())
            out << "set_instance_assignment -name IO_STANDARD \"" << entry.ioStandard << "\" -to " << name << "\n";
    }
    writeGroups(table, out);
}
