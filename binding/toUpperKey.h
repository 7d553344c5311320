#ifndef WJXML_BINDING_TOUPPERKEY_H
#define WJXML_BINDING_TOUPPERKEY_H

// The key of every by-name map: text with each byte passed through toupper in
// the C locale, so name lookups ignore ASCII letter case. The result lives in
// one buffer per thread, valid until the thread's next call.
const char* toUpperKey(const char* text);

#endif
