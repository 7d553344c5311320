#ifndef WJXMLINTERFACEFLOWREADER_IOCOUNTED_AUTO_PTR_H
#define WJXMLINTERFACEFLOWREADER_IOCOUNTED_AUTO_PTR_H

#include "wjxmlinterfaceflowreader/WJExport.h"

// Shared owning pointer to an iterator object. All holders of one object share
// one plain int count (no atomics: holders stay on one thread); the last holder
// deletes the object through its virtual destructor.
template <class I>
class WJ_API iocounted_auto_ptr
{
public:
    // Takes ownership of a newly allocated object; null gives an empty
    // pointer. When the count cannot be allocated, the object is deleted.
    explicit iocounted_auto_ptr(I* object = nullptr)
        : m_count(nullptr), m_object(object)
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

    iocounted_auto_ptr(const iocounted_auto_ptr<I>& other)
        : m_count(other.m_count), m_object(other.m_object)
    {
        if (m_object)
            ++*m_count;
    }

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

    virtual ~iocounted_auto_ptr() { release(); }

    virtual I* operator->() const { return m_object; }
    virtual I& operator*() const { return *m_object; }
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
