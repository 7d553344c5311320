#include "PeakMemory.h"

#include "XercesBaseline.h"

#include "wjxmlinterfaceflowreader.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char kFlag[] = "--peak-memory";
const char* const kReadNames[] = {"bare", "bound"};

std::string selfPath()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        throw std::runtime_error("cannot find the benchmark program");
    return std::string(path, static_cast<std::size_t>(length));
}

long peakKiB()
{
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

long PeakMemory::measure(Read read, const std::string& file, const std::string& schemaFile)
{
    return static_cast<long>(
        childFigure(std::string(kFlag) + " " + kReadNames[read] + " '" + file + "' '" + schemaFile + "'"));
}

double PeakMemory::childFigure(const std::string& arguments)
{
    const std::string command = "'" + selfPath() + "' " + arguments;
    FILE* child = ::popen(command.c_str(), "r");
    if (!child)
        throw std::runtime_error("cannot start " + command);
    double figure = -1;
    const int fields = std::fscanf(child, "%lf", &figure);
    if (::pclose(child) != 0 || fields != 1)
        throw std::runtime_error("the measurement failed: " + command);
    return figure;
}

bool PeakMemory::childMain(int argc, char** argv)
{
    if (argc != 5 || std::strcmp(argv[1], kFlag) != 0)
        return false;
    const std::string file = argv[3];
    if (std::strcmp(argv[2], kReadNames[BareParse]) == 0) {
        XercesBaseline baseline(argv[4]);
        xercesc::DOMDocument* document = baseline.parse(file, true);
        std::printf("%ld\n", peakKiB());
        document->release();
    } else {
        CWJXMLFlowReader reader;
        reader.readFlowXML(file.c_str(), true);
        if (!reader.getInterfaceView()) {
            std::fprintf(stderr, "%s\n", reader.lastError());
            std::exit(1);
        }
        std::printf("%ld\n", peakKiB());
        delete reader.getInterfaceView();
    }
    return true;
}
