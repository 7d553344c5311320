#include "check/XmlTreeReader.h"

#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/sax/Locator.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/sax2/Attributes.hpp>
#include <xercesc/sax2/SAX2XMLReader.hpp>
#include <xercesc/sax2/XMLReaderFactory.hpp>
#include <xercesc/util/XMLString.hpp>
#include <xercesc/util/XMLUni.hpp>

using namespace xercesc;

XmlTreeReader::XmlTreeReader()
{
    XMLTransService::Codes result;
    m_toUtf8.reset(XMLPlatformUtils::fgTransService->makeNewTranscoderFor(XMLRecognizer::UTF_8, result, 16 * 1024));
}

std::unique_ptr<XmlElement> XmlTreeReader::read(const std::string& fileName, const std::string& text,
                                                std::string& problem)
{
    XmlTreeReader handler;
    const std::unique_ptr<SAX2XMLReader> parser(XMLReaderFactory::createXMLReader());
    parser->setFeature(XMLUni::fgSAX2CoreNameSpaces, true);
    parser->setFeature(XMLUni::fgSAX2CoreValidation, false);
    parser->setFeature(XMLUni::fgXercesLoadExternalDTD, false);
    parser->setFeature(XMLUni::fgXercesDisableDefaultEntityResolution, true);
    parser->setContentHandler(&handler);
    parser->setLexicalHandler(&handler);
    parser->setErrorHandler(&handler);
    MemBufInputSource source(reinterpret_cast<const XMLByte*>(text.data()), text.size(), "");
    try {
        parser->parse(source);
        if (handler.m_root)
            return std::move(handler.m_root);
        problem = fileName + ": the file holds no element";
    } catch (const Refused& refusal) {
        problem = fileName + ':' + handler.position() + ": " + refusal.message;
    } catch (const SAXParseException& failure) {
        problem = fileName + ':' + std::to_string(failure.getLineNumber()) + ':' +
                  std::to_string(failure.getColumnNumber()) + ": " + handler.utf8(failure.getMessage());
    } catch (const XMLException& failure) {
        problem = fileName + ": " + handler.utf8(failure.getMessage());
    }
    return nullptr;
}

void XmlTreeReader::setDocumentLocator(const Locator* const locator)
{
    m_locator = locator;
}

void XmlTreeReader::startElement(const XMLCh* const, const XMLCh* const localname, const XMLCh* const,
                                 const Attributes& attributes)
{
    if (m_open.size() == kMaxDepth)
        throw Refused{"elements are nested more than " + std::to_string(kMaxDepth) + " levels deep"};
    auto element = std::make_unique<XmlElement>(utf8(localname), m_locator ? m_locator->getLineNumber() : 0);
    for (XMLSize_t i = 0; i < attributes.getLength(); ++i)
        element->addAttribute(utf8(attributes.getLocalName(i)), utf8(attributes.getValue(i)));
    if (m_open.empty()) {
        m_root = std::move(element);
        m_open.push_back(m_root.get());
    } else {
        m_open.push_back(m_open.back()->addChild(std::move(element)));
    }
}

void XmlTreeReader::endElement(const XMLCh* const, const XMLCh* const, const XMLCh* const)
{
    m_open.pop_back();
}

void XmlTreeReader::characters(const XMLCh* const chars, const XMLSize_t length)
{
    if (!m_open.empty())
        m_open.back()->appendText(utf8(chars, length));
}

void XmlTreeReader::startDTD(const XMLCh* const, const XMLCh* const, const XMLCh* const)
{
    throw Refused{"a DOCTYPE declaration is not allowed in an interface exchange file"};
}

std::string XmlTreeReader::utf8(const XMLCh* text)
{
    return text ? utf8(text, XMLString::stringLen(text)) : std::string();
}

std::string XmlTreeReader::utf8(const XMLCh* text, XMLSize_t length)
{
    if (length == 0)
        return std::string();
    const TranscodeToStr bytes(text, length, m_toUtf8.get());
    return std::string(reinterpret_cast<const char*>(bytes.str()), bytes.length());
}

std::string XmlTreeReader::position() const
{
    if (!m_locator)
        return "0:0";
    return std::to_string(m_locator->getLineNumber()) + ':' + std::to_string(m_locator->getColumnNumber());
}
