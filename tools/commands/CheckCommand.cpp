#include "commands/CheckCommand.h"

#include "PrintableText.h"
#include "check/CheckReport.h"
#include "check/ComponentChecker.h"
#include "check/DesignIndex.h"
#include "check/PartMapChecker.h"
#include "check/ValueChecker.h"
#include "check/XmlTreeReader.h"
#include "commands/CommandLine.h"
#include "model/DesignReader.h"

#include <xercesc/util/PlatformUtils.hpp>

#include <fstream>
#include <iostream>
#include <memory>
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

void CheckCommand::add(CLI::App& app, int& result)
{
    struct Options {
        std::string file;
        bool werror = false;
        std::string format = "text";
    };
    auto options = std::make_shared<Options>();
    CLI::App* command =
        CommandLine::add(app, "check",
                         "Find what the schema cannot see: references that name nothing, duplicate ids, shorts,\n"
                         "bits out of range or mapped twice, unmapped ports, incomplete differential pairs, type\n"
                         "words and numbers the format does not know, duplicate pin names, unreadable locations,\n"
                         "ports and voltage groups on another number of pins than they declare, differential\n"
                         "pairs on pins that are not neighbours.\n"
                         "Exit 1 when there are errors (or warnings, with --werror).",
                         "ifx check board.xml");
    command->add_option("FILE", options->file, "interface exchange file")->required();
    command->add_flag("--werror", options->werror, "exit 1 on warnings too");
    command->add_option("--format", options->format, "text or json")
        ->check(CLI::IsMember({"text", "json"}))
        ->default_str("text");
    command->callback([options, &result] { result = run(options->file, options->format == "json", options->werror); });
}

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
