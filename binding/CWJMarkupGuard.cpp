#include "CWJMarkupGuard.h"

#include <array>
#include <cstdio>

namespace {

// Which bytes of an ASCII-based file may change the guard's state, by the
// states they matter in: any other byte only moves the column on.
enum : unsigned char {
    kStopsText = 1,
    kStopsTag = 2,
    kStopsQuoted = 4,    // either quote: take() tells which one ends the value
    kStopsMarkupEnd = 8, // in end tags, comments, CDATA sections and processing instructions
    kStopsEvery = 16,    // just after "<", "<!" and "<!-", where every character counts
};

constexpr std::array<unsigned char, 256> makeStops()
{
    std::array<unsigned char, 256> stops{};
    for (unsigned char& byte : stops)
        byte = kStopsEvery;
    // Line breaks and control characters matter everywhere.
    for (unsigned byte = 0; byte < 0x20; ++byte)
        if (byte != '\t' && byte != '\r')
            stops[byte] = 0xff;
    stops['<'] |= kStopsText;
    stops['>'] |= kStopsTag | kStopsMarkupEnd;
    stops['='] |= kStopsTag;
    stops['"'] |= kStopsTag | kStopsQuoted;
    stops['\''] |= kStopsTag | kStopsQuoted;
    return stops;
}

constexpr std::array<unsigned char, 256> kStops = makeStops();

// The EBCDIC code points of the characters that matter here; the square
// brackets differ between EBCDIC code pages, so CDATA sections are not told
// apart there (their content cannot add attributes to a tag either way).
char32_t fromEbcdic(unsigned char byte)
{
    switch (byte) {
    case 0x4c: return '<';
    case 0x6e: return '>';
    case 0x7e: return '=';
    case 0x7f: return '"';
    case 0x7d: return '\'';
    case 0x61: return '/';
    case 0x5a: return '!';
    case 0x6f: return '?';
    case 0x60: return '-';
    case 0x25:
    case 0x15: return '\n';
    default: return byte < 0x40 ? U'\t' : U'x';
    }
}

} // namespace

CWJMarkupGuard::CWJMarkupGuard(unsigned maxAttributes) : m_maxAttributes(maxAttributes) {}

void CWJMarkupGuard::detectFamily()
{
    const unsigned char* b = m_pending;
    const auto starts = [b](unsigned char b0, unsigned char b1, unsigned char b2, unsigned char b3) {
        return b[0] == b0 && b[1] == b1 && b[2] == b2 && b[3] == b3;
    };
    if (starts(0, 0, 0xfe, 0xff) || starts(0, 0, 0, '<'))
        m_family = Family::Ucs4Be;
    else if (starts(0xff, 0xfe, 0, 0) || starts('<', 0, 0, 0))
        m_family = Family::Ucs4Le;
    else if ((b[0] == 0xfe && b[1] == 0xff) || starts(0, '<', 0, '?'))
        m_family = Family::Utf16Be;
    else if ((b[0] == 0xff && b[1] == 0xfe) || starts('<', 0, '?', 0))
        m_family = Family::Utf16Le;
    else if (starts(0x4c, 0x6f, 0xa7, 0x94))
        m_family = Family::Ebcdic;
    else
        m_family = Family::Ascii;
}

std::size_t CWJMarkupGuard::unitSize() const
{
    switch (m_family) {
    case Family::Utf16Be:
    case Family::Utf16Le: return 2;
    case Family::Ucs4Be:
    case Family::Ucs4Le: return 4;
    default: return 1;
    }
}

char32_t CWJMarkupGuard::decode(const unsigned char* u) const
{
    switch (m_family) {
    case Family::Utf16Be: return static_cast<char32_t>(u[0] << 8 | u[1]);
    case Family::Utf16Le: return static_cast<char32_t>(u[1] << 8 | u[0]);
    case Family::Ucs4Be: return char32_t{u[0]} << 24 | char32_t{u[1]} << 16 | char32_t{u[2]} << 8 | u[3];
    case Family::Ucs4Le: return char32_t{u[3]} << 24 | char32_t{u[2]} << 16 | char32_t{u[1]} << 8 | u[0];
    case Family::Ebcdic: return fromEbcdic(u[0]);
    default: return u[0];
    }
}

