#ifndef WJXMLINTERCHANGE_SOURCETEXT_H
#define WJXMLINTERCHANGE_SOURCETEXT_H

#include <string>

// The text of a constraint file as the dialects' readers take it: UTF-8
// without a byte-order mark.
class SourceText {
public:
    // bytes as UTF-8 in text: a UTF-8 byte-order mark is dropped, UTF-16 with
    // its byte-order mark converted. False, with the line and the problem,
    // when bytes hold a NUL or UTF-16 that cannot be converted.
    static bool decode(const std::string& bytes, std::string* text, int* line, std::string* problem);
};

#endif
