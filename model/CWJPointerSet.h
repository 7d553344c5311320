#ifndef WJXML_MODEL_CWJPOINTERSET_H
#define WJXML_MODEL_CWJPOINTERSET_H

#include <cstddef>
#include <memory>

// A set of pointers in one flat table: 8 bytes a slot, at least half of the
// slots free. The table's size is a power of two; a pointer sits in the
// first free slot from the one its value hashes to (linear probing), and
// removing one shifts the pointers after it back, so that no removed slot
// is left behind to lengthen searches or grow the table. Only the pointers'
// values are used: a pointer to a deleted object is safe to look up.
class CWJPointerSet {
public:
    // Adds pointer (not null); false when it was there already. When memory
    // runs out (bad_alloc), the set is as it was.
    bool insert(const void* pointer);
    // Takes pointer out; false when it was not there.
    bool erase(const void* pointer) noexcept;
    bool contains(const void* pointer) const noexcept;
    std::size_t size() const noexcept { return m_size; }
    // The slots of the table; 0 before the first insert.
    std::size_t capacity() const noexcept { return m_slots ? m_mask + 1 : 0; }

private:
    std::size_t home(const void* pointer) const noexcept;
    // The slot of pointer, or the free slot where it would go.
    std::size_t slotOf(const void* pointer) const noexcept;
    void grow();

    std::unique_ptr<const void*[]> m_slots;
    // The table's size less one.
    std::size_t m_mask = 0;
    std::size_t m_size = 0;
};

#endif
