#ifndef WJXMLINTERCHANGE_DESIGNIMPORTER_H
#define WJXMLINTERCHANGE_DESIGNIMPORTER_H

#include "ConstraintReading.h"

#include "wjxmlinterchange/PinConstraints.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class IWJCompInst;
class IWJDPPort;
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
    // An IO standard with the file it came from.
    struct StandardSource {
        const std::string* file;
        StandardSetting setting;
    };
    // A standard to set on a port, by upper-case name, or on one bit of it.
    struct PlannedStandard {
        std::string port;
        int bit;
        const StandardSource* source;
    };
    // A port the placements name, with the bits they place.
    struct PortPlan {
        std::string name;
        IWJPort* port = nullptr;
        const Source* first = nullptr; // the first placement of a port to be made
        int lowest = -1;
        int highest = -1;
        int type = -1;                   // the IWJPort type code the files give, -1 when none
        const Source* typedBy = nullptr; // the placement that gave it
        // "file:line" of the first placement naming it, or of the last standard.
        std::string where;
    };

    std::string where(const Source& source) const;
    std::string where(const StandardSource& source) const;
    void chooseCell();
    IWJPort* existingPort(const std::string& name) const;
    IWJDPPort* pairNamed(const std::string& name) const;
    void placePairs();
    void standardsOfPairs();
    void keepLastPlacements();
    void warnAboutAliases();
    void planPorts();
    void planType(PortPlan& plan, const Source& source);
    void planStandards();
    void planStandard(const StandardSource& source, const std::string& port, int bit,
                      std::unordered_map<std::string, const StandardSource*>& last);
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
    std::vector<StandardSource> m_standardSources;
    std::vector<PlannedStandard> m_standards; // in the order they are set
    std::vector<const Source*> m_winners;
    std::map<std::string, PortPlan> m_ports; // by upper-case name
    IWJCompInst* m_instance = nullptr;
    std::string m_cell;
};

#endif
