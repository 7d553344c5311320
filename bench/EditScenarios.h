#ifndef WJXML_BENCH_EDITSCENARIOS_H
#define WJXML_BENCH_EDITSCENARIOS_H

#include <cstddef>

class IWJCompInst;
class IWJInterfaceView;

// Edits an editing host makes at scale on a read design, through the public
// interfaces only.
class EditScenarios {
public:
    explicit EditScenarios(IWJInterfaceView* view);

    // Adds count single-bit ports to the instance with the most ports; every
    // second one is named SPARE, the others all differently.
    void addPorts(std::size_t count);
    // Maps every bit of every port of the instance with the most ports, and
    // every whole single-bit port, onto its footprint's pins in turn, in a
    // new part map.
    void mapEveryBit();
    // Removes every second instance in id order, with its part map.
    void removeHalfTheInstances();

private:
    IWJCompInst* largestInstance() const;

    IWJInterfaceView* m_view;
};

#endif
