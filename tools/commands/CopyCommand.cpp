#include "commands/CopyCommand.h"

#include "commands/CommandLine.h"
#include "model/DesignReader.h"
#include "text/OutputFile.h"

#include <memory>
#include <utility>

void CopyCommand::add(CLI::App& app, int& result)
{
    auto files = std::make_shared<std::pair<std::string, std::string>>();
    CLI::App* command = CommandLine::add(app, "copy", "Read a file and write it again, normalised and indented.",
                                         "ifx copy board.xml normalised.xml");
    command->add_option("IN", files->first, "file to read")->required();
    command->add_option("OUT", files->second, "file to write")->required();
    command->callback([files, &result] { result = run(files->first, files->second); });
}

int CopyCommand::run(const std::string& input, const std::string& output)
{
    if (OutputFile::replacesInput("copy", output, {input}))
        return 1;
    const Design design = DesignReader::read(input, true);
    return design && DesignReader::write(design.get(), output) ? 0 : 1;
}
