#include "CWJXMLParser.h"

#include "CWJDOM2DesignData.h"
#include "CWJDocumentWriter.h"
#include "CWJFileInputSource.h"
#include "CWJFileSave.h"
#include "CWJGuardedDOMParser.h"
#include "CWJParseErrors.h"
#include "EmbeddedSchema.h"
#include "XMLText.h"

#include <xercesc/dom/DOM.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/framework/XMLGrammarPoolImpl.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/validators/schema/ComplexTypeInfo.hpp>
#include <xercesc/validators/schema/SchemaGrammar.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace xercesc;

namespace {

// Removes the attribute name="..." from the first start tag of text.
void eraseRootAttribute(std::string& text, const std::string& name)
{
    const std::size_t tagEnd = text.find('>', text.find("<xs:schema"));
    const std::size_t start = text.find(' ' + name + "=\"");
    if (start == std::string::npos || start > tagEnd)
        return;
    const std::size_t end = text.find('"', start + name.size() + 3);
    text.erase(start, end - start + 1);
}

void loadSchema(XercesDOMParser& loader, const std::string& text)
{
    MemBufInputSource source(reinterpret_cast<const XMLByte*>(text.data()), text.size(), kInterfaceExchangeSchemaName);
    loader.loadGrammar(source, Grammar::SchemaGrammarType, true);
}

void buildContentModels(ComplexTypeInfo* type)
{
    if (!type)
        return;
    type->getContentModel();
    type->getFormattedContentModel();
    type->getAttDefList();
}

// Xerces builds an element's content model, the text of it that messages
// quote and its list of attributes on first use, writing them into the
// grammar. Building them all here keeps every parse from writing to the
// grammars that the parsers of all threads share.
void buildContentModels(XMLGrammarPool& pool)
{
    RefHashTableOfEnumerator<Grammar> grammars = pool.getGrammarEnumerator();
    while (grammars.hasMoreElements()) {
        auto& grammar = static_cast<SchemaGrammar&>(grammars.nextElement());
        if (RefHashTableOf<ComplexTypeInfo>* registry = grammar.getComplexTypeRegistry()) {
            RefHashTableOfEnumerator<ComplexTypeInfo> types(registry, false, XMLPlatformUtils::fgMemoryManager);
            while (types.hasMoreElements())
                buildContentModels(&types.nextElement());
        }
        RefHash3KeysIdPoolEnumerator<SchemaElementDecl> elements = grammar.getElemEnumerator();
        while (elements.hasMoreElements())
            buildContentModels(elements.nextElement().getComplexTypeInfo());
    }
}

// The compiled schema, once per process: as written (for files in the
// format's namespace) and without its target namespace (for files whose root
// declares none).
XMLGrammarPool* sharedGrammarPool()
{
    static XMLGrammarPool* const pool = [] {
        auto* grammars = new XMLGrammarPoolImpl(XMLPlatformUtils::fgMemoryManager);
        XercesDOMParser loader(nullptr, XMLPlatformUtils::fgMemoryManager, grammars);
        loader.setDoNamespaces(true);
        loader.setDoSchema(true);
        loader.setLoadExternalDTD(false);
        const std::string withNamespace(kInterfaceExchangeSchemaXsd);
        std::string withoutNamespace(withNamespace);
        eraseRootAttribute(withoutNamespace, "targetNamespace");
        eraseRootAttribute(withoutNamespace, "xmlns");
        loadSchema(loader, withNamespace);
        loadSchema(loader, withoutNamespace);
        buildContentModels(*grammars);
        grammars->lockPool();
        return grammars;
    }();
    return pool;
}

SecurityManager* sharedSecurityManager()
{
    static SecurityManager* const manager = [] {
        auto* limits = new SecurityManager();
        limits->setEntityExpansionLimit(100);
        return limits;
    }();
    return manager;
}

// Closes the file read when the parse is over, however it ends.
struct OpenFile {
    int fd;
    ~OpenFile()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Opens fileName for a read: a regular file, not empty and not larger than
// maxBytes. The descriptor, or -1 with the reason in problem.
int openForReading(const char* fileName, unsigned long long maxBytes, std::string& problem)
{
    // O_NONBLOCK keeps a FIFO from blocking the open; it is refused below.
    const int fd = ::open(fileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        problem = std::string("cannot open the file: ") + std::strerror(errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        problem = std::string("cannot examine the file: ") + std::strerror(errno);
    else if (S_ISDIR(info.st_mode))
        problem = "is a directory, not a file";
    else if (!S_ISREG(info.st_mode))
        problem = "is not a regular file";
    else if (info.st_size == 0)
        problem = "the file is empty";
    else if (static_cast<unsigned long long>(info.st_size) > maxBytes)
        problem = "the file is larger than " + std::to_string(maxBytes) + " bytes, the most a read accepts";
    if (problem.empty())
        return fd;
    ::close(fd);
    return -1;
}

} // namespace

CWJXMLParser::CWJXMLParser() : m_schemaName(kInterfaceExchangeSchemaName), m_errors(new CWJParseErrors())
{
    getDesignData();
    makeParser();
}

CWJXMLParser::~CWJXMLParser() = default;

void CWJXMLParser::makeParser()
{
    // Set up whole before it is used: a parser that ran out of memory half
    // set up would parse without its guards.
    std::unique_ptr<CWJGuardedDOMParser> parser(
        new CWJGuardedDOMParser(sharedGrammarPool(), *m_errors, kMaxDepth, kRootName, kNamespace));
    parser->setValidationScheme(XercesDOMParser::Val_Always);
    parser->setDoNamespaces(true);
    parser->setDoSchema(true);
    parser->setValidationSchemaFullChecking(false);
    parser->setLoadSchema(false);
    parser->setLoadExternalDTD(false);
    parser->setDisableDefaultEntityResolution(true);
    parser->setCreateEntityReferenceNodes(false);
    parser->setSecurityManager(sharedSecurityManager());
    parser->useCachedGrammarInParse(true);
    parser->cacheGrammarFromParse(false);
    parser->setIncludeIgnorableWhitespace(false);
    parser->setErrorHandler(m_errors.get());
    parser->keepLines(m_keepElementLines);
    m_parser = std::move(parser);
}

void CWJXMLParser::keepElementLines(bool keep)
{
    m_keepElementLines = keep;
    if (m_parser)
        m_parser->keepLines(keep);
}

void CWJXMLParser::discardParser()
{
    m_parser.reset();
}

void CWJXMLParser::SetSchemaName(const char* schemaName)
{
    m_schemaName = schemaName ? schemaName : "";
}

const std::string& CWJXMLParser::lastError() const
{
    return m_errors->text();
}

DOMDocument* CWJXMLParser::ParseFile(const char* fileName)
{
    const std::string name(fileName ? fileName : "");
    m_errors->start(name);
    if (m_schemaName != kInterfaceExchangeSchemaName) {
        m_errors->add(0, 0, "no schema named \"" + m_schemaName + "\" is known");
        return nullptr;
    }
    std::string problem;
    const OpenFile file{openForReading(name.c_str(), kMaxFileSize, problem)};
    if (file.fd < 0) {
        m_errors->add(0, 0, problem);
        return nullptr;
    }
    const std::u16string systemId = wjxml::toXMLCh(name.c_str());
    const CWJFileInputSource source(file.fd, systemId.c_str(), kMaxFileSize, kMaxAttributes, *m_errors);
    if (!m_parser)
        makeParser();
    try {
        m_parser->parse(source);
    } catch (const CWJGuardedDOMParser::Stopped&) {
    } catch (const OutOfMemoryException&) {
        // Xerces's own word for it; the parser is not to be used again.
        throw std::bad_alloc();
    } catch (const XMLException& failure) {
        std::string message;
        wjxml::appendUtf8(message, failure.getMessage());
        m_errors->add(0, 0, message);
    } catch (const DOMException& failure) {
        std::string message;
        wjxml::appendUtf8(message, failure.getMessage());
        m_errors->add(0, 0, message);
    }
    if (m_errors->empty() && !m_parser->getDocument())
        m_errors->add(0, 0, "the parser produced no document");
    if (!m_errors->empty()) {
        m_parser->resetDocumentPool();
        return nullptr;
    }
    return m_parser->adoptDocument();
}

namespace {

// Whether elements nest deeper than limit below and including top. The walk
// follows sibling lists and keeps the open elements itself: Xerces's own
// element walk casts at every step up and at the end of every list, which
// cost a quarter of a save.
bool nestsDeeperThan(const DOMElement* top, unsigned limit)
{
    if (!top)
        return false;
    std::vector<const DOMNode*> open;
    open.reserve(limit);
    const DOMNode* node = top;
    for (;;) {
        if (node && node->getNodeType() != DOMNode::ELEMENT_NODE) {
            node = node->getNextSibling();
        } else if (node) {
            if (open.size() == limit)
                return true;
            open.push_back(node);
            node = node->getFirstChild();
        } else {
            node = open.back()->getNextSibling();
            open.pop_back();
            if (open.empty())
                return false;
        }
    }
}

} // namespace

bool CWJXMLParser::writeXMLFile(const std::string& fileName, DOMDocument* document)
{
    m_errors->start(fileName);
    if (!document) {
        m_errors->add(0, 0, "there is no document to write");
        return false;
    }
    // What cannot be read back is not written: a save that succeeds reads.
    if (nestsDeeperThan(document->getDocumentElement(), kMaxDepth)) {
        m_errors->add(0, 0,
                      "the design nests elements more than " + std::to_string(kMaxDepth) +
                          " deep, more than a file may hold");
        return false;
    }
    std::string problem;
    const auto write = [document](CWJWriteBuffer& out) { CWJDocumentWriter::write(document, out); };
    if (!CWJFileSave::save(fileName, kMaxFileSize, write, problem)) {
        m_errors->add(0, 0, problem);
        return false;
    }
    return true;
}
