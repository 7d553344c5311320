#ifndef WJXMLINTERFACEFLOWREADER_IWJXMLOBJECT_H
#define WJXMLINTERFACEFLOWREADER_IWJXMLOBJECT_H

#include "wjxmlinterfaceflowreader/TWJFunctor.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <xercesc/util/XercesDefs.hpp>

#include <vector>

XERCES_CPP_NAMESPACE_BEGIN
class DOMElement;
XERCES_CPP_NAMESPACE_END

/// The base of every model object that can be bound to a DOM element: it
/// holds the element (null when the object is unbound) and the handlers
/// through which the binder hands the element's content to the object while
/// a file is read.
///
/// Hosts reach the model through its interfaces (IWJPort, ...) and need this
/// base only to call the factories of WJFactories.h. Changing an object's
/// element or handlers by hand bypasses the model: its memory and its
/// document then disagree.
class WJ_API IWJXMLObject {
protected:
    /// Model objects are deleted through their model interface, never
    /// through this base.
    virtual ~IWJXMLObject();

public:
    /// Binds the new object to element; null makes it unbound.
    explicit IWJXMLObject(xercesc::DOMElement* element);
    /// Bound objects are not copied: an element has one object.
    IWJXMLObject(const IWJXMLObject&) = delete;
    /// Bound objects are not assigned: an element has one object.
    IWJXMLObject& operator=(const IWJXMLObject&) = delete;

    /// Receives a finished child object that the binder made from an element
    /// below this object's element; childElement is that element. The
    /// receiver, which owns every child made under it (it was the parent
    /// given to the factory) from the child's construction, files the child
    /// when it was made under it and has not been handed over before. A view
    /// also takes an instance, footprint or part map made under no parent.
    /// Anything else (an object made under another parent, one handed over
    /// already, or one of a kind the receiver does not hold) is left as it
    /// is. Objects that hold no children ignore it (this base does).
    virtual void AddChild(xercesc::DOMElement* childElement, IWJXMLObject* child);

    /// Runs the attribute handler registered under name with value, if there
    /// is one; otherwise does nothing.
    virtual void SetAttribute(const char* name, const char* value);

    /// Runs the tag handler registered under name with text, if there is
    /// one; otherwise does nothing.
    void SetTagText(const char* name, const char* text);
    /// True when a tag handler is registered under name.
    bool HasTagHandler(const char* name) const;

    /// The bound element; null when the object is unbound.
    xercesc::DOMElement* GetDomElement() const { return m_element; }
    /// Binds the object to another element, or unbinds it with null; the
    /// object's values are not written into the new element.
    void SetDomElement(xercesc::DOMElement* element) { m_element = element; }

    /// A handler that every object of a class shares, so that an object
    /// costs no memory for it.
    struct ClassHandler {
        /// The path the handler serves, as for RegisterXMLTagFP.
        const char* name;
        /// True when name ends in an attribute, false for a child's text.
        bool attribute;
        /// Hands the text to object, which is of the class that registered
        /// the table.
        void (*handle)(IWJXMLObject& object, const char* text);
    };

    /// @name Handler registration
    /// The object takes ownership of the functor; name must stay valid for
    /// the object's lifetime (the model passes literals). Names are paths
    /// relative to the object's element: "Name" for the text of the child
    /// Name, "Range:lsb" for the lsb attribute of the child Range.
    //@{
    /// Registers a handler for the text of the child element at name.
    void RegisterXMLTagFP(const char* name, TWJFunctor* handler);
    /// Registers a handler for the attribute at name.
    void RegisterXMLAttribFP(const char* name, TWJFunctor* handler);
    /// Registers the handlers of the object's class, a table that outlives
    /// every object of the class (a static one); it replaces an earlier
    /// table. Handlers registered one by one are looked up first.
    void RegisterClassHandlers(const std::vector<ClassHandler>* handlers) { m_classHandlers = handlers; }
    //@}

private:
    struct Handler {
        const char* name;
        bool attribute;
        TWJFunctor* functor;
    };
    // Runs the handler registered under name, if there is one.
    void handle(const char* name, bool attribute, const char* text);
    const ClassHandler* findClassHandler(const char* name, bool attribute) const;
    TWJFunctor* find(const char* name, bool attribute) const;
    void addHandler(const Handler& handler);

    xercesc::DOMElement* m_element;
    std::vector<Handler> m_handlers;
    const std::vector<ClassHandler>* m_classHandlers = nullptr;
};

#endif
