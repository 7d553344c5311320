#include "commands/CommandLine.h"

#include <string>

CLI::App* CommandLine::add(CLI::App& app, const char* name, const char* description, const char* example)
{
    CLI::App* command = app.add_subcommand(name, description);
    command->footer(std::string("Example:\n  ") + example);
    return command;
}

CLI::Validator CommandLine::constraintFormats()
{
    return CLI::IsMember({"xdc", "qsf", "lpf", "pcf", "csv"});
}
