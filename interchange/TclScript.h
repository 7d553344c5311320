#ifndef WJXMLINTERCHANGE_TCLSCRIPT_H
#define WJXMLINTERCHANGE_TCLSCRIPT_H

#include <string>
#include <vector>

// One command of a Tcl script, its words as written (braces, quotes and
// brackets kept), or a comment, its one word the text after the '#'.
struct TclCommand {
    int line = 0;
    bool comment = false;
    std::vector<std::string> words;
};

// Splits Tcl text into commands the way Tcl does: commands end at a newline
// or ';', '#' at the start of a command begins a comment, a backslash before
// a newline continues the line, and braces, brackets and double quotes group
// words across blanks and lines. CRLF line ends are read as LF, as Tcl reads
// a script.
class TclScript {
public:
    // The commands of text. An unbalanced brace, bracket or quote swallows the
    // rest of the text, as in Tcl; unbalancedLine is then the line where it
    // opened, else 0.
    static std::vector<TclCommand> commands(const std::string& text, int* unbalancedLine);

    // The words of a list or of a bracketed command's inside; false when a
    // brace, bracket or quote is unbalanced.
    static bool words(const std::string& text, std::vector<std::string>* words);

    // A word's text: the inside of braces, or the word with its quotes and
    // backslashes resolved.
    static std::string unwrap(const std::string& word);

    // Whether Tcl would substitute a variable in word: a '$' outside braces.
    static bool substitutes(const std::string& word);

    // The inside of a bracketed word "[...]", or "" when word is not one.
    static std::string bracketInside(const std::string& word);

    // name as a Tcl word: bare when made of letters, digits and underscores,
    // else in braces.
    static std::string quoted(const std::string& name);
};

#endif
