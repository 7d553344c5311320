#ifndef WJXML_BINDING_PRINTABLETEXT_H
#define WJXML_BINDING_PRINTABLETEXT_H

#include <string>

namespace wjxml {

// text with its control characters written out, so that a name from a file
// can neither break a line of a report nor drive a terminal: tab, line feed
// and carriage return become \t, \n and \r, other C0 controls and DEL \xHH,
// and the C1 controls of UTF-8 \u0080 to \u009F. With keepLineBreaks, line
// feeds stay, for texts made of several report lines.
std::string printable(const std::string& text, bool keepLineBreaks = false);

} // namespace wjxml

#endif
