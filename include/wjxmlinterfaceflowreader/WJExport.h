#ifndef WJXMLINTERFACEFLOWREADER_WJEXPORT_H
#define WJXMLINTERFACEFLOWREADER_WJEXPORT_H

/// @file
/// The export macro of the library's public declarations.

#if defined(__GNUC__)
/// Marks a declaration as exported. The library is built with hidden symbol
/// visibility; only what carries this macro (the reader, the model
/// interfaces, the iterator templates, the binding base and the factories)
/// is visible to hosts.
#define WJ_API __attribute__((visibility("default")))
#else
/// Nothing outside GCC and Clang.
#define WJ_API
#endif

#endif
