#ifndef WJXML_BINDING_CWJWRITEBUFFER_H
#define WJXML_BINDING_CWJWRITEBUFFER_H

#include <cstring>
#include <string>
#include <vector>

// Bytes on their way into an open file, gathered in a buffer of bounded size
// and written as it fills, so that a save never holds the whole file. They
// are counted: when they would be more than maxBytes, nothing more is written
// and the problem is tooLarge. After a failure the buffer takes no more bytes
// to the file, and its problem says why.
class CWJWriteBuffer {
public:
    // How much the buffer gathers before pass() writes it.
    static constexpr std::size_t kChunk = 64 * 1024;

    CWJWriteBuffer(int fd, unsigned long long maxBytes, std::string tooLarge);

    // Where the next count bytes go: the bytes gathered so far are written
    // first when the buffer lacks the room. Write at most count bytes there,
    // then commit() as many as were written.
    char* room(std::size_t count)
    {
        if (count > m_bytes.size() - m_used)
            makeRoom(count);
        return m_bytes.data() + m_used;
    }
    void commit(std::size_t count) { m_used += count; }

    void append(const char* bytes, std::size_t count)
    {
        std::memcpy(room(count), bytes, count);
        m_used += count;
    }
    void append(char byte)
    {
        *room(1) = byte;
        ++m_used;
    }
    void append(const std::string& bytes) { append(bytes.data(), bytes.size()); }

    // False once writing failed: the caller may stop. Writes the bytes out
    // once kChunk of them are gathered.
    bool pass();
    // Writes what is left; false when any write failed.
    bool finish();

    const std::string& problem() const { return m_problem; }

private:
    void makeRoom(std::size_t count);
    bool writeOut();

    int m_fd;
    unsigned long long m_maxBytes;
    std::string m_tooLarge;
    std::vector<char> m_bytes;
    std::size_t m_used = 0;
    unsigned long long m_written = 0;
    std::string m_problem;
};

#endif
