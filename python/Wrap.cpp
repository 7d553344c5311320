#include "Wrap.h"

#include "PyText.h"

namespace py = pybind11;

py::object requireFound(py::object object, const char* kind, const std::string& name, const std::string& where)
{
    if (object.is_none())
        throw NotFound(kind, name, where);
    return object;
}

std::string instanceName(const InstanceHandle& instance)
{
    return "instance \"" + messageText(instance.get()->refdes()) + "\"";
}

std::string footprintName(const FootprintHandle& footprint)
{
    return "footprint \"" + messageText(footprint.get()->name()) + "\"";
}

IWJFootPrintPin* requirePin(const FootprintHandle& footprint, const std::string& name)
{
    IWJFootPrintPin* pin = footprint.get()->findPin(libraryText(name));
    if (!pin || !footprint.design().holdsPin(footprint.get(), pin))
        throw NotFound("pin", name, "on " + footprintName(footprint));
    return pin;
}

InstanceHandle instanceHandle(const std::shared_ptr<DesignState>& design, IWJCompInst* instance)
{
    return InstanceHandle(design, instance, design->track(instance, nullptr));
}

FootprintHandle footprintHandle(const std::shared_ptr<DesignState>& design, IWJFootPrint* footprint)
{
    return FootprintHandle(design, footprint, design->track(footprint, nullptr));
}

py::object wrapInstance(const std::shared_ptr<DesignState>& design, IWJCompInst* instance)
{
    return instance ? py::cast(instanceHandle(design, instance)) : py::none();
}

py::object wrapFootprint(const std::shared_ptr<DesignState>& design, IWJFootPrint* footprint)
{
    return footprint ? py::cast(footprintHandle(design, footprint)) : py::none();
}

py::object wrapPartMap(const std::shared_ptr<DesignState>& design, IWJPartMap* partMap)
{
    if (!partMap)
        return py::none();
    return py::cast(PartMapHandle(design, partMap, design->track(partMap, nullptr)));
}

py::object wrapPort(const InstanceHandle& owner, IWJPort* port)
{
    if (!port)
        return py::none();
    std::shared_ptr<Tracker> tracker = owner.design().track(port, owner.tracker());
    if (dynamic_cast<IWJDPPort*>(port))
        return py::cast(DiffPortHandle(owner.designPtr(), port, std::move(tracker)));
    return py::cast(PortHandle(owner.designPtr(), port, std::move(tracker)));
}

py::object wrapGroup(const InstanceHandle& owner, IWJPortGroup* group)
{
    if (!group)
        return py::none();
    std::shared_ptr<Tracker> tracker = owner.design().track(group, owner.tracker());
    if (auto* busInterface = dynamic_cast<IWJCompBusInterface*>(group))
        return py::cast(BusInterfaceHandle(owner.designPtr(), busInterface, std::move(tracker)));
    return py::cast(GroupHandle(owner.designPtr(), group, std::move(tracker)));
}

py::object wrapPin(const FootprintHandle& owner, IWJFootPrintPin* pin)
{
    if (!pin)
        return py::none();
    return py::cast(PinHandle(owner.designPtr(), pin, owner.design().track(pin, owner.tracker())));
}

py::object wrapHeldPort(const InstanceHandle& owner, IWJPort* port)
{
    return port && owner.design().holdsPort(owner.get(), port) ? wrapPort(owner, port) : py::none();
}

py::object wrapHeldPin(const FootprintHandle& owner, IWJFootPrintPin* pin)
{
    return pin && owner.design().holdsPin(owner.get(), pin) ? wrapPin(owner, pin) : py::none();
}
