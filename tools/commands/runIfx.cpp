#include "commands/runIfx.h"

#include "commands/CheckCommand.h"
#include "commands/CopyCommand.h"
#include "commands/DiffCommand.h"
#include "commands/EditCommand.h"
#include "commands/ExportCommand.h"
#include "commands/FootprintCommand.h"
#include "commands/ImportCommand.h"
#include "commands/PinMapCommand.h"
#include "commands/RenderCommand.h"
#include "commands/ShowCommand.h"
#include "commands/ValidateCommand.h"
#include "text/ManPage.h"

#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <new>

namespace {

constexpr int kUsageError = 2;

} // namespace

int runIfx(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    CLI::App app{"ifx: inspect, check, tabulate, compare, draw and convert interface exchange files.", "ifx"};
    app.set_version_flag("--version", "ifx " IFX_VERSION);
    app.require_subcommand(1);
    app.footer("Run 'ifx COMMAND --help' for the options and an example of each command.");

    // The command that runs sets the exit status from its callback.
    int result = 0;
    ValidateCommand::add(app, result);
    ShowCommand::add(app, result);
    PinMapCommand::add(app, result);
    CheckCommand::add(app, result);
    DiffCommand::add(app, result);
    RenderCommand::add(app, result);
    CopyCommand::add(app, result);
    EditCommand::add(app, result);
    ImportCommand::add(app, result);
    ExportCommand::add(app, result);
    FootprintCommand::add(app, result);
    // Not in the help: the build makes the manual page with it.
    app.add_flag_callback(
           "--man",
           [&app] {
               ManPage::write(app, IFX_VERSION, std::cout);
               throw CLI::Success();
           },
           "Print this manual page in roff")
        ->group("");

    try {
        try {
            app.parse(argc, argv);
        } catch (const CLI::ParseError& problem) {
            return app.exit(problem) == 0 ? 0 : kUsageError;
        }
        std::cout.flush();
        if (!std::cout) {
            std::cerr << "ifx: the output could not be written\n";
            return 1;
        }
        return result;
    } catch (const std::bad_alloc&) {
        std::cerr << "ifx: out of memory\n";
    } catch (const std::exception& failure) {
        std::cerr << "ifx: " << failure.what() << '\n';
    } catch (...) {
        std::cerr << "ifx: an unexpected failure stopped the command\n";
    }
    return 1;
}
