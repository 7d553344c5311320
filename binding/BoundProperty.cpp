#include "BoundProperty.h"

#include "CWJDOM2DesignData.h"
#include "CWJIdRegistry.h"
#include "ModelText.h"
#include "OutOfMemory.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

void storeTagText(IWJXMLObject& object, std::string& field, const char* tag, const char* text) noexcept
try {
    field = storableText(text);
    getDesignData()->UpdateDOMTag(object.GetDomElement(), tag, field.c_str(), false);
} catch (...) {
    noteOutOfMemory(&object);
}

void storeId(IWJXMLObject& object, CWJIdRegistry* ids, std::string& field, const char* text) noexcept
try {
    field = ids ? ids->makeUniqueId(text) : textOrEmpty(text);
    getDesignData()->UpdateDOMAttr(object.GetDomElement(), "id", field.c_str());
} catch (...) {
    noteOutOfMemory(&object);
}
