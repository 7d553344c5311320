#ifndef WJXMLINTERCHANGE_WJINTERCHANGEEXPORT_H
#define WJXMLINTERCHANGE_WJINTERCHANGEEXPORT_H

// The interchange library is built with hidden symbol visibility; only what
// carries this macro is visible to hosts.
#if defined(__GNUC__)
#define WJ_INTERCHANGE_API __attribute__((visibility("default")))
#else
#define WJ_INTERCHANGE_API
#endif

#endif
