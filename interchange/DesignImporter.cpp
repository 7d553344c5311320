#include "DesignImporter.h"

#include "IoStandardWriter.h"
#include "PairMaker.h"
#include "PortBitName.h"
#include "TextRules.h"

#include "wjxmlinterfaceflowreader.h"

#include <algorithm>
#include <climits>

DesignImporter::DesignImporter(IWJInterfaceView* design, const ImportOptions& options, ImportReport* report)
    : m_design(design), m_options(options), m_report(report)
{
}

void DesignImporter::add(const std::string& fileName, const ConstraintReading& reading)
{
    m_files.push_back(fileName);
    const std::string* file = &m_files.back();
    for (const auto& error : reading.errors)
        m_report->errors.push_back(fileName + ":" + std::to_string(error.first) + ": " + error.second);
    m_report->linesReadPast += reading.readPast;
    std::vector<Placement> placements = reading.placements;
    std::vector<StandardSetting> standards = reading.standards;
    if (m_options.includeCommented) {
        const auto byLine = [](const auto& a, const auto& b) { return a.line < b.line; };
        placements.insert(placements.end(), reading.commented.begin(), reading.commented.end());
        std::stable_sort(placements.begin(), placements.end(), byLine);
        standards.insert(standards.end(), reading.commentedStandards.begin(), reading.commentedStandards.end());
        std::stable_sort(standards.begin(), standards.end(), byLine);
    } else if (!reading.commented.empty()) {
        m_report->placementsCommentedOut += static_cast<int>(reading.commented.size());
        m_report->warnings.push_back(fileName + ": warning: " + std::to_string(reading.commented.size()) +
                                     " placements are commented out, the first at " + fileName + ":" +
                                     std::to_string(reading.commented.front().line) +
                                     "; use --include-commented to read them");
    }
    for (const Placement& placement : placements) {
        if (!placement.refdes.empty() && !TextRules::equalIgnoringCase(placement.refdes, m_options.refdes)) {
            ++m_report->linesReadPast;
            continue;
        }
        m_sources.push_back(Source{file, placement});
        ++m_report->placementsRead;
    }
    for (const StandardSetting& setting : standards) {
        if (setting.refdes.empty() || TextRules::equalIgnoringCase(setting.refdes, m_options.refdes)) {
            m_standardSources.push_back(StandardSource{file, setting});
            ++m_report->standardsRead;
        }
    }
    for (const auto& warning : reading.warnings)
        m_report->warnings.push_back(fileName + ":" + std::to_string(warning.first) + ": warning: " + warning.second);
}

std::string DesignImporter::where(const Source& source) const
{
    return *source.file + ":" + std::to_string(source.placement.line);
}

std::string DesignImporter::where(const StandardSource& source) const
{
    return *source.file + ":" + std::to_string(source.setting.line);
}

bool DesignImporter::apply()
{
    if (m_options.refdes.empty()) {
        m_report->errors.push_back("the instance to place has no refdes");
        return false;
    }
    m_instance = PinConstraints::findInstance(m_design, m_options.refdes);
    chooseCell();
    placePairs();
    keepLastPlacements();
    warnAboutAliases();
    planPorts();
    standardsOfPairs();
    planStandards();
    checkOccupiedPins();
    checkNewObjects();
    if (!m_report->errors.empty())
        return false;
    edit();
    return true;
}

// The cell is the instance's, else the one asked for, else the one a CSV
// table names, else the refdes; a placement naming another cell is an error.
void DesignImporter::chooseCell()
{
    m_cell = m_instance ? m_instance->cellName() : m_options.cell;
    for (const Source& source : m_sources) {
        if (m_cell.empty())
            m_cell = source.placement.cell;
    }
    if (m_cell.empty())
        m_cell = m_options.refdes;
    for (const Source& source : m_sources) {
        const std::string& cell = source.placement.cell;
        if (!cell.empty() && !TextRules::equalIgnoringCase(cell, m_cell))
            m_report->errors.push_back(where(source) + ": the port " + cell + "." + source.placement.port +
                                       " is not of the cell " + m_cell + " of " + m_options.refdes);
    }
}

