#include "BoundProperty.h"

#include "CWJDOM2DesignData.h"
#include "CWJIdRegistry.h"
#include "CWJText.h"
#include "ModelText.h"
#include "OutOfMemory.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

template <class Field> void storeTagText(IWJXMLObject& object, Field& field, const char* tag, const char* text) noexcept
try {
    field = storableText(text);
    getDesignData()->UpdateDOMTag(object.GetDomElement(), tag, field.c_str(), false);
} catch (...) {
    noteOutOfMemory(&object);
}

template void storeTagText(IWJXMLObject&, std::string&, const char*, const char*) noexcept;
template void storeTagText(IWJXMLObject&, CWJText&, const char*, const char*) noexcept;

void storeTagCount(IWJXMLObject& object, int& field, const char* tag, int count) noexcept
try {
    field = count;
    getDesignData()->UpdateDOMTag(object.GetDomElement(), tag, countText(count).c_str(), false);
} catch (...) {
    noteOutOfMemory(&object);
}

void storeAttributeBound(IWJXMLObject& object, int& field, const char* path, int bound) noexcept
try {
    field = bound;
    getDesignData()->UpdateDOMAttr(object.GetDomElement(), path, boundText(bound).c_str());
} catch (...) {
    noteOutOfMemory(&object);
}

void writeTagText(IWJXMLObject& object, const char* tag, const char* text) noexcept
try {
    getDesignData()->UpdateDOMTag(object.GetDomElement(), tag, text, false);
} catch (...) {
    noteOutOfMemory(&object);
}

void storeId(IWJXMLObject& object, CWJIdRegistry* ids, CWJText& field, const char* text) noexcept
try {
    field = ids ? ids->makeUniqueId(text) : textOrEmpty(text);
    getDesignData()->UpdateDOMAttr(object.GetDomElement(), "id", field.c_str());
} catch (...) {
    noteOutOfMemory(&object);
}
