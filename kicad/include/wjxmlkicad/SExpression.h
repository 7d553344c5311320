#ifndef WJXMLKICAD_SEXPRESSION_H
#define WJXMLKICAD_SEXPRESSION_H

#include <string>
#include <vector>

/// One item of an s-expression file as KiCad writes its libraries: an atom
/// (a bare word or number, or a quoted string) or a list of items, with the
/// place in the file where it starts.
struct SExpression {
    bool isList = false;            ///< a list "( ... )" rather than an atom
    bool quoted = false;            ///< an atom written in double quotes
    std::string atom;               ///< the atom's text, unquoted and unescaped; "" for a list
    int line = 0;                   ///< 1-based line of the atom or of the list's "("
    int column = 0;                 ///< 1-based byte column of the same
    std::vector<SExpression> items; ///< a list's items in file order; empty for an atom

    /// The atom that starts the list, such as "pad" in (pad 1 smd ...); ""
    /// when there is none.
    const std::string& head() const;
    /// The atom at index of the list; "" when there is none or it is a list.
    const std::string& text(std::size_t index) const;
    /// The first list item whose head is name; null when there is none.
    const SExpression* child(const char* name) const;
    /// Whether a bare atom of the list, after its head, is word (KiCad's
    /// flags such as hide).
    bool hasFlag(const char* word) const;
};

/// Reads s-expression text. Errors read "name:line:column: message", name
/// being the file name given.
class SExpressionParser {
public:
    /// Lists nested deeper than this are refused.
    static constexpr int kMaximumDepth = 200;
    /// Files larger than this are refused.
    static constexpr std::size_t kMaximumBytes = std::size_t{256} << 20;

    /// Parses text holding one top-level list into root. False, with error,
    /// on an unbalanced parenthesis, an unclosed string, anything after the
    /// top-level list, or nesting deeper than kMaximumDepth.
    static bool parse(const std::string& name, const std::string& text, SExpression* root, std::string* error);
    /// Reads the file at path and parses it; also false when it cannot be
    /// read or is larger than kMaximumBytes.
    static bool parseFile(const std::string& path, SExpression* root, std::string* error);
    /// The text as a quoted atom, as KiCad writes strings: in double quotes,
    /// with \ before a double quote or backslash and \n for a line break.
    static std::string quoted(const std::string& text);
    /// "name:line:column: message" for the item.
    static std::string where(const std::string& name, const SExpression& item, const std::string& message);
};

#endif
