#include "CsvWriter.h"

void CsvWriter::write(const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            m_out << ',';
        const std::string& field = fields[i];
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
