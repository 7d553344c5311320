#ifndef IFX_COMMANDLINE_H
#define IFX_COMMANDLINE_H

#include <CLI/CLI.hpp>

// What the commands share in registering themselves with ifx's command line.
class CommandLine {
public:
    // Adds the command name to app, with its description and, in its help,
    // an example of its use.
    static CLI::App* add(CLI::App& app, const char* name, const char* description, const char* example);
    // The constraint formats of import and export.
    static CLI::Validator constraintFormats();
};

#endif
