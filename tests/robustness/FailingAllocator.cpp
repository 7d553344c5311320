#include "FailingAllocator.h"

#include <cstdlib>
#include <new>

namespace {

bool armed = false;
long long remaining = 0;

void* allocate(std::size_t size)
{
    if (armed && --remaining == 0)
        throw std::bad_alloc();
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

} // namespace

namespace failingallocator {

void arm(long long failAt)
{
    remaining = failAt;
    armed = true;
}

bool disarm()
{
    armed = false;
    return remaining <= 0;
}

} // namespace failingallocator

void* operator new(std::size_t size)
{
    return allocate(size);
}

void* operator new[](std::size_t size)
{
    return allocate(size);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}
