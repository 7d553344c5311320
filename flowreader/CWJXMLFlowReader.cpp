#include "wjxmlinterfaceflowreader/CWJXMLFlowReader.h"

#include "CWJInterfaceView.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/CWJElementLines.h"
#include "binding/CWJXMLParser.h"
#include "binding/PrintableText.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <xercesc/util/OutOfMemoryException.hpp>

#include <exception>
#include <mutex>
#include <new>

namespace {

const char kRootTag[] = "InterfaceExchangeSchema";
const char kNamespace[] = "http://www.wjxmlflow.org/mxa/tvn";
const char kSchemaInstanceNamespace[] = "http://www.w3.org/2001/XMLSchema-instance";
const char kOutOfMemory[] = "out of memory";

// Keeps the calling thread's read state for the lifetime of one read.
class ReadScope {
public:
    explicit ReadScope(bool bindElements)
    {
        CWJDOM2DesignData::loading = true;
        CWJDOM2DesignData::bindElements = bindElements;
        CWJDOM2DesignData::outOfMemory = false;
    }
    ~ReadScope() { CWJDOM2DesignData::loading = false; }
    ReadScope(const ReadScope&) = delete;
    ReadScope& operator=(const ReadScope&) = delete;
};

// The factories go into the process's one binder once, whichever reader
// comes first on whichever thread; a registration that ran out of memory is
// tried again by the next reader or read.
void registerFactories()
{
    static std::once_flag registered;
    std::call_once(registered, [] {
        CWJDOM2DesignData* binder = getDesignData();
        binder->Register("Port", CreateInterfacePortObject);
        binder->Register("DifferentialPort", CreateInterfaceDPPortObject);
        binder->Register("PortGroup", CreateInterfacePortGroupObject);
        binder->Register("BusInterface", CreateCompBusInterface);
        binder->Register("CompInst", CreateInterfaceCompInst);
        binder->Register("Pin", CreateFootPrintPinObject);
        binder->Register("PinGroup", CreateFootPrintPinGroupObject);
        binder->Register("Footprint", CreateFootPrintObject);
        binder->Register("PartMap", CreatePartMapObject);
    });
}

// Makes *holder keep view, so that the view clears *holder when it is
// deleted, and lets go of the view *holder kept before.
void hold(IWJInterfaceView** holder, IWJInterfaceView* view)
{
    if (auto* ours = dynamic_cast<CWJInterfaceView*>(view))
        ours->addHolder(holder);
    auto* previous = dynamic_cast<CWJInterfaceView*>(*holder);
    if (previous && previous != view)
        previous->removeHolder(holder);
    *holder = view;
}

// Called in a handler: says in error, as "fileName: message" (the message
// alone without a file name), why the operation failed; otherwise is
// the message when memory did not run out.
// Returns whether memory ran out. A message that itself finds no memory
// becomes the bare "out of memory", which needs none.
bool describeFailure(std::string& error, const char* fileName, const char* otherwise) noexcept
{
    bool outOfMemory = false;
    const char* message = otherwise;
    std::string detail;
    try {
        try {
            throw;
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
        } catch (const xercesc::OutOfMemoryException&) {
            outOfMemory = true;
        } catch (const std::exception& failure) {
            detail = failure.what();
            message = detail.c_str();
        } catch (...) {
        }
        error = fileName ? wjxml::printable(fileName) + ": " : std::string();
        error += outOfMemory ? kOutOfMemory : message;
    } catch (...) {
        outOfMemory = true;
        error = kOutOfMemory;
    }
    return outOfMemory;
}

} // namespace

CWJXMLFlowReader::CWJXMLFlowReader() : CWJXMLFlowReader(nullptr) {}

CWJXMLFlowReader::CWJXMLFlowReader(IWJInterfaceView* view) : m_view(nullptr)
{
    try {
        hold(&m_view, view);
        m_parser.reset(new CWJXMLParser());
        registerFactories();
    } catch (...) {
        describeFailure(m_lastError, nullptr, "the XML parser could not be set up");
    }
}

CWJXMLFlowReader::~CWJXMLFlowReader()
{
    if (auto* ours = dynamic_cast<CWJInterfaceView*>(m_view))
        ours->removeHolder(&m_view);
}

void CWJXMLFlowReader::init()
{
    try {
        registerFactories();
    } catch (...) {
        describeFailure(m_lastError, nullptr, "the element factories could not be registered");
    }
}

