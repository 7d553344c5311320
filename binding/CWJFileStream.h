#ifndef WJXML_BINDING_CWJFILESTREAM_H
#define WJXML_BINDING_CWJFILESTREAM_H

#include "CWJMarkupGuard.h"

#include <xercesc/util/BinInputStream.hpp>

class CWJParseErrors;

// The bytes of an open file, handed to the XML scanner as it asks for them,
// so that a read never holds the whole file. Every byte passes the markup
// guard first, and no more than maxBytes are read; a breach, or a failed
// read, is reported to errors and stops the parse (CWJGuardedDOMParser::Stopped).
class CWJFileStream : public xercesc::BinInputStream {
public:
    CWJFileStream(int fd, unsigned long long maxBytes, unsigned maxAttributes, CWJParseErrors& errors);

    XMLFilePos curPos() const override { return m_position; }
    XMLSize_t readBytes(XMLByte* const toFill, const XMLSize_t maxToRead) override;
    const XMLCh* getContentType() const override { return nullptr; }

private:
    int m_fd;
    unsigned long long m_maxBytes;
    CWJMarkupGuard m_guard;
    CWJParseErrors& m_errors;
    XMLFilePos m_position = 0;
};

#endif
