#ifndef WJXML_PYTHON_KEYEDVIEW_H
#define WJXML_PYTHON_KEYEDVIEW_H

#include "PyText.h"

#include <pybind11/pybind11.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class DesignState;

// A read-only mapping of id to model object over one of the model's keyed
// collections, in id order. It takes the collection when it is made, so
// making it for a removed owner raises StaleObjectError, and follows the
// model: the collection is taken again on first use after an addition or
// removal in the design.
class KeyedView {
public:
    // Takes the collection as a dict of id to Python object.
    using Take = std::function<pybind11::dict()>;
    // Names the collection for the message of a missing id, such as: the
    // ports of instance "U1".
    using Describe = std::function<std::string()>;

    KeyedView(std::shared_ptr<DesignState> design, Take take, Describe describe);

    pybind11::dict entries();
    std::string describe() const { return m_describe(); }

private:
    std::shared_ptr<DesignState> m_design;
    Take m_take;
    Describe m_describe;
    pybind11::dict m_entries;
    std::uint64_t m_structure = 0;
    bool m_taken = false;
};

// The entries of a walk over a collection keyed by id, each value turned
// into Python by wrapValue.
template <class Walk, class WrapValue> pybind11::dict keyedEntries(Walk walk, WrapValue wrapValue)
{
    pybind11::dict entries;
    for (; walk.isValid(); ++walk)
        entries[modelText(walk.key().c_str())] = wrapValue(walk.value());
    return entries;
}

void bindKeyedView(pybind11::module_& module);

#endif
