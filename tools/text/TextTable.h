#ifndef IFX_TEXTTABLE_H
#define IFX_TEXTTABLE_H

#include <ostream>
#include <string>
#include <vector>

// A table for people: a header and rows in columns as wide as their widest
// cell, two spaces apart.
class TextTable {
public:
    explicit TextTable(std::vector<std::string> header);

    void add(std::vector<std::string> row);
    void print(std::ostream& out) const;

private:
    void printRow(std::ostream& out, const std::vector<std::string>& row) const;

    std::vector<std::vector<std::string>> m_rows;
    std::vector<std::size_t> m_widths;
};

#endif
