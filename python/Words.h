#ifndef WJXML_PYTHON_WORDS_H
#define WJXML_PYTHON_WORDS_H

#include <wjxmlinterfaceflowreader.h>

#include <pybind11/pybind11.h>

#include <string>

// The words Python uses for the library's codes: those of the file format.

// "input" ... "unknown"; a code outside the known ones reads as "unknown".
const char* portTypeWord(int type);
// Raises ValueError for another word.
int portTypeCode(const std::string& word);

// None, "bus" or "voltageDefn".
pybind11::object groupTypeWord(IWJPortGroup::IWJPortGroupType type);
IWJPortGroup::IWJPortGroupType groupTypeCode(const pybind11::object& word);

#endif
