#ifndef WJXMLINTERCHANGE_PCFDIALECT_H
#define WJXMLINTERCHANGE_PCFDIALECT_H

#include "ConstraintDialect.h"

// Physical constraint files (.pcf):
// "set_io [-nowarn] [-pullup yes|no] [-pullup_resistor r] name pin".
class PcfDialect : public ConstraintDialect {
public:
    void read(const std::string& text, ConstraintReading* reading) const override;
    bool carries(const std::string& name) const override { return isPlainName(name); }
    void write(const PinTable& table, const ExportOptions& options, std::ostream& out) const override;
};

#endif
