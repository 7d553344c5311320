#include "model/DesignReader.h"

#include "PrintableText.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <unistd.h>

Design DesignReader::read(const std::string& fileName, bool bind, bool keepLines)
{
    CWJXMLFlowReader reader;
    reader.keepElementLines(keepLines);
    reader.readFlowXML(fileName.c_str(), bind);
    Design design(reader.getInterfaceView());
    if (*reader.lastError() || !design) {
        std::cerr << wjxml::printable(reader.lastError(), true) << '\n';
        return nullptr;
    }
    return design;
}

bool DesignReader::write(IWJInterfaceView* design, const std::string& fileName)
{
    if (fileName == "-")
        return writeToStandardOutput(design);
    CWJXMLFlowReader writer(design);
    writer.writeXMLFile(fileName.c_str());
    if (*writer.lastError()) {
        std::cerr << wjxml::printable(writer.lastError(), true) << '\n';
        return false;
    }
    return true;
}

// The library saves to files: the design goes to a file in a private
// temporary folder, which is copied to standard output and removed.
bool DesignReader::writeToStandardOutput(IWJInterfaceView* design)
{
    const char* temporaryRoot = std::getenv("TMPDIR");
    std::string folder = std::string(temporaryRoot && *temporaryRoot ? temporaryRoot : "/tmp") + "/ifx-XXXXXX";
    if (!::mkdtemp(&folder[0])) {
        std::cerr << "ifx: no temporary folder for the output could be made\n";
        return false;
    }
    const std::string path = folder + "/design.xml";
    const bool written = write(design, path);
    if (written) {
        std::ifstream in(path, std::ios::binary);
        std::cout << in.rdbuf();
    }
    std::remove(path.c_str());
    ::rmdir(folder.c_str());
    return written;
}
