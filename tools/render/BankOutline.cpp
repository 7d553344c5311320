#include "render/BankOutline.h"

#include "text/NaturalOrder.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

using Cell = std::pair<long, long>;

class Grid {
public:
    Grid(const std::vector<PinPoint>& points, const std::vector<std::string>& banks, double pitch)
        : m_pitch(pitch), m_minX(points[0].x), m_minY(points[0].y)
    {
        for (const PinPoint& point : points) {
            m_minX = std::min(m_minX, point.x);
            m_minY = std::min(m_minY, point.y);
        }
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (!banks[i].empty())
                m_banks.emplace(cellOf(points[i]), banks[i]);
        }
    }

    const std::map<Cell, std::string>& banks() const { return m_banks; }
    bool inBank(const Cell& cell, const std::string& bank) const
    {
        const auto found = m_banks.find(cell);
        return found != m_banks.end() && found->second == bank;
    }
    PinPoint centreOf(const Cell& cell) const
    {
        return {m_minX + static_cast<double>(cell.first) * m_pitch,
                m_minY + static_cast<double>(cell.second) * m_pitch};
    }

private:
    Cell cellOf(const PinPoint& point) const
    {
        return {std::lround((point.x - m_minX) / m_pitch), std::lround((point.y - m_minY) / m_pitch)};
    }

    double m_pitch;
    double m_minX;
    double m_minY;
    std::map<Cell, std::string> m_banks; // a cell two balls round to keeps the first
};

Cell step(const Cell& cell, long x, long y)
{
    return {cell.first + x, cell.second + y};
}

} // namespace

std::vector<BankBorder> BankOutline::borders(const std::vector<PinPoint>& points, const std::vector<std::string>& banks,
                                             double pitch, double inset)
{
    if (points.empty())
        return {};
    const Grid grid(points, banks, pitch);
    const double half = pitch / 2;
    std::map<std::string, std::vector<std::pair<PinPoint, PinPoint>>> lines;
    const long directions[][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& [cell, bank] : grid.banks()) {
        const PinPoint centre = grid.centreOf(cell);
        for (const auto& normal : directions) {
            if (grid.inBank(step(cell, normal[0], normal[1]), bank))
                continue;
            // Along the side, towards each of its ends: shorter at an outer
            // corner, longer at an inner one, to meet the next side inset.
            const long along[2][2] = {{-normal[1], normal[0]}, {normal[1], -normal[0]}};
            double reach[2];
            for (int end = 0; end < 2; ++end) {
                const Cell next = step(cell, along[end][0], along[end][1]);
                if (!grid.inBank(next, bank))
                    reach[end] = half - inset;
                else
                    reach[end] = grid.inBank(step(next, normal[0], normal[1]), bank) ? half + inset : half;
            }
            const double offset = half - inset;
            const auto at = [&](int end) {
                return PinPoint{centre.x + static_cast<double>(normal[0]) * offset +
                                    static_cast<double>(along[end][0]) * reach[end],
                                centre.y + static_cast<double>(normal[1]) * offset +
                                    static_cast<double>(along[end][1]) * reach[end]};
            };
            lines[bank].emplace_back(at(0), at(1));
        }
    }
    std::vector<BankBorder> borders;
    for (auto& [bank, bankLines] : lines)
        borders.push_back({bank, std::move(bankLines)});
    std::sort(borders.begin(), borders.end(),
              [](const BankBorder& a, const BankBorder& b) { return NaturalOrder::before(a.bank, b.bank); });
    return borders;
}
