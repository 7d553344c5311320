#ifndef WJXML_BENCH_BENCHOPERATIONS_H
#define WJXML_BENCH_BENCHOPERATIONS_H

// The names under which the benchmark program runs and reports each
// operation; the argument of every run is the design's size.
#include <cstddef>

namespace benchop {

constexpr const char* kXercesParseValidated = "xerces_parse_validated";
constexpr const char* kXercesParse = "xerces_parse";
constexpr const char* kXercesSerialise = "xerces_serialise";
constexpr const char* kReadBound = "read_bound";
constexpr const char* kReadUnbound = "read_unbound";
constexpr const char* kWrite = "write";
// The edits run as one benchmark that reports each edit's time as counters.
constexpr const char* kEdits = "edits";
constexpr const char* kCpuSuffix = "_cpu";
constexpr const char* kAddPorts = "add_ports";
constexpr const char* kMapEveryBit = "map_every_bit";
constexpr const char* kRemoveHalfPorts = "remove_half_ports";
constexpr const char* kRemoveHalf = "remove_half";
constexpr const char* kDeleteView = "delete_view";

// add_ports adds this fraction of the design's size to one instance.
constexpr std::size_t kAddedPortsPerSize = 10;

} // namespace benchop

#endif
