#ifndef WJXML_BINDING_TWJXMLOBJFUNCTOR_H
#define WJXML_BINDING_TWJXMLOBJFUNCTOR_H

#include "wjxmlinterfaceflowreader/TWJFunctor.h"

// Binds one handler member of a model class to one object.
template <class T> class TWJXMLObjFunctor : public TWJFunctor {
public:
    using Member = void (T::*)(const char*);

    TWJXMLObjFunctor(T* object, Member member) : m_object(object), m_member(member) {}

    void operator()(const char* text) override { (m_object->*m_member)(text); }

private:
    T* m_object;
    Member m_member;
};

#endif
