#include "CWJText.h"

#include <cstring>
#include <new>

static_assert(sizeof(CWJText) == 16, "a model text takes 16 bytes");
static_assert(sizeof(char*) <= 8, "a heap block's address fits in bytes 0..7");

namespace {

constexpr std::size_t kSizeAt = 8;
constexpr std::size_t kSizeBytes = 7;
constexpr std::size_t kLargestSize = (std::size_t{1} << (8 * kSizeBytes)) - 1;

} // namespace

CWJText::CWJText() noexcept
{
    makeEmpty();
}

CWJText::CWJText(const CWJText& other) : CWJText()
{
    assign(other.c_str(), other.size());
}

CWJText::CWJText(CWJText&& other) noexcept
{
    std::memcpy(m_bytes, other.m_bytes, kBytes);
    other.makeEmpty();
}

CWJText::~CWJText()
{
    release();
}

CWJText& CWJText::operator=(const CWJText& other)
{
    assign(other.c_str(), other.size());
    return *this;
}

CWJText& CWJText::operator=(CWJText&& other) noexcept
{
    if (this != &other) {
        release();
        std::memcpy(m_bytes, other.m_bytes, kBytes);
        other.makeEmpty();
    }
    return *this;
}

CWJText& CWJText::operator=(const char* text)
{
    assign(text ? text : "", text ? std::strlen(text) : 0);
    return *this;
}

CWJText& CWJText::operator=(const std::string& text)
{
    assign(text.data(), text.size());
    return *this;
}

CWJText& CWJText::operator=(std::string_view text)
{
    assign(text.data(), text.size());
    return *this;
}

std::size_t CWJText::size() const noexcept
{
    if (isInPlace())
        return kInPlaceCapacity - static_cast<unsigned char>(m_bytes[kLast]);
    std::size_t size = 0;
    for (std::size_t i = kSizeBytes; i-- > 0;)
        size = size << 8 | static_cast<unsigned char>(m_bytes[kSizeAt + i]);
    return size;
}

char* CWJText::heapBlock() const noexcept
{
    char* block;
    std::memcpy(&block, m_bytes, sizeof block);
    return block;
}

// Builds the new bytes aside (text may lie in this text's own storage), then
// releases the old block: nothing changes before the allocation succeeded.
void CWJText::assign(const char* text, std::size_t size)
{
    char fresh[kBytes] = {};
    if (size <= kInPlaceCapacity) {
        std::memcpy(fresh, text, size);
        fresh[kLast] = static_cast<char>(kInPlaceCapacity - size);
    } else {
        if (size > kLargestSize)
            throw std::bad_alloc();
        char* block = new char[size + 1];
        std::memcpy(block, text, size);
        block[size] = '\0';
        std::memcpy(fresh, &block, sizeof block);
        for (std::size_t i = 0; i < kSizeBytes; ++i)
            fresh[kSizeAt + i] = static_cast<char>(size >> (8 * i) & 0xff);
        fresh[kLast] = static_cast<char>(kHeap);
    }
    release();
    std::memcpy(m_bytes, fresh, kBytes);
}

void CWJText::makeEmpty() noexcept
{
    std::memset(m_bytes, 0, kBytes);
    m_bytes[kLast] = static_cast<char>(kInPlaceCapacity);
}

void CWJText::release() noexcept
{
    if (!isInPlace())
        delete[] heapBlock();
}
