#include "wjxmlkicad/TextFile.h"

#include <fstream>
#include <sstream>

bool TextFile::read(const std::string& path, std::size_t maximumBytes, std::string* text, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = path + ": the file cannot be opened";
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<unsigned long long>(size) > maximumBytes) {
        *error = path + ": the file is larger than " + std::to_string(maximumBytes >> 20) + " MB or cannot be read";
        return false;
    }
    in.seekg(0);
    text->assign(static_cast<std::size_t>(size), '\0');
    if (!in.read(&(*text)[0], size)) {
        *error = path + ": the file cannot be read";
        return false;
    }
    return true;
}
