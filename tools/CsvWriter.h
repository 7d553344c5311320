#ifndef IFX_CSVWRITER_H
#define IFX_CSVWRITER_H

#include <ostream>
#include <string>
#include <vector>

// Writes records as RFC 4180 comma-separated values: CRLF after each record,
// and a field that holds a comma, a double quote, CR or LF enclosed in double
// quotes, its double quotes doubled.
class CsvWriter {
public:
    explicit CsvWriter(std::ostream& out) : m_out(out) {}

    void write(const std::vector<std::string>& fields);

private:
    std::ostream& m_out;
};

#endif
