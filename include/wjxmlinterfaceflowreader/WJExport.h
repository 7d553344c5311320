#ifndef WJXMLINTERFACEFLOWREADER_WJEXPORT_H
#define WJXMLINTERFACEFLOWREADER_WJEXPORT_H

// The library is built with hidden symbol visibility; only what carries this
// macro (the reader, the model interfaces, the iterator templates, the binding
// base and the factories) is visible to hosts.
#if defined(__GNUC__)
#define WJ_API __attribute__((visibility("default")))
#else
#define WJ_API
#endif

#endif
