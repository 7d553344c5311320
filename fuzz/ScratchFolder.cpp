#include "ScratchFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

ScratchFolder::ScratchFolder()
{
    const std::string parent = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = parent + "/wjxml-fuzz-XXXXXX";
    if (!::mkdtemp(&pattern[0])) {
        std::perror("mkdtemp");
        std::abort();
    }
    m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}
