#ifndef WJXMLINTERFACEFLOWREADER_CSTLIOVECTORITERATOR_H
#define WJXMLINTERFACEFLOWREADER_CSTLIOVECTORITERATOR_H

#include "wjxmlinterfaceflowreader/IInterfaceObjectIter.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <vector>

// Walks its own copy of a vector, taken at construction, so later changes of
// the source are not seen.
template <class T>
class WJ_API CSTLIOVectorIterator : public IInterfaceObjectIter<T>
{
public:
    explicit CSTLIOVectorIterator(const std::vector<T>& items)
        : m_position(), m_items(items)
    {
        m_position = m_items.begin();
    }

    virtual ~CSTLIOVectorIterator() {}

    // At the end: a value-initialised value.
    virtual T value() { return isValid() ? *m_position : T(); }

    // Advancing at the end stays at the end.
    virtual IInterfaceObjectIter<T>& operator++(int) { return ++*this; }

    virtual IInterfaceObjectIter<T>& operator++()
    {
        if (isValid())
            ++m_position;
        return *this;
    }

    virtual bool isValid() { return m_position != m_items.end(); }

private:
    // A copy would keep a position into the source's items.
    CSTLIOVectorIterator(const CSTLIOVectorIterator&) = delete;
    CSTLIOVectorIterator& operator=(const CSTLIOVectorIterator&) = delete;

    typename std::vector<T>::iterator m_position;
    std::vector<T> m_items;
};

#endif
