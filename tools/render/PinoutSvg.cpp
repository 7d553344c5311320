#include "render/PinoutSvg.h"

#include "render/BankOutline.h"
#include "text/Markup.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace {

constexpr double kPitch = 28;    // pixels between neighbouring pins
constexpr double kLargest = 900; // pixels across the widest footprint: the page width with the legend
constexpr double kMargin = 30;
constexpr double kLabelRoom = 110; // pixels beside the footprint for the port names
constexpr double kHeading = 30;
constexpr double kNoteLine = 16;
constexpr double kLegendWidth = 320;
constexpr double kLegendLine = 22;

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// "g3": the fourth group of Pinout::groups(); -1 for the other fills.
int groupOf(const std::string& fill)
{
    if (fill.size() < 2 || fill[0] != 'g' || !std::isdigit(static_cast<unsigned char>(fill[1])))
        return -1;
    return std::stoi(fill.substr(1));
}

// Hues a golden angle apart stay distinct for many groups.
int hueOf(int index, double start)
{
    return static_cast<int>(std::fmod(index * 137.508 + start, 360.0));
}

std::string groupColour(int group)
{
    return "hsl(" + std::to_string(hueOf(group, 200)) + ",70%," + (group % 2 ? "68%" : "78%") + ")";
}

// Darker than the fills, so that a border shows beside any ball.
std::string bankColour(int bank)
{
    return "hsl(" + std::to_string(hueOf(bank, 20)) + ",85%,35%)";
}

// The fills of unmapped balls of a device package and what the legend calls them.
const char* const kBallFills[][2] = {{"free-io", "free user I/O ball"},
                                     {"supply", "supply ball"},
                                     {"ground-ball", "ground ball"},
                                     {"no-connect", "no-connect ball"},
                                     {"other-ball", "configuration, clock or other ball"}};

struct Box {
    double minX;
    double maxX;
    double minY;
    double maxY;
};

Box boxOf(const std::vector<PinoutPin>& pins)
{
    Box box{pins[0].at.x, pins[0].at.x, pins[0].at.y, pins[0].at.y};
    for (const PinoutPin& pin : pins) {
        box.minX = std::min(box.minX, pin.at.x);
        box.maxX = std::max(box.maxX, pin.at.x);
        box.minY = std::min(box.minY, pin.at.y);
        box.maxY = std::max(box.maxY, pin.at.y);
    }
    return box;
}

// Where the drawing puts a point of the footprint: y grows upwards in the
// file and downwards on the screen; seen from the bottom, x is mirrored.
struct Frame {
    Box box;      // of the pins and the outline
    Box pins;     // of the pins alone
    Box body;     // the outline; empty when there is none
    double scale; // pixels per unit of the file
    double pitch; // pixels between neighbouring pins
    double left;  // pixels before the footprint
    double top;
    bool bottom;
    bool edgeLabels;

    double x(double fileX) const { return left + (bottom ? box.maxX - fileX : fileX - box.minX) * scale; }
    double y(double fileY) const { return top + (box.maxY - fileY) * scale; }
    double width() const { return (box.maxX - box.minX) * scale; }
    double height() const { return (box.maxY - box.minY) * scale; }
};

bool onEdge(const PinPoint& at, const Box& box, double near)
{
    return at.x - box.minX < near || box.maxX - at.x < near || at.y - box.minY < near || box.maxY - at.y < near;
}

// Whether the pins lie on the edges of their box, as on QFP, SOIC and header
// packages, where port names fit beside them; an exposed pad or a few tabs
// inside may remain.
bool pinsOnEdges(const std::vector<PinoutPin>& pins, const Box& box, double pitch)
{
    std::size_t inside = 0;
    for (const PinoutPin& pin : pins)
        inside += onEdge(pin.at, box, pitch / 4) ? 0u : 1u;
    return inside * 8 <= pins.size();
}

