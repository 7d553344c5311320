#include "DesignGenerator.h"

#include "ConnectorBuilder.h"
#include "FpgaBuilder.h"
#include "MemoryBuilder.h"

#include "wjxmlinterfaceflowreader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace {

// FPGA packages from 12 x 12 to 52 x 52 balls. An FPGA makes about this many
// ports and pins per ball.
constexpr int kSmallestSide = 12;
constexpr int kLargestSide = 52;
constexpr double kSizePerBall = 1.55;
// One more header per quarter million, one memory per five thousand.
constexpr std::size_t kSizePerConnector = 250000;
constexpr std::size_t kMostConnectors = 4;
constexpr std::size_t kSizePerMemory = 5000;
constexpr std::size_t kMostMemories = 8;
// Parts stand in rows of ten, 60 mm apart.
constexpr std::size_t kPartsPerRow = 10;
constexpr double kPartSpacing = 60.0;

std::string point(double x, double y)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.1f,%.1f", x, y);
    return text;
}

std::string placeInRow(std::size_t index, double rowStart)
{
    return point(static_cast<double>(index % kPartsPerRow) * kPartSpacing,
                 rowStart + static_cast<double>(index / kPartsPerRow) * kPartSpacing);
}

std::string rotation(std::mt19937& random)
{
    static const char* const quarters[] = {"0", "90", "180", "270"};
    return quarters[random() % 4];
}

int sideFor(std::size_t size)
{
    const auto side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(size) / kSizePerBall)));
    return std::clamp(side, kSmallestSide, kLargestSide);
}

} // namespace

DesignGenerator::DesignGenerator(std::size_t size, unsigned seed) : m_size(size), m_seed(seed) {}

std::unique_ptr<IWJInterfaceView> DesignGenerator::generate() const
{
    const std::string name = "board_" + std::to_string(m_size) + "_" + std::to_string(m_seed);
    CWJXMLFlowReader reader;
    std::unique_ptr<IWJInterfaceView> view(
        reader.CreateInterfaceView("design.generator", "2024-06-01T12:00:00", name.c_str()));
    std::mt19937 random(m_seed);
    std::size_t made = 0;

    const std::size_t connectors = std::min(kMostConnectors, 1 + m_size / kSizePerConnector);
    for (std::size_t k = 0; k < connectors; ++k)
        made += ConnectorBuilder(view.get(), "J" + std::to_string(k + 1), placeInRow(k, 0.0)).build();

    const std::size_t memories = std::min(kMostMemories, m_size / kSizePerMemory);
    for (std::size_t k = 0; k < memories; ++k) {
        made += MemoryBuilder(view.get(), "U" + std::to_string(k + 1), placeInRow(k, kPartSpacing), rotation(random))
                    .build();
    }

    // The FPGAs share what is left evenly; each is sized on what the ones
    // before it left, so the last one makes up for the others' rounding.
    const auto left = [&] { return m_size > made ? m_size - made : 0; };
    const double largest = kSizePerBall * kLargestSide * kLargestSide;
    const auto fpgas =
        std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(static_cast<double>(left()) / largest)));
    for (std::size_t k = 0; k < fpgas; ++k) {
        const std::size_t share = left() / (fpgas - k);
        const std::string refdes = "U" + std::to_string(memories + k + 1);
        made +=
            FpgaBuilder(view.get(), random, refdes, sideFor(share), placeInRow(k, 2 * kPartSpacing), rotation(random))
                .build();
    }
    return view;
}
