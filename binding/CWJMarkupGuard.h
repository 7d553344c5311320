#ifndef WJXML_BINDING_CWJMARKUPGUARD_H
#define WJXML_BINDING_CWJMARKUPGUARD_H

#include <cstddef>
#include <string>

// Looks at the bytes of a file as they are read, before the XML scanner
// does, for what would make the scan costly or its messages unreadable: a
// start tag with more than maxAttributes attributes (the scanner checks each
// attribute against every earlier one, so its time grows with the square of
// their count) and control characters, which no XML 1.0 text holds and which
// mean the file is not text at all. The encoding family is taken from the
// first four bytes as XML parsers detect it (UTF-8 and other ASCII-based
// encodings, UTF-16, UCS-4, EBCDIC); only the few characters of markup are
// told apart.
class CWJMarkupGuard {
public:
    explicit CWJMarkupGuard(unsigned maxAttributes);

    // Looks at the next bytes of the file; false when they break a limit.
    bool scan(const unsigned char* bytes, std::size_t count);

    // What was found, and where: line and column, from 1, in characters of
    // the encoding family.
    const std::string& problem() const { return m_problem; }
    unsigned long long line() const { return m_line; }
    unsigned long long column() const { return m_column; }

private:
    enum class Family { Unknown, Ascii, Ebcdic, Utf16Be, Utf16Le, Ucs4Be, Ucs4Le };
    enum class State { Text, Open, Bang, BangDash, Comment, CData, Instruction, EndTag, Tag, Quoted };

    void detectFamily();
    // The character of one unit, as far as markup goes.
    char32_t decode(const unsigned char* unit) const;
    std::size_t unitSize() const;
    // scan() of an ASCII-based file, where a byte is a character.
    bool scanAscii(const unsigned char* bytes, std::size_t count);
    // In an ASCII-based file, passes over the bytes at the start of bytes
    // that cannot change the state, as take() would; returns their count.
    std::size_t skipOrdinary(const unsigned char* bytes, std::size_t count);
    // The kStops bits of the bytes that matter in the current state.
    unsigned char stopsInState() const;
    bool take(char32_t c);
    bool failNotText(char32_t c);
    bool failAttributes();
    bool fail(const std::string& problem);

    unsigned m_maxAttributes;
    Family m_family = Family::Unknown;
    unsigned char m_pending[4] = {};
    std::size_t m_pendingCount = 0;
    State m_state = State::Text;
    char32_t m_quote = 0;
    char32_t m_previous = 0;
    char32_t m_beforePrevious = 0;
    unsigned m_attributes = 0;
    unsigned long long m_line = 1;
    unsigned long long m_column = 0;
    std::string m_problem;
};

#endif
