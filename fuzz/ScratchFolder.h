#ifndef WJXML_FUZZ_SCRATCHFOLDER_H
#define WJXML_FUZZ_SCRATCHFOLDER_H

#include <string>

// A fresh folder for the files of one fuzzing process, in memory (/dev/shm)
// where the machine has it, so that the flush of every save costs nothing;
// removed with its files when the process ends normally.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

#endif
