#include "CWJFileStream.h"

#include "CWJGuardedDOMParser.h"
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
    ssize_t got = 0;
    do {
        got = ::read(m_fd, toFill, maxToRead);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        m_errors.add(0, 0, std::string("cannot read the file: ") + std::strerror(errno));
        throw CWJGuardedDOMParser::Stopped();
    }
    m_position += static_cast<XMLFilePos>(got);
    // The file may have grown since its size was checked.
    if (m_position > m_maxBytes) {
        m_errors.add(0, 0, "the file is larger than " + std::to_string(m_maxBytes) + " bytes, the most a read accepts");
        throw CWJGuardedDOMParser::Stopped();
    }
    if (!m_guard.scan(toFill, static_cast<std::size_t>(got))) {
        m_errors.add(m_guard.line(), m_guard.column(), m_guard.problem());
        throw CWJGuardedDOMParser::Stopped();
    }
    return static_cast<XMLSize_t>(got);
}
