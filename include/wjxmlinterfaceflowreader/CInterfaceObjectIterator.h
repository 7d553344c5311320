#ifndef WJXMLINTERFACEFLOWREADER_CINTERFACEOBJECTITERATOR_H
#define WJXMLINTERFACEFLOWREADER_CINTERFACEOBJECTITERATOR_H

#include "wjxmlinterfaceflowreader/IInterfaceObjectIter.h"
#include "wjxmlinterfaceflowreader/WJExport.h"
#include "wjxmlinterfaceflowreader/iocounted_auto_ptr.h"

/// A handle over a sequence, returned by value by the model's enumerators
/// (IWJInterfaceView::partMaps, IWJPortGroup::portRefs, ...).
///
/// The handle walks a copy of the collection taken when the enumerator ran:
/// objects added later are not seen, and objects deleted later are still
/// yielded and must not be used. Copies of a handle share one iterator and so
/// one position: advancing any copy advances all. A walk:
/// @code
/// for (auto walk = view->partMaps(); walk.isValid(); ++walk)
///     use(walk.value());
/// @endcode
/// While isValid() is false, value() gives a value-initialised result
/// (null); advancing past the end leaves the handle at the end. Handles and
/// their copies belong to one thread (the shared count is a plain int).
template <class T> class WJ_API CInterfaceObjectIterator {
public:
    /// An empty handle: not valid, increments are ignored.
    CInterfaceObjectIterator() : m_iter() {}

    /// Takes ownership of a newly allocated iterator object, shared with the
    /// handle's copies and deleted with the last of them. Null gives an empty
    /// handle.
    explicit CInterfaceObjectIterator(IInterfaceObjectIter<T>* iter) : m_iter(iter) {}

    /// Shares other's iterator and position.
    CInterfaceObjectIterator(const CInterfaceObjectIterator<T>& other) : m_iter(other.m_iter) {}

    /// Releases the handle's share of the iterator.
    virtual ~CInterfaceObjectIterator() {}

    /// Releases this handle's iterator and shares other's; returns this
    /// handle. Assigning a copy of the same iterator changes nothing.
    virtual CInterfaceObjectIterator<T>& operator=(const CInterfaceObjectIterator<T>& other)
    {
        m_iter = other.m_iter;
        return *this;
    }

    /// The element at the position; a value-initialised one (null) when
    /// isValid() is false.
    virtual T value() { return isValid() ? m_iter->value() : T(); }

    /// The same as value().
    virtual T operator*() { return value(); }

    /// Advances one element, as the prefix form does: there is no earlier
    /// position to return. Returns this handle.
    virtual CInterfaceObjectIterator<T>& operator++(int)
    {
        if (m_iter.get())
            (*m_iter)++;
        return *this;
    }

    /// Advances one element; at the end, or on an empty handle, does
    /// nothing. Returns this handle.
    virtual CInterfaceObjectIterator<T>& operator++()
    {
        if (m_iter.get())
            ++(*m_iter);
        return *this;
    }

    /// The same as the prefix operator++.
    virtual CInterfaceObjectIterator<T>& next() { return operator++(); }

    /// True while the handle stands on an element; false at the end and for
    /// an empty handle.
    virtual bool isValid() { return m_iter.get() ? m_iter->isValid() : false; }

    /// The same as isValid().
    virtual operator bool() { return isValid(); }

    /// 1 when isValid() is false, else 0.
    virtual int operator!() { return isValid() ? 0 : 1; }

private:
    iocounted_auto_ptr<IInterfaceObjectIter<T>> m_iter;
};

#endif
