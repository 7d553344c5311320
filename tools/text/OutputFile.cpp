#include "text/OutputFile.h"

#include <cstdio>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

} // namespace

bool OutputFile::write(const std::string& path, const std::string& text, const std::vector<std::string>& inputs)
{
    if (path.empty() || path == "-") {
        std::cout << text;
        return true;
    }
    const std::string input = inputAt(path, inputs);
    if (!input.empty()) {
        std::cerr << path << ": the output would replace the input " << input << '\n';
        return false;
    }
    std::string temporary = path + ".XXXXXX";
    const int descriptor = ::mkstemp(&temporary[0]);
    if (descriptor < 0) {
        std::cerr << path << ": no temporary file can be made beside it\n";
        return false;
    }
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t done = ::write(descriptor, text.data() + written, text.size() - written);
        if (done <= 0)
            break;
        written += static_cast<std::size_t>(done);
    }
    const bool complete = written == text.size() && ::fchmod(descriptor, 0644) == 0 && ::fsync(descriptor) == 0;
    if (::close(descriptor) != 0 || !complete || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        std::cerr << path << ": the file cannot be written\n";
        return false;
    }
    return true;
}

std::string OutputFile::inputAt(const std::string& path, const std::vector<std::string>& inputs)
{
    for (const std::string& input : inputs) {
        if (sameFile(path, input))
            return input;
    }
    return "";
}
