#ifndef IFX_PINPLACEMENT_H
#define IFX_PINPLACEMENT_H

#include <string>
#include <vector>

struct PinPoint {
    double x;
    double y; // grows upwards, as seen from the top
};

// Where to draw the pins of one footprint. The first way that works for
// every pin is taken: the pins' "x,y" locations; else a ball grid from names
// such as A1 or AR40; else, when the pins are numbered, around the package's
// outline; else rows of pins in name order.
class PinPlacement {
public:
    enum class Method { Location, Grid, Outline, NameOrder };

    // names[i] and locations[i] belong to one pin; package is the
    // footprint's name, which tells packages with pins on two sides (DIP,
    // SO..., DFN) from those with pins on four.
    PinPlacement(const std::vector<std::string>& names, const std::vector<std::string>& locations,
                 const std::string& package = "");

    Method method() const { return m_method; }
    // In the order of the pins given; in grid, outline and name order one
    // unit apart, the first row on top. Around an outline, pin 1 is at the
    // top of the left side and the numbers run anticlockwise, as seen from
    // the top; pins that are no number (an exposed pad) lie in the middle.
    const std::vector<PinPoint>& points() const { return m_points; }
    // The body drawn inside the pins placed around an outline, centred on
    // them; 0 for the other methods.
    double outlineWidth() const { return m_outlineWidth; }
    double outlineLength() const { return m_outlineLength; }
    // The indexes of the pins whose location is given but cannot be read.
    const std::vector<std::size_t>& unreadable() const { return m_unreadable; }
    // The distance between neighbouring pins: the median over the pins of
    // the distance to the nearest other pin, so that a few pads off the rows
    // (an exposed pad, shield tabs) do not set it; 1 for fewer than 2 pins.
    static double pitch(const std::vector<PinPoint>& points);

    // "x,y" as two numbers, spaces allowed around them, neither farther
    // than 1e9 from 0 (farther ones cannot be drawn).
    static bool parseLocation(const std::string& text, PinPoint& point);
    // Row and column, from 0, of a ball grid name: one or two row letters
    // (without I, O, Q, S, X, Z; A..Y, then AA..AY, BA..) and a column from 1.
    static bool gridCell(const std::string& name, int& row, int& column);

private:
    bool placeByLocation(const std::vector<std::string>& locations);
    bool placeOnGrid(const std::vector<std::string>& names);
    bool placeAroundOutline(const std::vector<std::string>& names, const std::string& package);
    void placeInNameOrder(const std::vector<std::string>& names);

    Method m_method = Method::NameOrder;
    std::vector<PinPoint> m_points;
    std::vector<std::size_t> m_unreadable;
    double m_outlineWidth = 0;
    double m_outlineLength = 0;
};

#endif
