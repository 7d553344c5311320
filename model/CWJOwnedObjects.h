#ifndef WJXML_MODEL_CWJOWNEDOBJECTS_H
#define WJXML_MODEL_CWJOWNEDOBJECTS_H

#include <cstdint>

class CWJModelObject;

// The objects of one kind that a parent owns: every object made under the
// parent, in the order they were made, whether filed, displaced by a later
// object of the same id, removed from the model, or never handed over. The
// list is threaded through the objects themselves, so that joining and
// leaving it need no memory; an object leaves it when it is deleted.
class CWJOwnedObjects {
public:
    CWJOwnedObjects() = default;
    CWJOwnedObjects(const CWJOwnedObjects&) = delete;
    CWJOwnedObjects& operator=(const CWJOwnedObjects&) = delete;
    // Deletes what is still listed.
    ~CWJOwnedObjects();

    // Deletes every listed object, first made first. When unbind, each is
    // unbound first: its element goes with the whole document, and taking it
    // out node by node would cost as much as the read.
    void deleteAll(bool unbind = false);
    // The object made last of those still listed; null when none is.
    CWJModelObject* last() const { return m_last; }
    // Runs visit on every listed object, first made first; visit must not
    // delete objects.
    template <class T, class Visit> void forEach(Visit visit) const
    {
        for (CWJModelObject* object = m_first; object; object = next(object))
            visit(static_cast<T*>(object));
    }

private:
    friend class CWJModelObject;

    static CWJModelObject* next(const CWJModelObject* object);
    void append(CWJModelObject* object);
    void unlink(CWJModelObject* object);

    CWJModelObject* m_first = nullptr;
    CWJModelObject* m_last = nullptr;
    std::uint32_t m_made = 0;
};

#endif