void CWJXMLFlowReader::readFlowXML(const char* fileName, bool bindElements)
{
    m_lastError.clear();
    CWJInterfaceView* view = nullptr;
    xercesc::DOMDocument* document = nullptr;
    try {
        const std::string name(fileName ? fileName : "");
        registerFactories();
        if (!m_parser)
            m_parser.reset(new CWJXMLParser());
        ReadScope reading(bindElements);
        CWJDOM2DesignData* binder = getDesignData();
        m_parser->SetSchemaName("InterfaceExchangeSchema.xsd");
        document = m_parser->ParseFile(name.c_str());
        if (!document) {
            m_lastError = m_parser->lastError();
            return;
        }
        xercesc::DOMElement* root = document->getDocumentElement();
        if (!binder->MatchNodeName(root, kRootTag)) {
            m_lastError = wjxml::printable(name) + ": the root element is \"" +
                          wjxml::printable(root ? CWJDOM2DesignData::nameOf(root) : std::string()) + "\", not \"" +
                          kRootTag + "\"";
            document->release();
            return;
        }
        // The parsed document becomes the view's document as it is: it holds
        // exactly the file's nodes, root attributes included, and copying it
        // would cost more than the parse.
        view = new CWJInterfaceView(bindElements ? root : nullptr);
        view->setDocument(document);
        document = nullptr;
        for (xercesc::DOMNode* child = root->getFirstChild(); child; child = child->getNextSibling())
            binder->Transform(child, view, "");
        // Something below gave up for lack of memory without throwing: the
        // model would lack part of the file.
        if (CWJDOM2DesignData::outOfMemory)
            throw std::bad_alloc();
        hold(&m_view, view);
    } catch (...) {
        delete view;
        if (document)
            document->release();
        // After running out of memory the parser may hold a partial document
        // and a broken state: the next read makes a new one.
        if (describeFailure(m_lastError, fileName ? fileName : "", "the file could not be read") && m_parser)
            m_parser->discardParser();
    }
}

void CWJXMLFlowReader::keepElementLines(bool keep)
{
    try {
        if (!m_parser)
            m_parser.reset(new CWJXMLParser());
        m_parser->keepElementLines(keep);
    } catch (...) {
        describeFailure(m_lastError, nullptr, "the XML parser could not be set up");
    }
}

unsigned long long CWJXMLFlowReader::elementLine(const xercesc::DOMElement* element)
{
    return CWJElementLines::lineOf(element);
}

IWJInterfaceView* CWJXMLFlowReader::CreateInterfaceView(const char* lastUpdatedBy, const char* lastUpdatedAt,
                                                        const char* designName)
{
    CWJDOM2DesignData::outOfMemory = false;
    if (m_view) {
        m_view->setDesignName(designName);
        m_view->setLastUpdatedBy(lastUpdatedBy);
        m_view->setLastUpdatedAt(lastUpdatedAt);
        if (CWJDOM2DesignData::outOfMemory)
            m_lastError = kOutOfMemory;
        return m_view;
    }
    CWJInterfaceView* view = nullptr;
    xercesc::DOMDocument* document = nullptr;
    try {
        CWJDOM2DesignData* binder = getDesignData();
        document = binder->CreateDocument(kRootTag, kNamespace);
        xercesc::DOMElement* root = document->getDocumentElement();
        binder->AddDOMAttribute(root, "xmlns", kNamespace);
        binder->AddDOMAttribute(root, "xmlns:xsi", kSchemaInstanceNamespace);
        binder->AddDOMAttribute(root, "xsi:schemaLocation",
                                (std::string(kNamespace) + " InterfaceExchangeSchema.xsd").c_str());
        view = new CWJInterfaceView(root, lastUpdatedBy, lastUpdatedAt, designName);
        view->setDocument(document);
        document = nullptr;
        if (CWJDOM2DesignData::outOfMemory)
            throw std::bad_alloc();
        hold(&m_view, view);
    } catch (...) {
        delete view;
        if (document)
            document->release();
        describeFailure(m_lastError, nullptr, "the design could not be created");
    }
    return m_view;
}

IWJInterfaceView* CWJXMLFlowReader::getInterfaceView()
{
    return m_view;
}

void CWJXMLFlowReader::writeXMLFile(const char* fileName)
{
    m_lastError.clear();
    try {
        const std::string name(fileName ? fileName : "");
        auto* view = dynamic_cast<CWJInterfaceView*>(m_view);
        if (!view) {
            m_lastError = wjxml::printable(name) + ": there is no design to write";
            return;
        }
        if (view->editFailed()) {
            m_lastError = wjxml::printable(name) + ": " + kOutOfMemory;
            return;
        }
        if (!m_parser)
            m_parser.reset(new CWJXMLParser());
        if (!m_parser->writeXMLFile(name, view->document()))
            m_lastError = m_parser->lastError();
    } catch (...) {
        describeFailure(m_lastError, fileName ? fileName : "", "the file could not be written");
    }
}

const char* CWJXMLFlowReader::lastError() const
{
    return m_lastError.c_str();
}
