#ifndef WJXML_BINDING_XMLTEXT_H
#define WJXML_BINDING_XMLTEXT_H

#include <xercesc/util/XercesDefs.hpp>

#include <cstddef>
#include <string>

// Conversion between the model's 8-bit texts (UTF-8) and the DOM's UTF-16.
namespace wjxml {

// The character at text[i], of a text of length units: a surrogate pair as
// one code point, a lone surrogate as U+FFFD. Returns the units it took.
std::size_t readUtf16(const XMLCh* text, std::size_t length, std::size_t i, char32_t& c);

// Writes c as UTF-8 at out, which has room for 4 bytes; returns the end.
char* writeUtf8(char32_t c, char* out);

// Appends text, converted to UTF-8, to out. A lone surrogate becomes U+FFFD.
void appendUtf8(std::string& out, const XMLCh* text);
void appendUtf8(std::string& out, const XMLCh* text, std::size_t length);

// The UTF-16 form of a UTF-8 text, ready to be stored in the DOM. Byte
// sequences that are not UTF-8, and characters that XML 1.0 cannot carry
// (control characters other than tab, line feed and carriage return), become
// U+FFFD, so whatever a host passes in, the document stays serialisable.
std::u16string toXMLCh(const char* text);

// The text as the document keeps it: what toXMLCh makes of it, in UTF-8. A
// model object stores this, so that it holds what a save writes.
std::string storableText(const char* text);

// Compares a DOM name with an ASCII name.
bool equalsAscii(const XMLCh* name, const char* ascii);

} // namespace wjxml

#endif