// The port of that name as PortBitName finds it.
IWJPort* DesignImporter::existingPort(const std::string& name) const
{
    return m_instance ? PortBitName::find(m_instance, name) : nullptr;
}

// The differential pair of that name, when no port has the name.
IWJDPPort* DesignImporter::pairNamed(const std::string& name) const
{
    return m_instance && !existingPort(name) ? dynamic_cast<IWJDPPort*>(m_instance->findDifferentialPort(name.c_str()))
                                             : nullptr;
}

// A differential pair's name places its positive member, as the tools place
// a pair; a bit of a pair, or a pair whose positive member is several bits,
// cannot be placed so.
void DesignImporter::placePairs()
{
    for (Source& source : m_sources) {
        Placement& placement = source.placement;
        IWJDPPort* pair = pairNamed(placement.port);
        if (!pair)
            continue;
        int lsb = -1;
        int msb = -1;
        IWJPort* positive = pair->positivePort(&lsb, &msb);
        if (!positive || placement.bit != -1 || lsb != msb) {
            m_report->errors.push_back(where(source) + ": " + placement.port +
                                       " is a differential pair; place its positive and negative ports");
            continue;
        }
        placement.port = PortBitName::localName(positive);
        placement.bit = lsb;
    }
}

// A differential pair's name sets the standard of both its members; a bit
// of a pair, or a pair of several bits of its ports, is read past.
void DesignImporter::standardsOfPairs()
{
    std::vector<StandardSource> sources;
    for (const StandardSource& source : m_standardSources) {
        const StandardSetting& setting = source.setting;
        IWJDPPort* pair = setting.pattern ? nullptr : pairNamed(setting.port);
        if (!pair) {
            sources.push_back(source);
            continue;
        }
        int bits[2][2] = {{-1, -1}, {-1, -1}};
        IWJPort* members[2] = {pair->positivePort(&bits[0][0], &bits[0][1]),
                               pair->negativePort(&bits[1][0], &bits[1][1])};
        if (setting.bit != -1 || !members[0] || !members[1] || bits[0][0] != bits[0][1] || bits[1][0] != bits[1][1]) {
            m_report->warnings.push_back(where(source) + ": warning: the IO standard " + setting.standard + " of " +
                                         PortBitName::format(setting.port, setting.bit) + " is read past: " +
                                         setting.port + " is a differential pair; set it on its ports");
            continue;
        }
        for (int member = 0; member < 2; ++member) {
            sources.push_back(source);
            sources.back().setting.port = PortBitName::localName(members[member]);
            sources.back().setting.bit = bits[member][0];
        }
    }
    m_standardSources.swap(sources);
}

// The last placement of a port bit wins; an earlier one on another pin is
// overridden, with a warning.
void DesignImporter::keepLastPlacements()
{
    std::unordered_map<std::string, std::size_t> last; // upper-case port bit name to index in m_winners
    for (const Source& source : m_sources) {
        const Placement& placement = source.placement;
        const std::string key = TextRules::upper(PortBitName::format(placement.port, placement.bit));
        const auto found = last.find(key);
        if (found == last.end()) {
            last.emplace(key, m_winners.size());
            m_winners.push_back(&source);
            continue;
        }
        const Source& earlier = *m_winners[found->second];
        if (!TextRules::equalIgnoringCase(earlier.placement.pin, placement.pin))
            m_report->warnings.push_back(
                where(source) + ": warning: " + PortBitName::format(placement.port, placement.bit) + " on pin " +
                placement.pin + " overrides its placement on pin " + earlier.placement.pin + " at " + where(earlier));
        m_winners[found->second] = &source;
    }
}

// Files alias pins on purpose; both placements stay, with a warning.
void DesignImporter::warnAboutAliases()
{
    std::unordered_map<std::string, const Source*> byPin;
    for (const Source* source : m_winners) {
        const Placement& placement = source->placement;
        const auto first = byPin.emplace(TextRules::upper(placement.pin), source);
        if (first.second)
            continue;
        const Placement& other = first.first->second->placement;
        m_report->warnings.push_back(where(*source) + ": warning: pin " + placement.pin + " is placed for " +
                                     PortBitName::format(other.port, other.bit) + " (" + where(*first.first->second) +
                                     ") and for " + PortBitName::format(placement.port, placement.bit));
    }
}

