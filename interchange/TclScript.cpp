#include "TclScript.h"

#include "TextRules.h"

namespace {

// Walks Tcl text, counting lines.
class TclScanner {
public:
    explicit TclScanner(const std::string& text) : m_text(text) {}

    std::vector<TclCommand> commands(int* unbalancedLine)
    {
        std::vector<TclCommand> result;
        *unbalancedLine = 0;
        while (skipCommandSeparators()) {
            TclCommand command;
            command.line = m_line;
            if (m_text[m_at] == '#') {
                command.comment = true;
                const std::size_t start = m_at + 1;
                skipComment();
                command.words.push_back(m_text.substr(start, m_at - start));
            } else if (!readWords(&command.words)) {
                *unbalancedLine = m_openedAt;
                return result;
            }
            result.push_back(std::move(command));
        }
        return result;
    }

private:
    bool atEnd() const { return m_at >= m_text.size(); }
    bool continuation() const { return m_text[m_at] == '\\' && m_at + 1 < m_text.size() && m_text[m_at + 1] == '\n'; }

    void advance()
    {
        if (m_text[m_at] == '\n')
            ++m_line;
        ++m_at;
    }

    bool skipCommandSeparators()
    {
        while (!atEnd()) {
            const char c = m_text[m_at];
            if (continuation()) {
                advance();
                advance();
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ';') {
                advance();
            } else {
                return true;
            }
        }
        return false;
    }

    void skipComment()
    {
        while (!atEnd() && m_text[m_at] != '\n') {
            if (m_text[m_at] == '\\' && m_at + 1 < m_text.size())
                advance();
            advance();
        }
    }

    // Reads the words up to the end of the command; false when a group is
    // unbalanced.
    bool readWords(std::vector<std::string>* words)
    {
        for (;;) {
            while (!atEnd() &&
                   (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\r' || continuation())) {
                if (continuation())
                    advance();
                advance();
            }
            if (atEnd() || m_text[m_at] == '\n' || m_text[m_at] == ';')
                return true;
            const std::size_t start = m_at;
            if (!skipWord())
                return false;
            words->push_back(m_text.substr(start, m_at - start));
        }
    }

    bool skipWord()
    {
        if (m_text[m_at] == '{')
            return skipGroup('{', '}');
        if (m_text[m_at] == '"')
            return skipQuoted();
        while (!atEnd()) {
            const char c = m_text[m_at];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ';' || continuation())
                return true;
            if (c == '[') {
                if (!skipGroup('[', ']'))
                    return false;
                continue;
            }
            if (c == '\\' && m_at + 1 < m_text.size())
                advance();
            advance();
        }
        return true;
    }

    // Skips a brace or bracket group with what it nests; the scanner stands
    // on its opening character.
    bool skipGroup(char open, char close)
    {
        const int openedAt = m_line;
        int depth = 0;
        while (!atEnd()) {
            const char c = m_text[m_at];
            if (c == '\\' && m_at + 1 < m_text.size()) {
                advance();
            } else if (open == '[' && c == '{' && depth > 0) {
                if (!skipGroup('{', '}'))
                    return false;
                continue;
            } else if (open == '[' && c == '"') {
                if (!skipQuoted())
                    return false;
                continue;
            } else if (c == open) {
                ++depth;
            } else if (c == close && --depth == 0) {
                advance();
                return true;
            }
            advance();
        }
        m_openedAt = openedAt;
        return false;
    }

    bool skipQuoted()
    {
        const int openedAt = m_line;
        advance();
        while (!atEnd() && m_text[m_at] != '"') {
            if (m_text[m_at] == '\\' && m_at + 1 < m_text.size())
                advance();
            advance();
        }
        if (atEnd()) {
            m_openedAt = openedAt;
            return false;
        }
        advance();
        return true;
    }

    const std::string& m_text;
    std::size_t m_at = 0;
    int m_line = 1;
    int m_openedAt = 0;
};

std::string withoutBackslashes(const std::string& text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size())
            ++i;
        result += text[i];
    }
    return result;
}

} // namespace

std::vector<TclCommand> TclScript::commands(const std::string& text, int* unbalancedLine)
{
    if (text.find('\r') == std::string::npos)
        return TclScanner(text).commands(unbalancedLine);
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n')
            lines += text[i];
    }
    return TclScanner(lines).commands(unbalancedLine);
}

bool TclScript::substitutes(const std::string& word)
{
    int depth = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == '\\')
            ++i;
        else if (word[i] == '{')
            ++depth;
        else if (word[i] == '}')
            --depth;
        else if (word[i] == '$' && depth == 0)
            return true;
    }
    return false;
}

bool TclScript::words(const std::string& text, std::vector<std::string>* words)
{
    // A backslash before a line break joins the lines, in braces too.
    std::string oneLine = text;
    for (std::size_t i = 0; i < oneLine.size(); ++i) {
        if (oneLine[i] == '\\' && i + 1 < oneLine.size() && oneLine[i + 1] == '\n')
            oneLine[i] = ' ';
        if (oneLine[i] == '\n' || oneLine[i] == '\r')
            oneLine[i] = ' ';
    }
    int unbalancedLine = 0;
    for (const TclCommand& command : commands(oneLine, &unbalancedLine))
        words->insert(words->end(), command.words.begin(), command.words.end());
    return unbalancedLine == 0;
}

std::string TclScript::unwrap(const std::string& word)
{
    if (word.size() >= 2 && word.front() == '{' && word.back() == '}')
        return word.substr(1, word.size() - 2);
    if (word.size() >= 2 && word.front() == '"' && word.back() == '"')
        return withoutBackslashes(word.substr(1, word.size() - 2));
    return withoutBackslashes(word);
}

std::string TclScript::bracketInside(const std::string& word)
{
    if (word.size() >= 2 && word.front() == '[' && word.back() == ']')
        return word.substr(1, word.size() - 2);
    return "";
}

std::string TclScript::quoted(const std::string& name)
{
    return TextRules::isPlainWord(name) ? name : "{" + name + "}";
}
