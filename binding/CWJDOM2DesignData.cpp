#include "CWJDOM2DesignData.h"

#include "AttributeValue.h"
#include "CWJDesignRoot.h"
#include "XMLText.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <xercesc/util/PlatformUtils.hpp>

#include <cstring>
#include <mutex>
#include <string_view>
#include <vector>

using namespace xercesc;

namespace {

const XMLCh kXmlnsNamespace[] = u"http://www.w3.org/2000/xmlns/";
const XMLCh kXsiNamespace[] = u"http://www.w3.org/2001/XMLSchema-instance";

const XMLCh* localNameOf(const DOMNode* node)
{
    const XMLCh* name = node->getLocalName();
    return name ? name : node->getNodeName();
}

// The first element among node and its following siblings. Walking the
// siblings directly spares Xerces's element walk, which looks the parent up
// at the end of every list of siblings; it would go through entity
// references too, but the binder's documents hold none.
DOMElement* elementFrom(DOMNode* node)
{
    while (node && node->getNodeType() != DOMNode::ELEMENT_NODE)
        node = node->getNextSibling();
    return static_cast<DOMElement*>(node);
}

DOMElement* firstChildNamed(const DOMElement* parent, std::string_view tag)
{
    const std::string name(tag);
    for (DOMElement* child = elementFrom(parent->getFirstChild()); child;
         child = elementFrom(child->getNextSibling())) {
        ++CWJDOM2DesignData::searchSteps;
        if (wjxml::equalsAscii(localNameOf(child), name.c_str()))
            return child;
    }
    return nullptr;
}

std::vector<std::string_view> splitPath(std::string_view path)
{
    std::vector<std::string_view> steps;
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = path.find(':', start);
        steps.push_back(path.substr(start, colon == std::string_view::npos ? colon : colon - start));
        if (colon == std::string_view::npos)
            return steps;
        start = colon + 1;
    }
}

// Position of tag in a tag sequence, comparing each entry up to its first ':'.
int rankOf(const std::vector<std::string>& sequence, std::string_view tag)
{
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        std::string_view entry(sequence[i]);
        entry = entry.substr(0, entry.find(':'));
        if (entry == tag)
            return static_cast<int>(i);
    }
    return -1;
}

void appendText(std::string& out, const DOMElement* element)
{
    for (const DOMNode* child = element->getFirstChild(); child; child = child->getNextSibling()) {
        const auto type = child->getNodeType();
        if (type == DOMNode::TEXT_NODE || type == DOMNode::CDATA_SECTION_NODE)
            wjxml::appendUtf8(out, child->getNodeValue());
    }
}

// Xerces releases a subtree by recursion, one call per level. Trees read
// from files are at most the parser's depth limit deep; deeper ones can only
// be built through the interfaces.
constexpr std::size_t kMostRecursiveReleaseDepth = 512;

// Xerces's release of an element keeps its attributes and their texts from
// reuse: they would stay in the document's heap until the document goes.
// Released one by one, they are reused by the attributes written next.
// Returns whether the tree is deeper than limit. Walks up through the
// parents rather than keeping a stack, so that it allocates nothing: it runs
// while objects are destroyed.
bool releaseAttributesBelow(DOMNode* top, std::size_t limit)
{
    DOMNode* node = top;
    std::size_t depth = 0;
    bool deeper = false;
    for (;;) {
        if (node->getNodeType() == DOMNode::ELEMENT_NODE) {
            auto* element = static_cast<DOMElement*>(node);
            const DOMNamedNodeMap* attributes = element->getAttributes();
            for (XMLSize_t left = attributes->getLength(); left > 0; --left)
                element->removeAttributeNode(static_cast<DOMAttr*>(attributes->item(left - 1)))->release();
        }
        if (DOMNode* child = node->getFirstChild()) {
            if (++depth > limit)
                deeper = true;
            node = child;
            continue;
        }
        while (node != top && !node->getNextSibling()) {
            node = node->getParentNode();
            --depth;
        }
        if (node == top)
            return deeper;
        node = node->getNextSibling();
    }
}

// The elements that left node's document and wait for reuse; null when the
// document has no root to keep them.
CWJSpareElements* sparesOf(const DOMNode* node) noexcept
{
    try {
        CWJDesignRoot* root = CWJDesignRoot::of(node->getOwnerDocument());
        return root ? &root->spareElements() : nullptr;
    } catch (...) {
        return nullptr;
    }
}

