#include "PyText.h"

#include <cstring>

namespace py = pybind11;

py::str modelText(const char* value)
{
    if (!value)
        return py::str("");
    PyObject* decoded = PyUnicode_DecodeUTF8(value, static_cast<Py_ssize_t>(std::strlen(value)), "surrogateescape");
    if (!decoded)
        throw py::error_already_set();
    return py::reinterpret_steal<py::str>(decoded);
}

std::string messageText(const char* value)
{
    PyObject* decoded = PyUnicode_DecodeUTF8(value, static_cast<Py_ssize_t>(std::strlen(value)), "backslashreplace");
    if (!decoded)
        throw py::error_already_set();
    return py::reinterpret_steal<py::str>(decoded);
}

std::string typeName(const py::handle& value)
{
    return py::str(py::type::of(value).attr("__name__"));
}

std::string strArgument(const py::handle& value)
{
    if (!py::isinstance<py::str>(value))
        throw py::type_error("expected a str, not " + typeName(value));
    Py_ssize_t size = 0;
    const char* text = PyUnicode_AsUTF8AndSize(value.ptr(), &size);
    if (!text)
        throw py::error_already_set();
    return std::string(text, static_cast<std::size_t>(size));
}

const char* libraryText(const std::string& value)
{
    if (value.find('\0') != std::string::npos)
        throw py::value_error("embedded NUL character");
    return value.c_str();
}

const char* optionalLibraryText(const py::object& value, std::string& storage)
{
    if (value.is_none())
        return nullptr;
    storage = strArgument(value);
    return libraryText(storage);
}

std::string pathText(const py::object& path)
{
    PyObject* bytes = nullptr;
    if (!PyUnicode_FSConverter(path.ptr(), &bytes))
        throw py::error_already_set();
    const auto owned = py::reinterpret_steal<py::bytes>(bytes);
    return std::string(owned);
}
