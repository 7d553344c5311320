#ifndef WJXML_PYTHON_BINDINGS_H
#define WJXML_PYTHON_BINDINGS_H

#include <pybind11/pybind11.h>

// The module's classes, all declared first, so that every signature and
// message names them as Python knows them.
void declareClasses(pybind11::module_& module);

// A class declareClasses made, to define its members on.
template <class H, class... Options>
pybind11::class_<H, Options...> declared(pybind11::module_& module, const char* name)
{
    return pybind11::reinterpret_borrow<pybind11::class_<H, Options...>>(module.attr(name));
}

// Their members, one function per subsystem.
void bindDesign(pybind11::module_& module);
void bindInstance(pybind11::module_& module);
void bindPorts(pybind11::module_& module);
void bindGroups(pybind11::module_& module);
void bindFootprints(pybind11::module_& module);
void bindPartMaps(pybind11::module_& module);
void bindConstraints(pybind11::module_& module);

#endif
