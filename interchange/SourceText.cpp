#include "SourceText.h"

#include <algorithm>

namespace {

void appendUtf8(char32_t code, std::string* text)
{
    auto byte = [text](char32_t bits) { *text += static_cast<char>(bits); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

int lineAt(const std::string& text, std::size_t at)
{
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

// The UTF-16 after the byte-order mark as UTF-8; false, with the line, at an
// odd byte count or a surrogate without its partner.
bool fromUtf16(const std::string& bytes, bool bigEndian, std::string* text, int* line)
{
    auto unit = [&bytes, bigEndian](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<char32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    for (std::size_t at = 2; at < bytes.size(); at += 2) {
        if (at + 1 >= bytes.size()) {
            *line = lineAt(*text, text->size());
            return false;
        }
        char32_t code = unit(at);
        if (code >= 0xD800 && code < 0xE000) {
            const char32_t low = at + 3 < bytes.size() ? unit(at + 2) : 0;
            if (code >= 0xDC00 || low < 0xDC00 || low >= 0xE000) {
                *line = lineAt(*text, text->size());
                return false;
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            at += 2;
        }
        appendUtf8(code, text);
    }
    return true;
}

} // namespace

bool SourceText::decode(const std::string& bytes, std::string* text, int* line, std::string* problem)
{
    const bool littleEndian = bytes.compare(0, 2, "\xFF\xFE") == 0;
    if (littleEndian || bytes.compare(0, 2, "\xFE\xFF") == 0) {
        text->clear();
        if (!fromUtf16(bytes, !littleEndian, text, line)) {
            *problem = "the UTF-16 text breaks off here: it is not whole characters";
            return false;
        }
    } else {
        *text = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes;
    }
    const std::size_t nul = text->find('\0');
    if (nul == std::string::npos)
        return true;
    *line = lineAt(*text, nul);
    *problem = "the file holds a NUL byte, which no name may hold (UTF-16 needs its byte-order mark)";
    return false;
}