// Finds each port, checks the bits placed on an existing one and gathers the
// range of one to be made.
void DesignImporter::planPorts()
{
    for (const Source* source : m_winners) {
        const Placement& placement = source->placement;
        const auto made = m_ports.emplace(TextRules::upper(placement.port), PortPlan());
        PortPlan& plan = made.first->second;
        if (made.second) {
            plan.name = placement.port;
            plan.where = where(*source);
            plan.port = existingPort(placement.port);
            plan.first = source;
        }
        planType(plan, *source);
        if (placement.bit == -1)
            continue;
        if (plan.port) {
            const int lsb = std::min(plan.port->lsb(), plan.port->msb());
            const int msb = std::max(plan.port->lsb(), plan.port->msb());
            if (lsb < 0 || placement.bit < lsb || placement.bit > msb)
                m_report->errors.push_back(where(*source) + ": bit " + std::to_string(placement.bit) +
                                           " is outside the bits of port " + plan.port->fullName());
            continue;
        }
        plan.lowest = plan.lowest == -1 ? placement.bit : std::min(plan.lowest, placement.bit);
        plan.highest = std::max(plan.highest, placement.bit);
    }
}

// A port takes the type its placements give, the same in all of them; an
// existing port keeps its own, with a warning when the files say otherwise.
void DesignImporter::planType(PortPlan& plan, const Source& source)
{
    const std::string& word = source.placement.type;
    if (word.empty())
        return;
    const std::string port = m_cell + "." + plan.name;
    const int type = TextRules::portTypeCode(word);
    if (type == -1) {
        m_report->errors.push_back(where(source) + ": the type \"" + word + "\" of port " + port +
                                   " is none of input, output, inout, power, ground");
    } else if (plan.typedBy && plan.type != type) {
        m_report->errors.push_back(where(source) + ": port " + port + " is given the type " + word + " here and " +
                                   TextRules::portTypeWord(plan.type) + " at " + where(*plan.typedBy));
    } else if (!plan.typedBy) {
        plan.type = type;
        plan.typedBy = &source;
        if (plan.port && plan.port->type() != type)
            m_report->warnings.push_back(where(source) + ": warning: port " + port + " keeps its type " +
                                         TextRules::portTypeWord(plan.port->type()) + "; the file gives " + word);
    }
}

// Resolves each standard to the ports and bits it names, in file order, so
// that the last one of a bit wins: a pattern matches the port bits placed,
// a name a port placed or one of the instance.
void DesignImporter::planStandards()
{
    std::unordered_map<std::string, const StandardSource*> last; // by upper-case port bit name
    // A pattern looks only at the port bits named as its literal start is,
    // and only its last use counts: a repeated one would set the same bits.
    std::vector<std::pair<std::string, const Placement*>> placed; // by upper-case port bit name
    std::unordered_map<std::string, const StandardSource*> lastUse;
    for (const StandardSource& source : m_standardSources) {
        if (source.setting.pattern)
            lastUse[TextRules::upper(source.setting.port)] = &source;
    }
    for (const Source* winner : lastUse.empty() ? std::vector<const Source*>() : m_winners)
        placed.emplace_back(TextRules::upper(PortBitName::format(winner->placement.port, winner->placement.bit)),
                            &winner->placement);
    const auto byName = [](const std::pair<std::string, const Placement*>& a, const std::string& b) {
        return a.first < b;
    };
    std::sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const StandardSource& source : m_standardSources) {
        const StandardSetting& setting = source.setting;
        const std::string named = PortBitName::format(setting.port, setting.bit);
        if (setting.pattern) {
            const std::string pattern = TextRules::upper(setting.port);
            if (lastUse[pattern] != &source)
                continue;
            const std::string start = pattern.substr(0, pattern.find_first_of("*?"));
            bool matched = false;
            for (auto bit = std::lower_bound(placed.begin(), placed.end(), start, byName);
                 bit != placed.end() && bit->first.compare(0, start.size(), start) == 0; ++bit) {
                if (TextRules::matchesIgnoringCase(pattern, bit->first)) {
                    planStandard(source, bit->second->port, bit->second->bit, last);
                    matched = true;
                }
            }
            if (!matched)
                m_report->warnings.push_back(where(source) + ": warning: the IO standard " + setting.standard + " of " +
                                             named + " is read past: no port placed matches it");
            continue;
        }
        auto plan = m_ports.find(TextRules::upper(setting.port));
        if (plan == m_ports.end()) {
            IWJPort* port = existingPort(setting.port);
            if (!port) {
                m_report->warnings.push_back(where(source) + ": warning: the IO standard " + setting.standard + " of " +
                                             named + " is read past: no port " + setting.port +
                                             " is placed or in the design");
                continue;
            }
            plan = m_ports.emplace(TextRules::upper(setting.port), PortPlan()).first;
            plan->second.name = setting.port;
            plan->second.port = port;
            plan->second.where = where(source);
        }
        const PortPlan& target = plan->second;
        const int lsb = target.port ? std::min(target.port->lsb(), target.port->msb()) : target.lowest;
        const int msb = target.port ? std::max(target.port->lsb(), target.port->msb()) : target.highest;
        if (setting.bit != -1 && (lsb < 0 || setting.bit < lsb || setting.bit > msb)) {
            m_report->warnings.push_back(where(source) + ": warning: the IO standard " + setting.standard + " of " +
                                         named + " is read past: the port has no such bit placed");
            continue;
        }
        planStandard(source, setting.port, setting.bit, last);
    }
}

