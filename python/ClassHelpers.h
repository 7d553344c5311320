#ifndef WJXML_PYTHON_CLASSHELPERS_H
#define WJXML_PYTHON_CLASSHELPERS_H

#include "PyText.h"

#include <pybind11/pybind11.h>

#include <functional>
#include <string>

// What every class of the module defines alike.

// Equality and hash by model object, which work on removed objects too, and a
// repr that names the object or says it was removed.
template <class H, class... Options>
void addIdentity(pybind11::class_<H, Options...>& cls, std::function<std::string(const H&)> describe)
{
    cls.def(
           "__eq__", [](const H& self, const H& other) { return self == other; }, pybind11::is_operator())
        .def("__hash__", [](const H& self) { return self.hash(); })
        .def("__repr__", [describe](const pybind11::object& object) {
            if (!pybind11::isinstance<H>(object))
                throw pybind11::type_error("expected " +
                                           std::string(pybind11::str(pybind11::type::of<H>().attr("__name__"))) +
                                           ", not " + typeName(object));
            const H& self = object.cast<const H&>();
            const std::string kind = typeName(object);
            return "<" + kind + " " + (self.stale() ? std::string("(removed)") : describe(self)) + ">";
        });
}

// A read-write str property over a getter and setter of the model object.
template <class H, class Getter, class Setter, class... Options>
void addTextProperty(pybind11::class_<H, Options...>& cls, const char* name, Getter read, Setter write, const char* doc)
{
    cls.def_property(
        name, [read](const H& self) { return modelText((self.get()->*read)()); },
        [write](const H& self, const std::string& value) { (self.edit()->*write)(libraryText(value)); }, doc);
}

#endif
