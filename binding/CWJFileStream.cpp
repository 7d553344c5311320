#include "CWJFileStream.h"

#include "CWJParseErrors.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>

CWJFileStream::CWJFileStream(int fd, unsigned long long maxBytes, unsigned maxAttributes, CWJParseErrors& errors)
    : m_fd(fd), m_maxBytes(maxBytes), m_guard(maxAttributes), m_errors(errors)
{
}

XMLSize_t CWJFileStream::readBytes(XMLByte* const toFill, const XMLSize_t maxToRead)
{
    if (m_ended)
        return 0;
    ssize_t got = 0;
    do {
        got = ::read(m_fd, toFill, maxToRead);
    } while (got < 0 && errno == EINTR);
    if (got < 0)
        return end(0, 0, std::string("cannot read the file: ") + std::strerror(errno));
    m_position += static_cast<XMLFilePos>(got);
    // The file may have grown since its size was checked.
    if (m_position > m_maxBytes)
        return end(0, 0, "the file is larger than " + std::to_string(m_maxBytes) + " bytes, the most a read accepts");
    if (!m_guard.scan(toFill, static_cast<std::size_t>(got)))
        return end(m_guard.line(), m_guard.column(), m_guard.problem());
    return static_cast<XMLSize_t>(got);
}

XMLSize_t CWJFileStream::end(unsigned long long line, unsigned long long column, const std::string& problem)
{
    m_errors.add(line, column, problem);
    m_errors.close();
    m_ended = true;
    return 0;
}
