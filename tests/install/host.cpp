// A minimal host: reads a design, walks and edits it, writes it back, and
// creates a new design from scratch.
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
    IWJInterfaceView* view = reader.getInterfaceView();
    if (!view) {
        std::fprintf(stderr, "%s\n", reader.lastError());
        return 1;
    }
    int instances = 0;
    for (auto walk = view->compInsts(); walk.isValid(); ++walk)
        ++instances;
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
    std::printf("read %d instances, wrote %s\n", instances, argv[2]);
    return 0;
}