Frame frameOf(const PinoutMap& map, bool bottom, double headingHeight)
{
    if (map.pins.empty())
        return {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, 1, kPitch, kMargin, headingHeight + kMargin, bottom, false};
    std::vector<PinPoint> points;
    for (const PinoutPin& pin : map.pins)
        points.push_back(pin.at);
    const double pitch = PinPlacement::pitch(points);
    const Box pins = boxOf(map.pins);
    Box box = pins;
    Box body{0, 0, 0, 0};
    const bool hasOutline =
        map.placement == PinPlacement::Method::Location || map.placement == PinPlacement::Method::Outline;
    if (hasOutline && map.width > 0 && map.length > 0) {
        // The outline is centred on the pins: the file does not say where
        // its origin lies within the body.
        const double centreX = (pins.minX + pins.maxX) / 2;
        const double centreY = (pins.minY + pins.maxY) / 2;
        body = {centreX - map.width / 2, centreX + map.width / 2, centreY - map.length / 2, centreY + map.length / 2};
        box = {std::min(pins.minX, body.minX), std::max(pins.maxX, body.maxX), std::min(pins.minY, body.minY),
               std::max(pins.maxY, body.maxY)};
    }
    const double span = std::max(box.maxX - box.minX, box.maxY - box.minY);
    const double scale = span * kPitch / pitch > kLargest ? kLargest / span : kPitch / pitch;
    const bool edgeLabels = map.pins.size() > 2 && pinsOnEdges(map.pins, pins, pitch);
    const double room = kMargin + (edgeLabels ? kLabelRoom : 0);
    return {box, pins, body, scale, pitch * scale, room, headingHeight + room, bottom, edgeLabels};
}

// The size of the pin names' letters.
double nameFont(double radius)
{
    return std::max(6.0, std::min(radius * 0.62, 9.0));
}

void writeStyle(std::ostream& out, const std::set<std::string>& fills, const std::string& id, double radius)
{
    out << "<style>\n"
        << ".pin circle{stroke:#546e7a;stroke-width:1}\n"
        << ".pin text{font:" << number(nameFont(radius))
        << "px sans-serif;text-anchor:middle;dominant-baseline:central;"
        << "pointer-events:none;fill:#111}\n"
        << ".pinout .heading{font:bold 15px sans-serif;fill:#111}\n"
        << ".pinout .note{font:12px sans-serif;fill:#b71c1c}\n"
        << ".pinout .outline{fill:none;stroke:#78909c;stroke-width:1.5;stroke-dasharray:6 3}\n"
        << ".pinout .pin1{fill:#d32f2f}\n"
        << ".pinout .pin text.port{font:10px sans-serif;dominant-baseline:central;fill:#111}\n"
        << ".pinout .pin text.function{font:italic 10px sans-serif;dominant-baseline:central;fill:#607d8b}\n"
        << ".pinout .legend text{font:12px sans-serif;fill:#111;dominant-baseline:central}\n"
        << ".power circle{fill:#e65100}.power text{fill:#fff}\n"
        << ".ground circle{fill:#263238}.ground text{fill:#fff}\n"
        << ".ungrouped circle{fill:#cfd8dc}\n"
        << "#" << id << " .unmapped circle{fill:url(#hatch-" << id << ")}\n"
        << ".short circle{stroke:#ff0000;stroke-width:3.5}\n"
        << ".free-io circle{fill:#fff}.supply circle{fill:#ffcc80}.ground-ball circle{fill:#90a4ae}\n"
        << ".no-connect circle{fill:#fff;stroke-dasharray:2 2}.other-ball circle{fill:#ce93d8}\n"
        << ".pinout .bank{fill:none;stroke-width:" << number(std::max(1.0, radius * 0.12)) << "}\n";
    for (const std::string& fill : fills) {
        if (groupOf(fill) >= 0)
            out << '.' << fill << " circle{fill:" << groupColour(groupOf(fill)) << "}\n";
    }
    out << "</style>\n";
}

