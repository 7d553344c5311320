#include "XMLText.h"

namespace wjxml {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendCodePoint(std::string& out, char32_t c)
{
    char bytes[4];
    out.append(bytes, static_cast<std::size_t>(writeUtf8(c, bytes) - bytes));
}

bool allowedInXml(char32_t c)
{
    if (c < 0x20)
        return c == 0x09 || c == 0x0A || c == 0x0D;
    if (c >= 0xD800 && c <= 0xDFFF)
        return false;
    return c != 0xFFFE && c != 0xFFFF && c <= 0x10FFFF;
}

void appendUtf16(std::u16string& out, char32_t c)
{
    if (!allowedInXml(c))
        c = kReplacement;
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

// Decodes one UTF-8 sequence starting at p; returns the number of bytes used
// (at least 1) and stores the code point, or U+FFFD for a malformed sequence.
std::size_t decodeUtf8(const unsigned char* p, char32_t& c)
{
    const unsigned char lead = p[0];
    std::size_t length;
    char32_t minimum;
    if (lead < 0x80) {
        c = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        minimum = 0x80;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        minimum = 0x800;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        minimum = 0x10000;
        c = lead & 0x07;
    } else {
        c = kReplacement;
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) {
            c = kReplacement;
            return i;
        }
        c = (c << 6) | (p[i] & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = kReplacement;
    return length;
}

} // namespace

std::size_t readUtf16(const XMLCh* text, std::size_t length, std::size_t i, char32_t& c)
{
    c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
        return 2;
    }
    if (c >= 0xD800 && c <= 0xDFFF)
        c = kReplacement;
    return 1;
}

char* writeUtf8(char32_t c, char* out)
{
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

void appendUtf8(std::string& out, const XMLCh* text, std::size_t length)
{
    // Names, ids and numbers are ASCII: their leading ASCII run is narrowed
    // a block at a time on the stack and appended, with no room filled first.
    std::size_t ascii = 0;
    while (ascii < length && text[ascii] < 0x80) {
        char block[256];
        std::size_t count = 0;
        while (ascii < length && count < sizeof block && text[ascii] < 0x80)
            block[count++] = static_cast<char>(text[ascii++]);
        out.append(block, count);
    }
    for (std::size_t i = ascii; i < length;) {
        char32_t c;
        i += readUtf16(text, length, i, c);
        appendCodePoint(out, c);
    }
}

void appendUtf8(std::string& out, const XMLCh* text)
{
    if (!text)
        return;
    std::size_t length = 0;
    while (text[length])
        ++length;
    appendUtf8(out, text, length);
}

std::u16string toXMLCh(const char* text)
{
    std::u16string out;
    if (!text)
        return out;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        char32_t c;
        p += decodeUtf8(p, c);
        appendUtf16(out, c);
    }
    return out;
}

std::string storableText(const char* text)
{
    if (!text)
        return std::string();
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p && *p < 0x80 && (*p >= 0x20 || *p == '\t' || *p == '\n' || *p == '\r'))
        ++p;
    if (!*p)
        return std::string(text);
    const std::u16string wide = toXMLCh(text);
    std::string out;
    appendUtf8(out, wide.c_str(), wide.size());
    return out;
}

bool equalsAscii(const XMLCh* name, const char* ascii)
{
    if (!name)
        return false;
    while (*ascii) {
        if (*name != static_cast<unsigned char>(*ascii))
            return false;
        ++name;
        ++ascii;
    }
    return *name == 0;
}

} // namespace wjxml
