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
    // One placement per entry of the table, its groups as comments.
    virtual void write(const PinTable& table, const ExportOptions& options, std::ostream& out) const = 0;

    // Helpers of the dialects' readers and writers.
    // Adds the placement of the port or bit name on pin, or the error that
    // keeps it from being one.
    static void place(ConstraintReading* reading, int line, const std::string& name, const std::string& pin);
    // Adds the standard of the port, bit or pattern name, or the error that
    // keeps it from being one.
    static void setStandard(ConstraintReading* reading, int line, const std::string& name, const std::string& standard);

    // Reads Tcl text: placeCommand says whether a command was a placement (or
    // an error in one); the others are read past.
    static void readTcl(const std::string& text, ConstraintReading* reading,
                        const std::function<bool(const TclCommand&)>& placeCommand);

    // The header comment and the comments of the mappings onto several pins,
    // with '#' comments.
    static void writeHeader(const PinTable& table, std::ostream& out);
    static void writeGroups(const PinTable& table, std::ostream& out);
    // Letters, digits and "_$./:<>": what every dialect writes without quotes.
    static bool isPlainName(const std::string& name);
    // Text without control characters, surrounding blanks or any of
    // forbidden: what a dialect's quotes carry.
    static bool isQuotable(const std::string& text, const char* forbidden);
};

#endif
