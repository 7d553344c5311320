#ifndef WJXMLINTERCHANGE_QSFDIALECT_H
#define WJXMLINTERCHANGE_QSFDIALECT_H

#include "ConstraintDialect.h"

// Settings files (.qsf): "set_location_assignment PIN_pin -to name" and
// "set_instance_assignment -name IO_STANDARD "std" -to name"; other
// assignments, and locations that are not pins, are read past.
class QsfDialect : public ConstraintDialect {
public:
    void read(const std::string& text, ConstraintReading* reading) const override;
    // Names are written bare: Tcl would substitute a variable.
    bool carries(const std::string& name) const override
    {
        return isPlainName(name) && name.find('$') == std::string::npos;
    }
    // In quotes: any text without quotes, backslashes, brackets and '$'.
    bool carriesStandard(const std::string& standard) const override;
    // A comment whose last backslash would continue it.
    bool commentCarries(const std::string& text) const override
    {
        return ConstraintDialect::commentCarries(text) && (text.empty() || text.back() != '\\');
    }
    void write(const PinTable& table, const ExportOptions& options, std::ostream& out) const override;
};

#endif
