#include "CWJGuardedDOMParser.h"

#include "CWJParseErrors.h"

#include <xercesc/internal/XMLScanner.hpp>
#include <xercesc/sax/Locator.hpp>
#include <xercesc/util/XMLString.hpp>

#include <string>

using namespace xercesc;

CWJGuardedDOMParser::CWJGuardedDOMParser(XMLGrammarPool* grammarPool, CWJParseErrors& errors, unsigned maxDepth)
    : XercesDOMParser(nullptr, XMLPlatformUtils::fgMemoryManager, grammarPool), m_errors(errors), m_maxDepth(maxDepth)
{
}

void CWJGuardedDOMParser::startDocument()
{
    m_depth = 0;
    XercesDOMParser::startDocument();
}

void CWJGuardedDOMParser::startElement(const XMLElementDecl& elemDecl, const unsigned int urlId,
                                       const XMLCh* const elemPrefix, const RefVectorOf<XMLAttr>& attrList,
                                       const XMLSize_t attrCount, const bool isEmpty, const bool isRoot)
{
    if (++m_depth > m_maxDepth)
        stop(("elements are nested more than " + std::to_string(m_maxDepth) + " levels deep").c_str());
    XercesDOMParser::startElement(elemDecl, urlId, elemPrefix, attrList, attrCount, isEmpty, isRoot);
    if (isEmpty)
        --m_depth;
}

void CWJGuardedDOMParser::endElement(const XMLElementDecl& elemDecl, const unsigned int urlId, const bool isRoot,
                                     const XMLCh* const elemPrefix)
{
    --m_depth;
    XercesDOMParser::endElement(elemDecl, urlId, isRoot, elemPrefix);
}

void CWJGuardedDOMParser::XMLDecl(const XMLCh* const versionStr, const XMLCh* const encodingStr,
                                  const XMLCh* const standaloneStr, const XMLCh* const actualEncStr)
{
    if (versionStr && XMLString::compareString(versionStr, u"1.0") != 0)
        stop("only XML 1.0 is read: the file declares another version");
    XercesDOMParser::XMLDecl(versionStr, encodingStr, standaloneStr, actualEncStr);
}

void CWJGuardedDOMParser::doctypeDecl(const DTDElementDecl&, const XMLCh* const, const XMLCh* const, const bool,
                                      const bool)
{
    stop("a DOCTYPE declaration is not allowed in an interface exchange file");
}

void CWJGuardedDOMParser::stop(const char* message)
{
    const Locator* locator = getScanner()->getLocator();
    m_errors.add(locator ? locator->getLineNumber() : 0, locator ? locator->getColumnNumber() : 0, message);
    throw Stopped();
}
