#ifndef WJXMLINTERFACEFLOWREADER_IWJXMLOBJECT_H
#define WJXMLINTERFACEFLOWREADER_IWJXMLOBJECT_H

#include "wjxmlinterfaceflowreader/TWJFunctor.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <xercesc/util/XercesDefs.hpp>

#include <vector>

XERCES_CPP_NAMESPACE_BEGIN
class DOMElement;
XERCES_CPP_NAMESPACE_END

// Base of every model object that can be bound to a DOM element. It holds the
// element (null when the object is unbound) and the handlers through which the
// binder hands the element's content to the object.
class WJ_API IWJXMLObject {
protected:
    // Model objects are deleted through their model interface, never through
    // this base.
    virtual ~IWJXMLObject();

public:
    explicit IWJXMLObject(xercesc::DOMElement* element);
    IWJXMLObject(const IWJXMLObject&) = delete;
    IWJXMLObject& operator=(const IWJXMLObject&) = delete;

    // Receives a finished child object that the binder made from an element
    // below this object's element; childElement is that element. The receiver
    // takes ownership of the child.
    virtual void AddChild(xercesc::DOMElement* childElement, IWJXMLObject* child);

    // Runs the attribute handler registered under name, if there is one.
    virtual void SetAttribute(const char* name, const char* value);

    // Runs the tag handler registered under name, if there is one.
    void SetTagText(const char* name, const char* text);
    bool HasTagHandler(const char* name) const;

    xercesc::DOMElement* GetDomElement() const { return m_element; }
    void SetDomElement(xercesc::DOMElement* element) { m_element = element; }

    // Handler registration. The object takes ownership of the functor; name
    // must stay valid for the object's lifetime (the model passes literals).
    // Names are paths relative to the object's element: "Name" for the text of
    // the child Name, "Range:lsb" for the lsb attribute of the child Range.
    void RegisterXMLTagFP(const char* name, TWJFunctor* handler);
    void RegisterXMLAttribFP(const char* name, TWJFunctor* handler);

private:
    struct Handler {
        const char* name;
        bool attribute;
        TWJFunctor* functor;
    };
    TWJFunctor* find(const char* name, bool attribute) const;
    void addHandler(const Handler& handler);

    xercesc::DOMElement* m_element;
    std::vector<Handler> m_handlers;
};

#endif
