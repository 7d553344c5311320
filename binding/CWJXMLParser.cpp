#include "CWJXMLParser.h"

#include "CWJDOM2DesignData.h"
#include "CWJDocumentWriter.h"
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

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

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

bool readWholeFile(const char* fileName, std::string& content, std::string& problem)
{
    // O_NONBLOCK keeps a FIFO from blocking the open; it is refused below.
    const int fd = ::open(fileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        problem = std::string("cannot open the file: ") + std::strerror(errno);
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0;
    if (!ok) {
        problem = std::string("cannot examine the file: ") + std::strerror(errno);
    } else if (S_ISDIR(info.st_mode)) {
        problem = "is a directory, not a file";
        ok = false;
    } else if (!S_ISREG(info.st_mode)) {
        problem = "is not a regular file";
        ok = false;
    }
    if (ok) {
        content.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (done < content.size()) {
            const ssize_t got = ::read(fd, &content[done], content.size() - done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                problem = std::string("cannot read the file: ") + std::strerror(errno);
                ok = false;
                break;
            }
            if (got == 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        content.resize(done);
    }
    ::close(fd);
    return ok;
}

// The file a save replaces: for a symbolic link, the file it points to, so
// that the link stays and the file behind it gets the new content.
std::string resolvedTarget(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return path;
    const std::string resolved(real);
    std::free(real);
    return resolved;
}

// Flushes the folder of path, so that a rename in it survives a crash. Some
// file systems cannot flush a folder, and there may be no memory left for
// its name; the rename is done either way.
void syncFolderOf(const std::string& path) noexcept
try {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
} catch (...) {
}

// Writes data to a new file beside the target, flushes it to disk and renames
// it over the target: on any failure the target keeps its earlier content.
bool replaceFile(const std::string& target, const std::string& data, std::string& problem)
{
    const std::string path = resolvedTarget(target);
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(&temporary[0]);
    if (fd < 0) {
        problem = std::string("cannot create a file in its folder: ") + std::strerror(errno);
        return false;
    }
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(fd, existing.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < data.size()) {
        const ssize_t written = ::write(fd, data.data() + done, data.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0) {
            problem = std::string("cannot write: ") + std::strerror(errno);
            ok = false;
        } else {
            done += static_cast<std::size_t>(written);
        }
    }
    if (ok && ::fsync(fd) != 0) {
        problem = std::string("cannot flush to disk: ") + std::strerror(errno);
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        problem = std::string("cannot close: ") + std::strerror(errno);
        ok = false;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        problem = std::string("cannot replace the file: ") + std::strerror(errno);
        ok = false;
    }
    if (ok)
        syncFolderOf(path);
    else
        ::unlink(temporary.c_str());
    return ok;
}

} // namespace

CWJXMLParser::CWJXMLParser() : m_schemaName(kInterfaceExchangeSchemaName), m_errors(new CWJParseErrors())
{
    getDesignData();
    m_parser.reset(new CWJGuardedDOMParser(sharedGrammarPool(), *m_errors, kMaxDepth));
    m_parser->setValidationScheme(XercesDOMParser::Val_Always);
    m_parser->setDoNamespaces(true);
    m_parser->setDoSchema(true);
    m_parser->setValidationSchemaFullChecking(false);
    m_parser->setLoadSchema(false);
    m_parser->setLoadExternalDTD(false);
    m_parser->setDisableDefaultEntityResolution(true);
    m_parser->setCreateEntityReferenceNodes(false);
    m_parser->setSecurityManager(sharedSecurityManager());
    m_parser->useCachedGrammarInParse(true);
    m_parser->cacheGrammarFromParse(false);
    m_parser->setIncludeIgnorableWhitespace(false);
    m_parser->setErrorHandler(m_errors.get());
}

CWJXMLParser::~CWJXMLParser() = default;

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
    std::string content;
    std::string problem;
    if (!readWholeFile(name.c_str(), content, problem)) {
        m_errors->add(0, 0, problem);
        return nullptr;
    }
    if (content.empty()) {
        m_errors->add(0, 0, "the file is empty");
        return nullptr;
    }
    const std::u16string systemId = wjxml::toXMLCh(name.c_str());
    MemBufInputSource source(reinterpret_cast<const XMLByte*>(content.data()), content.size(), systemId.c_str());
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

bool CWJXMLParser::writeXMLFile(const std::string& fileName, DOMDocument* document)
{
    m_errors->start(fileName);
    if (!document) {
        m_errors->add(0, 0, "there is no document to write");
        return false;
    }
    std::string text;
    CWJDocumentWriter::write(document, text);
    std::string problem;
    if (!replaceFile(fileName, text, problem)) {
        m_errors->add(0, 0, problem);
        return false;
    }
    return true;
}
