#ifndef WJXMLINTERCHANGE_XDCDIALECT_H
#define WJXMLINTERCHANGE_XDCDIALECT_H

#include "ConstraintDialect.h"

// Tcl constraint files (.xdc): "set_property PACKAGE_PIN pin [get_ports name]"
// and "set_property -dict { PACKAGE_PIN pin ... } [get_ports name]"; LOC on a
// port places it as PACKAGE_PIN does, LOC on anything else is read past.
// IOSTANDARD, alone or in the -dict, sets the standard of the ports named.
class XdcDialect : public ConstraintDialect {
public:
    void read(const std::string& text, ConstraintReading* reading) const override;
    bool carries(const std::string& name) const override { return isPlainName(name); }
    // In braces: any text without braces and backslashes.
    bool carriesStandard(const std::string& standard) const override;
    // A comment whose last backslash would continue it.
    bool commentCarries(const std::string& text) const override
    {
        return ConstraintDialect::commentCarries(text) && (text.empty() || text.back() != '\\');
    }
    void write(const PinTable& table, const ExportOptions& options, std::ostream& out) const override;
};

#endif