// Keeps a detached element, with no children or attributes left, for reuse;
// releases any other node.
void recycle(DOMNode* node, CWJSpareElements* spares)
{
    if (!spares || node->getNodeType() != DOMNode::ELEMENT_NODE || !spares->keep(static_cast<DOMElement*>(node)))
        node->release();
}

// Whether spares would keep node, an element of a name they want.
bool wanted(const DOMNode* node, const CWJSpareElements* spares)
{
    return spares && node->getNodeType() == DOMNode::ELEMENT_NODE &&
           spares->wants(static_cast<const DOMElement*>(node));
}

// Frees a node that has left its document tree, with everything below it
// and their attributes. With spares, the elements they want are kept there
// instead: those are taken apart one by one, each node out of its parent
// (which costs Xerces thousands of instructions a node), while a part of
// the tree that holds none of them is released whole. A tree too deep for
// Xerces's recursive release goes node by node throughout. Xerces keeps
// released nodes for reuse and may need memory for that; when it has none,
// what is left stays with the document and goes when the document does.
void releaseDetached(DOMNode* top, CWJSpareElements* spares) noexcept
{
    try {
        if (!wanted(top, spares))
            spares = nullptr;
        const bool deep = releaseAttributesBelow(top, kMostRecursiveReleaseDepth);
        if (!deep && !spares) {
            top->release();
            return;
        }
        DOMNode* node = top;
        for (;;) {
            while (DOMNode* last = node->getLastChild()) {
                if (deep || wanted(last, spares))
                    node = last;
                else
                    node->removeChild(last)->release();
            }
            if (node == top)
                break;
            DOMNode* parent = node->getParentNode();
            recycle(parent->removeChild(node), spares);
            node = parent;
        }
        recycle(top, spares);
    } catch (...) {
    }
}

} // namespace

thread_local bool CWJDOM2DesignData::loading = false;
thread_local unsigned long long CWJDOM2DesignData::placementSteps = 0;
thread_local unsigned long long CWJDOM2DesignData::searchSteps = 0;
thread_local bool CWJDOM2DesignData::bindElements = false;
thread_local bool CWJDOM2DesignData::outOfMemory = false;

CWJDOM2DesignData::CWJDOM2DesignData()
{
    XMLPlatformUtils::Initialize();
}

CWJDOM2DesignData* getDesignData()
{
    static CWJDOM2DesignData* const binder = new CWJDOM2DesignData();
    return binder;
}

void CWJDOM2DesignData::Register(const char* tag, WJObjectFactory factory)
{
    for (Factory& entry : m_factories) {
        if (entry.tag == tag) {
            entry.create = factory;
            return;
        }
    }
    m_factories.push_back({tag, factory});
}

// Every model object registers its sequence as it is made, almost always
// one that is known already: that only needs the shared lock.
void CWJDOM2DesignData::RegisterTagSequence(const char* tag, const std::vector<std::string>& sequence)
{
    {
        std::shared_lock<std::shared_mutex> reading(m_sequencesLock);
        const auto found = m_sequences.find(std::string_view(tag));
        if (found != m_sequences.end() && found->second == sequence)
            return;
    }
    std::unique_lock<std::shared_mutex> writing(m_sequencesLock);
    const auto found = m_sequences.find(std::string_view(tag));
    if (found == m_sequences.end())
        m_sequences.emplace(tag, sequence);
    else
        found->second = sequence;
}

WJObjectFactory CWJDOM2DesignData::factoryFor(const XMLCh* tag) const
{
    for (const Factory& entry : m_factories) {
        if (wjxml::equalsAscii(tag, entry.tag.c_str()))
            return entry.create;
    }
    return nullptr;
}

std::string CWJDOM2DesignData::nameOf(const DOMNode* node)
{
    std::string name;
    wjxml::appendUtf8(name, localNameOf(node));
    return name;
}

std::string CWJDOM2DesignData::textOf(const DOMElement* element)
{
    std::string text;
    appendText(text, element);
    return text;
}

void CWJDOM2DesignData::Transform(DOMNode* node, IWJXMLObject* parent, const char* path)
{
    if (!node || !parent || node->getNodeType() != DOMNode::ELEMENT_NODE)
        return;
    std::string buffer(path ? path : "");
    std::string text;
    transformElement(static_cast<DOMElement*>(node), parent, buffer, text);
}

