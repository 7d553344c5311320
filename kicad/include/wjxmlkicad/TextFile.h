#ifndef WJXMLKICAD_TEXTFILE_H
#define WJXMLKICAD_TEXTFILE_H

#include <string>

/// Reads whole text files for the KiCad readers.
class TextFile {
public:
    /// Reads the file at path into text. False, with error "path: message",
    /// when it cannot be opened or read or holds more than maximumBytes.
    static bool read(const std::string& path, std::size_t maximumBytes, std::string* text, std::string* error);
};

#endif
