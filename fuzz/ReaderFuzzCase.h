#ifndef WJXML_FUZZ_READERFUZZCASE_H
#define WJXML_FUZZ_READERFUZZCASE_H

#include <string>

// One input of the reader fuzz target: the bytes become a file, which is read
// bound and unbound; a model read is walked through every interface, written,
// and must read back as the same model.
class ReaderFuzzCase {
public:
    // The input goes to inputFolder, the written files to outputFolder; name
    // is the prefix of their names.
    ReaderFuzzCase(std::string inputFolder, std::string outputFolder, std::string name);

    // "" when the library behaved; otherwise what went wrong.
    std::string run(const std::string& content) const;

private:
    std::string m_inputFolder;
    std::string m_outputFolder;
    std::string m_name;
};

#endif
