#include "BallGrid.h"

#include <cstdio>

namespace {

// The row letters: I, O, Q and S look like digits or other letters, X and Z
// are kept for other uses.
const char kRowLetters[] = "ABCDEFGHJKLMNPRTUVWY";
constexpr int kLetterCount = sizeof(kRowLetters) - 1;

} // namespace

BallGrid::BallGrid(double pitch) : m_pitch(pitch) {}

std::string BallGrid::rowName(int row)
{
    if (row < kLetterCount)
        return std::string(1, kRowLetters[row]);
    return std::string(1, kRowLetters[row / kLetterCount - 1]) + kRowLetters[row % kLetterCount];
}

std::string BallGrid::pinName(int row, int column)
{
    return rowName(row) + std::to_string(column + 1);
}

std::string BallGrid::location(int row, int column) const
{
    char text[64];
    std::snprintf(text, sizeof text, "%.1f,%.1f", column * m_pitch, -row * m_pitch);
    return text;
}
