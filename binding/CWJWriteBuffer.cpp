#include "CWJWriteBuffer.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

CWJWriteBuffer::CWJWriteBuffer(int fd, unsigned long long maxBytes, std::string tooLarge)
    : m_fd(fd), m_maxBytes(maxBytes), m_tooLarge(std::move(tooLarge)), m_bytes(2 * kChunk)
{
}

bool CWJWriteBuffer::pass()
{
    return m_used < kChunk ? m_problem.empty() : writeOut();
}

bool CWJWriteBuffer::finish()
{
    return writeOut();
}

void CWJWriteBuffer::makeRoom(std::size_t count)
{
    writeOut();
    if (count > m_bytes.size())
        m_bytes.resize(count);
}

bool CWJWriteBuffer::writeOut()
{
    if (m_problem.empty() && m_written + m_used > m_maxBytes)
        m_problem = m_tooLarge;
    std::size_t done = 0;
    while (m_problem.empty() && done < m_used) {
        const ssize_t written = ::write(m_fd, m_bytes.data() + done, m_used - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            m_problem = std::string("cannot write: ") + std::strerror(errno);
        else
            done += static_cast<std::size_t>(written);
    }
    m_written += done;
    m_used = 0;
    return m_problem.empty();
}
