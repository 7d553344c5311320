#ifndef WJXMLINTERFACEFLOWREADER_CINTERFACEOBJECTITERATOR_H
#define WJXMLINTERFACEFLOWREADER_CINTERFACEOBJECTITERATOR_H

#include "wjxmlinterfaceflowreader/IInterfaceObjectIter.h"
#include "wjxmlinterfaceflowreader/WJExport.h"
#include "wjxmlinterfaceflowreader/iocounted_auto_ptr.h"

// Handle over a sequence, returned by value by the enumerators. Copies share
// one iterator and so one position: advancing any copy advances all.
// While isValid() is false, value() gives a value-initialised result.
template <class T>
class WJ_API CInterfaceObjectIterator
{
public:
    // An empty handle: not valid, increments are ignored.
    CInterfaceObjectIterator() : m_iter() {}

    // Takes ownership of a newly allocated iterator object.
    explicit CInterfaceObjectIterator(IInterfaceObjectIter<T>* iter)
        : m_iter(iter)
    {
    }

    CInterfaceObjectIterator(const CInterfaceObjectIterator<T>& other)
        : m_iter(other.m_iter)
    {
    }

    virtual ~CInterfaceObjectIterator() {}

    virtual CInterfaceObjectIterator<T>& operator=(const CInterfaceObjectIterator<T>& other)
    {
        m_iter = other.m_iter;
        return *this;
    }

    virtual T value() { return isValid() ? m_iter->value() : T(); }

    virtual T operator*() { return value(); }

    virtual CInterfaceObjectIterator<T>& operator++(int)
    {
        if (m_iter.get())
            (*m_iter)++;
        return *this;
    }

    virtual CInterfaceObjectIterator<T>& operator++()
    {
        if (m_iter.get())
            ++(*m_iter);
        return *this;
    }

    virtual CInterfaceObjectIterator<T>& next() { return operator++(); }

    virtual bool isValid() { return m_iter.get() ? m_iter->isValid() : false; }

    virtual operator bool() { return isValid(); }

    virtual int operator!() { return isValid() ? 0 : 1; }

private:
    iocounted_auto_ptr<IInterfaceObjectIter<T> > m_iter;
};

#endif
