#ifndef WJXML_COMPONENTS_CWJPORTREFHOLDER_H
#define WJXML_COMPONENTS_CWJPORTREFHOLDER_H

class CWJPortRef;
class IWJPort;

// What keeps port references in its element (a group, a bus interface, a
// part map). A host's change of such a reference goes through its holder,
// which refuses what it cannot keep and writes what it keeps.
class CWJPortRefHolder {
public:
    // Sets ref to port and the bounds with CWJPortRef::assign and writes the
    // change, or leaves both as they are.
    virtual void changePortRef(CWJPortRef& ref, IWJPort* port, int lsb, int msb) = 0;

protected:
    ~CWJPortRefHolder() = default;
};

#endif
