#ifndef WJXML_BINDING_CREATEBOUNDOBJECT_H
#define WJXML_BINDING_CREATEBOUNDOBJECT_H

#include "CWJDOM2DesignData.h"
#include "OutOfMemory.h"

// The body of every exported factory: the object make returns for element,
// which it is handed while the binder binds elements (null otherwise).
// Nothing escapes the C boundary: when the object cannot be made the read
// fails and there is no object.
template <class Make> IWJXMLObject* createBound(xercesc::DOMElement* element, Make make) noexcept
{
    try {
        return make(getDesignData()->bindElements ? element : nullptr);
    } catch (...) {
        noteOutOfMemory(nullptr);
        return nullptr;
    }
}

// A T made under parent.
template <class T> IWJXMLObject* createBoundObject(IWJXMLObject* parent, xercesc::DOMElement* element) noexcept
{
    return createBound(element, [parent](xercesc::DOMElement* bound) -> IWJXMLObject* { return new T(bound, parent); });
}

#endif
