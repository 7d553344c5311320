#ifndef WJXML_FOOTPRINTS_CWJPINGROUPWATCHER_H
#define WJXML_FOOTPRINTS_CWJPINGROUPWATCHER_H

class CWJFootPrintPinGroup;
class IWJFootPrintPin;

// The part map a pin group belongs to: it decides which pins the group may
// hold, writes the group's elements again when its pins change, and forgets
// the group when a host deletes it.
class CWJPinGroupWatcher {
public:
    virtual bool acceptsPin(const IWJFootPrintPin* pin) const = 0;
    virtual void pinGroupChanged(CWJFootPrintPinGroup* group) = 0;
    virtual void pinGroupDeleted(CWJFootPrintPinGroup* group) = 0;

protected:
    ~CWJPinGroupWatcher() = default;
};

#endif
