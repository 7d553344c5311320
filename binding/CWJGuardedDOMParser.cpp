#include "CWJGuardedDOMParser.h"

#include "CWJElementLines.h"
#include "CWJParseErrors.h"
#include "XMLText.h"

#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/internal/XMLScanner.hpp>
#include <xercesc/sax/Locator.hpp>
#include <xercesc/util/XMLString.hpp>

#include <string>

using namespace xercesc;

CWJGuardedDOMParser::CWJGuardedDOMParser(XMLGrammarPool* grammarPool, CWJParseErrors& errors, unsigned maxDepth,
                                         const char* rootName, const char* rootNamespace)
    : XercesDOMParser(nullptr, XMLPlatformUtils::fgMemoryManager, grammarPool), m_errors(errors), m_maxDepth(maxDepth),
      m_rootName(rootName), m_rootNamespace(rootNamespace)
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
        stop("elements are nested more than " + std::to_string(m_maxDepth) + " levels deep");
    if (isRoot)
        checkRoot(elemDecl, urlId);
    XercesDOMParser::startElement(elemDecl, urlId, elemPrefix, attrList, attrCount, isEmpty, isRoot);
    // The scanner is past the start tag: its line is where the tag ends.
    if (m_keepLines)
        CWJElementLines::keep(static_cast<DOMElement*>(getCurrentNode()), getScanner()->getLocator()->getLineNumber());
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

void CWJGuardedDOMParser::checkRoot(const XMLElementDecl& elemDecl, const unsigned int urlId)
{
    std::string name;
    wjxml::appendUtf8(name, elemDecl.getBaseName());
    std::string space;
    wjxml::appendUtf8(space, getScanner()->getURIText(urlId));
    // The validator has already complained about a foreign root; this one
    // message says it all.
    if (name != m_rootName || (!space.empty() && space != m_rootNamespace))
        m_errors.discard();
    if (name != m_rootName)
        stop("the root element is \"" + name + "\", not \"" + m_rootName + "\"");
    if (!space.empty() && space != m_rootNamespace)
        stop("the root element is in the namespace \"" + space + "\"; it belongs in \"" + m_rootNamespace +
             "\" or in no namespace");
}

void CWJGuardedDOMParser::stop(const std::string& message)
{
    const Locator* locator = getScanner()->getLocator();
    m_errors.add(locator ? locator->getLineNumber() : 0, locator ? locator->getColumnNumber() : 0, message);
    throw Stopped();
}
