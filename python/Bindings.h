#ifndef WJXML_PYTHON_BINDINGS_H
#define WJXML_PYTHON_BINDINGS_H

#include <pybind11/pybind11.h>

// The module's classes, one function per subsystem.
void bindDesign(pybind11::module_& module);
void bindInstance(pybind11::module_& module);
void bindPorts(pybind11::module_& module);
void bindGroups(pybind11::module_& module);
void bindFootprints(pybind11::module_& module);
void bindPartMaps(pybind11::module_& module);
void bindConstraints(pybind11::module_& module);

#endif
