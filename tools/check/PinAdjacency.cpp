#include "check/PinAdjacency.h"

#include "text/NaturalOrder.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Locations are written with a few decimals; a pin one pitch away may lie a
// rounding farther than the pitch.
constexpr double kRounding = 1.01;

} // namespace

PinAdjacency::PinAdjacency(std::vector<std::string> names, const std::vector<std::string>& locations)
    : m_names(std::move(names)), m_placement(m_names, locations), m_pitch(PinPlacement::pitch(m_placement.points()))
{
    if (m_placement.method() != PinPlacement::Method::NameOrder) {
        for (std::size_t i = 0; i < m_names.size(); ++i)
            m_at.emplace(halfStep(m_placement.points()[i]), i);
        return;
    }
    m_byRank.resize(m_names.size());
    std::iota(m_byRank.begin(), m_byRank.end(), 0);
    std::stable_sort(m_byRank.begin(), m_byRank.end(),
                     [this](std::size_t a, std::size_t b) { return NaturalOrder::before(m_names[a], m_names[b]); });
    m_rank.resize(m_names.size());
    for (std::size_t rank = 0; rank < m_byRank.size(); ++rank)
        m_rank[m_byRank[rank]] = rank;
}

bool PinAdjacency::adjacent(std::size_t a, std::size_t b, const std::vector<bool>& signal) const
{
    if (a == b)
        return false;
    if (m_placement.method() == PinPlacement::Method::NameOrder) {
        const std::size_t low = std::min(m_rank[a], m_rank[b]);
        const std::size_t high = std::max(m_rank[a], m_rank[b]);
        if (high - low == 1)
            return true;
    } else {
        const PinPoint& p = m_placement.points()[a];
        const PinPoint& q = m_placement.points()[b];
        if (std::hypot(p.x - q.x, p.y - q.y) <= m_pitch * std::sqrt(2.0) * kRounding)
            return true;
    }
    const long middle = between(a, b);
    return middle >= 0 && !signal[static_cast<std::size_t>(middle)];
}

long PinAdjacency::between(std::size_t a, std::size_t b) const
{
    if (m_placement.method() == PinPlacement::Method::NameOrder) {
        const std::size_t low = std::min(m_rank[a], m_rank[b]);
        const std::size_t high = std::max(m_rank[a], m_rank[b]);
        return high - low == 2 ? static_cast<long>(m_byRank[low + 1]) : -1;
    }
    const std::pair<long, long> p = halfStep(m_placement.points()[a]);
    const std::pair<long, long> q = halfStep(m_placement.points()[b]);
    const long dx = std::labs(p.first - q.first);
    const long dy = std::labs(p.second - q.second);
    // Two pitches, four half pitches, along a row or a column.
    if (!((dx == 4 && dy == 0) || (dx == 0 && dy == 4)))
        return -1;
    const auto middle = m_at.find({(p.first + q.first) / 2, (p.second + q.second) / 2});
    return middle == m_at.end() ? -1 : static_cast<long>(middle->second);
}

std::pair<long, long> PinAdjacency::halfStep(const PinPoint& point) const
{
    const double half = m_pitch / 2;
    return {std::lround(point.x / half), std::lround(point.y / half)};
}
