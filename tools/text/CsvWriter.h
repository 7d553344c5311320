#ifndef IFX_CSVWRITER_H
#define IFX_CSVWRITER_H

#include <ostream>
#include <string>
#include <vector>

// Writes records as RFC 4180 comma-separated values: CRLF after each record,
// and a field that holds a comma, a double quote, CR or LF enclosed in double
// quotes, its double quotes doubled. A field that a spreadsheet would take
// for a formula (one beginning with =, +, -, @, tab or CR that is not a plain
// number) gets a leading single quote, which spreadsheets show as text.
class CsvWriter {
public:
    explicit CsvWriter(std::ostream& out) : m_out(out) {}

    void write(const std::vector<std::string>& fields);

private:
    std::ostream& m_out;
};

#endif
