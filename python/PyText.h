#ifndef WJXML_PYTHON_PYTEXT_H
#define WJXML_PYTHON_PYTEXT_H

#include <pybind11/pybind11.h>

#include <string>

// The texts that cross between Python and the library.

// A text of the model as str; bytes that are not UTF-8 come through as
// surrogate escapes instead of failing; null gives "".
pybind11::str modelText(const char* value);

// A text of the model for a message: bytes that are not UTF-8 come through
// as \xNN escapes.
std::string messageText(const char* value);

// The name of value's Python type, such as NoneType or Port.
std::string typeName(const pybind11::handle& value);

// A str argument as UTF-8: TypeError for another type, UnicodeEncodeError
// for a str that is not valid Unicode.
std::string strArgument(const pybind11::handle& value);

// value for the library; raises ValueError when it holds a NUL, which the
// library would take as its end.
const char* libraryText(const std::string& value);

// As libraryText for a str or None; None gives null. storage keeps the text.
const char* optionalLibraryText(const pybind11::object& value, std::string& storage);

// A str, bytes or os.PathLike path as the file system's bytes.
std::string pathText(const pybind11::object& path);

#endif
