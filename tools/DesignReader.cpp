#include "DesignReader.h"

#include <iostream>

Design DesignReader::read(const std::string& fileName, bool bind)
{
    CWJXMLFlowReader reader;
    reader.readFlowXML(fileName.c_str(), bind);
    Design design(reader.getInterfaceView());
    if (*reader.lastError() || !design) {
        std::cerr << reader.lastError() << '\n';
        return nullptr;
    }
    return design;
}

bool DesignReader::write(IWJInterfaceView* design, const std::string& fileName)
{
    CWJXMLFlowReader writer(design);
    writer.writeXMLFile(fileName.c_str());
    if (*writer.lastError()) {
        std::cerr << writer.lastError() << '\n';
        return false;
    }
    return true;
}
