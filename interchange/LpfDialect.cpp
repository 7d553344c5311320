#include "LpfDialect.h"

#include "PinTable.h"
#include "PortBitName.h"
#include "TextRules.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

struct LpfStatement {
    int line = 0;
    std::vector<std::string> words; // quoted words without their quotes
    bool unclosedQuote = false;
};

// A comment's line and its text, from its "#" or "//" on.
using LpfComment = std::pair<int, std::string>;

// Splits preference text into statements and gathers its comments.
class LpfScanner {
public:
    explicit LpfScanner(const std::string& text) : m_text(text) {}

    std::vector<LpfStatement> statements(std::vector<LpfComment>* comments)
    {
        std::vector<LpfStatement> result;
        LpfStatement statement;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at];
            if (c == '\n') {
                ++m_line;
                ++m_at;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++m_at;
            } else if (c == '#' || (c == '/' && m_at + 1 < m_text.size() && m_text[m_at + 1] == '/')) {
                const std::size_t end = std::min(m_text.find('\n', m_at), m_text.size());
                comments->emplace_back(m_line, m_text.substr(m_at, end - m_at));
                m_at = end;
            } else if (c == ';') {
                ++m_at;
                end(&statement, &result);
            } else {
                if (statement.words.empty())
                    statement.line = m_line;
                statement.words.push_back(c == '"' ? quoted(&statement) : bare());
            }
        }
        end(&statement, &result);
        return result;
    }

private:
    static void end(LpfStatement* statement, std::vector<LpfStatement>* statements)
    {
        if (!statement->words.empty())
            statements->push_back(*statement);
        *statement = LpfStatement();
    }

    // A quoted word ends at its quote; a line break before it leaves the quote
    // unclosed.
    std::string quoted(LpfStatement* statement)
    {
        const std::size_t end = m_text.find_first_of("\"\n", m_at + 1);
        const std::size_t stop = end == std::string::npos ? m_text.size() : end;
        std::string word = m_text.substr(m_at + 1, stop - m_at - 1);
        if (stop == m_text.size() || m_text[stop] == '\n') {
            statement->unclosedQuote = true;
            m_at = stop;
        } else {
            m_at = stop + 1;
        }
        return word;
    }

    std::string bare()
    {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && std::string(" \t\r\n;\"#").find(m_text[m_at]) == std::string::npos &&
               m_text.compare(m_at, 2, "//") != 0)
            ++m_at;
        return m_text.substr(start, m_at - start);
    }

    const std::string& m_text;
    std::size_t m_at = 0;
    int m_line = 1;
};

bool isKeyword(const std::vector<std::string>& words, std::size_t at, const char* keyword)
{
    return at < words.size() && TextRules::equalIgnoringCase(words[at], keyword);
}

// Reads one statement; false when it places nothing.
bool readLocate(const LpfStatement& statement, ConstraintReading* reading)
{
    const std::vector<std::string>& words = statement.words;
    if (!isKeyword(words, 0, "LOCATE") || !isKeyword(words, 1, "COMP"))
        return false;
    if (statement.unclosedQuote)
        reading->error(statement.line, "a quote is not closed on its line");
    else if (!isKeyword(words, 3, "SITE"))
        reading->error(statement.line, "LOCATE COMP needs a name and SITE \"pin\"");
    else if (words.size() > 5)
        reading->error(statement.line, "text follows the site; is a ';' missing?");
    else
        ConstraintDialect::place(reading, statement.line, words[2], words.size() > 4 ? words[4] : "");
    return true;
}

// Reads one IOBUF statement; false when it sets no IO_TYPE of a port.
bool readIoBuffer(const LpfStatement& statement, ConstraintReading* reading)
{
    const std::vector<std::string>& words = statement.words;
    if (!isKeyword(words, 0, "IOBUF"))
        return false;
    const bool all = isKeyword(words, 1, "ALLPORTS");
    if (!all && (!isKeyword(words, 1, "PORT") || words.size() < 3))
        return false;
    std::string standard;
    for (std::size_t i = all ? 2 : 3; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!TextRules::startsWithIgnoringCase(word, "IO_TYPE"))
            continue;
        std::size_t next = i + 1;
        if (word.size() > 7 && word[7] == '=') {
            standard = word.size() > 8 ? word.substr(8) : (next < words.size() ? words[next] : "");
        } else if (word.size() == 7 && next + 1 < words.size() && words[next] == "=") {
            standard = words[next + 1];
        } else if (word.size() == 7 && next < words.size() && words[next].size() > 1 && words[next][0] == '=') {
            standard = words[next].substr(1);
        } else {
            continue;
        }
        if (statement.unclosedQuote)
            reading->error(statement.line, "a quote is not closed on its line");
        else
            ConstraintDialect::setStandard(reading, statement.line, all ? "*" : words[2], standard);
        return true;
    }
    return false;
}

} // namespace

void LpfDialect::read(const std::string& text, ConstraintReading* reading) const
{
    std::vector<LpfComment> comments;
    for (const LpfStatement& statement : LpfScanner(text).statements(&comments)) {
        if (!readLocate(statement, reading) && !readIoBuffer(statement, reading))
            ++reading->readPast;
    }
    for (const LpfComment& comment : comments) {
        std::vector<LpfComment> inner;
        const std::string inside =
            comment.second.substr(std::min(comment.second.find_first_not_of("#/"), comment.second.size()));
        for (LpfStatement statement : LpfScanner(inside).statements(&inner)) {
            statement.line = comment.first;
            ConstraintReading placed;
            if (readLocate(statement, &placed) || readIoBuffer(statement, &placed))
                reading->addCommented(placed);
        }
    }
}

bool LpfDialect::carriesStandard(const std::string& standard) const
{
    return isQuotable(standard, "\"");
}

bool LpfDialect::carries(const std::string& name) const
{
    return !name.empty() && name.find_first_of("\"[]\r\n") == std::string::npos && TextRules::trimmed(name) == name;
}

void LpfDialect::write(const PinTable& table, const ExportOptions&, std::ostream& out) const
{
    writeHeader(table, out);
    for (const PinTableEntry& entry : table.entries()) {
        const std::string name = PortBitName::format(entry.port, entry.bit);
        out << "LOCATE COMP \"" << name << "\" SITE \"" << entry.pin << "\";";
        if (!entry.ioStandard.empty())
            out << " IOBUF PORT \"" << name << "\" IO_TYPE="
                << (TextRules::isPlainWord(entry.ioStandard) ? entry.ioStandard : "\"" + entry.ioStandard + "\"")
                << ';';
        out << '\n';
    }
    writeGroups(table, out);
}
