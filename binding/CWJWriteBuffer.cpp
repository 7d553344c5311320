#include "CWJWriteBuffer.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <utility>

CWJWriteBuffer::CWJWriteBuffer(int fd, unsigned long long maxBytes, std::string tooLarge)
    : m_fd(fd), m_maxBytes(maxBytes), m_tooLarge(std::move(tooLarge))
{
    m_text.reserve(2 * kChunk);
}

bool CWJWriteBuffer::pass()
{
    return m_text.size() < kChunk ? m_problem.empty() : writeOut();
}

bool CWJWriteBuffer::finish()
{
    return writeOut();
}

bool CWJWriteBuffer::writeOut()
{
    if (m_problem.empty() && m_written + m_text.size() > m_maxBytes)
        m_problem = m_tooLarge;
    std::size_t done = 0;
    while (m_problem.empty() && done < m_text.size()) {
        const ssize_t written = ::write(m_fd, m_text.data() + done, m_text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            m_problem = std::string("cannot write: ") + std::strerror(errno);
        else
            done += static_cast<std::size_t>(written);
    }
    m_written += done;
    m_text.clear();
    return m_problem.empty();
}
