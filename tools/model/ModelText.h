#ifndef IFX_MODELTEXT_H
#define IFX_MODELTEXT_H

#include "wjxmlinterfaceflowreader.h"

#include <string>
#include <vector>

// How the tool words the model's codes and names.
namespace modeltext {

// The file's words for the port types, the word of code n at n: "input",
// "output", "inout", "power", "ground". Every command reads and writes these.
const std::vector<std::string>& portTypes();
// The file's word for a port type code; "" for a code without one.
std::string portType(int type);
// The file's word for a group type; "" for no type.
std::string groupType(IWJPortGroup::IWJPortGroupType type);
// The instance port name when there is one, else the name.
std::string localName(IWJPort* port);
// "3", "0..7", or "" when both bounds are -1 (no value); a missing bound shows
// as "?".
std::string range(int lsb, int msb);

} // namespace modeltext

#endif
