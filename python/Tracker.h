#ifndef WJXML_PYTHON_TRACKER_H
#define WJXML_PYTHON_TRACKER_H

#include <memory>

// The Python layer's record of one model object that it has handed out.
// Every Python object of that model object shares the record; a removal
// through the module marks it removed, and an object whose owner (its
// instance or footprint) is removed is gone with it. A model object that is
// freed and whose address the core later reuses gets a new record, so an old
// Python object never reaches the new one.
struct Tracker {
    const void* object;
    std::shared_ptr<Tracker> owner;
    bool removed = false;

    bool alive() const
    {
        for (const Tracker* record = this; record; record = record->owner.get()) {
            if (record->removed)
                return false;
        }
        return true;
    }
};

#endif