// The text of the class ("port" or "function") beside a pin on an edge,
// pointing away from the body.
void writeEdgeLabel(std::ostream& out, const PinoutPin& pin, const std::string& text, const char* textClass,
                    const Frame& frame, double x, double y, double radius)
{
    const double near = frame.pitch / frame.scale / 4;
    if (!onEdge(pin.at, frame.pins, near))
        return;
    const bool left = pin.at.x - frame.pins.minX < near;
    const bool right = frame.pins.maxX - pin.at.x < near;
    const bool onLeftOfPage = frame.bottom ? right : left;
    const bool onRightOfPage = frame.bottom ? left : right;
    const double gap = radius + 3;
    out << "<text class=\"" << textClass << "\" ";
    if (onLeftOfPage)
        out << "x=\"" << number(x - gap) << "\" y=\"" << number(y) << "\" style=\"text-anchor:end\"";
    else if (onRightOfPage)
        out << "x=\"" << number(x + gap) << "\" y=\"" << number(y) << "\" style=\"text-anchor:start\"";
    else if (frame.pins.maxY - pin.at.y < near)
        out << "x=\"" << number(x) << "\" y=\"" << number(y - gap)
            << "\" style=\"text-anchor:start\" transform=\"rotate(-90 " << number(x) << ' ' << number(y - gap) << ")\"";
    else
        out << "x=\"" << number(x) << "\" y=\"" << number(y + gap)
            << "\" style=\"text-anchor:end\" transform=\"rotate(-90 " << number(x) << ' ' << number(y + gap) << ")\"";
    out << '>' << markup::escape(text) << "</text>";
}

// The size of the letters that fit the port name inside a ball below its
// name, or 0 when that would be too small to read even zoomed in.
double ballLabelFont(const PinoutPin& pin, double radius)
{
    constexpr double kLetterWidth = 0.55; // of sans-serif letters, per pixel of size
    constexpr double kSmallest = 3;
    const double font =
        std::min(nameFont(radius) * 0.8, 1.8 * radius / (kLetterWidth * static_cast<double>(pin.label.size())));
    return font >= kSmallest ? font : 0;
}

void writePin(std::ostream& out, const PinoutPin& pin, const Frame& frame, double radius)
{
    const double x = frame.x(pin.at.x);
    const double y = frame.y(pin.at.y);
    const double labelFont = frame.edgeLabels || pin.label.empty() ? 0 : ballLabelFont(pin, radius);
    out << "<g class=\"pin " << pin.fill << (pin.isShort ? " short" : "") << "\" data-pin=\""
        << markup::escape(pin.name) << "\" data-search=\"" << markup::escape(pin.searchText) << "\">";
    out << "<title>";
    for (std::size_t i = 0; i < pin.details.size(); ++i)
        out << (i ? "\n" : "") << markup::escape(pin.details[i]);
    out << "</title><circle cx=\"" << number(x) << "\" cy=\"" << number(y) << "\" r=\"" << number(radius)
        << "\"/><text x=\"" << number(x) << "\" y=\"" << number(labelFont > 0 ? y - radius * 0.32 : y) << "\">"
        << markup::escape(pin.name) << "</text>";
    if (labelFont > 0)
        out << "<text class=\"ball\" x=\"" << number(x) << "\" y=\"" << number(y + radius * 0.42)
            << "\" style=\"font-size:" << number(labelFont) << "px\">" << markup::escape(pin.label) << "</text>";
    if (frame.edgeLabels && !pin.label.empty())
        writeEdgeLabel(out, pin, pin.label, "port", frame, x, y, radius);
    else if (frame.edgeLabels && !pin.function.empty())
        writeEdgeLabel(out, pin, pin.function, "function", frame, x, y, radius);
    out << "</g>\n";
}

void writeLegendLine(std::ostream& out, double x, double y, const std::string& fill, const std::string& text)
{
    out << "<g class=\"key " << fill << "\"><circle cx=\"" << number(x + 9) << "\" cy=\"" << number(y)
        << "\" r=\"8\"/><text x=\"" << number(x + 24) << "\" y=\"" << number(y) << "\">" << markup::escape(text)
        << "</text></g>\n";
}

