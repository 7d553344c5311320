#include "PcfDialect.h"

#include "PinTable.h"
#include "PortBitName.h"
#include "TclScript.h"

#include <algorithm>

namespace {

// Reads one set_io command; false when it places nothing.
bool readSetIo(const TclCommand& command, ConstraintReading* reading)
{
    const std::vector<std::string>& words = command.words;
    if (words.empty() || words[0] != "set_io")
        return false;
    std::vector<std::string> positional;
    std::string standard;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "-io_std" && i + 1 < words.size())
            standard = TclScript::unwrap(words[++i]);
        else if (words[i] == "-pullup" || words[i] == "-pullup_resistor")
            ++i;
        else if (words[i][0] != '-')
            positional.push_back(TclScript::unwrap(words[i]));
    }
    const std::size_t before = reading->placements.size();
    if (positional.size() > 2)
        reading->error(command.line, "set_io takes one port and one pin");
    else
        ConstraintDialect::place(reading, command.line, positional.empty() ? "" : positional[0],
                                 positional.size() < 2 ? "" : positional[1]);
    if (reading->placements.size() > before && !standard.empty())
        ConstraintDialect::setStandard(reading, command.line, positional[0], standard);
    return true;
}

} // namespace

// Unlike Tcl, the file is read line by line: a '#' anywhere on a line begins
// a comment that ends with the line, and nothing continues a line.
void PcfDialect::read(const std::string& text, ConstraintReading* reading) const
{
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        const std::size_t hash = std::min(line.find('#'), line.size());
        if (hash < line.size())
            readComment(line.substr(hash), number, reading, readSetIo);
        int unbalancedLine = 0;
        for (TclCommand command : TclScript::commands(line.substr(0, hash), &unbalancedLine)) {
            command.line = number;
            if (!readSetIo(command, reading))
                ++reading->readPast;
        }
        if (unbalancedLine)
            reading->error(number, "a brace, bracket or quote is not closed on its line");
    }
}

bool PcfDialect::carriesStandard(const std::string& standard) const
{
    return isPlainName(standard);
}

void PcfDialect::write(const PinTable& table, const ExportOptions&, std::ostream& out) const
{
    writeHeader(table, out);
    for (const PinTableEntry& entry : table.entries()) {
        out << "set_io " << PortBitName::format(entry.port, entry.bit) << ' ' << entry.pin;
        if (!entry.ioStandard.empty())
            out << " -io_std " << entry.ioStandard;
        out << "\n";
    }
    writeGroups(table, out);
}
