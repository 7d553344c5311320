#ifndef WJXML_BINDING_CWJFILEINPUTSOURCE_H
#define WJXML_BINDING_CWJFILEINPUTSOURCE_H

#include <xercesc/sax/InputSource.hpp>

class CWJParseErrors;

// An open file as the input of one parse, read through a CWJFileStream. The
// caller keeps the file open, and closes it, after the parse.
class CWJFileInputSource : public xercesc::InputSource {
public:
    CWJFileInputSource(int fd, const XMLCh* systemId, unsigned long long maxBytes, unsigned maxAttributes,
                       CWJParseErrors& errors);

    xercesc::BinInputStream* makeStream() const override;

private:
    int m_fd;
    unsigned long long m_maxBytes;
    unsigned m_maxAttributes;
    CWJParseErrors& m_errors;
};

#endif
