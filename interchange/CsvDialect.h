#ifndef WJXMLINTERCHANGE_CSVDIALECT_H
#define WJXMLINTERCHANGE_CSVDIALECT_H

#include "ConstraintDialect.h"

// RFC 4180 pin tables: a header row naming the columns port and pin (any
// case), optionally bit, refdes, type, iostandard and mapping, as ifx pinmap writes them. A
// port may be a full name "CELL.PORT" or "PORT[3]"; rows of other mappings
// than "pin" are read past. A leading "'" before = + - @, which keeps
// spreadsheets from taking a field for a formula, is dropped.
class CsvDialect : public ConstraintDialect {
public:
    void read(const std::string& text, ConstraintReading* reading) const override;
    // Any name without points, brackets, surrounding blanks or a leading "'".
    bool carries(const std::string& name) const override;
    // Any text without surrounding blanks or a leading "'".
    bool carriesStandard(const std::string& standard) const override;
    bool commentCarries(const std::string&) const override { return true; }
    void write(const PinTable& table, const ExportOptions& options, std::ostream& out) const override;
};

#endif
