#ifndef WJXML_BINDING_CWJDOCUMENTWRITER_H
#define WJXML_BINDING_CWJDOCUMENTWRITER_H

#include <xercesc/dom/DOMDocument.hpp>

class CWJWriteBuffer;

// Serialises a document as UTF-8, one element per line, indented by two
// spaces per level down to 32 levels. Elements that hold text are written on
// one line with their text unchanged, so reading the output (which drops the
// whitespace between elements) and writing it again gives the same bytes. The
// walk is iterative: any nesting depth is written without recursion. The
// bytes go into out as they are made, long texts a piece at a time, and the
// walk stops once out has failed.
class CWJDocumentWriter {
public:
    static void write(const xercesc::DOMDocument* document, CWJWriteBuffer& out);
};

#endif
