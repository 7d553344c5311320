#ifndef WJXML_PYTHON_ERRORS_H
#define WJXML_PYTHON_ERRORS_H

#include <stdexcept>

// Raised in Python as StaleObjectError (a ReferenceError) when a Python
// object is used after its model object was removed.
class StaleObject : public std::runtime_error {
public:
    StaleObject() : std::runtime_error("the object was removed from its design") {}
};

// Raised in Python as NotFoundError (a LookupError and a ValueError) when
// a name given finds nothing.
class NotFound : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised in Python as ReadError with the library's "file:line:col: message".
class ReadFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

#endif
