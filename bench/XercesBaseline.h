#ifndef WJXML_BENCH_XERCESBASELINE_H
#define WJXML_BENCH_XERCESBASELINE_H

#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/framework/XMLGrammarPool.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>

#include <memory>
#include <string>

// Xerces-C on its own, the floor under the library: a DOM parse of a file
// with the settings the library reads with (the same schema, cached as one
// grammar, validated always, ignorable whitespace dropped) or without any
// validation, and Xerces's own serialisation of a document to a file.
class XercesBaseline {
public:
    // schemaFile: the schema the library has compiled in.
    explicit XercesBaseline(const std::string& schemaFile);
    ~XercesBaseline();
    XercesBaseline(const XercesBaseline&) = delete;
    XercesBaseline& operator=(const XercesBaseline&) = delete;

    // The parsed document, which the caller releases; throws on any error.
    xercesc::DOMDocument* parse(const std::string& file, bool validate);
    // Writes the document indented, one element per line, as UTF-8, and
    // flushes it to disk as the library does.
    static void serialise(const xercesc::DOMDocument* document, const std::string& file);

private:
    xercesc::XMLGrammarPool* m_grammars;
    std::unique_ptr<xercesc::XercesDOMParser> m_validating;
    std::unique_ptr<xercesc::XercesDOMParser> m_plain;
};

#endif
