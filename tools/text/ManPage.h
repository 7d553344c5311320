#ifndef IFX_TEXT_MANPAGE_H
#define IFX_TEXT_MANPAGE_H

#include <ostream>
#include <string>

namespace CLI {
class App;
}

// The manual page of a command line, in roff (man(7)), made from the same
// descriptions, options and footers that its --help prints, so that the two
// say the same: the command's synopsis and description, then each
// subcommand with its arguments, options and example.
class ManPage {
public:
    static void write(const CLI::App& app, const std::string& version, std::ostream& out);
};

#endif
