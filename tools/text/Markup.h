#ifndef IFX_MARKUP_H
#define IFX_MARKUP_H

#include <string>

namespace markup {

// text made safe as XML or HTML character data and attribute values: the
// five markup characters become entities, and control characters that XML
// cannot hold become '?'.
std::string escape(const std::string& text);

} // namespace markup

#endif
