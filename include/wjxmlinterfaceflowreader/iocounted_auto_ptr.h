#ifndef WJXMLINTERFACEFLOWREADER_IOCOUNTED_AUTO_PTR_H
#define WJXMLINTERFACEFLOWREADER_IOCOUNTED_AUTO_PTR_H

#include "wjxmlinterfaceflowreader/WJExport.h"

/// The shared owning pointer inside the iterator handles. All holders of one
/// object share one plain int count (no atomics: holders stay on one
/// thread); the last holder deletes the object through its virtual
/// destructor.
template <class I> class WJ_API iocounted_auto_ptr {
public:
    /// Takes ownership of a newly allocated object; null gives an empty
    /// pointer. When the count cannot be allocated, the object is deleted.
    explicit iocounted_auto_ptr(I* object = nullptr) : m_count(nullptr), m_object(object)
    {
        if (!m_object)
            return;
        try {
            m_count = new int(1);
        } catch (...) {
            delete object;
            throw;
        }
    }

    /// Shares other's object, adding one to the count.
    iocounted_auto_ptr(const iocounted_auto_ptr<I>& other) : m_count(other.m_count), m_object(other.m_object)
    {
        if (m_object)
            ++*m_count;
    }

    /// Releases this pointer's object (deleting it when this was the last
    /// holder) and shares other's; returns this pointer.
    iocounted_auto_ptr<I>& operator=(const iocounted_auto_ptr<I>& other)
    {
        // Covers self-assignment and assignment between holders of one object.
        if (other.get() == get() && other.m_count == m_count)
            return *this;
        release();
        m_object = other.m_object;
        m_count = other.m_count;
        if (m_object)
            ++*m_count;
        return *this;
    }

    /// Releases the object, deleting it when this was the last holder.
    virtual ~iocounted_auto_ptr() { release(); }

    /// The object, or null.
    virtual I* operator->() const { return m_object; }
    /// The object; only when there is one.
    virtual I& operator*() const { return *m_object; }
    /// The object, or null.
    virtual I* get() const { return m_object; }

private:
    void release()
    {
        if (!m_object)
            return;
        if (--*m_count == 0) {
            delete m_count;
            m_count = nullptr;
            delete get();
        }
    }

    int* m_count;
    I* m_object;
};

#endif
