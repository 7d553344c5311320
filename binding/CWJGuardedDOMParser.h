#ifndef WJXML_BINDING_CWJGUARDEDDOMPARSER_H
#define WJXML_BINDING_CWJGUARDEDDOMPARSER_H

#include <xercesc/parsers/XercesDOMParser.hpp>

#include <string>

class CWJParseErrors;

// A DOM parser that refuses what our files never contain and what could harm
// the host: any DOCTYPE (so no DTD, internal or external, and no entity is
// ever declared or loaded), element nesting deeper than maxDepth (the DOM
// and its serialiser recurse per level), XML 1.1, whose texts may hold
// control characters that an XML 1.0 file cannot carry, so a design read
// from it could not be saved, and a root element other than rootName, in
// rootNamespace or in none (validation would report every element of such a
// file). Each stops the parse at once with a diagnostic. On request it keeps
// the line of each element it makes (see CWJElementLines).
class CWJGuardedDOMParser : public xercesc::XercesDOMParser {
public:
    // Thrown out of parse() when the parse is stopped.
    struct Stopped {};

    CWJGuardedDOMParser(xercesc::XMLGrammarPool* grammarPool, CWJParseErrors& errors, unsigned maxDepth,
                        const char* rootName, const char* rootNamespace);

    // Whether the parses that follow keep each element's line.
    void keepLines(bool keep) { m_keepLines = keep; }

    void startDocument() override;
    void startElement(const xercesc::XMLElementDecl& elemDecl, const unsigned int urlId, const XMLCh* const elemPrefix,
                      const xercesc::RefVectorOf<xercesc::XMLAttr>& attrList, const XMLSize_t attrCount,
                      const bool isEmpty, const bool isRoot) override;
    void endElement(const xercesc::XMLElementDecl& elemDecl, const unsigned int urlId, const bool isRoot,
                    const XMLCh* const elemPrefix) override;
    void XMLDecl(const XMLCh* const versionStr, const XMLCh* const encodingStr, const XMLCh* const standaloneStr,
                 const XMLCh* const actualEncStr) override;
    void doctypeDecl(const xercesc::DTDElementDecl& elemDecl, const XMLCh* const publicId, const XMLCh* const systemId,
                     const bool hasIntSubset, const bool hasExtSubset) override;

private:
    [[noreturn]] void stop(const std::string& message);
    void checkRoot(const xercesc::XMLElementDecl& elemDecl, unsigned int urlId);

    CWJParseErrors& m_errors;
    unsigned m_maxDepth;
    std::string m_rootName;
    std::string m_rootNamespace;
    unsigned m_depth = 0;
    bool m_keepLines = false;
};

#endif
