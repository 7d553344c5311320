#ifndef WJXML_BENCH_MEMORYBUILDER_H
#define WJXML_BENCH_MEMORYBUILDER_H

#include "PartWiring.h"

#include <cstddef>
#include <string>

class IWJCompInst;
class IWJFootPrint;
class IWJInterfaceView;

// One DDR3 x16 memory: an instance, a 96-ball footprint (16 rows of six
// balls on a 0.8 mm pitch, columns 1-3 and 7-9) and the part map between
// them, with the memory side of a DDR3 interface and its supplies.
class MemoryBuilder {
public:
    MemoryBuilder(IWJInterfaceView* view, const std::string& refdes, const std::string& origin,
                  const std::string& rotation);

    // Adds the ports and pins and maps them; returns how many ports
    // (differential ones included) and pins were made.
    std::size_t build();

private:
    IWJCompInst* m_instance;
    IWJFootPrint* m_footprint;
    PartWiring m_wiring;
};

#endif
