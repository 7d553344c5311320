#ifndef WJXML_EXAMPLES_FPGABOARDEXAMPLE_H
#define WJXML_EXAMPLES_FPGABOARDEXAMPLE_H

#include <cstddef>

// What examples/fpga_board.xml is generated from: a size that gives one FPGA
// of a few hundred ports and pins next to one pin header, and a seed.
constexpr std::size_t kFpgaBoardSize = 1000;
constexpr unsigned kFpgaBoardSeed = 2024;

#endif
