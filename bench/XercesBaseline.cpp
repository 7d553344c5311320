#include "XercesBaseline.h"

#include <xercesc/dom/DOM.hpp>
#include <xercesc/framework/LocalFileFormatTarget.hpp>
#include <xercesc/framework/XMLGrammarPoolImpl.hpp>
#include <xercesc/sax/HandlerBase.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLString.hpp>

#include <cstdio>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

using namespace xercesc;

namespace {

std::u16string wide(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

// Counts errors; the first one stops nothing, the count fails the parse.
class ErrorCount : public HandlerBase {
public:
    void error(const SAXParseException&) override { ++count; }
    void fatalError(const SAXParseException&) override { ++count; }
    int count = 0;
};

ErrorCount& errors()
{
    static ErrorCount handler;
    return handler;
}

SecurityManager& limits()
{
    static SecurityManager manager;
    manager.setEntityExpansionLimit(100);
    return manager;
}

void flushToDisk(const std::string& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0)
        throw std::runtime_error("cannot flush " + file);
    ::close(fd);
}

} // namespace

XercesBaseline::XercesBaseline(const std::string& schemaFile)
{
    XMLPlatformUtils::Initialize();
    m_grammars = new XMLGrammarPoolImpl(XMLPlatformUtils::fgMemoryManager);
    {
        XercesDOMParser loader(nullptr, XMLPlatformUtils::fgMemoryManager, m_grammars);
        loader.setDoNamespaces(true);
        loader.setDoSchema(true);
        loader.setErrorHandler(&errors());
        errors().count = 0;
        if (!loader.loadGrammar(wide(schemaFile).c_str(), Grammar::SchemaGrammarType, true) || errors().count)
            throw std::runtime_error("cannot load the schema " + schemaFile);
        m_grammars->lockPool();
    }

    m_validating.reset(new XercesDOMParser(nullptr, XMLPlatformUtils::fgMemoryManager, m_grammars));
    m_validating->setValidationScheme(XercesDOMParser::Val_Always);
    m_validating->setDoNamespaces(true);
    m_validating->setDoSchema(true);
    m_validating->setValidationSchemaFullChecking(false);
    m_validating->setLoadSchema(false);
    m_validating->setLoadExternalDTD(false);
    m_validating->setDisableDefaultEntityResolution(true);
    m_validating->setCreateEntityReferenceNodes(false);
    m_validating->setSecurityManager(&limits());
    m_validating->useCachedGrammarInParse(true);
    m_validating->cacheGrammarFromParse(false);
    m_validating->setIncludeIgnorableWhitespace(false);
    m_validating->setErrorHandler(&errors());

    m_plain.reset(new XercesDOMParser());
    m_plain->setValidationScheme(XercesDOMParser::Val_Never);
    m_plain->setDoNamespaces(true);
    m_plain->setLoadExternalDTD(false);
    m_plain->setErrorHandler(&errors());
}

XercesBaseline::~XercesBaseline()
{
    m_validating.reset();
    m_plain.reset();
    delete m_grammars;
}

DOMDocument* XercesBaseline::parse(const std::string& file, bool validate)
{
    XercesDOMParser& parser = validate ? *m_validating : *m_plain;
    errors().count = 0;
    parser.parse(wide(file).c_str());
    if (errors().count || !parser.getDocument())
        throw std::runtime_error("Xerces cannot parse " + file);
    return parser.adoptDocument();
}

void XercesBaseline::serialise(const DOMDocument* document, const std::string& file)
{
    DOMImplementation* implementation = DOMImplementationRegistry::getDOMImplementation(u"LS");
    DOMLSSerializer* serializer = implementation->createLSSerializer();
    serializer->getDomConfig()->setParameter(XMLUni::fgDOMWRTFormatPrettyPrint, true);
    DOMLSOutput* output = implementation->createLSOutput();
    output->setEncoding(u"UTF-8");
    {
        LocalFileFormatTarget target(wide(file).c_str());
        output->setByteStream(&target);
        const bool written = serializer->write(document, output);
        output->release();
        serializer->release();
        if (!written)
            throw std::runtime_error("Xerces cannot write " + file);
    }
    flushToDisk(file);
}
