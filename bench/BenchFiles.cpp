#include "BenchFiles.h"

#include "DesignGenerator.h"

#include "wjxmlinterfaceflowreader.h"

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr unsigned kSeed = 7;

bool exists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

BenchFiles::BenchFiles(std::string folder) : m_folder(std::move(folder))
{
    ::mkdir(m_folder.c_str(), 0777);
}

std::string BenchFiles::design(std::size_t size) const
{
    const std::string path = m_folder + "/design_" + std::to_string(size) + ".xml";
    if (exists(path))
        return path;
    std::fprintf(stderr, "generating a design of %zu ports and pins into %s\n", size, path.c_str());
    const auto start = std::chrono::steady_clock::now();
    const auto view = DesignGenerator(size, kSeed).generate();
    CWJXMLFlowReader writer(view.get());
    writer.writeXMLFile(path.c_str());
    if (*writer.lastError())
        throw std::runtime_error(writer.lastError());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::fprintf(stderr, "  generated in %.1f s\n", took.count());
    return path;
}

std::string BenchFiles::scratch(const std::string& name) const
{
    return m_folder + "/" + name;
}
