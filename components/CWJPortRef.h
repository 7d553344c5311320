#ifndef WJXML_COMPONENTS_CWJPORTREF_H
#define WJXML_COMPONENTS_CWJPORTREF_H

#include "wjxmlinterfaceflowreader/IWJPortRef.h"

class CWJModelObject;

// A reference to a port or to a bit range of it. It has no element and never
// owns its port; a reference kept by a holder is changed through the holder
// (CWJModelObject::changePortRef), which writes the change into its element.
class CWJPortRef : public IWJPortRef {
public:
    CWJPortRef(IWJPort* port, int lsb, int msb, CWJModelObject* holder = nullptr);

    int lsb() override;
    int msb() override;
    void setRange(int lsb, int msb) override;
    void setPort(IWJPort* port) override;
    IWJPort* port(int* lsb, int* msb) override;
    const char* name() override;

    // Sets the reference as its holder decided; a holder-less reference
    // takes host changes directly.
    void assign(IWJPort* port, int lsb, int msb);
    // A reference its holder no longer keeps takes later changes alone.
    void release() { m_holder = nullptr; }

private:
    // A host's change, through the holder if there is one.
    void change(IWJPort* port, int lsb, int msb);

    IWJPort* m_port;
    int m_lsb;
    int m_msb;
    CWJModelObject* m_holder;
};

#endif
