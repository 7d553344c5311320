#ifndef WJXML_BINDING_OUTOFMEMORY_H
#define WJXML_BINDING_OUTOFMEMORY_H

class IWJXMLObject;

// Called where an operation of the interfaces gave up because memory ran
// out, instead of letting the exception cross the library's boundary. The
// read under way on the calling thread, if any, then fails with "out of
// memory". When object, the one whose operation failed, is bound to a
// view's document, that view is never saved again: the model may hold part
// of an edit, or an edit may have missed what a failed lookup would have
// found.
void noteOutOfMemory(IWJXMLObject* object) noexcept;

#endif
