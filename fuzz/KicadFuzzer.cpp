// libFuzzer entry of the KiCad readers' target.
#include "KicadFuzzCase.h"
#include "ScratchFolder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFolder folder;
    static const KicadFuzzCase fuzzCase(folder.path(), "kicad");
    const std::string problem = fuzzCase.run(std::string(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "kicad fuzz case failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
