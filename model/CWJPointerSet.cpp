#include "CWJPointerSet.h"

#include <cstdint>
#include <utility>

namespace {

constexpr std::size_t kFirstCapacity = 8;

} // namespace

bool CWJPointerSet::insert(const void* pointer)
{
    if (contains(pointer))
        return false;
    if (2 * (m_size + 1) > capacity())
        grow();
    m_slots[slotOf(pointer)] = pointer;
    ++m_size;
    return true;
}

bool CWJPointerSet::erase(const void* pointer) noexcept
{
    if (!contains(pointer))
        return false;
    std::size_t hole = slotOf(pointer);
    for (std::size_t next = (hole + 1) & m_mask; m_slots[next]; next = (next + 1) & m_mask) {
        // A pointer stays where it is when its home lies after the hole, up
        // to its own slot (cyclically): moving it before its home would hide it.
        const std::size_t wanted = home(m_slots[next]);
        const bool staysPut = hole < next ? hole < wanted && wanted <= next : hole < wanted || wanted <= next;
        if (!staysPut) {
            m_slots[hole] = m_slots[next];
            hole = next;
        }
    }
    m_slots[hole] = nullptr;
    --m_size;
    return true;
}

bool CWJPointerSet::contains(const void* pointer) const noexcept
{
    return pointer && m_slots && m_slots[slotOf(pointer)] == pointer;
}

// Fibonacci hashing: the multiplication carries every bit of the address,
// alignment zeros included, into the high bits, which pick the slot.
std::size_t CWJPointerSet::home(const void* pointer) const noexcept
{
    const std::uint64_t mixed =
        static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(pointer)) * UINT64_C(0x9E3779B97F4A7C15);
    return static_cast<std::size_t>(mixed >> 32) & m_mask;
}

std::size_t CWJPointerSet::slotOf(const void* pointer) const noexcept
{
    std::size_t slot = home(pointer);
    while (m_slots[slot] && m_slots[slot] != pointer)
        slot = (slot + 1) & m_mask;
    return slot;
}

void CWJPointerSet::grow()
{
    const std::size_t oldCapacity = capacity();
    const std::size_t newCapacity = oldCapacity ? 2 * oldCapacity : kFirstCapacity;
    const std::unique_ptr<const void*[]> old =
        std::exchange(m_slots, std::unique_ptr<const void*[]>(new const void*[newCapacity]()));
    m_mask = newCapacity - 1;
    for (std::size_t i = 0; i < oldCapacity; ++i)
        if (old[i])
            m_slots[slotOf(old[i])] = old[i];
}
