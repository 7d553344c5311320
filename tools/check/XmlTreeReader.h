#ifndef IFX_XMLTREEREADER_H
#define IFX_XMLTREEREADER_H

#include "check/XmlElement.h"

#include <xercesc/sax2/DefaultHandler.hpp>
#include <xercesc/util/TransService.hpp>

#include <memory>
#include <string>
#include <vector>

// Reads a file into a tree of elements with Xerces' SAX2 parser, noting the
// line of each element from the parser's locator. It does not validate (the
// library has done that) and, like the library, reads nothing but the file: no
// DTD and no external entity is loaded, a DOCTYPE is refused, and so is
// nesting deeper than 512 elements. Xerces must be initialised.
class XmlTreeReader : public xercesc::DefaultHandler {
public:
    // The root element of text, the content of fileName; null after setting
    // problem to "file:line:column: message".
    static std::unique_ptr<XmlElement> read(const std::string& fileName, const std::string& text, std::string& problem);

    void setDocumentLocator(const xercesc::Locator* const locator) override;
    void startElement(const XMLCh* const uri, const XMLCh* const localname, const XMLCh* const qname,
                      const xercesc::Attributes& attributes) override;
    void endElement(const XMLCh* const uri, const XMLCh* const localname, const XMLCh* const qname) override;
    void characters(const XMLCh* const chars, const XMLSize_t length) override;
    void startDTD(const XMLCh* const name, const XMLCh* const publicId, const XMLCh* const systemId) override;

private:
    // Thrown to stop the parse.
    struct Refused {
        std::string message;
    };

    static constexpr std::size_t kMaxDepth = 512;

    XmlTreeReader();
    std::string utf8(const XMLCh* text);
    std::string utf8(const XMLCh* text, XMLSize_t length);
    std::string position() const;

    std::unique_ptr<xercesc::XMLTranscoder> m_toUtf8;
    const xercesc::Locator* m_locator = nullptr;
    std::unique_ptr<XmlElement> m_root;
    std::vector<XmlElement*> m_open;
};

#endif
