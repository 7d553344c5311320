#ifndef WJXML_PYTHON_ERRORS_H
#define WJXML_PYTHON_ERRORS_H

#include <stdexcept>
#include <string>

// Raised in Python as StaleObjectError (a ReferenceError) when a Python
// object is used after its model object was removed.
class StaleObject : public std::runtime_error {
public:
    StaleObject() : std::runtime_error("the object was removed from its design") {}
};

// Raised in Python as NotFoundError (a LookupError and a ValueError) when
// a name given finds nothing: "no KIND "NAME" WHERE", such as no instance
// "U9" in the design.
class NotFound : public std::runtime_error {
public:
    NotFound(const char* kind, const std::string& name, const std::string& where)
        : std::runtime_error(std::string("no ") + kind + " \"" + name + "\" " + where)
    {
    }
};

// Raised in Python as ReadError with the library's "file:line:col: message".
class ReadFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

#endif
