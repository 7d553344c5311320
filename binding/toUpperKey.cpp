#include "toUpperKey.h"

#include <string>

const char* toUpperKey(const char* text)
{
    static thread_local std::string key;
    key.assign(text ? text : "");
    for (char& c : key) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return key.c_str();
}
