#include "CheckCommand.h"

#include "CheckReport.h"
#include "ComponentChecker.h"
#include "DesignIndex.h"
#include "DesignReader.h"
#include "PartMapChecker.h"
#include "PrintableText.h"
#include "ValueChecker.h"
#include "XmlTreeReader.h"

#include <xercesc/util/PlatformUtils.hpp>

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

bool readText(const std::string& fileName, std::string& text)
{
    std::ifstream in(fileName, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return static_cast<bool>(in);
}

} // namespace

int CheckCommand::run(const std::string& fileName, bool json, bool warningsAreErrors)
{
    if (!DesignReader::read(fileName))
        return 1;
    // Initialisation is counted; each Initialize needs its Terminate.
    xercesc::XMLPlatformUtils::Initialize();
    const int result = checkFile(fileName, json, warningsAreErrors);
    xercesc::XMLPlatformUtils::Terminate();
    return result;
}

int CheckCommand::checkFile(const std::string& fileName, bool json, bool warningsAreErrors)
{
    std::string text;
    if (!readText(fileName, text)) {
        std::cerr << wjxml::printable(fileName) << ": the file could not be read again\n";
        return 1;
    }
    std::string problem;
    const std::unique_ptr<XmlElement> root = XmlTreeReader::read(fileName, text, problem);
    if (!root) {
        std::cerr << wjxml::printable(problem) << '\n';
        return 1;
    }
    CheckReport report;
    const DesignIndex index(root.get(), report);
    ComponentChecker::check(index, report);
    PartMapChecker::check(root.get(), index, report);
    ValueChecker::check(root.get(), report);
    if (json)
        report.printJson(std::cout, fileName);
    else
        report.print(std::cout, fileName);
    return report.errors() > 0 || (warningsAreErrors && report.warnings() > 0) ? 1 : 0;
}
