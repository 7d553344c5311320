#include "PinoutSvg.h"

#include "Markup.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <set>

namespace {

constexpr double kPitch = 28;     // pixels between neighbouring pins
constexpr double kLargest = 2400; // pixels across the widest footprint
constexpr double kMargin = 30;
constexpr double kHeading = 30;
constexpr double kLegendWidth = 320;
constexpr double kLegendLine = 22;

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// The smallest distance between two different values.
double smallestGap(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    double gap = 0;
    for (std::size_t i = 1; i < values.size(); ++i) {
        const double step = values[i] - values[i - 1];
        if (step > 1e-9 && (gap == 0 || step < gap))
            gap = step;
    }
    return gap;
}

// "g3": the fourth group of Pinout::groups(); -1 for the other fills.
int groupOf(const std::string& fill)
{
    if (fill.size() < 2 || fill[0] != 'g' || !std::isdigit(static_cast<unsigned char>(fill[1])))
        return -1;
    return std::stoi(fill.substr(1));
}

std::string groupColour(int group)
{
    // Hues a golden angle apart stay distinct for many groups.
    const int hue = static_cast<int>(std::fmod(group * 137.508 + 200, 360.0));
    return "hsl(" + std::to_string(hue) + ",70%," + (group % 2 ? "68%" : "78%") + ")";
}

struct Frame {
    double minX;
    double minY;
    double scale;
    double pitch; // pixels between the closest pins
    double width;
    double height;
};

Frame frameOf(const std::vector<PinoutPin>& pins)
{
    std::vector<double> xs;
    std::vector<double> ys;
    for (const PinoutPin& pin : pins) {
        xs.push_back(pin.at.x);
        ys.push_back(pin.at.y);
    }
    if (pins.empty())
        return {0, 0, 1, kPitch, kMargin * 2, kMargin * 2};
    const auto [minX, maxX] = std::minmax_element(xs.begin(), xs.end());
    const auto [minY, maxY] = std::minmax_element(ys.begin(), ys.end());
    const double gapX = smallestGap(xs);
    const double gapY = smallestGap(ys);
    const double gap = gapX == 0 ? (gapY == 0 ? 1 : gapY) : (gapY == 0 ? gapX : std::min(gapX, gapY));
    const double span = std::max(*maxX - *minX, *maxY - *minY);
    const double scale = span * kPitch / gap > kLargest ? kLargest / span : kPitch / gap;
    return {*minX, *minY, scale, gap * scale, (*maxX - *minX) * scale + 2 * kMargin, (*maxY - *minY) * scale + 2 * kMargin};
}

void writeStyle(std::ostream& out, const std::set<std::string>& fills, const std::string& id, double radius)
{
    const double font = std::max(4.0, std::min(radius * 0.62, 9.0));
    out << "<style>\n"
        << ".pin circle{stroke:#546e7a;stroke-width:1}\n"
        << ".pin text{font:" << number(font) << "px sans-serif;text-anchor:middle;dominant-baseline:central;"
        << "pointer-events:none;fill:#111}\n"
        << ".pinout .heading{font:bold 15px sans-serif;fill:#111}\n"
        << ".pinout .legend text{font:12px sans-serif;fill:#111;dominant-baseline:central}\n"
        << ".power circle{fill:#e65100}.power text{fill:#fff}\n"
        << ".ground circle{fill:#263238}.ground text{fill:#fff}\n"
        << ".ungrouped circle{fill:#cfd8dc}\n"
        << "#" << id << " .unmapped circle{fill:url(#hatch-" << id << ")}\n"
        << ".short circle{stroke:#ff0000;stroke-width:3.5}\n";
    for (const std::string& fill : fills) {
        if (groupOf(fill) >= 0)
            out << '.' << fill << " circle{fill:" << groupColour(groupOf(fill)) << "}\n";
    }
    out << "</style>\n";
}

void writePin(std::ostream& out, const PinoutPin& pin, const Frame& frame, double radius)
{
    const double x = kMargin + (pin.at.x - frame.minX) * frame.scale;
    const double y = kHeading + kMargin + (pin.at.y - frame.minY) * frame.scale;
    out << "<g class=\"pin " << pin.fill << (pin.isShort ? " short" : "") << "\" data-pin=\""
        << markup::escape(pin.name) << "\" data-search=\"" << markup::escape(pin.searchText) << "\">";
    out << "<title>";
    for (std::size_t i = 0; i < pin.details.size(); ++i)
        out << (i ? "\n" : "") << markup::escape(pin.details[i]);
    out << "</title><circle cx=\"" << number(x) << "\" cy=\"" << number(y) << "\" r=\"" << number(radius)
        << "\"/><text x=\"" << number(x) << "\" y=\"" << number(y) << "\">" << markup::escape(pin.name)
        << "</text></g>\n";
}

void writeLegendLine(std::ostream& out, double x, double y, const std::string& fill, const std::string& text)
{
    out << "<g class=\"key " << fill << "\"><circle cx=\"" << number(x + 9) << "\" cy=\"" << number(y)
        << "\" r=\"8\"/><text x=\"" << number(x + 24) << "\" y=\"" << number(y) << "\">" << markup::escape(text)
        << "</text></g>\n";
}

void writeLegend(std::ostream& out, const std::set<std::string>& fills, bool hasShort,
                   const std::vector<std::string>& groups, double x)
{
    double y = kHeading + kMargin;
    out << "<g class=\"legend\">\n";
    std::set<int> used;
    for (const std::string& fill : fills) {
        if (groupOf(fill) >= 0)
            used.insert(groupOf(fill));
    }
    for (const int group : used) {
        writeLegendLine(out, x, y, "g" + std::to_string(group), groups[static_cast<std::size_t>(group)]);
        y += kLegendLine;
    }
    const char* const others[][2] = {{"power", "power port"},
                                     {"ground", "ground port"},
                                     {"ungrouped", "port in no group"},
                                     {"unmapped", "unmapped pin"}};
    for (const auto& other : others) {
        if (fills.count(other[0])) {
            writeLegendLine(out, x, y, other[0], other[1]);
            y += kLegendLine;
        }
    }
    if (hasShort) {
        writeLegendLine(out, x, y, "short", "short: pin mapped to two port bits");
    }
    out << "</g>\n";
}

std::string placementWords(PinPlacement::Method method)
{
    switch (method) {
    case PinPlacement::Method::Location: return "placed by location";
    case PinPlacement::Method::Grid: return "placed on the ball grid by name";
    default: return "placed in name order";
    }
}

} // namespace

