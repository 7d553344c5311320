#include "text/TextTable.h"

#include "PrintableText.h"

#include <algorithm>
#include <utility>

TextTable::TextTable(std::vector<std::string> header) : m_widths(header.size(), 0)
{
    add(std::move(header));
}

void TextTable::add(std::vector<std::string> row)
{
    row.resize(m_widths.size());
    for (std::size_t i = 0; i < row.size(); ++i) {
        row[i] = wjxml::printable(row[i]);
        m_widths[i] = std::max(m_widths[i], row[i].size());
    }
    m_rows.push_back(std::move(row));
}

void TextTable::print(std::ostream& out) const
{
    for (const auto& row : m_rows)
        printRow(out, row);
}

void TextTable::printRow(std::ostream& out, const std::vector<std::string>& row) const
{
    std::string text;
    for (std::size_t i = 0; i < row.size(); ++i) {
        text += row[i];
        if (i + 1 < row.size())
            text += std::string(m_widths[i] - row[i].size() + 2, ' ');
    }
    text.erase(text.find_last_not_of(' ') + 1);
    out << text << '\n';
}
