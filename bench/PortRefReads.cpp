#include "PortRefReads.h"

#include "BenchClock.h"

#include "wjxmlinterfaceflowreader.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

double medianReadSeconds(const std::string& file)
{
    std::vector<double> seconds;
    for (int run = 0; run < 5; ++run) {
        CWJXMLFlowReader reader;
        const double start = benchclock::threadCpuSeconds();
        reader.readFlowXML(file.c_str(), true);
        seconds.push_back(benchclock::threadCpuSeconds() - start);
        std::unique_ptr<IWJInterfaceView> view(reader.getInterfaceView());
        if (!view)
            throw std::runtime_error(reader.lastError());
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[2];
}

} // namespace

std::string PortRefReads::design(int count, bool onePort) const
{
    const std::string file =
        m_files.scratch("port_refs_" + std::to_string(count) + (onePort ? "_one" : "_each") + ".xml");
    if (::access(file.c_str(), R_OK) == 0)
        return file;
    CWJXMLFlowReader reader;
    std::unique_ptr<IWJInterfaceView> view(reader.CreateInterfaceView("bench", "2026-12-07T12:00:00", "port refs"));
    IWJCompInst* instance = view->addCompInst("CELL", "U1");
    IWJCompBusInterface* bus = instance->addBusInterface("BUS", "");
    std::vector<IWJPort*> ports;
    for (int i = 0; i <= count; ++i)
        ports.push_back(instance->addPort(("D" + std::to_string(i)).c_str(), "", IWJPort::Inout, 1, 7, 0));
    for (int i = 0; i < count; ++i)
        bus->addPortRef(onePort ? ports[0] : ports[static_cast<std::size_t>(i) + 1], i % 8, i % 8);
    CWJXMLFlowReader writer(view.get());
    writer.writeXMLFile(file.c_str());
    if (*writer.lastError())
        throw std::runtime_error(writer.lastError());
    return file;
}

void PortRefReads::printTable() const
{
    std::printf("\nReferences to one port: a bound read of a bus interface with N ranged PortRefs to one port, against "
                "N PortRefs each to a port of its own (the same ports in both); processor time, medians of 5.\n\n");
    std::printf("| N | one port | a port each | one / each |\n|---:|---:|---:|---:|\n");
    for (const int count : {16000, 32000}) {
        const double one = medianReadSeconds(design(count, true));
        const double each = medianReadSeconds(design(count, false));
        std::printf("| %d | %.3f s | %.3f s | %.2f |\n", count, one, each, one / each);
    }
}
