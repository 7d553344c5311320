#ifndef WJXML_BENCH_BALLGRID_H
#define WJXML_BENCH_BALLGRID_H

#include <string>

// Names and places the balls of a ball grid array. Rows are lettered A to Y
// without I, O, Q, S, X and Z, then AA, AB, ... AY, BA, ...; columns are
// numbered from 1. Row and column arguments count from 0. Seen from the top
// with y growing upwards, ball A1 lies top left: rows go down, columns right.
class BallGrid {
public:
    explicit BallGrid(double pitch);

    static std::string rowName(int row);
    static std::string pinName(int row, int column);
    // "x,y" in millimetres from ball A1.
    std::string location(int row, int column) const;

private:
    double m_pitch;
};

#endif
