#ifndef WJXMLINTERCHANGE_CONSTRAINTDIALECT_H
#define WJXMLINTERCHANGE_CONSTRAINTDIALECT_H

#include "ConstraintReading.h"

#include "wjxmlinterchange/PinConstraints.h"

#include <functional>
#include <ostream>
#include <string>

class PinTable;
struct TclCommand;

// The reader and the writer of one constraint file dialect.
class ConstraintDialect {
public:
    virtual ~ConstraintDialect() = default;

    static const ConstraintDialect& of(ConstraintFormat format);

    // Adds the placements of text to reading; what is not a placement is
    // counted as read past, a placement that cannot be read is an error.
    virtual void read(const std::string& text, ConstraintReading* reading) const = 0;
    // Whether a port or pin name written by write() is read back as it is.
    virtual bool carries(const std::string& name) const = 0;
    // Whether an IO standard written by write() is read back as it is.
    virtual bool carriesStandard(const std::string& standard) const = 0;
    // Whether text written in a comment ends the comment where it ends: no
    // line break (CSV writes no comments).
    virtual bool commentCarries(const std::string& text) const;
    // One placement per entry of the table, its groups as comments.
    virtual void write(const PinTable& table, const ExportOptions& options, std::ostream& out) const = 0;

    // Helpers of the dialects' readers and writers.
    // Adds the placement of the port or bit name on pin, or the error that
    // keeps it from being one.
    static void place(ConstraintReading* reading, int line, const std::string& name, const std::string& pin);
    // Adds the standard of the port, bit or pattern name, or the error that
    // keeps it from being one.
    static void setStandard(ConstraintReading* reading, int line, const std::string& name, const std::string& standard);

    // Says whether a command was a placement or set an IO standard (or was an
    // error in one), which it adds to the reading.
    using CommandReader = std::function<bool(const TclCommand&, ConstraintReading*)>;
    // Reads Tcl text: placements and standards by placeCommand, the other
    // commands read past, and those of comments kept as commented.
    static void readTcl(const std::string& text, ConstraintReading* reading, const CommandReader& placeCommand);
    // Keeps the placements and standards of the text of a comment at line as
    // commented.
    static void readComment(const std::string& comment, int line, ConstraintReading* reading,
                            const CommandReader& placeCommand);

    // The header comment and the comments of the mappings onto several pins,
    // with '#' comments.
    static void writeHeader(const PinTable& table, std::ostream& out);
    static void writeGroups(const PinTable& table, std::ostream& out);
    // Letters, digits and "_$./:<>": what every dialect writes without quotes.
    static bool isPlainName(const std::string& name);
    // Text without control characters, surrounding blanks or any of
    // forbidden: what a dialect's quotes carry.
    static bool isQuotable(const std::string& text, const char* forbidden);
    // Letters, digits, "_.-+" and inner blanks: a value (an I/O standard)
    // that no dialect's quoting changes.
    static bool isPlainValue(const std::string& value);
};

#endif
