#include "CsvColumns.h"

#include "TextRules.h"

namespace {

// A field as written, without the apostrophe that neutralises a formula.
std::string fieldText(const std::string& field)
{
    if (field.size() >= 2 && field[0] == '\'' && std::string("=+-@").find(field[1]) != std::string::npos)
        return field.substr(1);
    return field;
}

} // namespace

CsvColumns::CsvColumns(const CsvRecord& header)
{
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        std::string name = TextRules::upper(TextRules::trimmed(fieldText(header.fields[i])));
        m_columns.emplace(name, i);
    }
}

std::vector<CsvRecord> CsvColumns::records(const std::string& text, int* unclosedLine)
{
    std::vector<CsvRecord> result;
    CsvRecord record{1, {""}};
    int line = 1;
    bool quoted = false;
    *unclosedLine = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n')
            ++line;
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                record.fields.back() += text[++i];
            else if (c == '"')
                quoted = false;
            else
                record.fields.back() += c;
        } else if (c == '"' && record.fields.back().empty()) {
            quoted = true;
            *unclosedLine = line;
        } else if (c == ',') {
            record.fields.emplace_back();
        } else if (c == '\n') {
            result.push_back(record);
            record = CsvRecord{line, {""}};
        } else if (c != '\r') {
            record.fields.back() += c;
        }
    }
    if (quoted)
        return result;
    *unclosedLine = 0;
    if (record.fields.size() > 1 || !record.fields[0].empty())
        result.push_back(record);
    return result;
}

bool CsvColumns::isEmpty(const CsvRecord& record)
{
    for (const std::string& field : record.fields) {
        if (!TextRules::trimmed(field).empty())
            return false;
    }
    return true;
}

std::string CsvColumns::of(const CsvRecord& record, const char* name) const
{
    const auto column = m_columns.find(name);
    if (column == m_columns.end() || column->second >= record.fields.size())
        return "";
    return TextRules::trimmed(fieldText(record.fields[column->second]));
}
