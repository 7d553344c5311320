#ifndef WJXMLINTERFACEFLOWREADER_CINTERFACEOBJECTMAPITERATOR_H
#define WJXMLINTERFACEFLOWREADER_CINTERFACEOBJECTMAPITERATOR_H

#include "wjxmlinterfaceflowreader/IInterfaceObjectIterMap.h"
#include "wjxmlinterfaceflowreader/WJExport.h"
#include "wjxmlinterfaceflowreader/iocounted_auto_ptr.h"

/// A handle over key/value pairs, returned by value by the model's
/// enumerators (IWJInterfaceView::compInsts, IWJCompInst::ports, ...).
///
/// The pairs come in ascending key order: byte order for ids, pointer order
/// (not meaningful) for the part maps' walks. Like CInterfaceObjectIterator
/// the handle walks a copy taken when the enumerator ran, and its copies
/// share one position. A walk:
/// @code
/// for (auto walk = view->compInsts(); walk.isValid(); ++walk)
///     std::printf("%s %s\n", walk.key().c_str(), walk.value()->refdes());
/// @endcode
/// While isValid() is false, value() and key() give a value-initialised
/// result (null, ""); advancing past the end leaves the handle at the end. Handles and their copies belong
/// to one thread.
template <class K, class V> class WJ_API CInterfaceObjectMapIterator {
public:
    /// An empty handle: not valid, increments are ignored.
    CInterfaceObjectMapIterator() : m_iter() {}

    /// Takes ownership of a newly allocated iterator object, shared with the
    /// handle's copies and deleted with the last of them. Null gives an empty
    /// handle.
    explicit CInterfaceObjectMapIterator(IInterfaceObjectIterMap<K, V>* iter) : m_iter(iter) {}

    /// Shares other's iterator and position.
    CInterfaceObjectMapIterator(const CInterfaceObjectMapIterator<K, V>& other) : m_iter(other.m_iter) {}

    /// Releases the handle's share of the iterator.
    virtual ~CInterfaceObjectMapIterator() {}

    /// Releases this handle's iterator and shares other's; returns this
    /// handle. Assigning a copy of the same iterator changes nothing.
    virtual CInterfaceObjectMapIterator<K, V>& operator=(const CInterfaceObjectMapIterator<K, V>& other)
    {
        m_iter = other.m_iter;
        return *this;
    }

    /// The value at the position; a value-initialised one (null) when
    /// isValid() is false.
    virtual V value() { return isValid() ? m_iter->value() : V(); }

    /// A copy of the key at the position; changing it does not change the
    /// map. A value-initialised key ("") when isValid() is false.
    virtual K key() { return isValid() ? m_iter->key() : K(); }

    /// The same as value().
    virtual V operator*() { return value(); }

    /// Advances one pair, as the prefix form does: there is no earlier
    /// position to return. Returns this handle.
    virtual CInterfaceObjectMapIterator<K, V>& operator++(int)
    {
        if (m_iter.get())
            (*m_iter)++;
        return *this;
    }

    /// Advances one pair; at the end, or on an empty handle, does nothing.
    /// Returns this handle.
    virtual CInterfaceObjectMapIterator<K, V>& operator++()
    {
        if (m_iter.get())
            ++(*m_iter);
        return *this;
    }

    /// The same as the prefix operator++.
    virtual CInterfaceObjectMapIterator<K, V>& next() { return operator++(); }

    /// True while the handle stands on a pair; false at the end and for an
    /// empty handle.
    virtual bool isValid() { return m_iter.get() ? m_iter->isValid() : false; }

    /// The same as isValid().
    virtual operator bool() { return isValid(); }

    /// 1 when isValid() is false, else 0.
    virtual int operator!() { return isValid() ? 0 : 1; }

private:
    iocounted_auto_ptr<IInterfaceObjectIterMap<K, V>> m_iter;
};

#endif
