#ifndef WJXML_BINDING_TWJXMLOBJFUNCTOR_H
#define WJXML_BINDING_TWJXMLOBJFUNCTOR_H

#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <initializer_list>
#include <vector>

// Binds handler members of a model class T to every object of the class: the
// entries of the class's handler table (IWJXMLObject::RegisterClassHandlers).
template <class T> class TWJXMLObjFunctor {
public:
    using Member = void (T::*)(const char*);

    template <Member member> static IWJXMLObject::ClassHandler tag(const char* name)
    {
        return {name, false, &call<member>};
    }

    template <Member member> static IWJXMLObject::ClassHandler attribute(const char* name)
    {
        return {name, true, &call<member>};
    }

private:
    template <Member member> static void call(IWJXMLObject& object, const char* text)
    {
        (static_cast<T&>(object).*member)(text);
    }
};

// The table of a class whose base serves some paths itself: the base's
// entries, then the class's own.
inline std::vector<IWJXMLObject::ClassHandler> joinHandlers(std::vector<IWJXMLObject::ClassHandler> base,
                                                            std::initializer_list<IWJXMLObject::ClassHandler> own)
{
    base.insert(base.end(), own);
    return base;
}

#endif