void writeLegend(std::ostream& out, const std::set<std::string>& fills, bool hasShort,
                 const std::vector<std::string>& groups, const std::vector<BankBorder>& banks, double x)
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
    for (const auto& ball : kBallFills) {
        if (fills.count(ball[0])) {
            writeLegendLine(out, x, y, ball[0], ball[1]);
            y += kLegendLine;
        }
    }
    if (hasShort) {
        writeLegendLine(out, x, y, "short", "short: pin mapped to two port bits");
        y += kLegendLine;
    }
    for (std::size_t i = 0; i < banks.size(); ++i, y += kLegendLine)
        out << "<g class=\"key bank\"><line x1=\"" << number(x + 1) << "\" y1=\"" << number(y) << "\" x2=\""
            << number(x + 17) << "\" y2=\"" << number(y)
            << "\" class=\"bank\" style=\"stroke:" << bankColour(static_cast<int>(i)) << ";stroke-width:3\"/><text x=\""
            << number(x + 24) << "\" y=\"" << number(y) << "\">bank " << markup::escape(banks[i].bank)
            << "</text></g>\n";
    out << "</g>\n";
}

std::string placementWords(PinPlacement::Method method)
{
    switch (method) {
    case PinPlacement::Method::Location: return "placed by location";
    case PinPlacement::Method::Grid: return "placed on the ball grid by name";
    case PinPlacement::Method::Outline: return "placed around the outline by number";
    default: return "placed in name order";
    }
}

// The dot beside pin 1 (or A1), toward the middle of the package, as on
// the body of a part.
void writePinOneMark(std::ostream& out, const PinoutMap& map, const Frame& frame, double radius)
{
    for (const PinoutPin& pin : map.pins) {
        if (pin.name != "1" && pin.name != "A1" && pin.name != "a1")
            continue;
        const double x = frame.x(pin.at.x);
        const double y = frame.y(pin.at.y);
        const double towardX = frame.x((frame.pins.minX + frame.pins.maxX) / 2) - x;
        const double towardY = frame.y((frame.pins.minY + frame.pins.maxY) / 2) - y;
        const double length = std::hypot(towardX, towardY);
        const double away = radius * 1.6;
        const double dotX = length > 0 ? x + towardX / length * away : x - away;
        const double dotY = length > 0 ? y + towardY / length * away : y - away;
        out << "<circle class=\"pin1\" cx=\"" << number(dotX) << "\" cy=\"" << number(dotY) << "\" r=\""
            << number(std::max(2.0, radius * 0.3)) << "\"><title>pin 1</title></circle>\n";
        return;
    }
}

std::string headingOf(const PinoutMap& map, bool bottom)
{
    std::string heading = map.refdes + " on " + map.footprint + ": " + std::to_string(map.pins.size()) +
                          " pins, seen from the " + (bottom ? "bottom" : "top") + ", " + placementWords(map.placement);
    if (!map.rotation.empty() && std::strtod(map.rotation.c_str(), nullptr) != 0)
        heading += ", rotation " + map.rotation + " not applied";
    if (!map.package.empty())
        heading += ", balls of " + map.package;
    return heading;
}

std::vector<BankBorder> bankBorders(const PinoutMap& map, const Frame& frame)
{
    std::vector<PinPoint> points;
    std::vector<std::string> banks;
    for (const PinoutPin& pin : map.pins) {
        points.push_back(pin.at);
        banks.push_back(pin.bank);
    }
    const double pitch = frame.pitch / frame.scale;
    return BankOutline::borders(points, banks, pitch, pitch * 0.035);
}

