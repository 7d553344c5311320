#include "commands/ValidateCommand.h"

#include "PrintableText.h"
#include "commands/CommandLine.h"
#include "model/DesignReader.h"

#include <iostream>
#include <memory>

void ValidateCommand::add(CLI::App& app, int& result)
{
    auto files = std::make_shared<std::vector<std::string>>();
    CLI::App* command = CommandLine::add(
        app, "validate", "Check files against the schema; exit 0 when all are valid, 1 when any is not.",
        "ifx validate board.xml other.xml");
    command->add_option("FILE", *files, "interface exchange files")->required();
    command->callback([files, &result] { result = run(*files); });
}

int ValidateCommand::run(const std::vector<std::string>& fileNames)
{
    int result = 0;
    for (const std::string& fileName : fileNames) {
        if (DesignReader::read(fileName))
            std::cout << wjxml::printable(fileName) << ": valid\n";
        else
            result = 1;
    }
    return result;
}
