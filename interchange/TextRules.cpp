#include "TextRules.h"

#include <cctype>
#include <climits>

std::string TextRules::trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string TextRules::upper(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

bool TextRules::equalIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && upper(a) == upper(b);
}

bool TextRules::startsWithIgnoringCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && equalIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool TextRules::parseBit(const std::string& text, int* bit)
{
    if (text.empty())
        return false;
    long long value = 0;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return false;
    }
    *bit = static_cast<int>(value);
    return true;
}

bool TextRules::isPlainWord(const std::string& text)
{
    if (text.empty())
        return false;
    for (const char c : text) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    }
    return true;
}

namespace {

const char* const kPortTypes[] = {"input", "output", "inout", "power", "ground"};

} // namespace

std::string TextRules::portTypeWord(int type)
{
    return type >= 0 && type < 5 ? kPortTypes[type] : "";
}

int TextRules::portTypeCode(const std::string& word)
{
    for (int code = 0; code < 5; ++code) {
        if (equalIgnoringCase(word, kPortTypes[code]))
            return code;
    }
    return -1;
}

bool TextRules::matchesIgnoringCase(const std::string& pattern, const std::string& text)
{
    const std::string p = upper(pattern);
    const std::string t = upper(text);
    std::size_t at = 0;
    std::size_t next = 0;
    std::size_t star = std::string::npos;
    std::size_t resume = 0;
    while (at < t.size()) {
        if (next < p.size() && (p[next] == '?' || p[next] == t[at])) {
            ++next;
            ++at;
        } else if (next < p.size() && p[next] == '*') {
            star = next++;
            resume = at;
        } else if (star != std::string::npos) {
            next = star + 1;
            at = ++resume;
        } else {
            return false;
        }
    }
    while (next < p.size() && p[next] == '*')
        ++next;
    return next == p.size();
}
