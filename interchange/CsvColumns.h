#ifndef WJXMLINTERCHANGE_CSVCOLUMNS_H
#define WJXMLINTERCHANGE_CSVCOLUMNS_H

#include <map>
#include <string>
#include <vector>

// One record of an RFC 4180 table, with the line it starts on.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

// The columns of a CSV table's header row, found by name in any case; and the
// splitting of CSV text into records, which the pin tables of the
// interchange and of the KiCad readers share.
class CsvColumns {
public:
    explicit CsvColumns(const CsvRecord& header);

    // Splits RFC 4180 text into records; a quoted field may hold commas,
    // doubled quotes and line breaks. unclosedLine is the line of a quote
    // never closed, else 0.
    static std::vector<CsvRecord> records(const std::string& text, int* unclosedLine);
    // Whether every field is blank.
    static bool isEmpty(const CsvRecord& record);

    // name is upper case.
    bool has(const char* name) const { return m_columns.count(name) != 0; }
    // The record's field of the column name (upper case), trimmed, without
    // the apostrophe that keeps a spreadsheet from taking it for a formula;
    // "" when there is none.
    std::string of(const CsvRecord& record, const char* name) const;

private:
    std::map<std::string, std::size_t> m_columns;
};

#endif
