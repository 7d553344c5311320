#ifndef WJXMLINTERCHANGE_DESIGNIMPORTER_H
#define WJXMLINTERCHANGE_DESIGNIMPORTER_H

#include "ConstraintReading.h"

#include "wjxmlinterchange/PinConstraints.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

class IWJCompInst;
class IWJFootPrint;
class IWJInterfaceView;
class IWJPartMap;
class IWJPort;

// Puts the placements read from constraint files on one instance of a
// design. Everything is checked before the first edit, so a design with
// errors is left as it was.
class DesignImporter {
public:
    DesignImporter(IWJInterfaceView* design, const ImportOptions& options, ImportReport* report);

    // Takes the placements and errors of one file.
    void add(const std::string& fileName, const ConstraintReading& reading);
    // Checks, then edits; false when there were errors.
    bool apply();

private:
    // A placement with the file it came from.
    struct Source {
        const std::string* file;
        Placement placement;
    };
    // A port the placements name, with the bits they place.
    struct PortPlan {
        std::string name;
        IWJPort* port = nullptr;
        const Source* first = nullptr; // the first placement of a port to be made
        int lowest = -1;
        int highest = -1;
    };

    std::string where(const Source& source) const;
    void chooseCell();
    IWJPort* existingPort(const std::string& name) const;
    void placePairs();
    void keepLastPlacements();
    void warnAboutAliases();
    void planPorts();
    void checkOccupiedPins();
    void checkNewObjects();
    void edit();
    IWJPartMap* partMap();
    IWJFootPrint* footprint(bool make = true);

    IWJInterfaceView* m_design;
    const ImportOptions& m_options;
    ImportReport* m_report;
    std::deque<std::string> m_files; // stays in place: sources point at their file
    std::vector<Source> m_sources;
    std::vector<const Source*> m_winners;
    std::map<std::string, PortPlan> m_ports; // by upper-case name
    IWJCompInst* m_instance = nullptr;
    std::string m_cell;
};

#endif
