#include "render/PinPlacement.h"

#include "text/NaturalOrder.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numeric>
#include <utility>

namespace {

const std::string kRowLetters = "ABCDEFGHJKLMNPRTUVWY";

// Farthest a location may lie from the origin and be drawn: spans beyond it
// overflow the drawing's scale.
constexpr double kFarthest = 1e9;

bool parseNumber(const char*& at, double& value)
{
    char* end = nullptr;
    value = std::strtod(at, &end);
    if (end == at || !std::isfinite(value) || std::fabs(value) > kFarthest)
        return false;
    at = end;
    return true;
}

void skipSpaces(const char*& at)
{
    while (*at == ' ' || *at == '\t')
        ++at;
}

// Digits without a leading 0, as packages number their pins.
bool isPinNumber(const std::string& name)
{
    return !name.empty() && name.size() <= 6 && name[0] != '0' &&
           name.find_first_not_of("0123456789") == std::string::npos;
}

// Whether a package of count numbered pins has them on two sides: when its
// name says a dual package (DIP, SOIC, TSSOP, SOT, DFN, ...), or the pins
// cannot make four equal sides of at least three.
bool hasTwoSides(const std::string& package, std::size_t count)
{
    std::string upper = package;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char* family : {"DIP", "SO", "DFN"}) {
        if (upper.find(family) != std::string::npos)
            return true;
    }
    return count % 4 != 0 || count < 12;
}

} // namespace

PinPlacement::PinPlacement(const std::vector<std::string>& names, const std::vector<std::string>& locations,
                           const std::string& package)
{
    if (placeByLocation(locations))
        m_method = Method::Location;
    else if (placeOnGrid(names))
        m_method = Method::Grid;
    else if (placeAroundOutline(names, package))
        m_method = Method::Outline;
    else
        placeInNameOrder(names);
}

bool PinPlacement::parseLocation(const std::string& text, PinPoint& point)
{
    const char* at = text.c_str();
    skipSpaces(at);
    if (!parseNumber(at, point.x))
        return false;
    skipSpaces(at);
    if (*at != ',')
        return false;
    ++at;
    skipSpaces(at);
    if (!parseNumber(at, point.y))
        return false;
    skipSpaces(at);
    return *at == '\0';
}

bool PinPlacement::gridCell(const std::string& name, int& row, int& column)
{
    std::size_t letters = 0;
    while (letters < name.size() && std::isalpha(static_cast<unsigned char>(name[letters])))
        ++letters;
    if (letters < 1 || letters > 2 || letters == name.size() || name[letters] == '0')
        return false;
    if (name.size() - letters > 4 || name.find_first_not_of("0123456789", letters) != std::string::npos)
        return false;
    int rowIndex = 0;
    for (std::size_t i = 0; i < letters; ++i) {
        const std::size_t letter =
            kRowLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(name[i]))));
        if (letter == std::string::npos)
            return false;
        rowIndex =
            rowIndex * static_cast<int>(kRowLetters.size()) + static_cast<int>(letter) + (i + 1 < letters ? 1 : 0);
    }
    row = rowIndex;
    column = std::atoi(name.c_str() + letters) - 1;
    return true;
}

bool PinPlacement::placeByLocation(const std::vector<std::string>& locations)
{
    m_points.clear();
    for (std::size_t i = 0; i < locations.size(); ++i) {
        PinPoint point{0, 0};
        if (!parseLocation(locations[i], point) && !locations[i].empty())
            m_unreadable.push_back(i);
        m_points.push_back(point);
    }
    const bool everyPinHasOne =
        std::all_of(locations.begin(), locations.end(), [](const std::string& location) { return !location.empty(); });
    return everyPinHasOne && m_unreadable.empty();
}

bool PinPlacement::placeOnGrid(const std::vector<std::string>& names)
{
    m_points.clear();
    for (const std::string& name : names) {
        int row = 0;
        int column = 0;
        if (!gridCell(name, row, column))
            return false;
        m_points.push_back({static_cast<double>(column), -static_cast<double>(row)});
    }
    return true;
}

