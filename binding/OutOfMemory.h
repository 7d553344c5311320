#ifndef WJXML_BINDING_OUTOFMEMORY_H
#define WJXML_BINDING_OUTOFMEMORY_H

class IWJXMLObject;

// Called where an edit of the interfaces (an operation that changes the model
// or its document) gave up because memory ran out, instead of letting the
// exception cross the library's boundary. The read under way on the calling
// thread, if any, then fails with "out of memory". When object, the one whose
// edit failed, is bound to a view's document, that view is never saved again:
// the model may hold part of the edit. An edit that relies on a lookup uses
// one that throws, so that the edit fails rather than going on without what
// the lookup would have found.
void noteOutOfMemory(IWJXMLObject* object) noexcept;

// Called where a lookup, getter or enumerator gave up because memory ran out.
// The read under way on the calling thread, if any, fails with "out of
// memory"; nothing changed, so no design is kept from being saved.
void noteLookupOutOfMemory() noexcept;

#endif
