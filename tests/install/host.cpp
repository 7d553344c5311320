// A minimal host: reads a design, checks the read, moves a port to another
// pin, writes the design back, and creates a new design from scratch.
#include <wjxmlinterfaceflowreader.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    CWJXMLFlowReader reader;
    reader.readFlowXML(argv[1], true);
    if (*reader.lastError()) {
        std::fprintf(stderr, "%s\n", reader.lastError());
        return 1;
    }
    IWJInterfaceView* view = reader.getInterfaceView();
    int instances = 0;
    IWJCompInst* u1 = nullptr;
    for (auto walk = view->compInsts(); walk.isValid(); ++walk) {
        ++instances;
        if (std::strcmp(walk.value()->refdes(), "U1") == 0)
            u1 = walk.value();
    }
    IWJPort* clock = u1 ? u1->findPort("clk_in") : nullptr;
    IWJPartMap* partMap = u1 ? view->findPartMap(u1) : nullptr;
    if (!clock || !partMap)
        return 1;
    partMap->mapPortToPinName(clock, "H3", -1);
    IWJFootPrintPin* pin = partMap->pinForPort(clock, -1);
    if (!pin || std::strcmp(pin->name(), "H3") != 0)
        return 1;
    view->setDesignName("edited by the installed host");
    view->setLastUpdatedBy("host");
    view->setLastUpdatedAt("2026-12-06T12:00:00");
    reader.writeXMLFile(argv[2]);
    delete view;
    if (*reader.lastError()) {
        std::fprintf(stderr, "%s\n", reader.lastError());
        return 1;
    }

    CWJXMLFlowReader creator;
    IWJInterfaceView* created = creator.CreateInterfaceView("host", "2026-12-06", "new design");
    if (!created || std::strcmp(created->designName(), "new design") != 0)
        return 1;
    creator.writeXMLFile((std::string(argv[2]) + ".new").c_str());
    delete created;
    if (*creator.lastError())
        return 1;
    std::printf("read %d instances, moved CLK_IN to pin H3, wrote %s\n", instances, argv[2]);
    return 0;
}