void CWJDOM2DesignData::transformElement(DOMElement* element, IWJXMLObject* parent, std::string& path,
                                         std::string& text)
{
    const XMLCh* name = localNameOf(element);
    if (WJObjectFactory create = factoryFor(name)) {
        if (IWJXMLObject* child = create(parent, element)) {
            std::string childPath;
            try {
                feedContent(element, child, childPath, text);
            } catch (...) {
                // The parent owns what it receives, finished or not, and
                // releases it with the read that failed.
                parent->AddChild(element, child);
                throw;
            }
            parent->AddChild(element, child);
        }
        return;
    }
    const std::size_t mark = path.size();
    if (mark)
        path += ':';
    wjxml::appendUtf8(path, name);
    if (parent->HasTagHandler(path.c_str())) {
        text.clear();
        appendText(text, element);
        parent->SetTagText(path.c_str(), text.c_str());
    }
    feedContent(element, parent, path, text);
    path.resize(mark);
}

void CWJDOM2DesignData::feedContent(DOMElement* element, IWJXMLObject* object, std::string& path, std::string& text)
{
    const std::size_t mark = path.size();
    const DOMNamedNodeMap* attributes = element->getAttributes();
    const XMLSize_t count = attributes ? attributes->getLength() : 0;
    for (XMLSize_t i = 0; i < count; ++i) {
        const DOMNode* attribute = attributes->item(i);
        // Namespace declarations and xsi attributes are not model content.
        if (attribute->getNamespaceURI())
            continue;
        if (mark)
            path += ':';
        wjxml::appendUtf8(path, localNameOf(attribute));
        text.clear();
        wjxml::appendUtf8(text, attributeValue(attribute));
        object->SetAttribute(path.c_str(), text.c_str());
        path.resize(mark);
    }
    for (DOMElement* child = elementFrom(element->getFirstChild()); child; child = elementFrom(child->getNextSibling()))
        transformElement(child, object, path, text);
}

DOMDocument* CWJDOM2DesignData::CreateDocument(const char* tag, const char* namespaceURI)
{
    DOMImplementation* implementation = DOMImplementationRegistry::getDOMImplementation(u"LS");
    const std::u16string name = wjxml::toXMLCh(tag);
    const std::u16string uri = wjxml::toXMLCh(namespaceURI);
    return implementation->createDocument(namespaceURI ? uri.c_str() : nullptr, name.c_str(), nullptr);
}

DOMElement* CWJDOM2DesignData::newChild(DOMElement* parent, const char* tag)
{
    std::u16string qualified;
    if (const XMLCh* prefix = parent->getPrefix()) {
        qualified = prefix;
        qualified += u':';
    }
    qualified += wjxml::toXMLCh(tag);
    CWJSpareElements* spares = sparesOf(parent);
    DOMElement* child = spares ? spares->take(parent->getNamespaceURI(), qualified) : nullptr;
    if (!child)
        child = parent->getOwnerDocument()->createElementNS(parent->getNamespaceURI(), qualified.c_str());

    // The new child goes after the last child that the parent's tag sequence
    // does not put after it. Searching from the end keeps appending in
    // sequence order constant-time, however many children there are.
    std::shared_lock<std::shared_mutex> reading(m_sequencesLock);
    const auto sequence = m_sequences.find(nameOf(parent));
    const int rank = sequence == m_sequences.end() ? -1 : rankOf(sequence->second, tag);
    if (rank >= 0) {
        DOMElement* previous = parent->getLastElementChild();
        while (previous && rankOf(sequence->second, nameOf(previous)) > rank) {
            previous = previous->getPreviousElementSibling();
            ++placementSteps;
        }
        parent->insertBefore(child, previous ? previous->getNextSibling() : parent->getFirstChild());
    } else {
        parent->appendChild(child);
    }
    return child;
}

DOMElement* CWJDOM2DesignData::CreateDOMNode(DOMElement* parent, const char* tag, bool alwaysNew)
{
    if (!parent)
        return nullptr;
    if (!alwaysNew) {
        DOMElement* existing = firstChildNamed(parent, tag);
        if (existing || loading)
            return existing;
    } else if (loading) {
        return nullptr;
    }
    return newChild(parent, tag);
}

void CWJDOM2DesignData::UpdateDOMTag(DOMElement* element, const char* path, const char* text, bool alwaysNew)
{
    if (!element || loading)
        return;
    const std::vector<std::string_view> steps = splitPath(path);
    DOMElement* target = element;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const bool last = i + 1 == steps.size();
        target = CreateDOMNode(target, std::string(steps[i]).c_str(), last && alwaysNew);
    }
    while (DOMNode* child = target->getFirstChild())
        releaseDetached(target->removeChild(child), nullptr);
    if (text && *text)
        target->appendChild(target->getOwnerDocument()->createTextNode(wjxml::toXMLCh(text).c_str()));
}

