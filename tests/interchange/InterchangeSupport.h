#ifndef WJXML_TESTS_INTERCHANGESUPPORT_H
#define WJXML_TESTS_INTERCHANGESUPPORT_H

#include "TestSupport.h"

#include "wjxmlinterchange/PinConstraints.h"

#include <string>
#include <vector>

namespace interchange {

// The pin mappings of the instance refdes as "PORT[bit]=PIN" (local names),
// sorted; pin names upper-cased, as they are found in any case.
std::vector<std::string> placements(IWJInterfaceView* design, const std::string& refdes);

// The IO standards of the mapped ports and bits of refdes as "PORT[bit]=STD",
// and its differential pairs as "PAIR=POSITIVE/NEGATIVE", sorted.
std::vector<std::string> standards(IWJInterfaceView* design, const std::string& refdes);
std::vector<std::string> pairs(IWJInterfaceView* design, const std::string& refdes);

// Imports one text in format into design (named in.FORMAT), on refdes or as
// options say; the report is returned.
ImportReport importText(IWJInterfaceView* design, ConstraintFormat format, const std::string& text,
                        const std::string& refdes = "U1");
ImportReport importText(IWJInterfaceView* design, ConstraintFormat format, const std::string& text,
                        const ImportOptions& options);

std::string exportText(IWJInterfaceView* design, ConstraintFormat format, const std::string& refdes = "U1");

const std::vector<ConstraintFormat>& allFormats();

} // namespace interchange

#endif
