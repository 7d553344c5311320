#ifndef WJXML_FOOTPRINTS_CWJPINGROUPWATCHER_H
#define WJXML_FOOTPRINTS_CWJPINGROUPWATCHER_H

class CWJFootPrintPinGroup;
class CWJOwnedObjects;
class IWJFootPrintPin;

// The part map a pin group belongs to: it owns the groups made under it,
// decides which pins a group may hold, writes the group's elements again when
// its pins change, and forgets a group when a host deletes it.
class CWJPinGroupWatcher {
public:
    // The list that owns the groups made under it.
    virtual CWJOwnedObjects& ownedPinGroups() = 0;
    virtual bool acceptsPin(const IWJFootPrintPin* pin) const = 0;
    virtual void pinGroupChanged(CWJFootPrintPinGroup* group) = 0;
    virtual void pinGroupDeleted(CWJFootPrintPinGroup* group) = 0;

protected:
    ~CWJPinGroupWatcher() = default;
};

#endif
