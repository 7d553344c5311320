#include "XdcDialect.h"

#include "PinTable.h"
#include "PortBitName.h"
#include "TclScript.h"
#include "TextRules.h"

namespace {

const char* const kPackagePin = "PACKAGE_PIN";

// The pin of a -dict list, "" when the list places nothing; false when the
// list is unbalanced or PACKAGE_PIN has no value.
bool pinOfDict(const std::string& dict, bool* places, std::string* pin)
{
    std::vector<std::string> words;
    if (!TclScript::words(TclScript::unwrap(dict), &words))
        return false;
    for (std::size_t i = 0; i < words.size(); i += 2) {
        if (TextRules::equalIgnoringCase(TclScript::unwrap(words[i]), kPackagePin)) {
            *places = true;
            if (i + 1 < words.size())
                *pin = TclScript::unwrap(words[i + 1]);
        }
    }
    return true;
}

// The one port name of "[get_ports name]".
bool portOf(const std::string& objects, std::string* name, std::string* problem)
{
    std::vector<std::string> words;
    const std::string inside = TclScript::bracketInside(objects);
    if (inside.empty() || !TclScript::words(inside, &words) || words.empty() || words[0] != "get_ports") {
        *problem = "PACKAGE_PIN is set on something other than [get_ports NAME]";
        return false;
    }
    std::vector<std::string> names;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i][0] != '-')
            names.push_back(TclScript::unwrap(words[i]));
    }
    std::vector<std::string> listed;
    if (names.size() != 1 || !TclScript::words(names[0], &listed) || listed.size() != 1) {
        *problem = "get_ports must name exactly one port to place on a pin";
        return false;
    }
    *name = TclScript::unwrap(listed[0]);
    return true;
}

// Reads one set_property command; false when it places nothing.
bool readSetProperty(const TclCommand& command, ConstraintReading* reading)
{
    const std::vector<std::string>& words = command.words;
    if (words.empty() || words[0] != "set_property")
        return false;
    bool places = false;
    std::string pin;
    std::vector<std::string> positional;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "-dict" && i + 1 < words.size()) {
            if (!pinOfDict(words[++i], &places, &pin)) {
                reading->error(command.line, "the -dict list has an unbalanced brace, bracket or quote");
                return true;
            }
        } else if (words[i][0] != '-') {
            positional.push_back(words[i]);
        }
    }
    if (!places && !positional.empty() && TextRules::equalIgnoringCase(TclScript::unwrap(positional[0]), kPackagePin)) {
        places = true;
        positional.erase(positional.begin());
        // A bracketed word here is the objects: the pin is missing.
        if (!positional.empty() && positional[0][0] != '[') {
            pin = TclScript::unwrap(positional[0]);
            positional.erase(positional.begin());
        }
    }
    if (!places)
        return false;
    std::string name;
    std::string problem;
    if (positional.empty())
        reading->error(command.line, "PACKAGE_PIN is set on no port");
    else if (positional.size() > 1)
        reading->error(command.line, "set_property PACKAGE_PIN takes one pin and one [get_ports NAME]; " +
                                         positional.front() + " is more");
    else if (!portOf(positional.back(), &name, &problem))
        reading->error(command.line, problem);
    else
        ConstraintDialect::place(reading, command.line, name, pin);
    return true;
}

} // namespace

void XdcDialect::read(const std::string& text, ConstraintReading* reading) const
{
    readTcl(text, reading, readSetProperty);
}

void XdcDialect::write(const PinTable& table, const ExportOptions& options, std::ostream& out) const
{
    writeHeader(table, out);
    for (const PinTableEntry& entry : table.entries()) {
        const std::string port = TclScript::quoted(PortBitName::format(entry.port, entry.bit));
        const std::string pin = TclScript::quoted(entry.pin);
        if (options.ioStandard.empty())
            out << "set_property PACKAGE_PIN " << pin << " [get_ports " << port << "]\n";
        else
            out << "set_property -dict { PACKAGE_PIN " << pin << " IOSTANDARD " << TclScript::quoted(options.ioStandard)
                << " } [get_ports " << port << "]\n";
    }
    writeGroups(table, out);
}
