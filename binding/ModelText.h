#ifndef WJXML_BINDING_MODELTEXT_H
#define WJXML_BINDING_MODELTEXT_H

#include "XMLText.h"

#include <climits>
#include <cstdlib>
#include <string>

// Number and word rules shared by the model classes.

// A count as written: decimal, or empty text for 0.
inline std::string countText(int count)
{
    return count == 0 ? std::string() : std::to_string(count);
}

// A range bound as written: decimal, or empty text for -1 (no value).
inline std::string boundText(int bound)
{
    return bound == -1 ? std::string() : std::to_string(bound);
}

// Reads a number as atoi does (leading space, a sign, digits up to the first
// other character, 0 without digits); values beyond int are clamped.
inline int readInt(const char* text)
{
    const long value = std::strtol(text ? text : "", nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

// A range bound as read: empty text is the "no value" that boundText writes
// for -1; anything else reads as a number.
inline int readBound(const char* text)
{
    return text && *text ? readInt(text) : -1;
}

// ASCII letters compared without regard to case, whatever the locale.
inline bool equalsIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::string::size_type i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

using wjxml::storableText;

inline const char* textOrEmpty(const char* text)
{
    return text ? text : "";
}

#endif
