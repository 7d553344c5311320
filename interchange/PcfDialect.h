#ifndef WJXMLINTERCHANGE_PCFDIALECT_H
#define WJXMLINTERCHANGE_PCFDIALECT_H

#include "ConstraintDialect.h"

// Physical constraint files (.pcf):
// "set_io [-nowarn] [-pullup yes|no] [-pullup_resistor r] [-io_std std] name pin".
class PcfDialect : public ConstraintDialect {
public:
    void read(const std::string& text, ConstraintReading* reading) const override;
    bool carries(const std::string& name) const override { return isPlainName(name); }
    // Bare: a standard made of what names are made of.
    bool carriesStandard(const std::string& standard) const override;
    void write(const PinTable& table, const ExportOptions& options, std::ostream& out) const override;
};

#endif