unsigned char CWJMarkupGuard::stopsInState() const
{
    switch (m_state) {
    case State::Text: return kStopsText;
    case State::Tag: return kStopsTag;
    case State::Quoted: return kStopsQuoted;
    case State::EndTag:
    case State::Comment:
    case State::CData:
    case State::Instruction: return kStopsMarkupEnd;
    default: return kStopsEvery;
    }
}

std::size_t CWJMarkupGuard::skipOrdinary(const unsigned char* bytes, std::size_t count)
{
    const unsigned char stops = stopsInState();
    const unsigned char* const end = bytes + count;
    const unsigned char* stop = bytes;
    while (stop != end && !(kStops[*stop] & stops))
        ++stop;
    const auto skipped = static_cast<std::size_t>(stop - bytes);
    if (skipped == 0)
        return 0;
    m_column += skipped;
    m_beforePrevious = skipped > 1 ? bytes[skipped - 2] : m_previous;
    m_previous = bytes[skipped - 1];
    return skipped;
}

bool CWJMarkupGuard::scanAscii(const unsigned char* bytes, std::size_t count)
{
    std::size_t i = skipOrdinary(bytes, count);
    while (i < count) {
        if (!take(bytes[i++]))
            return false;
        i += skipOrdinary(bytes + i, count - i);
    }
    return true;
}

bool CWJMarkupGuard::scan(const unsigned char* bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (m_family == Family::Ascii)
            return scanAscii(bytes + i, count - i);
        m_pending[m_pendingCount++] = bytes[i];
        if (m_family == Family::Unknown) {
            if (m_pendingCount < 4)
                continue;
            detectFamily();
            // The four bytes are looked at again as units of the family.
            const unsigned char first[4] = {m_pending[0], m_pending[1], m_pending[2], m_pending[3]};
            m_pendingCount = 0;
            if (!scan(first, 4))
                return false;
            continue;
        }
        if (m_pendingCount < unitSize())
            continue;
        m_pendingCount = 0;
        if (!take(decode(m_pending)))
            return false;
    }
    return true;
}

bool CWJMarkupGuard::take(char32_t c)
{
    if (c == '\n') {
        ++m_line;
        m_column = 0;
    } else {
        ++m_column;
    }
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
        return failNotText(c);
    switch (m_state) {
    case State::Text:
        if (c == '<')
            m_state = State::Open;
        break;
    case State::Open:
        m_attributes = 0;
        m_state = c == '!' ? State::Bang : c == '?' ? State::Instruction : c == '/' ? State::EndTag : State::Tag;
        break;
    case State::Bang: m_state = c == '-' ? State::BangDash : c == '[' ? State::CData : State::EndTag; break;
    case State::BangDash: m_state = c == '-' ? State::Comment : State::EndTag; break;
    case State::Comment:
        if (c == '>' && m_previous == '-' && m_beforePrevious == '-')
            m_state = State::Text;
        break;
    case State::CData:
        if (c == '>' && m_previous == ']' && m_beforePrevious == ']')
            m_state = State::Text;
        break;
    case State::Instruction:
        if (c == '>' && m_previous == '?')
            m_state = State::Text;
        break;
    case State::EndTag:
        if (c == '>')
            m_state = State::Text;
        break;
    case State::Tag:
        if (c == '>') {
            m_state = State::Text;
        } else if (c == '"' || c == '\'') {
            m_quote = c;
            m_state = State::Quoted;
        } else if (c == '=' && ++m_attributes > m_maxAttributes) {
            return failAttributes();
        }
        break;
    case State::Quoted:
        if (c == m_quote)
            m_state = State::Tag;
        break;
    }
    m_beforePrevious = m_previous;
    m_previous = c;
    return true;
}

bool CWJMarkupGuard::failNotText(char32_t c)
{
    char text[80];
    std::snprintf(text, sizeof text, "the file is not text: it holds the control character 0x%02X",
                  static_cast<unsigned>(c));
    return fail(text);
}

bool CWJMarkupGuard::failAttributes()
{
    return fail("an element has more than " + std::to_string(m_maxAttributes) + " attributes");
}

bool CWJMarkupGuard::fail(const std::string& problem)
{
    m_problem = problem;
    return false;
}
