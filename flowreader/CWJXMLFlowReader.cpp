#include "wjxmlinterfaceflowreader/CWJXMLFlowReader.h"

#include "CWJInterfaceView.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/CWJXMLParser.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <exception>
#include <new>

namespace {

const char kRootTag[] = "InterfaceExchangeSchema";
const char kNamespace[] = "http://www.wjxmlflow.org/mxa/tvn";
const char kSchemaInstanceNamespace[] = "http://www.w3.org/2001/XMLSchema-instance";

// Keeps the binder's loading flag set for the lifetime of one read.
class LoadingScope {
public:
    LoadingScope() { getDesignData()->loading = true; }
    ~LoadingScope() { getDesignData()->loading = false; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;
};

} // namespace

CWJXMLFlowReader::CWJXMLFlowReader() : CWJXMLFlowReader(nullptr) {}

CWJXMLFlowReader::CWJXMLFlowReader(IWJInterfaceView* view) : m_view(view)
{
    try {
        m_parser.reset(new CWJXMLParser());
        init();
    } catch (...) {
        m_lastError = "the XML parser could not be set up";
    }
}

CWJXMLFlowReader::~CWJXMLFlowReader() = default;

void CWJXMLFlowReader::init()
{
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
}

void CWJXMLFlowReader::readFlowXML(const char* fileName, bool bindElements)
{
    m_lastError.clear();
    if (!fileName)
        fileName = "";
    if (!m_parser) {
        m_lastError = "the XML parser could not be set up";
        return;
    }
    CWJInterfaceView* view = nullptr;
    try {
        LoadingScope loading;
        CWJDOM2DesignData* binder = getDesignData();
        binder->bindElements = bindElements;
        m_parser->SetSchemaName("InterfaceExchangeSchema.xsd");
        xercesc::DOMDocument* document = m_parser->ParseFile(fileName);
        if (!document) {
            m_lastError = m_parser->lastError();
            return;
        }
        xercesc::DOMElement* root = document->getDocumentElement();
        if (!binder->MatchNodeName(root, kRootTag)) {
            m_lastError = std::string(fileName) + ":1:1: the root element is \"" +
                          (root ? CWJDOM2DesignData::nameOf(root) : std::string()) + "\", not \"" + kRootTag + "\"";
            document->release();
            return;
        }
        // The parsed document becomes the view's document as it is: it holds
        // exactly the file's nodes, root attributes included, and copying it
        // would cost more than the parse.
        view = new CWJInterfaceView(bindElements ? root : nullptr);
        view->setDocument(document);
        for (xercesc::DOMNode* child = root->getFirstChild(); child; child = child->getNextSibling())
            binder->Transform(child, view, "");
        m_view = view;
    } catch (const std::bad_alloc&) {
        delete view;
        m_lastError = std::string(fileName) + ":0:0: out of memory while reading the file";
    } catch (const std::exception& failure) {
        delete view;
        m_lastError = std::string(fileName) + ":0:0: " + failure.what();
    } catch (...) {
        delete view;
        m_lastError = std::string(fileName) + ":0:0: the file could not be read";
    }
}

IWJInterfaceView* CWJXMLFlowReader::CreateInterfaceView(const char* lastUpdatedBy, const char* lastUpdatedAt,
                                                        const char* designName)
{
    if (m_view) {
        m_view->setDesignName(designName);
        m_view->setLastUpdatedBy(lastUpdatedBy);
        m_view->setLastUpdatedAt(lastUpdatedAt);
        return m_view;
    }
    try {
        CWJDOM2DesignData* binder = getDesignData();
        xercesc::DOMDocument* document = binder->CreateDocument(kRootTag, kNamespace);
        xercesc::DOMElement* root = document->getDocumentElement();
        binder->AddDOMAttribute(root, "xmlns", kNamespace);
        binder->AddDOMAttribute(root, "xmlns:xsi", kSchemaInstanceNamespace);
        binder->AddDOMAttribute(root, "xsi:schemaLocation",
                                (std::string(kNamespace) + " InterfaceExchangeSchema.xsd").c_str());
        auto* view = new CWJInterfaceView(root, lastUpdatedBy, lastUpdatedAt, designName);
        view->setDocument(document);
        m_view = view;
    } catch (...) {
        m_lastError = "out of memory while creating a design";
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
    const std::string name(fileName ? fileName : "");
    auto* view = dynamic_cast<CWJInterfaceView*>(m_view);
    if (!view) {
        m_lastError = name + ":0:0: there is no design to write";
        return;
    }
    try {
        if (!m_parser || !m_parser->writeXMLFile(name, view->document()))
            m_lastError = m_parser ? m_parser->lastError() : name + ":0:0: the XML parser could not be set up";
    } catch (...) {
        m_lastError = name + ":0:0: the file could not be written";
    }
}

const char* CWJXMLFlowReader::lastError() const
{
    return m_lastError.c_str();
}
