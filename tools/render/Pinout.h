#ifndef IFX_PINOUT_H
#define IFX_PINOUT_H

#include "model/PinFacts.h"
#include "render/PinPlacement.h"
#include "wjxmlinterfaceflowreader.h"

#include <map>
#include <string>
#include <vector>

// One pin as the pin-out draws it.
struct PinoutPin {
    std::string name;
    std::string id;
    PinPoint at;
    // "g<n>" for the n-th group (or port) of Pinout::groups(), "power",
    // "ground", "ungrouped" (mapped to a port in no group) or "unmapped";
    // an unmapped ball of a device package, what the ball is for
    // (PinoutPackage).
    std::string fill;
    bool isShort; // mapped to port bits that short each other
    std::vector<std::string> details;
    // Beside the pin on packages with pins on their edges: the local name of
    // the first port bit, or the group, it is mapped to.
    std::string label;
    // Beside an unmapped pin in place of a label: the function of the ball
    // of the device package it is (PinoutPackage).
    std::string function;
    // The pin's name, the names of what it is mapped to and of the groups of
    // its ports, joined by "|".
    // The full and the refdes-prefixed names of its port bits, the
    // differential pairs of its ports.
    std::string searchText;
    // The I/O bank of the device package the pin is a ball of, which the
    // drawing outlines; "" for none.
    std::string bank;
};

// One part map: its instance's pins on its footprint.
struct PinoutMap {
    std::string refdes;
    std::string footprint;
    PinPlacement::Method placement;
    std::vector<PinoutPin> pins; // by pin id
    // The outline's width along x and length along y; 0 when not a number.
    // Around pins placed by outline, the one the placement drew them around.
    double width;
    double length;
    std::string rotation;
    // The device package whose balls colour the unmapped pins; "" for none.
    std::string package;
    // What the drawing must say of the pins: locations that cannot be read,
    // pins the package lacks.
    std::vector<std::string> notes;
};

// What each pin of each part map is mapped to, from the pin facts, with the
// group of each mapped port.
class Pinout {
public:
    explicit Pinout(IWJInterfaceView* design);

    const std::string& designName() const { return m_designName; }
    const std::vector<PinoutMap>& maps() const { return m_maps; }
    std::vector<PinoutMap>& maps() { return m_maps; }
    // The full names of the bus interfaces and port groups that colour pins,
    // numbered by first use; in a design without any, those of the ports,
    // each bus by its name without the bit ("LED" for LED[0], LED_1, ...),
    // the members of a differential pair by the pair's.
    const std::vector<std::string>& groups() const { return m_groups; }

private:
    void addPartMap(const PinFacts& facts);
    PinoutPin describe(const PinFacts::Pin& pin, const PinPoint& at, const std::string& refdes, std::size_t cellPrefix);
    std::string fillOf(const std::vector<const PinFacts::Use*>& uses);
    int groupNumber(const std::string& group);

    std::string m_designName;
    std::vector<PinoutMap> m_maps;
    std::vector<std::string> m_groups;
    std::map<std::string, int> m_groupNumbers;
    bool m_byPort; // colours ports, for want of groups
};

#endif