// A standard overriding another one of the bit is said, unless the other
// came from a pattern, which gives a default.
void DesignImporter::planStandard(const StandardSource& source, const std::string& port, int bit,
                                  std::unordered_map<std::string, const StandardSource*>& last)
{
    const std::string named = PortBitName::format(port, bit);
    const auto found = last.emplace(TextRules::upper(named), &source);
    const StandardSource& earlier = *found.first->second;
    if (!found.second && !earlier.setting.pattern &&
        !TextRules::equalIgnoringCase(earlier.setting.standard, source.setting.standard))
        m_report->warnings.push_back(where(source) + ": warning: the IO standard " + source.setting.standard + " of " +
                                     named + " overrides " + earlier.setting.standard + " at " + where(earlier));
    found.first->second = &source;
    m_standards.push_back(PlannedStandard{TextRules::upper(port), bit, &source});
    m_ports[TextRules::upper(port)].where = where(source);
}

// A pin the part map gives to a port bit that the files do not move would
// short the two: an error, or with force a warning.
void DesignImporter::checkOccupiedPins()
{
    IWJPartMap* map = m_instance ? m_design->findPartMap(m_instance) : nullptr;
    if (!map)
        return;
    using PortBit = std::pair<IWJPort*, int>;
    std::unordered_map<std::string, PortBit> occupants; // by upper-case pin name
    auto occupy = [&occupants](IWJPortRef* ref, IWJFootPrintPin* pin) {
        PortBit occupant{nullptr, -1};
        occupant.first = ref->port(&occupant.second, nullptr);
        if (occupant.first)
            occupants.emplace(TextRules::upper(pin->name()), occupant);
    };
    for (auto maps = map->portPinMaps(); maps.isValid() && !m_options.replace; ++maps)
        occupy(maps.key(), maps.value());
    for (auto maps = map->portPinGroupMaps(); maps.isValid(); ++maps) {
        for (auto pins = maps.value()->pins(); pins.isValid(); ++pins)
            occupy(maps.key(), pins.value());
    }
    std::set<PortBit> moved;
    for (const Source* source : m_winners)
        moved.emplace(m_ports[TextRules::upper(source->placement.port)].port, source->placement.bit);
    for (const Source* source : m_winners) {
        const Placement& placement = source->placement;
        const auto occupant = occupants.find(TextRules::upper(placement.pin));
        if (occupant == occupants.end() || moved.count(occupant->second))
            continue;
        const std::string message = "pin " + placement.pin + " is mapped to " +
                                    PortBitName::format(occupant->second.first->fullName(), occupant->second.second) +
                                    ", which the files do not move";
        if (m_options.force)
            m_report->warnings.push_back(where(*source) + ": warning: " + message);
        else
            m_report->errors.push_back(where(*source) + ": " + message + "; --force places " +
                                       PortBitName::format(placement.port, placement.bit) + " there too");
    }
}

