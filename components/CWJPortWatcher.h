#ifndef WJXML_COMPONENTS_CWJPORTWATCHER_H
#define WJXML_COMPONENTS_CWJPORTWATCHER_H

class IWJPort;

// What keeps state by a component instance's ports (a part map keys its
// mappings by their names and bits) and must follow their renames, range
// changes and removals. It registers with the instance and unregisters
// before it goes.
class CWJPortWatcher {
public:
    // The port's name or instance port name has changed.
    virtual void portRenamed(IWJPort* port) = 0;
    // The port's bit range has changed.
    virtual void portRangeChanged(IWJPort* port) = 0;
    // The port has left its instance.
    virtual void portRemoved(IWJPort* port) = 0;

protected:
    ~CWJPortWatcher() = default;
};

#endif
