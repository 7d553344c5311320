#ifndef WJXML_FUZZ_EDITFUZZCASE_H
#define WJXML_FUZZ_EDITFUZZCASE_H

#include <string>

// One input of the editing fuzz target: the bytes are decoded as a sequence of
// interface operations (adds, maps, unmaps, removals, renames) on an empty
// design or on the base design read bound. An operation may save the design
// and read it back bound for more edits; at every save, and at the end, the
// written file must read back as the model in memory.
class EditFuzzCase {
public:
    // folder: where the written files go; name: their prefix; baseFile: the
    // design that inputs whose first byte is 7 modulo 8 edit.
    EditFuzzCase(std::string folder, std::string name, std::string baseFile);

    // "" when the library behaved; otherwise what went wrong.
    std::string run(const std::string& operations) const;

private:
    std::string m_folder;
    std::string m_name;
    std::string m_baseFile;
};

#endif