void CWJDOM2DesignData::UpdateDOMAttr(DOMElement* element, const char* path, const char* value)
{
    if (!element || loading)
        return;
    const std::vector<std::string_view> steps = splitPath(path);
    DOMElement* target = element;
    for (std::size_t i = 0; i + 1 < steps.size(); ++i)
        target = CreateDOMNode(target, std::string(steps[i]).c_str(), false);
    target->setAttribute(wjxml::toXMLCh(std::string(steps.back()).c_str()).c_str(), wjxml::toXMLCh(value).c_str());
}

void CWJDOM2DesignData::AddDOMAttribute(DOMElement* element, const char* name, const char* value)
{
    if (!element || loading)
        return;
    const std::u16string qualified = wjxml::toXMLCh(name);
    const std::u16string text = wjxml::toXMLCh(value);
    if (std::strcmp(name, "xmlns") == 0 || std::strncmp(name, "xmlns:", 6) == 0)
        element->setAttributeNS(kXmlnsNamespace, qualified.c_str(), text.c_str());
    else if (std::strncmp(name, "xsi:", 4) == 0)
        element->setAttributeNS(kXsiNamespace, qualified.c_str(), text.c_str());
    else
        element->setAttribute(qualified.c_str(), text.c_str());
}

// Destructors call this: it must not throw.
void CWJDOM2DesignData::RemoveDOMNode(DOMElement* element)
{
    if (!element || loading)
        return;
    try {
        if (DOMNode* parent = element->getParentNode())
            parent->removeChild(element);
    } catch (...) {
        return;
    }
    releaseDetached(element, sparesOf(element));
}

void CWJDOM2DesignData::RemoveDOMAttr(DOMElement* element, const char* container, const char* itemKey,
                                      const char* value)
{
    if (!element || loading)
        return;
    DOMElement* holder = firstChildNamed(element, container);
    if (!holder)
        return;
    const std::vector<std::string_view> key = splitPath(itemKey);
    const std::string item(key.front());
    const std::string attribute(key.back());
    DOMElement* child = elementFrom(holder->getFirstChild());
    while (child) {
        DOMElement* next = elementFrom(child->getNextSibling());
        ++searchSteps;
        if (MatchNodeName(child, item.c_str()) && MatchAttr(child, attribute.c_str(), value))
            RemoveDOMNode(child);
        child = next;
    }
}

bool CWJDOM2DesignData::MatchNodeName(const DOMElement* element, const char* name) const
{
    return element && wjxml::equalsAscii(localNameOf(element), name);
}

const DOMElement* CWJDOM2DesignData::findPath(const DOMElement* element, const std::string& path, bool skipLast) const
{
    const std::vector<std::string_view> steps = splitPath(path);
    const std::size_t count = skipLast ? steps.size() - 1 : steps.size();
    for (std::size_t i = 0; i < count && element; ++i)
        element = firstChildNamed(element, steps[i]);
    return element;
}

bool CWJDOM2DesignData::MatchAttr(const DOMElement* element, const char* path, const char* value) const
{
    if (!element)
        return false;
    const std::string key(path);
    const DOMElement* target = findPath(element, key, true);
    if (!target)
        return false;
    const DOMAttr* attribute = target->getAttributeNode(wjxml::toXMLCh(key.substr(key.rfind(':') + 1).c_str()).c_str());
    if (!attribute)
        return false;
    std::string text;
    wjxml::appendUtf8(text, attributeValue(attribute));
    return text == value;
}

bool CWJDOM2DesignData::MatchNodeValue(const DOMElement* element, const char* path, const char* value) const
{
    const DOMElement* target = element ? findPath(element, path, false) : nullptr;
    return target && textOf(target) == value;
}

bool CWJDOM2DesignData::hasChildNodes(const DOMElement* element) const
{
    return element && element->hasChildNodes();
}

std::vector<DOMElement*> CWJDOM2DesignData::GetElementList(DOMElement* element, const char* tag,
                                                           std::size_t* count) const
{
    std::vector<DOMElement*> list;
    if (element) {
        for (DOMElement* child = elementFrom(element->getFirstChild()); child;
             child = elementFrom(child->getNextSibling())) {
            ++searchSteps;
            if (MatchNodeName(child, tag))
                list.push_back(child);
        }
    }
    if (count)
        *count = list.size();
    return list;
}

DOMElement* CWJDOM2DesignData::GetNthElement(const std::vector<DOMElement*>& list, std::size_t index) const
{
    return index < list.size() ? list[index] : nullptr;
}
