#include "wjxmlkicad/KicadFootprint.h"

#include "wjxmlkicad/SExpression.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace {

// The extent of the points seen so far.
struct Extent {
    double low[2] = {std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    double high[2] = {std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};

    bool empty() const { return low[0] > high[0]; }
    void add(double x, double y)
    {
        low[0] = std::min(low[0], x);
        low[1] = std::min(low[1], y);
        high[0] = std::max(high[0], x);
        high[1] = std::max(high[1], y);
    }
};

// One numbered pad as read, before the pads of its number are joined.
struct Pad {
    const SExpression* item;
    double x, y, width, height;
    std::string xText, yText, widthText, heightText;
};

class FootprintReading {
public:
    FootprintReading(const std::string& path, KicadFootprint* result, std::string* error)
        : m_path(path), m_result(result), m_error(error)
    {
    }

    bool read(const SExpression& root)
    {
        for (const SExpression& item : root.items) {
            const std::string& head = item.head();
            if (head == "pad" && !readPad(item))
                return false;
            if (head.compare(0, 3, "fp_") == 0 && !readOutline(item))
                return false;
        }
        for (const std::vector<Pad>& pads : m_pads)
            m_result->pads.push_back(joined(pads));
        const Extent& outline = !m_extents[0].empty()   ? m_extents[0]
                                : !m_extents[1].empty() ? m_extents[1]
                                : !m_extents[2].empty() ? m_extents[2]
                                                        : m_extents[3];
        if (!outline.empty()) {
            m_result->width = KicadFootprint::millimetres(outline.high[0] - outline.low[0]);
            m_result->length = KicadFootprint::millimetres(outline.high[1] - outline.low[1]);
        }
        return true;
    }

private:
    bool fail(const SExpression& item, const std::string& message)
    {
        *m_error = SExpressionParser::where(m_path, item, message);
        return false;
    }

    // Numbers farther out would overflow the extents and middles taken of
    // them, and no board is so large.
    bool numbers(const SExpression& item, std::size_t count, double* values)
    {
        constexpr double kFarthest = 1e9;
        for (std::size_t i = 0; i < count; ++i) {
            if (!KicadFootprint::number(item.text(i + 1), &values[i]) || std::fabs(values[i]) > kFarthest)
                return fail(item, "(" + item.head() + " ...) needs " + std::to_string(count) +
                                      " numbers, none farther than 1e9 from 0");
        }
        return true;
    }

    bool readPad(const SExpression& item)
    {
        const std::string& number = item.text(1);
        if (number.empty())
            return true;
        const SExpression* at = item.child("at");
        const SExpression* size = item.child("size");
        if (!at || !size)
            return fail(item, "pad " + number + " has no (at ...) or (size ...)");
        double place[3] = {0, 0, 0};
        double extent[2] = {0, 0};
        if (!numbers(*at, 2, place) || !numbers(*size, 2, extent) || (!at->text(3).empty() && !numbers(*at, 3, place)))
            return false;
        Pad pad{&item,       place[0],    place[1],      extent[0],    extent[1],
                at->text(1), at->text(2), size->text(1), size->text(2)};
        if (std::fmod(std::fabs(place[2]), 180.0) == 90.0) {
            std::swap(pad.width, pad.height);
            std::swap(pad.widthText, pad.heightText);
        }
        const auto known = m_numbers.emplace(number, m_pads.size());
        if (known.second)
            m_pads.emplace_back();
        m_pads[known.first->second].push_back(pad);
        return true;
    }

