#ifndef WJXML_BINDING_CWJTEXT_H
#define WJXML_BINDING_CWJTEXT_H

#include <cstddef>
#include <string>
#include <string_view>

// A text of the model in 16 bytes: the model keeps hundreds of thousands of
// short names, ids and locations, for which a std::string costs twice that.
//
// Layout: byte 15 tells the form. A text of up to 15 bytes is held in place
// in bytes 0..14 and byte 15 holds 15 minus its size, so that a text of 15
// bytes ends in that byte's 0 and a shorter one in the 0s that follow it.
// A longer text lives in one heap block of its size plus its NUL; bytes 0..7
// hold the block's address, bytes 8..14 its size (little-endian, 56 bits)
// and byte 15 is kHeap.
//
// Each text keeps its own storage: changing one never moves another.
// Assigning gives the strong guarantee: when memory runs out (bad_alloc), the
// text is as it was.
class CWJText {
public:
    CWJText() noexcept;
    CWJText(const CWJText& other);
    CWJText(CWJText&& other) noexcept;
    ~CWJText();

    CWJText& operator=(const CWJText& other);
    CWJText& operator=(CWJText&& other) noexcept;
    CWJText& operator=(const char* text);
    CWJText& operator=(const std::string& text);
    CWJText& operator=(std::string_view text);

    // Never null: "" for an empty text.
    const char* c_str() const noexcept { return isInPlace() ? m_bytes : heapBlock(); }
    std::size_t size() const noexcept;
    bool empty() const noexcept { return static_cast<unsigned char>(m_bytes[kLast]) == kInPlaceCapacity; }
    std::string_view view() const noexcept { return {c_str(), size()}; }

    friend bool operator==(const CWJText& a, const CWJText& b) noexcept { return a.view() == b.view(); }
    friend bool operator==(const CWJText& a, std::string_view b) noexcept { return a.view() == b; }
    friend bool operator<(const CWJText& a, const CWJText& b) noexcept { return a.view() < b.view(); }
    friend bool operator<(const CWJText& a, std::string_view b) noexcept { return a.view() < b; }
    friend bool operator<(std::string_view a, const CWJText& b) noexcept { return a < b.view(); }

private:
    static constexpr std::size_t kBytes = 16;
    static constexpr std::size_t kLast = kBytes - 1;
    static constexpr std::size_t kInPlaceCapacity = kLast;
    static constexpr unsigned char kHeap = 0xff;

    bool isInPlace() const noexcept { return static_cast<unsigned char>(m_bytes[kLast]) != kHeap; }
    char* heapBlock() const noexcept;
    void assign(const char* text, std::size_t size);
    void makeEmpty() noexcept;
    void release() noexcept;

    char m_bytes[kBytes];
};

#endif
