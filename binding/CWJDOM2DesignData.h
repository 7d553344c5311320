#ifndef WJXML_BINDING_CWJDOM2DESIGNDATA_H
#define WJXML_BINDING_CWJDOM2DESIGNDATA_H

#include <xercesc/dom/DOM.hpp>

#include <cstddef>
#include <map>
#include <shared_mutex>
#include <string>
#include <vector>

class IWJXMLObject;

using WJObjectFactory = IWJXMLObject* (*)(IWJXMLObject* parent, xercesc::DOMElement* element);

// The binder: turns elements into model objects through the factories
// registered per tag, feeds element content to the objects' handlers, and
// offers the DOM editing primitives the model's setters use.
//
// Paths name nodes below an element: "Range" is the child Range, "Range:lsb"
// the attribute lsb of that child, "PortRefNoRange:Bit" a grandchild.
//
// While `loading` is set the editing primitives only look: they create,
// change and remove nothing, so handlers that write back what was just read
// leave the document exactly as it was read.
//
// Threads: one binder serves the whole process. Its factory table is filled
// once, before any read, and the tag sequences are guarded by a lock; the
// state of a read lives per thread, because a read runs within one call on
// one thread: what one thread's read sets is never seen by another thread.
class CWJDOM2DesignData {
public:
    CWJDOM2DesignData();
    CWJDOM2DesignData(const CWJDOM2DesignData&) = delete;
    CWJDOM2DesignData& operator=(const CWJDOM2DesignData&) = delete;

    // Set while the calling thread reads a file.
    static thread_local bool loading;
    // How many siblings new children were compared with to find their place
    // on the calling thread.
    static thread_local unsigned long long placementSteps;
    // How many children searches for a child by name or by attribute looked
    // at on the calling thread.
    static thread_local unsigned long long searchSteps;
    // The last bindElements value given to a read on the calling thread; the
    // factories bind the objects they make to their elements only while it
    // is set.
    static thread_local bool bindElements;
    // Set when something ran out of memory on the calling thread since the
    // last clearOutOfMemory: a read that sees it fails.
    static thread_local bool outOfMemory;

    void Register(const char* tag, WJObjectFactory factory);
    // The order in which new children of elements of that tag are placed. An
    // entry may be a path ("CompInstRef:ref"): its first step names the child.
    void RegisterTagSequence(const char* tag, const std::vector<std::string>& sequence);

    // Walks node in document order on behalf of parent. An element whose tag
    // has a factory becomes a new object: its attributes, texts and children
    // reach the new object's handlers, then parent's AddChild receives it.
    // Any other element is content of parent at path (relative to parent's
    // element): its text goes to parent's tag handler, its attributes to the
    // attribute handlers, and its children are walked the same way.
    void Transform(xercesc::DOMNode* node, IWJXMLObject* parent, const char* path);

    // A new document whose element has the tag, in namespaceURI (none when null).
    xercesc::DOMDocument* CreateDocument(const char* tag, const char* namespaceURI = nullptr);

    // alwaysNew false: the first child of that tag, made when missing;
    // true: a new child. New children are placed by the parent's tag sequence.
    xercesc::DOMElement* CreateDOMNode(xercesc::DOMElement* parent, const char* tag, bool alwaysNew);
    // Sets the text of the element at path, creating what is missing; with
    // alwaysNew the last step is always a new element.
    void UpdateDOMTag(xercesc::DOMElement* element, const char* path, const char* text, bool alwaysNew);
    // Sets the attribute that the last step of path names, creating the
    // elements of the steps before it when missing.
    void UpdateDOMAttr(xercesc::DOMElement* element, const char* path, const char* value);
    // Adds an attribute; xmlns and xsi names are declared in their namespaces.
    void AddDOMAttribute(xercesc::DOMElement* element, const char* name, const char* value);
    // Takes the element out of its document and frees it.
    void RemoveDOMNode(xercesc::DOMElement* element);
    // Removes the children "Item" of element's child container whose
    // attribute "attr" equals value; itemKey is "Item:attr".
    void RemoveDOMAttr(xercesc::DOMElement* element, const char* container, const char* itemKey, const char* value);

    bool MatchNodeName(const xercesc::DOMElement* element, const char* name) const;
    bool MatchAttr(const xercesc::DOMElement* element, const char* path, const char* value) const;
    bool MatchNodeValue(const xercesc::DOMElement* element, const char* path, const char* value) const;
    bool hasChildNodes(const xercesc::DOMElement* element) const;
    std::vector<xercesc::DOMElement*> GetElementList(xercesc::DOMElement* element, const char* tag,
                                                     std::size_t* count) const;
    xercesc::DOMElement* GetNthElement(const std::vector<xercesc::DOMElement*>& list, std::size_t index) const;

    // The element's local name, and its text (its text and CDATA children).
    static std::string nameOf(const xercesc::DOMNode* node);
    static std::string textOf(const xercesc::DOMElement* element);

private:
    struct Factory {
        std::string tag;
        WJObjectFactory create;
    };

    WJObjectFactory factoryFor(const XMLCh* tag) const;
    // text is the walk's buffer for element texts and attribute values.
    void transformElement(xercesc::DOMElement* element, IWJXMLObject* parent, std::string& path, std::string& text);
    void feedContent(xercesc::DOMElement* element, IWJXMLObject* object, std::string& path, std::string& text);
    xercesc::DOMElement* newChild(xercesc::DOMElement* parent, const char* tag);
    // The element at path below element (without the last step when
    // skipLast), or null when a step is missing.
    const xercesc::DOMElement* findPath(const xercesc::DOMElement* element, const std::string& path,
                                        bool skipLast) const;

    std::vector<Factory> m_factories;
    mutable std::shared_mutex m_sequencesLock;
    std::map<std::string, std::vector<std::string>, std::less<>> m_sequences;
};

// The process's one binder, made on first use and never deleted.
CWJDOM2DesignData* getDesignData();

#endif
