#ifndef WJXMLINTERCHANGE_QSFDIALECT_H
#define WJXMLINTERCHANGE_QSFDIALECT_H

#include "ConstraintDialect.h"

// Settings files (.qsf): "set_location_assignment PIN_pin -to name" and
// "set_instance_assignment -name IO_STANDARD "std" -to name"; other
// assignments, and locations that are not pins, are read past.
class QsfDialect : public ConstraintDialect {
public:
    void read(const std::string& text, ConstraintReading* reading) const override;
    bool carries(const std::string& name) const override { return isPlainName(name); }
    // In quotes: any text without quotes, backslashes, brackets and '$'.
    bool carriesStandard(const std::string& standard) const override;
    void write(const PinTable& table, const ExportOptions& options, std::ostream& out) const override;
};

#endif
