#ifndef WJXML_PYTHON_MODELHANDLE_H
#define WJXML_PYTHON_MODELHANDLE_H

#include "Errors.h"
#include "Tracker.h"

#include <functional>
#include <memory>

class DesignState;

// Raises ValueError unless edits of the design are saved.
void requireEditable(const DesignState& design);

// What a Python object of the module holds: its design, which it keeps
// alive, the model object, and the record that says whether the model object
// may still be used. get() is the only way to the model object.
template <class T> class ModelHandle {
public:
    ModelHandle(std::shared_ptr<DesignState> design, T* object, std::shared_ptr<Tracker> tracker)
        : m_design(std::move(design)), m_object(object), m_tracker(std::move(tracker))
    {
    }

    T* get() const
    {
        if (!m_tracker->alive())
            throw StaleObject();
        return m_object;
    }

    // The object for an edit: raises ValueError when the design was read
    // unbound, whose saves would not carry the edit.
    T* edit() const
    {
        requireEditable(*m_design);
        return get();
    }

    bool stale() const { return !m_tracker->alive(); }
    DesignState& design() const { return *m_design; }
    const std::shared_ptr<DesignState>& designPtr() const { return m_design; }
    const std::shared_ptr<Tracker>& tracker() const { return m_tracker; }

    // The handle of the owner (instance or footprint) the object was reached
    // through; O is the owner's interface.
    template <class O> ModelHandle<O> owner() const
    {
        get();
        return ModelHandle<O>(m_design, static_cast<O*>(const_cast<void*>(m_tracker->owner->object)), m_tracker->owner);
    }

    bool operator==(const ModelHandle& other) const { return m_tracker == other.m_tracker; }
    std::size_t hash() const { return std::hash<const Tracker*>()(m_tracker.get()); }

private:
    std::shared_ptr<DesignState> m_design;
    T* m_object;
    std::shared_ptr<Tracker> m_tracker;
};

#endif
