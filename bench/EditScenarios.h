#ifndef WJXML_BENCH_EDITSCENARIOS_H
#define WJXML_BENCH_EDITSCENARIOS_H

#include <cstddef>

class IWJCompInst;
class IWJInterfaceView;

// Edits an editing host makes at scale on a read design, through the public
// interfaces only, in this order: ports are added to the instance with the
// most ports, every bit of that instance is mapped, half its ports are
// removed, and half the instances are removed.
class EditScenarios {
public:
    explicit EditScenarios(IWJInterfaceView* view);

    // Adds count single-bit ports to the instance; every second one is named
    // SPARE, the others all differently.
    void addPorts(std::size_t count);
    // Maps every bit of every port of the instance, and every whole
    // single-bit port, onto its footprint's pins in turn, in a new part map.
    void mapEveryBit();
    // Removes every second port of the instance in id order.
    void removeHalfThePorts();
    // Removes every second instance in id order, with its part map.
    void removeHalfTheInstances();

private:
    IWJInterfaceView* m_view;
    IWJCompInst* m_instance;
};

#endif
