#include "text/CsvWriter.h"

#include <cstring>

namespace {

bool isPlainNumber(const std::string& field)
{
    std::size_t at = field[0] == '-' || field[0] == '+' ? 1 : 0;
    const std::size_t digits = field.find_first_not_of("0123456789", at);
    if (at == field.size() || digits == at)
        return false;
    if (digits == std::string::npos)
        return true;
    if (field[digits] != '.' || digits + 1 == field.size())
        return false;
    return field.find_first_not_of("0123456789", digits + 1) == std::string::npos;
}

std::string neutralised(const std::string& field)
{
    if (field.empty() || !std::strchr("=+-@\t\r", field[0]) || isPlainNumber(field))
        return field;
    return '\'' + field;
}

} // namespace

void CsvWriter::write(const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            m_out << ',';
        const std::string field = neutralised(fields[i]);
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            m_out << field;
            continue;
        }
        m_out << '"';
        for (const char c : field)
            m_out << (c == '"' ? "\"\"" : std::string(1, c));
        m_out << '"';
    }
    m_out << "\r\n";
}