    // Widens the extent of the outline layer the item is drawn on.
    bool readOutline(const SExpression& item)
    {
        static const char* const kLayers[] = {"F.CrtYd", "B.CrtYd", "F.Fab", "B.Fab"};
        const SExpression* layer = item.child("layer");
        const auto found = std::find(std::begin(kLayers), std::end(kLayers), layer ? layer->text(1) : "");
        if (found == std::end(kLayers))
            return true;
        Extent& extent = m_extents[found - std::begin(kLayers)];
        double center[2] = {0, 0};
        for (const SExpression& point : item.items) {
            const std::string& head = point.head();
            double xy[2];
            if (head == "start" || head == "end" || head == "mid" || head == "center") {
                if (!numbers(point, 2, xy))
                    return false;
                extent.add(xy[0], xy[1]);
                if (head == "center")
                    std::copy(xy, xy + 2, center);
            }
            for (const SExpression& corner : point.items) {
                if (head == "pts" && corner.head() == "xy") {
                    if (!numbers(corner, 2, xy))
                        return false;
                    extent.add(xy[0], xy[1]);
                }
            }
        }
        const SExpression* end = item.child("end");
        if (item.head() == "fp_circle" && end) {
            double xy[2];
            numbers(*end, 2, xy);
            const double radius = std::hypot(xy[0] - center[0], xy[1] - center[1]);
            extent.add(center[0] - radius, center[1] - radius);
            extent.add(center[0] + radius, center[1] + radius);
        }
        return true;
    }

    FootprintPad joined(const std::vector<Pad>& pads) const
    {
        const Pad& largest = *std::max_element(pads.begin(), pads.end(), [](const Pad& a, const Pad& b) {
            return a.width * a.height < b.width * b.height;
        });
        FootprintPad pin;
        pin.name = largest.item->text(1);
        if (pads.size() == 1) {
            pin.location = largest.xText + "," + KicadFootprint::negated(largest.yText, largest.y);
        } else {
            Extent centres;
            for (const Pad& pad : pads)
                centres.add(pad.x, pad.y);
            pin.location = KicadFootprint::millimetres((centres.low[0] + centres.high[0]) / 2) + "," +
                           KicadFootprint::millimetres(-(centres.low[1] + centres.high[1]) / 2);
        }
        pin.size =
            largest.widthText == largest.heightText ? largest.widthText : largest.widthText + "," + largest.heightText;
        pin.shape = largest.item->text(3);
        pin.padstack = largest.item->text(2);
        if (const SExpression* drill = largest.item->child("drill")) {
            pin.padstack += " drill";
            for (std::size_t i = 1; i < drill->items.size(); ++i) {
                if (!drill->items[i].isList)
                    pin.padstack += " " + drill->items[i].atom;
            }
        }
        return pin;
    }

    const std::string& m_path;
    KicadFootprint* m_result;
    std::string* m_error;
    std::unordered_map<std::string, std::size_t> m_numbers;
    std::vector<std::vector<Pad>> m_pads;
    Extent m_extents[4];
};

} // namespace

bool KicadFootprint::read(const std::string& path, KicadFootprint* result, std::string* error)
{
    SExpression root;
    if (!SExpressionParser::parseFile(path, &root, error))
        return false;
    if (root.head() != "footprint" && root.head() != "module") {
        *error = SExpressionParser::where(path, root, "not a KiCad footprint (footprint or module)");
        return false;
    }
    *result = KicadFootprint();
    result->name = root.text(1);
    return FootprintReading(path, result, error).read(root);
}

std::string KicadFootprint::millimetres(double value)
{
    char text[400];
    const std::to_chars_result made = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    std::string written(text, made.ptr);
    written.erase(written.find_last_not_of('0') + 1);
    if (written.back() == '.')
        written.pop_back();
    return written == "-0" ? "0" : written;
}

bool KicadFootprint::number(const std::string& text, double* value)
{
    const char* begin = text.data() + (!text.empty() && text[0] == '+' ? 1 : 0);
    const char* end = text.data() + text.size();
    const std::from_chars_result read = std::from_chars(begin, end, *value);
    return !text.empty() && read.ec == std::errc() && read.ptr == end && std::isfinite(*value);
}

std::string KicadFootprint::negated(const std::string& text, double value)
{
    if (value == 0)
        return text[0] == '-' ? text.substr(1) : text;
    if (text[0] == '-')
        return text.substr(1);
    return "-" + (text[0] == '+' ? text.substr(1) : text);
}
