#include "CWJFileInputSource.h"

#include "CWJFileStream.h"

CWJFileInputSource::CWJFileInputSource(int fd, const XMLCh* systemId, unsigned long long maxBytes,
                                       unsigned maxAttributes, CWJParseErrors& errors)
    : InputSource(systemId), m_fd(fd), m_maxBytes(maxBytes), m_maxAttributes(maxAttributes), m_errors(errors)
{
}

xercesc::BinInputStream* CWJFileInputSource::makeStream() const
{
    return new CWJFileStream(m_fd, m_maxBytes, m_maxAttributes, m_errors);
}
