#ifndef WJXML_COMPONENTS_CWJPORTREF_H
#define WJXML_COMPONENTS_CWJPORTREF_H

#include "wjxmlinterfaceflowreader/IWJPortRef.h"

// A reference to a port or to a bit range of it. It is a plain value: no
// element, never written to the document, never owning its port.
class CWJPortRef : public IWJPortRef {
public:
    CWJPortRef(IWJPort* port, int lsb, int msb);

    int lsb() override;
    int msb() override;
    void setRange(int lsb, int msb) override;
    void setPort(IWJPort* port) override;
    IWJPort* port(int* lsb, int* msb) override;
    const char* name() override;

private:
    IWJPort* m_port;
    int m_lsb;
    int m_msb;
};

#endif
