#ifndef WJXML_BINDING_BOUNDPROPERTY_H
#define WJXML_BINDING_BOUNDPROPERTY_H

#include <string>

class CWJIdRegistry;
class CWJText;
class IWJXMLObject;

// How every model object sets a property: the value is stored first, then
// written into the object's element (an unbound object only stores it).
// When memory runs out the edit is noted as failed (noteOutOfMemory) and
// nothing is thrown.

// Stores text as the document keeps it in field, then writes it as the text
// of the child tag. Field is a std::string or a CWJText.
template <class Field>
void storeTagText(IWJXMLObject& object, Field& field, const char* tag, const char* text) noexcept;

// Writes text as the text of the child tag, as the store functions do.
void writeTagText(IWJXMLObject& object, const char* tag, const char* text) noexcept;

// Stores count in field, then writes it as the text of the child tag (a
// negative count as empty text, which reads back as 0).
void storeTagCount(IWJXMLObject& object, int& field, const char* tag, int count) noexcept;

// Stores bound in field, then writes it as the attribute at path (-1 as
// empty text, which reads back as -1).
void storeAttributeBound(IWJXMLObject& object, int& field, const char* path, int bound) noexcept;

// Stores code in field, then writes word, the code's word in the file, as
// the text of the child tag.
template <class Code>
void storeTagWord(IWJXMLObject& object, Code& field, Code code, const char* tag, const char* word) noexcept
{
    field = code;
    writeTagText(object, tag, word);
}

// Stores in field the id made from text, unique in ids (text itself when
// there is no registry), then writes it as the attribute id.
void storeId(IWJXMLObject& object, CWJIdRegistry* ids, CWJText& field, const char* text) noexcept;

#endif
