#ifndef WJXML_BINDING_CWJFILESTREAM_H
#define WJXML_BINDING_CWJFILESTREAM_H

#include "CWJMarkupGuard.h"

#include <xercesc/util/BinInputStream.hpp>

#include <string>

class CWJParseErrors;

// The bytes of an open file, handed to the XML scanner as it asks for them,
// so that a read never holds the whole file. Every byte passes the markup
// guard first, and no more than maxBytes are read. A breach, or a failed
// read, is reported to errors, which then take nothing more, and ends the
// input there. (An exception would stop the parse too, but Xerces leaks the
// stream when one leaves its first read.)
class CWJFileStream : public xercesc::BinInputStream {
public:
    CWJFileStream(int fd, unsigned long long maxBytes, unsigned maxAttributes, CWJParseErrors& errors);

    XMLFilePos curPos() const override { return m_position; }
    XMLSize_t readBytes(XMLByte* const toFill, const XMLSize_t maxToRead) override;
    const XMLCh* getContentType() const override { return nullptr; }

private:
    // Reports problem and ends the input: no byte more is given.
    XMLSize_t end(unsigned long long line, unsigned long long column, const std::string& problem);

    int m_fd;
    unsigned long long m_maxBytes;
    CWJMarkupGuard m_guard;
    CWJParseErrors& m_errors;
    XMLFilePos m_position = 0;
    bool m_ended = false;
};

#endif
