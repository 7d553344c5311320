#ifndef WJXML_PYTHON_WRAP_H
#define WJXML_PYTHON_WRAP_H

#include "DesignState.h"
#include "Handles.h"

#include <pybind11/pybind11.h>

#include <memory>
#include <string>

// Python objects for the model objects the core hands out; None for null.
// The owner is the instance or footprint through which the object was
// reached.
pybind11::object wrapInstance(const std::shared_ptr<DesignState>& design, IWJCompInst* instance);
pybind11::object wrapFootprint(const std::shared_ptr<DesignState>& design, IWJFootPrint* footprint);
pybind11::object wrapPartMap(const std::shared_ptr<DesignState>& design, IWJPartMap* partMap);
// A Port, or a DifferentialPort for a pair.
pybind11::object wrapPort(const InstanceHandle& owner, IWJPort* port);
// A PortGroup, or a BusInterface.
pybind11::object wrapGroup(const InstanceHandle& owner, IWJPortGroup* group);
pybind11::object wrapPin(const FootprintHandle& owner, IWJFootPrintPin* pin);

// As above for objects the core hands back by reference (lookups, mapped
// ports and pins, pair members): None unless the owner still holds them.
pybind11::object wrapHeldPort(const InstanceHandle& owner, IWJPort* port);
pybind11::object wrapHeldPin(const FootprintHandle& owner, IWJFootPrintPin* pin);

// instance "U1" and footprint "BGA56", for messages.
std::string instanceName(const InstanceHandle& instance);
std::string footprintName(const FootprintHandle& footprint);

// object unless it is None, which raises NotFoundError.
pybind11::object requireFound(pybind11::object object, const char* kind, const std::string& name,
                              const std::string& where);
// The pin of this name, in any ASCII letter case; of pins whose names differ
// only in case, the last in the file. Raises NotFoundError when there is none.
IWJFootPrintPin* requirePin(const FootprintHandle& footprint, const std::string& name);

InstanceHandle instanceHandle(const std::shared_ptr<DesignState>& design, IWJCompInst* instance);
FootprintHandle footprintHandle(const std::shared_ptr<DesignState>& design, IWJFootPrint* footprint);

// Raise ValueError unless item is an object of owner (a port of that
// instance, a pin of that footprint), or of that design.
template <class T, class O>
void requireOwner(const ModelHandle<T>& item, const ModelHandle<O>& owner, const std::string& message)
{
    item.get();
    owner.get();
    if (item.designPtr() != owner.designPtr() || item.tracker()->owner != owner.tracker())
        throw pybind11::value_error(message);
}

template <class T>
void requireDesign(const ModelHandle<T>& item, const std::shared_ptr<DesignState>& design, const char* message)
{
    item.get();
    if (item.designPtr() != design)
        throw pybind11::value_error(message);
}

// A new object from an add operation; raises MemoryError when the library
// made none.
template <class T> T* requireMade(T* object)
{
    if (!object)
        throw std::bad_alloc();
    return object;
}

#endif
