#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <cstring>

TWJFunctor::~TWJFunctor() = default;

IWJXMLObject::IWJXMLObject(xercesc::DOMElement* element) : m_element(element) {}

IWJXMLObject::~IWJXMLObject()
{
    for (const Handler& handler : m_handlers)
        delete handler.functor;
}

void IWJXMLObject::AddChild(xercesc::DOMElement*, IWJXMLObject*) {}

void IWJXMLObject::SetAttribute(const char* name, const char* value)
{
    handle(name, true, value);
}

void IWJXMLObject::SetTagText(const char* name, const char* text)
{
    handle(name, false, text);
}

bool IWJXMLObject::HasTagHandler(const char* name) const
{
    return find(name, false) || findClassHandler(name, false);
}

void IWJXMLObject::handle(const char* name, bool attribute, const char* text)
{
    if (TWJFunctor* functor = find(name, attribute))
        (*functor)(text);
    else if (const ClassHandler* handler = findClassHandler(name, attribute))
        handler->handle(*this, text);
}

void IWJXMLObject::RegisterXMLTagFP(const char* name, TWJFunctor* handler)
{
    addHandler({name, false, handler});
}

void IWJXMLObject::RegisterXMLAttribFP(const char* name, TWJFunctor* handler)
{
    addHandler({name, true, handler});
}

// The object owns the functor from the call on, even when it cannot keep it.
void IWJXMLObject::addHandler(const Handler& handler)
{
    try {
        m_handlers.push_back(handler);
    } catch (...) {
        delete handler.functor;
        throw;
    }
}

const IWJXMLObject::ClassHandler* IWJXMLObject::findClassHandler(const char* name, bool attribute) const
{
    if (!m_classHandlers)
        return nullptr;
    for (const ClassHandler& handler : *m_classHandlers) {
        if (handler.attribute == attribute && handler.name[0] == name[0] && std::strcmp(handler.name, name) == 0)
            return &handler;
    }
    return nullptr;
}

TWJFunctor* IWJXMLObject::find(const char* name, bool attribute) const
{
    for (const Handler& handler : m_handlers) {
        if (handler.attribute == attribute && std::strcmp(handler.name, name) == 0)
            return handler.functor;
    }
    return nullptr;
}
