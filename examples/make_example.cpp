// make_example: writes the example board examples/fpga_board.xml, or the file
// given as the only argument.

#include "DesignGenerator.h"
#include "FpgaBoardExample.h"

#include "wjxmlinterfaceflowreader.h"

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::fprintf(stderr, "usage: make_example [OUTPUT]\n");
        return 2;
    }
    const char* output = argc == 2 ? argv[1] : WJ_EXAMPLE_OUTPUT;
    const std::unique_ptr<IWJInterfaceView> view = DesignGenerator(kFpgaBoardSize, kFpgaBoardSeed).generate();
    CWJXMLFlowReader writer(view.get());
    writer.writeXMLFile(output);
    if (*writer.lastError()) {
        std::fprintf(stderr, "%s\n", writer.lastError());
        return 1;
    }
    return 0;
}
