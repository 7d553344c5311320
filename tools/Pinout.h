#ifndef IFX_PINOUT_H
#define IFX_PINOUT_H

#include "PinPlacement.h"
#include "wjxmlinterfaceflowreader.h"

#include <map>
#include <string>
#include <vector>

struct PinMapRow;

// One pin as the pin-out draws it.
struct PinoutPin {
    std::string name;
    std::string id;
    PinPoint at;
    // "g<n>" for the n-th group of Pinout::groups(), "power", "ground",
    // "ungrouped" (mapped to a port in no group) or "unmapped".
    std::string fill;
    bool isShort; // mapped to two different port bits
    std::vector<std::string> details;
    // The pin's name, the names of what it is mapped to and of the groups of
    // its ports, joined by "|".
    std::string searchText;
};

// One part map: its instance's pins on its footprint.
struct PinoutMap {
    std::string refdes;
    std::string footprint;
    PinPlacement::Method placement;
    std::vector<PinoutPin> pins; // by pin id
};

// What each pin of each part map is mapped to, from the pin map table, with
// the group of each mapped port.
class Pinout {
public:
    explicit Pinout(IWJInterfaceView* design);

    const std::string& designName() const { return m_designName; }
    const std::vector<PinoutMap>& maps() const { return m_maps; }
    // The full names of the bus interfaces and port groups that colour pins,
    // numbered by first use.
    const std::vector<std::string>& groups() const { return m_groups; }

private:
    // What one pin is mapped to.
    struct Use {
        std::string port; // "" for a group mapping
        int bit;
        int type;
        std::string group;
    };

    void addPartMap(IWJPartMap* partMap, const std::vector<const PinMapRow*>& rows);
    PinoutPin describe(IWJFootPrintPin* pin, const std::string& id, const PinPoint& at,
                       const std::vector<Use>& uses);
    std::string fillOf(const std::vector<Use>& uses);
    int groupNumber(const std::string& group);

    std::string m_designName;
    std::vector<PinoutMap> m_maps;
    std::vector<std::string> m_groups;
    std::map<std::string, int> m_groupNumbers;
};

#endif
