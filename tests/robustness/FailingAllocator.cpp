#include "FailingAllocator.h"

#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

bool armed = false;
long long remaining = 0;
long long live = 0;

void release(void* memory) noexcept
{
    if (memory)
        live -= static_cast<long long>(malloc_usable_size(memory));
    std::free(memory);
}

void* allocate(std::size_t size)
{
    if (armed && --remaining == 0)
        throw std::bad_alloc();
    if (void* memory = std::malloc(size ? size : 1)) {
        live += static_cast<long long>(malloc_usable_size(memory));
        return memory;
    }
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

long long liveBytes()
{
    return live;
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
    release(memory);
}

void operator delete[](void* memory) noexcept
{
    release(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    release(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    release(memory);
}

// The standard library asks for some memory that it can do without (the
// buffer of stable_sort) through the nothrow forms: they fail alike.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept
{
    return operator new(size, nothrow);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    release(memory);
}

void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
    release(memory);
}
