#ifndef WJXML_BINDING_CWJWRITEBUFFER_H
#define WJXML_BINDING_CWJWRITEBUFFER_H

#include <string>

// Bytes on their way into an open file, gathered in a buffer of bounded size
// and written as it fills, so that a save never holds the whole file. They
// are counted: when they would be more than maxBytes, nothing more is written
// and the problem is tooLarge. After a failure the buffer takes no more bytes
// to the file, and its problem says why.
class CWJWriteBuffer {
public:
    // How much the buffer gathers before it writes.
    static constexpr std::size_t kChunk = 64 * 1024;

    CWJWriteBuffer(int fd, unsigned long long maxBytes, std::string tooLarge);

    // Where the next bytes are appended; pass() then writes them once the
    // buffer is full.
    std::string& text() { return m_text; }
    // False once writing failed: the caller may stop.
    bool pass();
    // Writes what is left; false when any write failed.
    bool finish();

    const std::string& problem() const { return m_problem; }

private:
    bool writeOut();

    int m_fd;
    unsigned long long m_maxBytes;
    std::string m_tooLarge;
    std::string m_text;
    unsigned long long m_written = 0;
    std::string m_problem;
};

#endif
