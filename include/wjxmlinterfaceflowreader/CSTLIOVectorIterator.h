#ifndef WJXMLINTERFACEFLOWREADER_CSTLIOVECTORITERATOR_H
#define WJXMLINTERFACEFLOWREADER_CSTLIOVECTORITERATOR_H

#include "wjxmlinterfaceflowreader/IInterfaceObjectIter.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <vector>

/// The sequence iterator of the model's enumerators: walks its own copy of
/// a vector, taken at construction, so later changes of the source are not
/// seen. Not copyable; handles share it instead.
template <class T> class WJ_API CSTLIOVectorIterator : public IInterfaceObjectIter<T> {
public:
    /// Copies items and stands on the first of them.
    explicit CSTLIOVectorIterator(const std::vector<T>& items) : m_position(), m_items(items)
    {
        m_position = m_items.begin();
    }

    /// Frees the copy.
    virtual ~CSTLIOVectorIterator() {}

    /// The element at the position; a value-initialised one (null) at the end.
    virtual T value() { return isValid() ? *m_position : T(); }

    /// Advances one element, staying at the end; returns the iterator itself.
    virtual IInterfaceObjectIter<T>& operator++(int) { return ++*this; }

    /// Advances one element; returns the iterator itself.
    virtual IInterfaceObjectIter<T>& operator++()
    {
        if (isValid())
            ++m_position;
        return *this;
    }

    /// True until the end of the copy.
    virtual bool isValid() { return m_position != m_items.end(); }

private:
    // A copy would keep a position into the source's items.
    CSTLIOVectorIterator(const CSTLIOVectorIterator&) = delete;
    CSTLIOVectorIterator& operator=(const CSTLIOVectorIterator&) = delete;

    typename std::vector<T>::iterator m_position;
    std::vector<T> m_items;
};

#endif
