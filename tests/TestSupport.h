#ifndef WJXML_TESTS_TESTSUPPORT_H
#define WJXML_TESTS_TESTSUPPORT_H

#include "wjxmlinterfaceflowreader.h"

#include <memory>
#include <string>

// Helpers shared by the tests: files, and reading and writing designs through
// the public interfaces as a host does.
namespace testsupport {

// True in the build with AddressSanitizer, which runs several times slower:
// the largest inputs are made smaller there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// A fixture file below tests/data or examples/ in the source tree.
std::string sourcePath(const std::string& relative);
// A fresh path in the test output folder, for files the library writes:
// every file there is checked against the schema with xmllint after the suite.
std::string outputPath(const std::string& name);
// A fresh path for input files a test makes itself (bad files included).
std::string inputPath(const std::string& name);
// Writes content to inputPath(name) and returns that path.
std::string writeInput(const std::string& name, const std::string& content);
std::string readFile(const std::string& path);
// ascii as UTF-16 with its byte-order mark, in either byte order.
std::string utf16(const std::string& ascii, bool bigEndian);
void writeFile(const std::string& path, const std::string& content);

// Owns a view read or created by a reader.
using View = std::unique_ptr<IWJInterfaceView>;

View read(const std::string& path, bool bind, std::string* error = nullptr);
View create(const char* designName = "design");
// Writes view to a new output file and returns its path; fails the test when
// the write reports an error.
std::string write(IWJInterfaceView* view, const std::string& name);

// The content of an interface exchange document with the given root content,
// in the format's namespace.
std::string document(const std::string& body);
// Writes document(body) to a new output file and returns its path.
std::string writeDocument(const std::string& name, const std::string& body);

// The names of the group's pins, in id order, each followed by a space; ""
// for no group.
std::string pinNames(IWJFootPrintPinGroup* group);

// How often text occurs in where, occurrences not overlapping.
int occurrences(const std::string& where, const std::string& text);
// The element of the pin with this name in an ifx render drawing, from its
// start tag to its end; "" when there is none.
std::string pinElement(const std::string& svg, const std::string& pin);

template <class Handle> int count(Handle walk)
{
    int n = 0;
    for (; walk.isValid(); ++walk)
        ++n;
    return n;
}

// The keys of a map handle, each followed by a space.
template <class Handle> std::string keys(Handle walk)
{
    std::string text;
    for (; walk.isValid(); ++walk)
        text += walk.key() + " ";
    return text;
}

// The value filed under key in a map handle, or null.
template <class Handle> auto valueAt(Handle walk, const std::string& key) -> decltype(walk.value())
{
    for (; walk.isValid(); ++walk) {
        if (walk.key() == key)
            return walk.value();
    }
    return nullptr;
}

} // namespace testsupport

#endif
