#ifndef WJXML_BINDING_CREATEBOUNDOBJECT_H
#define WJXML_BINDING_CREATEBOUNDOBJECT_H

#include "CWJDOM2DesignData.h"
#include "OutOfMemory.h"

// The body of every exported factory: a T made under parent, bound to
// element while the binder binds elements. Nothing escapes the C boundary:
// when the object cannot be made the read fails and there is no object.
template <class T> IWJXMLObject* createBoundObject(IWJXMLObject* parent, xercesc::DOMElement* element) noexcept
{
    try {
        return new T(getDesignData()->bindElements ? element : nullptr, parent);
    } catch (...) {
        noteOutOfMemory(nullptr);
        return nullptr;
    }
}

#endif