void PinoutSvg::write(std::ostream& out, const PinoutMap& map, const std::vector<std::string>& groups, int number)
{
    const std::string id = "pinout-" + std::to_string(number);
    const Frame frame = frameOf(map.pins);
    const double radius = std::max(1.5, frame.pitch * 0.42);
    std::set<std::string> fills;
    bool hasShort = false;
    for (const PinoutPin& pin : map.pins) {
        fills.insert(pin.fill);
        hasShort = hasShort || pin.isShort;
    }
    const double legendX = std::max(frame.width, 200.0) + 10;
    const double legendLines = static_cast<double>(fills.size() + (hasShort ? 1 : 0));
    const double width = legendX + kLegendWidth;
    const double height = kHeading + std::max(frame.height, 2 * kMargin + legendLines * kLegendLine);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"" << id << "\" class=\"pinout\" width=\"" << ::number(width)
        << "\" height=\"" << ::number(height) << "\" viewBox=\"0 0 " << ::number(width) << ' ' << ::number(height)
        << "\">\n";
    const std::string heading = map.refdes + " on " + map.footprint + ": " + std::to_string(map.pins.size()) +
                                " pins, seen from the top, " + placementWords(map.placement);
    out << "<title>" << markup::escape(heading) << "</title>\n";
    writeStyle(out, fills, id, radius);
    out << "<defs><pattern id=\"hatch-" << id << "\" width=\"6\" height=\"6\" patternUnits=\"userSpaceOnUse\" "
        << "patternTransform=\"rotate(45)\"><rect width=\"6\" height=\"6\" fill=\"#fff\"/>"
        << "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"6\" stroke=\"#90a4ae\" stroke-width=\"3\"/></pattern></defs>\n";
    out << "<text class=\"heading\" x=\"" << ::number(kMargin / 2) << "\" y=\"20\">" << markup::escape(heading)
        << "</text>\n";
    out << "<g class=\"pins\">\n";
    for (const PinoutPin& pin : map.pins)
        writePin(out, pin, frame, radius);
    out << "</g>\n";
    writeLegend(out, fills, hasShort, groups, legendX);
    out << "</svg>\n";
}