// Ports and pins to be made: refused when asked, and a made port's pin
// count must be a number the file can hold.
void DesignImporter::checkNewObjects()
{
    for (const auto& entry : m_ports) {
        const PortPlan& plan = entry.second;
        if (plan.port)
            continue;
        if (m_options.noNewPorts)
            m_report->errors.push_back(where(*plan.first) + ": the design has no port " + plan.name +
                                       " and --no-new-ports makes none");
        else if (static_cast<long long>(plan.highest) - plan.lowest >= INT_MAX)
            m_report->errors.push_back(where(*plan.first) + ": the bits " + std::to_string(plan.lowest) + " to " +
                                       std::to_string(plan.highest) + " of the new port " + plan.name +
                                       " are too many pins to count");
    }
    IWJPartMap* map = m_instance ? m_design->findPartMap(m_instance) : nullptr;
    IWJFootPrint* pins = map && map->footprint() ? map->footprint() : footprint(false);
    for (const Source* source : m_winners) {
        if (m_options.noNewPins && !(pins && pins->findPin(source->placement.pin.c_str())))
            m_report->errors.push_back(where(*source) + ": the footprint has no pin " + source->placement.pin +
                                       " and --no-new-pins makes none");
    }
}

void DesignImporter::edit()
{
    if (!m_instance)
        m_instance = m_design->addCompInst(m_cell.c_str(), m_options.refdes.c_str());
    IWJPartMap* map = partMap();
    if (m_options.replace) {
        std::vector<std::pair<IWJPort*, int>> mapped;
        for (auto maps = map->portPinMaps(); maps.isValid(); ++maps) {
            int bit = -1;
            IWJPort* port = maps.key()->port(&bit, nullptr);
            if (port)
                mapped.emplace_back(port, bit);
        }
        for (const auto& mapping : mapped)
            map->unmapPort(mapping.first, mapping.second);
    }
    for (auto& entry : m_ports) {
        PortPlan& plan = entry.second;
        if (plan.port)
            continue;
        const int pins = plan.lowest == -1 ? 1 : plan.highest - plan.lowest + 1;
        plan.port = m_instance->addPort(plan.name.c_str(), "", plan.type == -1 ? IWJPort::Inout : plan.type, pins,
                                        plan.lowest, plan.highest);
        ++m_report->portsMade;
        m_report->madePorts.push_back(plan.name);
    }
    IWJFootPrint* pins = map->footprint();
    if (!pins) {
        pins = footprint();
        map->setFootprint(pins);
    }
    for (const Source* source : m_winners) {
        const Placement& placement = source->placement;
        IWJFootPrintPin* pin = pins->findPin(placement.pin.c_str());
        if (!pin) {
            pin = pins->addPin(placement.pin.c_str(), "", "", "", "");
            ++m_report->pinsMade;
            m_report->madePins.push_back(placement.pin);
        }
        map->mapPortToPin(m_ports[TextRules::upper(placement.port)].port, pin, placement.bit);
    }
    IoStandardWriter standards(m_instance);
    for (const PlannedStandard& planned : m_standards)
        standards.set(m_ports[planned.port].port, planned.bit, planned.source->setting.standard);
    standards.write();
    PairMaker pairs(m_instance, standards, m_options.pairsByName);
    for (const auto& entry : m_ports)
        m_report->pairsMade += pairs.pair(entry.second.port, entry.second.where, &m_report->warnings) ? 1 : 0;
}

IWJPartMap* DesignImporter::partMap()
{
    IWJPartMap* map = m_design->findPartMap(m_instance);
    return map ? map : m_design->addPartMap(footprint(), m_instance);
}

// The footprint of a new part map: found by name, else made (or null).
IWJFootPrint* DesignImporter::footprint(bool make)
{
    const std::string name = m_options.footprint.empty() ? m_cell + "_PACKAGE" : m_options.footprint;
    for (auto walk = m_design->footprints(); walk.isValid(); ++walk) {
        if (name == walk.value()->name())
            return walk.value();
    }
    return make ? m_design->addFootprint(name.c_str(), "", "", "", "", "") : nullptr;
}
