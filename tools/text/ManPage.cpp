#include "text/ManPage.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <sstream>

namespace {

// Text as roff shows it: backslashes and hyphens escaped, and no line
// starting with a control character.
std::string escaped(const std::string& text)
{
    std::string out;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\''))
            out += "\\&";
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
        lineStart = c == '\n';
    }
    return out;
}

// Paragraphs of text; indented lines (the examples) are kept as they are.
void writeText(const std::string& text, std::ostream& out)
{
    std::istringstream lines(text);
    std::string line;
    bool verbatim = false;
    while (std::getline(lines, line)) {
        const bool indented = !line.empty() && std::isspace(static_cast<unsigned char>(line.front()));
        if (indented != verbatim)
            out << (indented ? ".nf\n" : ".fi\n");
        verbatim = indented;
        out << (line.empty() ? ".PP" : escaped(line)) << '\n';
    }
    if (verbatim)
        out << ".fi\n";
}

std::string optionLabel(const CLI::Option& option)
{
    std::string label = "\\fB" + escaped(option.get_name(false, true)) + "\\fR";
    if (option.get_type_size() != 0 && !option.get_type_name().empty())
        label += " \\fI" + escaped(option.get_type_name()) + "\\fR";
    return label;
}

void writeOptions(const CLI::App& app, std::ostream& out)
{
    for (const CLI::Option* option : app.get_options()) {
        if (option->get_group().empty() || option == app.get_help_ptr())
            continue;
        out << ".TP\n"
            << (option->get_positional() ? "\\fI" + escaped(option->get_name(true)) + "\\fR" : optionLabel(*option))
            << '\n';
        writeText(option->get_description().empty() ? "" : option->get_description(), out);
    }
}

} // namespace

void ManPage::write(const CLI::App& app, const std::string& version, std::ostream& out)
{
    const std::string name = app.get_name();
    std::string upper = name;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string summary = app.get_description();
    if (summary.rfind(name + ": ", 0) == 0)
        summary.erase(0, name.size() + 2);

    out << ".TH " << upper << " 1 \"\" \"" << escaped(name + ' ' + version) << "\" \"User Commands\"\n"
        << ".SH NAME\n"
        << escaped(name) << " \\- " << escaped(summary) << '\n'
        << ".SH SYNOPSIS\n"
        << ".B " << escaped(name) << "\n\\fICOMMAND\\fR [\\fIOPTIONS\\fR] [\\fIARGUMENTS\\fR]\n"
        << ".SH OPTIONS\n";
    writeOptions(app, out);
    out << ".SH COMMANDS\n";
    for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
        out << ".SS " << escaped(name + ' ' + command->get_name()) << '\n';
        writeText(command->get_description(), out);
        writeOptions(*command, out);
        if (!command->get_footer().empty()) {
            out << ".PP\n";
            writeText(command->get_footer(), out);
        }
    }
    out << ".SH EXIT STATUS\n"
        << "0 when the command did what it was asked, 1 when it failed or, for a command that judges, "
           "found something; each command's description above says its own. 2 on a usage error.\n";
}
