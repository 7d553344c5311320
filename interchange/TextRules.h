#ifndef WJXMLINTERCHANGE_TEXTRULES_H
#define WJXMLINTERCHANGE_TEXTRULES_H

#include <string>

// Small text rules that every dialect shares.
class TextRules {
public:
    static std::string trimmed(const std::string& text);
    static std::string upper(const std::string& text);
    static bool equalIgnoringCase(const std::string& a, const std::string& b);
    static bool startsWithIgnoringCase(const std::string& text, const std::string& prefix);
    // A bit number: decimal digits only, within int.
    static bool parseBit(const std::string& text, int* bit);
    // True when text is made of letters, digits and underscores only.
    static bool isPlainWord(const std::string& text);
    // The word of an IWJPort type code ("input", ..., "ground"), "" for
    // another code; the code of a word in any case, -1 for another word.
    static std::string portTypeWord(int type);
    static int portTypeCode(const std::string& word);
    // Whether text matches pattern in any letter case, '*' standing for any
    // run of characters and '?' for any one.
    static bool matchesIgnoringCase(const std::string& pattern, const std::string& text);
};

#endif
