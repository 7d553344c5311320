#include "wjxmlkicad/SExpression.h"

#include "wjxmlkicad/TextFile.h"

namespace {

const std::string kNone;

bool isDelimiter(char c)
{
    return c == '(' || c == ')' || c == '"' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A walk over the text that knows the line and column of each byte.
class Cursor {
public:
    explicit Cursor(const std::string& text) : m_text(text) {}

    bool atEnd() const { return m_at >= m_text.size(); }
    char peek() const { return m_text[m_at]; }
    int line() const { return m_line; }
    int column() const { return static_cast<int>(m_at - m_lineStart) + 1; }
    char next()
    {
        const char c = m_text[m_at++];
        if (c == '\n') {
            ++m_line;
            m_lineStart = m_at;
        }
        return c;
    }
    void skipSpace()
    {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\r' || peek() == '\n'))
            next();
    }

private:
    const std::string& m_text;
    std::size_t m_at = 0;
    std::size_t m_lineStart = 0;
    int m_line = 1;
};

char unescaped(char c)
{
    switch (c) {
    case 'n': return '\n';
    case 't': return '\t';
    case 'r': return '\r';
    default: return c;
    }
}

} // namespace

const std::string& SExpression::head() const
{
    return text(0);
}

const std::string& SExpression::text(std::size_t index) const
{
    return index < items.size() && !items[index].isList ? items[index].atom : kNone;
}

const SExpression* SExpression::child(const char* name) const
{
    for (const SExpression& item : items) {
        if (item.isList && item.head() == name)
            return &item;
    }
    return nullptr;
}

bool SExpression::hasFlag(const char* word) const
{
    for (std::size_t i = 1; i < items.size(); ++i) {
        if (!items[i].isList && !items[i].quoted && items[i].atom == word)
            return true;
    }
    return false;
}

std::string SExpressionParser::quoted(const std::string& text)
{
    std::string result = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            result += '\\';
        result += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return result + '"';
}

std::string SExpressionParser::where(const std::string& name, const SExpression& item, const std::string& message)
{
    return name + ":" + std::to_string(item.line) + ":" + std::to_string(item.column) + ": " + message;
}

bool SExpressionParser::parse(const std::string& name, const std::string& text, SExpression* root, std::string* error)
{
    Cursor cursor(text);
    // The lists open at the cursor, innermost last; each is built in place in
    // its parent's items, so no item is copied.
    std::vector<SExpression*> open;
    *root = SExpression();
    cursor.skipSpace();
    if (cursor.atEnd() || cursor.peek() != '(') {
        *error = name + ":" + std::to_string(cursor.line()) + ":" + std::to_string(cursor.column()) +
                 ": a list \"(\" is expected";
        return false;
    }
    auto fail = [&](int line, int column, const char* message) {
        *error = name + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " + message;
        return false;
    };
    while (true) {
        cursor.skipSpace();
        if (cursor.atEnd())
            break;
        const int line = cursor.line();
        const int column = cursor.column();
        const char c = cursor.peek();
        if (c == ')') {
            if (open.empty())
                return fail(line, column, "\")\" closes no list");
            cursor.next();
            open.pop_back();
            continue;
        }
        if (open.empty() && root->isList)
            return fail(line, column, "text after the end of the top-level list");
        SExpression* item = root;
        if (!open.empty()) {
            open.back()->items.emplace_back();
            item = &open.back()->items.back();
        }
        item->line = line;
        item->column = column;
        if (c == '(') {
            cursor.next();
            if (static_cast<int>(open.size()) >= kMaximumDepth)
                return fail(line, column, "lists nested too deeply");
            item->isList = true;
            open.push_back(item);
        } else if (c == '"') {
            cursor.next();
            item->quoted = true;
            while (true) {
                if (cursor.atEnd())
                    return fail(line, column, "a string is not closed");
                const char s = cursor.next();
                if (s == '"')
                    break;
                item->atom += s == '\\' && !cursor.atEnd() ? unescaped(cursor.next()) : s;
            }
        } else {
            while (!cursor.atEnd() && !isDelimiter(cursor.peek()))
                item->atom += cursor.next();
        }
    }
    if (!open.empty())
        return fail(open.back()->line, open.back()->column, "this list is not closed");
    return true;
}

bool SExpressionParser::parseFile(const std::string& path, SExpression* root, std::string* error)
{
    std::string text;
    return TextFile::read(path, kMaximumBytes, &text, error) && parse(path, text, root, error);
}