bool PinPlacement::placeAroundOutline(const std::vector<std::string>& names, const std::string& package)
{
    std::vector<std::size_t> numbered;
    std::vector<std::size_t> others;
    for (std::size_t i = 0; i < names.size(); ++i)
        (isPinNumber(names[i]) ? numbered : others).push_back(i);
    if (numbered.size() < 2 || others.size() * 8 > names.size())
        return false;
    std::stable_sort(numbered.begin(), numbered.end(),
                     [&names](std::size_t a, std::size_t b) { return NaturalOrder::before(names[a], names[b]); });
    m_points.assign(names.size(), {0, 0});
    const bool dual = hasTwoSides(package, numbered.size());
    const std::size_t side = dual ? (numbered.size() + 1) / 2 : numbered.size() / 4;
    const double last = static_cast<double>(side) - 1;
    // Across a dual package: at least three pitches, or half its length.
    const double across = std::max(3.0, std::floor(static_cast<double>(side) / 2));
    for (std::size_t place = 0; place < numbered.size(); ++place) {
        const double i = static_cast<double>(place % side);
        PinPoint& point = m_points[numbered[place]];
        switch (place / side) {
        case 0: point = {dual ? 0.0 : -1.0, -i}; break;                                    // left, downwards
        case 1: point = dual ? PinPoint{across, i - last} : PinPoint{i, -last - 1}; break; // right up, or bottom
        case 2: point = {last + 1, i - last}; break;                                       // right, upwards
        default: point = {last - i, 1}; break;                                             // top, leftwards
        }
    }
    m_outlineWidth = dual ? across - 1 : last + 1;
    m_outlineLength = last + 1;
    const PinPoint middle{dual ? across / 2 : last / 2, -last / 2};
    for (std::size_t k = 0; k < others.size(); ++k) {
        const double offset = static_cast<double>(k) - static_cast<double>(others.size() - 1) / 2;
        m_points[others[k]] = dual ? PinPoint{middle.x, middle.y - offset} : PinPoint{middle.x + offset, middle.y};
    }
    return true;
}

void PinPlacement::placeInNameOrder(const std::vector<std::string>& names)
{
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&names](std::size_t a, std::size_t b) { return NaturalOrder::before(names[a], names[b]); });
    const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(names.size())))));
    m_points.assign(names.size(), {0, 0});
    for (std::size_t place = 0; place < order.size(); ++place) {
        const int at = static_cast<int>(place);
        m_points[order[place]] = {static_cast<double>(at % columns), -static_cast<double>(at / columns)};
    }
}

double PinPlacement::pitch(const std::vector<PinPoint>& points)
{
    if (points.size() < 2)
        return 1;
    // Buckets of a grid with about one pin per cell (a row of pins has as
    // many cells as pins): the nearest pin of a pin lies in the rings of
    // cells around its own, searched outwards until a ring lies farther than
    // the nearest pin found.
    double minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
    for (const PinPoint& point : points) {
        minX = std::min(minX, point.x);
        maxX = std::max(maxX, point.x);
        minY = std::min(minY, point.y);
        maxY = std::max(maxY, point.y);
    }
    const double span = std::max(maxX - minX, maxY - minY);
    if (span == 0)
        return 1;
    const double count = static_cast<double>(points.size());
    const double cellSize = std::max(std::sqrt((maxX - minX) * (maxY - minY) / count), span / count);
    std::map<std::pair<long, long>, std::vector<std::size_t>> cells;
    const auto cellOf = [&](const PinPoint& point) {
        return std::make_pair(static_cast<long>((point.x - minX) / cellSize),
                              static_cast<long>((point.y - minY) / cellSize));
    };
    for (std::size_t i = 0; i < points.size(); ++i)
        cells[cellOf(points[i])].push_back(i);
    const long rings = static_cast<long>(span / cellSize) + 1;
    std::vector<double> nearest;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto [column, row] = cellOf(points[i]);
        double best = -1;
        for (long ring = 0; ring <= rings && (best < 0 || static_cast<double>(ring - 1) * cellSize < best); ++ring) {
            for (long dx = -ring; dx <= ring; ++dx) {
                for (long dy = -ring; dy <= ring; ++dy) {
                    if (std::max(std::labs(dx), std::labs(dy)) != ring)
                        continue;
                    const auto cell = cells.find({column + dx, row + dy});
                    if (cell == cells.end())
                        continue;
                    for (const std::size_t other : cell->second) {
                        const double distance =
                            std::hypot(points[other].x - points[i].x, points[other].y - points[i].y);
                        if (other != i && distance > 1e-9 && (best < 0 || distance < best))
                            best = distance;
                    }
                }
            }
        }
        if (best > 0)
            nearest.push_back(best);
    }
    if (nearest.empty())
        return 1;
    const auto middle = nearest.begin() + static_cast<std::ptrdiff_t>(nearest.size() / 2);
    std::nth_element(nearest.begin(), middle, nearest.end());
    return nearest[nearest.size() / 2];
}