void writeBankBorders(std::ostream& out, const std::vector<BankBorder>& borders, const Frame& frame)
{
    for (std::size_t i = 0; i < borders.size(); ++i) {
        out << "<path class=\"bank\" style=\"stroke:" << bankColour(static_cast<int>(i)) << "\" d=\"";
        for (const auto& [from, to] : borders[i].lines)
            out << 'M' << number(frame.x(from.x)) << ' ' << number(frame.y(from.y)) << 'L' << number(frame.x(to.x))
                << ' ' << number(frame.y(to.y));
        out << "\"><title>bank " << markup::escape(borders[i].bank) << "</title></path>\n";
    }
}

} // namespace

void PinoutSvg::write(std::ostream& out, const PinoutMap& map, const std::vector<std::string>& groups, int number,
                      bool bottom)
{
    const std::string id = "pinout-" + std::to_string(number);
    const double headingHeight = kHeading + static_cast<double>(map.notes.size()) * kNoteLine;
    const Frame frame = frameOf(map, bottom, headingHeight);
    const std::vector<BankBorder> banks = bankBorders(map, frame);
    const double radius = std::max(1.5, frame.pitch * 0.42);
    std::set<std::string> fills;
    bool hasShort = false;
    for (const PinoutPin& pin : map.pins) {
        fills.insert(pin.fill);
        hasShort = hasShort || pin.isShort;
    }
    const double drawingWidth = frame.width() + 2 * frame.left;
    const double legendX = std::max(drawingWidth, 200.0) + 10;
    const double legendLines = static_cast<double>(fills.size() + (hasShort ? 1 : 0) + banks.size());
    const std::string heading = headingOf(map, bottom);
    // The heading's bold 15 px letters take about 9 pixels each.
    const double width = std::max(legendX + kLegendWidth, kMargin + 9.0 * static_cast<double>(heading.size()));
    const double height = headingHeight + std::max(frame.height() + 2 * (frame.top - headingHeight),
                                                   2 * kMargin + legendLines * kLegendLine);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"" << id << "\" class=\"pinout\" width=\"" << ::number(width)
        << "\" height=\"" << ::number(height) << "\" viewBox=\"0 0 " << ::number(width) << ' ' << ::number(height)
        << "\">\n";
    out << "<title>" << markup::escape(heading) << "</title>\n";
    writeStyle(out, fills, id, radius);
    out << "<defs><pattern id=\"hatch-" << id << "\" width=\"6\" height=\"6\" patternUnits=\"userSpaceOnUse\" "
        << "patternTransform=\"rotate(45)\"><rect width=\"6\" height=\"6\" fill=\"#fff\"/>"
        << "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"6\" stroke=\"#90a4ae\" stroke-width=\"3\"/></pattern></defs>\n";
    out << "<text class=\"heading\" x=\"" << ::number(kMargin / 2) << "\" y=\"20\">" << markup::escape(heading)
        << "</text>\n";
    double noteY = kHeading + kNoteLine / 2;
    for (const std::string& note : map.notes) {
        out << "<text class=\"note\" x=\"" << ::number(kMargin / 2) << "\" y=\"" << ::number(noteY) << "\">"
            << markup::escape(note) << "</text>\n";
        noteY += kNoteLine;
    }
    if (frame.body.maxX > frame.body.minX)
        out << "<rect class=\"outline\" x=\"" << ::number(std::min(frame.x(frame.body.minX), frame.x(frame.body.maxX)))
            << "\" y=\"" << ::number(frame.y(frame.body.maxY)) << "\" width=\""
            << ::number((frame.body.maxX - frame.body.minX) * frame.scale) << "\" height=\""
            << ::number((frame.body.maxY - frame.body.minY) * frame.scale) << "\"/>\n";
    writeBankBorders(out, banks, frame);
    writePinOneMark(out, map, frame, radius);
    out << "<g class=\"pins\">\n";
    for (const PinoutPin& pin : map.pins)
        writePin(out, pin, frame, radius);
    out << "</g>\n";
    writeLegend(out, fills, hasShort, groups, banks, legendX);
    out << "</svg>\n";
}
