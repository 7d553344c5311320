#include "IfxRunner.h"

#include "TestSupport.h"

#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string shellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

IfxRun runIfx(const std::vector<std::string>& arguments)
{
    // Tests run in parallel processes: each keeps its own stderr file.
    const std::string errors = testsupport::inputPath("ifx-stderr-" + std::to_string(::getpid()) + ".txt");
    std::string command = shellQuoted(WJ_IFX_PATH);
    for (const std::string& argument : arguments)
        command += ' ' + shellQuoted(argument);
    command += " 2>" + shellQuoted(errors);
    IfxRun run{-1, "", ""};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, got);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = testsupport::readFile(errors);
    return run;
}
