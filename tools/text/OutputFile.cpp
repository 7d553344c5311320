#include "text/OutputFile.h"

#include "CWJFileSave.h"
#include "CWJWriteBuffer.h"
#include "PrintableText.h"

#include <climits>
#include <filesystem>
#include <iostream>

bool OutputFile::write(const std::string& fileName, const std::string& text)
{
    if (fileName == "-") {
        std::cout << text;
        return true;
    }
    std::string problem;
    const bool saved = CWJFileSave::save(
        fileName, ULLONG_MAX, [&text](CWJWriteBuffer& out) { out.append(text); }, problem);
    if (!saved)
        std::cerr << wjxml::printable(fileName + ": the file could not be written: " + problem) << '\n';
    return saved;
}

bool OutputFile::replacesInput(const char* command, const std::string& output, const std::vector<std::string>& inputs)
{
    for (const std::string& input : inputs) {
        std::error_code ignored;
        if (output != "-" && std::filesystem::equivalent(output, input, ignored)) {
            std::cerr << wjxml::printable(std::string("ifx ") + command + ": the output " + output +
                                          " would replace the input " + input + "; name another file")
                      << '\n';
            return true;
        }
    }
    return false;
}
