#ifndef WJXML_BINDING_CWJXMLPARSER_H
#define WJXML_BINDING_CWJXMLPARSER_H

#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/framework/XMLGrammarPool.hpp>

#include <memory>
#include <string>

class CWJGuardedDOMParser;
class CWJParseErrors;

// Parses and validates interface exchange files and writes documents back.
//
// Files are validated against the schema compiled into the library, with or
// without the format's namespace on the root; a schema location named inside
// a file is never loaded, and nothing but the file itself is read. Whitespace
// between elements is dropped, and documents are written indented, one
// element per line, so writing what was read gives the same bytes again.
class CWJXMLParser {
public:
    // Deepest element nesting accepted in a file.
    static constexpr unsigned kMaxDepth = 512;
    // Most attributes on one element (the format's elements carry at most
    // four; the root some namespace declarations besides).
    static constexpr unsigned kMaxAttributes = 64;
    // Largest file read, and so written: a read takes some 17.5 times the
    // file in memory.
    static constexpr unsigned long long kMaxFileSize = 256ULL * 1024 * 1024;
    // The root element of the format, and its namespace.
    static constexpr const char* kRootName = "InterfaceExchangeSchema";
    static constexpr const char* kNamespace = "http://www.wjxmlflow.org/mxa/tvn";

    CWJXMLParser();
    ~CWJXMLParser();
    CWJXMLParser(const CWJXMLParser&) = delete;
    CWJXMLParser& operator=(const CWJXMLParser&) = delete;

    // Selects the schema to validate against; only the compiled-in
    // "InterfaceExchangeSchema.xsd" is known.
    void SetSchemaName(const char* schemaName);

    // Whether the parses that follow keep the line of each element (see
    // CWJElementLines); off at first.
    void keepElementLines(bool keep);

    // The parsed, valid document, which the caller releases; null when the
    // file cannot be read, is not well-formed or is not valid (see lastError).
    // Throws std::bad_alloc when memory runs out; discardParser() must then
    // be called before the next parse.
    xercesc::DOMDocument* ParseFile(const char* fileName);

    // Drops the Xerces parser, which running out of memory may leave with a
    // partial document and a broken state; the next parse makes a new one
    // with the same settings.
    void discardParser();

    // Writes the document to fileName as CWJFileSave does: through a
    // temporary file beside it, so that a failed write leaves any earlier
    // file untouched, or straight into a device or a pipe. What a read would
    // refuse is not written: a document nested deeper than kMaxDepth, or a
    // file larger than kMaxFileSize. False on failure (see lastError).
    bool writeXMLFile(const std::string& fileName, xercesc::DOMDocument* document);

    // The problems of the last parse or write, one "file:line:column: message"
    // per line ("file: message" for the file as a whole), at most
    // CWJParseErrors::kMaxReported and a count of the rest; empty after
    // success.
    const std::string& lastError() const;

private:
    void makeParser();

    std::string m_schemaName;
    bool m_keepElementLines = false;
    std::unique_ptr<CWJParseErrors> m_errors;
    std::unique_ptr<CWJGuardedDOMParser> m_parser;
};

#endif
