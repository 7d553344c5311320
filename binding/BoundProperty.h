#ifndef WJXML_BINDING_BOUNDPROPERTY_H
#define WJXML_BINDING_BOUNDPROPERTY_H

#include <string>

class CWJIdRegistry;
class IWJXMLObject;

// How every model object sets a property: the value is stored first, then
// written into the object's element (an unbound object only stores it).
// When memory runs out the edit is noted as failed (noteOutOfMemory) and
// nothing is thrown.

// Stores text as the document keeps it in field, then writes it as the text
// of the child tag.
void storeTagText(IWJXMLObject& object, std::string& field, const char* tag, const char* text) noexcept;

// Stores in field the id made from text, unique in ids (text itself when
// there is no registry), then writes it as the attribute id.
void storeId(IWJXMLObject& object, CWJIdRegistry* ids, std::string& field, const char* text) noexcept;

#endif
