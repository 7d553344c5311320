#include "XdcDialect.h"

#include "PinTable.h"
#include "PortBitName.h"
#include "TclScript.h"
#include "TextRules.h"

namespace {

// The pin of a port: PACKAGE_PIN, or LOC, which on a port places it as well.
bool isPinProperty(const std::string& name)
{
    return TextRules::equalIgnoringCase(name, "PACKAGE_PIN") || TextRules::equalIgnoringCase(name, "LOC");
}

// What one set_property command sets that an import keeps.
struct XdcProperties {
    bool places = false;
    std::string pinProperty; // as written, for messages
    std::string pin;
    bool setsStandard = false;
    std::string standard;
};

void note(const std::string& name, const std::string& value, XdcProperties* properties)
{
    if (isPinProperty(name) && !properties->places) {
        properties->places = true;
        properties->pinProperty = name;
        properties->pin = value;
    } else if (TextRules::equalIgnoringCase(name, "IOSTANDARD")) {
        properties->setsStandard = true;
        properties->standard = value;
    }
}

// The properties of a -dict list; false when the list is unbalanced.
bool readDict(const std::string& dict, XdcProperties* properties)
{
    std::vector<std::string> words;
    if (!TclScript::words(TclScript::unwrap(dict), &words))
        return false;
    for (std::size_t i = 0; i < words.size(); i += 2)
        note(TclScript::unwrap(words[i]), i + 1 < words.size() ? TclScript::unwrap(words[i + 1]) : "", properties);
    return true;
}

// The names of "[get_ports names]"; false when the objects are not ports
// by name.
bool portsOf(const std::string& objects, std::vector<std::string>* names)
{
    std::vector<std::string> words;
    const std::string inside = TclScript::bracketInside(objects);
    if (inside.empty() || !TclScript::words(inside, &words) || words.empty() || words[0] != "get_ports")
        return false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        // -of_objects, -filter and -regexp choose ports by what is not a name.
        if (words[i][0] == '-' ? words[i] != "-quiet" && words[i] != "-nocase"
                               : !TclScript::words(TclScript::unwrap(words[i]), names))
            return false;
    }
    for (std::string& name : *names)
        name = TclScript::unwrap(name);
    return !names->empty();
}

// Reads one set_property command; false when it sets nothing an import keeps.
bool readSetProperty(const TclCommand& command, ConstraintReading* reading)
{
    const std::vector<std::string>& words = command.words;
    if (words.empty() || words[0] != "set_property")
        return false;
    XdcProperties properties;
    std::vector<std::string> positional;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "-dict" && i + 1 < words.size()) {
            if (!readDict(words[++i], &properties)) {
                reading->error(command.line, "the -dict list has an unbalanced brace, bracket or quote");
                return true;
            }
        } else if (words[i][0] != '-') {
            positional.push_back(words[i]);
        }
    }
    std::size_t named = 0; // the words of the property and its value, when no -dict gives them
    if (positional.size() >= 2) {
        // A bracketed word after the name is the objects: the value is missing.
        const bool valued = positional.size() >= 3 && positional[1][0] != '[';
        note(TclScript::unwrap(positional[0]), valued ? TclScript::unwrap(positional[1]) : "", &properties);
        named = valued ? 2 : 1;
    }
    if (!properties.places && !properties.setsStandard)
        return false;
    std::vector<std::string> names;
    const bool ports = !positional.empty() && portsOf(positional.back(), &names);
    if (positional.size() > named + 1) {
        // PACKAGE_PIN E 3 would place on E and drop the 3.
        reading->error(command.line,
                       "set_property takes one value and one [get_ports NAMES]; " + positional[named] + " is more");
    } else if (!ports && properties.places && !TextRules::equalIgnoringCase(properties.pinProperty, "LOC")) {
        reading->error(command.line, properties.pinProperty + " is set on something other than [get_ports NAME]");
    } else if (!ports && properties.setsStandard) {
        reading->warning(command.line, "IOSTANDARD is set on something other than [get_ports NAMES]; read past");
    } else if (!ports) {
        // LOC also places cells on sites, which are no concern of a pin table.
        return false;
    } else if (properties.places && names.size() != 1) {
        reading->error(command.line, "get_ports must name exactly one port to place on a pin");
    } else {
        if (properties.places)
            ConstraintDialect::place(reading, command.line, names[0], properties.pin);
        for (const std::string& name : properties.setsStandard ? names : std::vector<std::string>())
            ConstraintDialect::setStandard(reading, command.line, name, properties.standard);
    }
    return true;
}

} // namespace

void XdcDialect::read(const std::string& text, ConstraintReading* reading) const
{
    readTcl(text, reading, readSetProperty);
}

bool XdcDialect::carriesStandard(const std::string& standard) const
{
    return isQuotable(standard, "{}\\");
}

void XdcDialect::write(const PinTable& table, const ExportOptions&, std::ostream& out) const
{
    writeHeader(table, out);
    for (const PinTableEntry& entry : table.entries()) {
        const std::string port = TclScript::quoted(PortBitName::format(entry.port, entry.bit));
        const std::string pin = TclScript::quoted(entry.pin);
        if (entry.ioStandard.empty())
            out << "set_property PACKAGE_PIN " << pin << " [get_ports " << port << "]\n";
        else
            out << "set_property -dict { PACKAGE_PIN " << pin << " IOSTANDARD " << TclScript::quoted(entry.ioStandard)
                << " } [get_ports " << port << "]\n";
    }
    writeGroups(table, out);
}
