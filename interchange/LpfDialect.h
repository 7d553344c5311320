#ifndef WJXMLINTERCHANGE_LPFDIALECT_H
#define WJXMLINTERCHANGE_LPFDIALECT_H

#include "ConstraintDialect.h"

// Preference files (.lpf): statements ended by ';', any number on a line,
// keywords in any case; "LOCATE COMP "name" SITE "pin";" places a port,
// "IOBUF PORT "name" IO_TYPE=std ...;" sets its standard, IOBUF ALLPORTS
// that of every port.
// Comments run from '#' or '//' to the end of the line.
class LpfDialect : public ConstraintDialect {
public:
    void read(const std::string& text, ConstraintReading* reading) const override;
    // Any name without quotes, brackets, line breaks and surrounding blanks.
    bool carries(const std::string& name) const override;
    // Quoted when not a plain word: any text without quotes.
    bool carriesStandard(const std::string& standard) const override;
    void write(const PinTable& table, const ExportOptions& options, std::ostream& out) const override;
};

#endif
