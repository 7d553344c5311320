#include "EditFuzzCase.h"

#include "RoundTripCheck.h"
#include "wjxmlinterfaceflowreader.h"

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace {

using View = std::unique_ptr<IWJInterfaceView>;

// Draws choices from the input bytes; once they run out every choice is 0.
// Each draw is a statement of its own: the order in which the arguments of a
// call are evaluated differs between compilers, and an input must mean the
// same to the fuzzer (clang) and to the tests (g++).
class Bytes {
public:
    explicit Bytes(const std::string& data) : m_data(data) {}

    bool done() const { return m_next >= m_data.size(); }

    int below(int count)
    {
        if (count <= 1 || done())
            return 0;
        return static_cast<unsigned char>(m_data[m_next++]) % count;
    }

    bool flag() { return below(2) == 1; }

private:
    const std::string& m_data;
    std::size_t m_next = 0;
};

// Texts that XML can carry, with the characters a writer must escape or keep.
const char* const kNames[] = {"A",   "a",    "CLK",       "clk",         "DATA",         "3V3",  "x y", "D<0>",
                              "Q",   "",     " ",         "-",           "U1",           "A_1",  "a.b", "&<>\"'",
                              "]]>", "\t\n", "\r\n x \r", "caf\xc3\xa9", "\xe2\x82\xac", "TVN_A"};
const int kNameCount = sizeof(kNames) / sizeof(kNames[0]);

// Numbers where a text form could go wrong.
const int kNumbers[] = {-1, 0, 1, 2, 3, 7, 15, 31, -2, 1000000, INT_MAX, INT_MIN};
const int kNumberCount = sizeof(kNumbers) / sizeof(kNumbers[0]);

// A group at this level below its bus interface lies 5 + 2 * level elements
// deep, its port references' ranges 3 deeper: files nest at most 512 deep.
const int kMaxGroupLevel = 250;

class Editor {
public:
    Editor(IWJInterfaceView* view, Bytes& bytes) : m_view(view), m_bytes(bytes) { collect(); }

    // Edits until the input runs out (false) or asks for the design to be
    // saved and read back (true).
    bool edit()
    {
        while (!m_bytes.done()) {
            if (step())
                return true;
        }
        return false;
    }

    // What the operations found wrong on the way; "" when nothing.
    const std::string& problem() const { return m_problem; }

private:
    struct Instance {
        IWJCompInst* inst;
        std::vector<IWJPort*> ports;
        std::vector<IWJPort*> pairs;
        std::vector<IWJPortGroup*> groups;
    };
    struct Footprint {
        IWJFootPrint* footprint;
        std::vector<IWJFootPrintPin*> pins;
    };
    struct PartMap {
        IWJPartMap* map;
        std::size_t instance;
        std::size_t footprint;
    };

    const char* name() { return kNames[m_bytes.below(kNameCount)]; }
    int number() { return kNumbers[m_bytes.below(kNumberCount)]; }

    template <class T> T& pick(std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(m_bytes.below(static_cast<int>(items.size())))];
    }

    std::size_t index(std::size_t count) { return static_cast<std::size_t>(m_bytes.below(static_cast<int>(count))); }

    // The objects of a design that was read, as the operations know them.
    void collect()
    {
        std::map<IWJCompInst*, std::size_t> instances;
        std::map<IWJFootPrint*, std::size_t> footprints;
        for (auto insts = m_view->compInsts(); insts.isValid(); ++insts) {
            Instance instance{insts.value(), {}, {}, {}};
            for (auto ports = insts.value()->ports(); ports.isValid(); ++ports)
                instance.ports.push_back(ports.value());
            for (auto pairs = insts.value()->differentialPorts(); pairs.isValid(); ++pairs)
                instance.pairs.push_back(pairs.value());
            std::vector<std::pair<IWJPortGroup*, int>> pending;
            for (auto buses = insts.value()->busInterfaces(); buses.isValid(); ++buses)
                pending.push_back({buses.value(), 0});
            while (!pending.empty()) {
                const auto [group, level] = pending.back();
                pending.pop_back();
                instance.groups.push_back(group);
                m_levels[group] = level;
                for (auto children = group->portGroups(); children.isValid(); ++children)
                    pending.push_back({children.value(), level + 1});
            }
            instances[insts.value()] = m_instances.size();
            m_instances.push_back(instance);
        }
        for (auto walk = m_view->footprints(); walk.isValid(); ++walk) {
            Footprint footprint{walk.value(), {}};
            for (auto pins = walk.value()->pins(); pins.isValid(); ++pins)
                footprint.pins.push_back(pins.value());
            footprints[walk.value()] = m_footprints.size();
            m_footprints.push_back(footprint);
        }
        for (auto walk = m_view->partMaps(); walk.isValid(); ++walk) {
            const auto instance = instances.find(walk.value()->compInst());
            const auto footprint = footprints.find(walk.value()->footprint());
            if (instance != instances.end() && footprint != footprints.end())
                m_partMaps.push_back({walk.value(), instance->second, footprint->second});
        }
    }

    // One operation; true when it is a save and reload.
    bool step()
    {
        switch (m_bytes.below(27)) {
        case 0: {
            const char* cellName = name();
            const char* refdes = m_bytes.flag() ? name() : nullptr;
            m_instances.push_back({m_view->addCompInst(cellName, refdes), {}, {}, {}});
            break;
        }
        case 1: addPort(); break;
        case 2: addDifferentialPort(); break;
        case 3:
            if (!m_instances.empty()) {
                Instance& i = pick(m_instances);
                const char* busName = name();
                IWJCompBusInterface* bus = i.inst->addBusInterface(busName, name());
                m_levels[bus] = 0;
                i.groups.push_back(bus);
            }
            break;
        case 4: addPortGroup(); break;
        case 5: addPortRef(); break;
        case 6: addFootprint(); break;
        case 7: addPin(); break;
        case 8:
            if (!m_instances.empty() && !m_footprints.empty()) {
                const std::size_t instance = index(m_instances.size());
                const std::size_t footprint = index(m_footprints.size());
                m_partMaps.push_back({m_view->addPartMap(m_footprints[footprint].footprint, m_instances[instance].inst),
                                      instance, footprint});
            }
            break;
        case 9:
        case 10: map(); break;
        case 11: unmap(); break;
        case 12: renameInstance(); break;
        case 13: changePort(); break;
        case 14: changeGroup(); break;
        case 15: changeFootprint(); break;
        case 16: removePort(); break;
        case 17:
            if (m_bytes.below(4) == 0)
                remove();
            break;
        case 18: setMembers(); break;
        case 19: return true;
        case 21: mapAcross(); break;
        case 22: moveMap(); break;
        case 23: editReference(); break;
        case 24: moveGroup(); break;
        case 25: growMappedPinGroup(); break;
        case 26: walkPastTheEnd(); break;
        default:
            switch (m_bytes.below(3)) {
            case 0: m_view->setDesignName(name()); break;
            case 1: m_view->setLastUpdatedBy(name()); break;
            default: m_view->setLastUpdatedAt(name()); break;
            }
            break;
        }
        return false;
    }

    void addPort()
    {
        if (m_instances.empty())
            return;
        Instance& i = pick(m_instances);
        const char* portName = name();
        const char* instancePortName = m_bytes.flag() ? name() : "";
        const int type = m_bytes.below(6);
        const int numPhysPins = number();
        const int lsb = number();
        const int msb = number();
        i.ports.push_back(i.inst->addPort(portName, instancePortName, type, numPhysPins, lsb, msb));
    }

    void addDifferentialPort()
    {
        if (m_instances.empty())
            return;
        Instance& i = pick(m_instances);
        const char* pairName = name();
        const char* instancePortName = m_bytes.flag() ? name() : nullptr;
        i.pairs.push_back(i.inst->addDifferentialPort(pairName, instancePortName));
    }

    void setMembers()
    {
        if (m_instances.empty())
            return;
        Instance& i = pick(m_instances);
        if (i.pairs.empty() || i.ports.empty())
            return;
        auto* pair = dynamic_cast<IWJDPPort*>(pick(i.pairs));
        const int lsb = number();
        const int msb = number();
        // Now and then a port of another instance, which must be refused.
        Instance& owner = m_bytes.below(4) == 0 ? pick(m_instances) : i;
        IWJPort* member = owner.ports.empty() ? nullptr : pick(owner.ports);
        if (m_bytes.flag())
            pair->setPositivePort(member, lsb, msb);
        else
            pair->setNegativePort(member, lsb, msb);
    }

    void addFootprint()
    {
        const char* footprintName = name();
        const char* width = m_bytes.flag() ? name() : nullptr;
        const char* length = name();
        const char* origin = name();
        const char* rotation = m_bytes.flag() ? name() : nullptr;
        m_footprints.push_back({m_view->addFootprint(footprintName, width, length, nullptr, origin, rotation), {}});
    }

    void addPin()
    {
        if (m_footprints.empty())
            return;
        Footprint& f = pick(m_footprints);
        const char* pinName = name();
        const char* location = m_bytes.flag() ? name() : nullptr;
        const char* padstack = name();
        const char* shape = m_bytes.flag() ? name() : nullptr;
        f.pins.push_back(f.footprint->addPin(pinName, location, padstack, nullptr, shape));
    }

    void addPortGroup()
    {
        if (m_instances.empty())
            return;
        Instance& i = pick(m_instances);
        if (i.groups.empty())
            return;
        IWJPortGroup* parent = pick(i.groups);
        const char* groupName = name();
        const auto type = static_cast<IWJPortGroup::IWJPortGroupType>(m_bytes.below(3));
        const char* voltage = m_bytes.flag() ? name() : nullptr;
        const int power = number();
        const int ground = number();
        if (m_levels[parent] >= kMaxGroupLevel)
            return;
        IWJPortGroup* group = parent->addPortGroup(groupName, type, voltage, power, ground);
        m_levels[group] = m_levels[parent] + 1;
        i.groups.push_back(group);
    }

    void addPortRef()
    {
        if (m_instances.empty())
            return;
        Instance& i = pick(m_instances);
        if (i.groups.empty())
            return;
        IWJPortGroup* group = pick(i.groups);
        if (m_bytes.flag()) {
            if (!i.ports.empty()) {
                IWJPort* port = pick(i.ports);
                const int lsb = number();
                group->addPortRef(port, lsb, number());
            }
        } else if (!i.pairs.empty()) {
            group->addPortRef(pick(i.pairs), -1, -1);
        }
    }

    void map()
    {
        if (m_partMaps.empty())
            return;
        PartMap& p = pick(m_partMaps);
        Instance& i = m_instances[p.instance];
        Footprint& f = m_footprints[p.footprint];
        if (f.pins.empty())
            return;
        const int bit = number();
        const int form = m_bytes.below(5);
        if (form <= 2 && !i.ports.empty()) {
            IWJPort* port = pick(i.ports);
            if (form == 0)
                p.map->mapPortToPin(port, pick(f.pins), bit);
            else if (form == 1)
                p.map->mapPortToPinName(port, pick(f.pins)->name(), bit);
            else
                p.map->mapPortToPinNames(port, {pick(f.pins)->name(), pick(f.pins)->name(), name()}, bit);
        } else if (form == 3 && !i.pairs.empty()) {
            IWJPort* pair = pick(i.pairs);
            p.map->mapPortToPin(pair, pick(f.pins), -1);
        } else if (form == 4 && !i.groups.empty()) {
            IWJPortGroup* group = pick(i.groups);
            p.map->mapPortGroupToPinNames(group, {pick(f.pins)->name()});
        }
    }

    void unmap()
    {
        if (m_partMaps.empty())
            return;
        PartMap& p = pick(m_partMaps);
        Instance& i = m_instances[p.instance];
        if (!i.ports.empty()) {
            IWJPort* port = pick(i.ports);
            p.map->unmapPort(port, number());
        }
        if (!i.groups.empty() && m_bytes.flag())
            p.map->unmapPortGroup(pick(i.groups));
    }

    void renameInstance()
    {
        if (m_instances.empty())
            return;
        Instance& i = pick(m_instances);
        if (m_bytes.flag())
            i.inst->setCellName(name());
        else
            i.inst->setRefdes(name());
    }

    void changePort()
    {
        if (m_instances.empty())
            return;
        Instance& i = pick(m_instances);
        if (i.ports.empty())
            return;
        IWJPort* port = pick(i.ports);
        switch (m_bytes.below(4)) {
        case 0:
            if (m_bytes.flag())
                port->setName(name());
            else
                port->setInstancePortName(name());
            break;
        // Codes and types without a word too.
        case 1: port->setType(m_bytes.below(8) - 1); break;
        case 2: port->setNumPhysPins(number()); break;
        default: {
            const int lsb = number();
            port->setRange(lsb, number());
            break;
        }
        }
    }

    void changeGroup()
    {
        if (m_instances.empty())
            return;
        Instance& i = pick(m_instances);
        if (i.groups.empty())
            return;
        IWJPortGroup* group = pick(i.groups);
        switch (m_bytes.below(4)) {
        case 0: group->setName(name()); break;
        case 1: group->setGroupType(static_cast<IWJPortGroup::IWJPortGroupType>(m_bytes.below(5) - 1)); break;
        case 2: group->setVoltage(name()); break;
        default: {
            const int power = number();
            group->setNumPhysPins(power, number());
            break;
        }
        }
        if (auto* bus = dynamic_cast<IWJCompBusInterface*>(group); bus && m_bytes.flag())
            bus->setDefinition(name());
    }

    void changeFootprint()
    {
        if (m_footprints.empty())
            return;
        Footprint& f = pick(m_footprints);
        if (!f.pins.empty() && m_bytes.flag()) {
            IWJFootPrintPin* pin = pick(f.pins);
            switch (m_bytes.below(5)) {
            case 0: pin->setName(name()); break;
            case 1: pin->setLocation(name()); break;
            case 2: pin->setPadstack(name()); break;
            case 3: pin->setSize(name()); break;
            default: pin->setShape(name()); break;
            }
            return;
        }
        switch (m_bytes.below(6)) {
        case 0: f.footprint->setName(name()); break;
        case 1: f.footprint->setWidth(name()); break;
        case 2: f.footprint->setLength(name()); break;
        case 3: f.footprint->setThickness(name()); break;
        case 4: f.footprint->setOrigin(name()); break;
        default: f.footprint->setRotation(name()); break;
        }
    }

    // Maps a port of any instance onto a pin of any footprint: what is not
    // the part map's own must be refused.
    void mapAcross()
    {
        if (m_partMaps.empty() || m_instances.empty() || m_footprints.empty())
            return;
        PartMap& p = pick(m_partMaps);
        Instance& i = pick(m_instances);
        Footprint& f = pick(m_footprints);
        if (i.ports.empty() || f.pins.empty())
            return;
        IWJPort* port = pick(i.ports);
        IWJFootPrintPin* pin = pick(f.pins);
        p.map->mapPortToPin(port, pin, number());
        if (!i.groups.empty())
            p.map->mapPortGroupToPinNames(pick(i.groups), {pin->name()});
    }

    // Points a part map at another instance or footprint; it keeps what
    // resolves by name.
    void moveMap()
    {
        if (m_partMaps.empty() || m_instances.empty() || m_footprints.empty())
            return;
        PartMap& p = pick(m_partMaps);
        if (m_bytes.flag()) {
            const std::size_t instance = index(m_instances.size());
            p.map->setCompInst(m_instances[instance].inst);
            if (p.map->compInst() == m_instances[instance].inst)
                p.instance = instance;
        } else {
            const std::size_t footprint = index(m_footprints.size());
            p.map->setFootprint(m_footprints[footprint].footprint);
            if (p.map->footprint() == m_footprints[footprint].footprint)
                p.footprint = footprint;
        }
    }

    // A host's change of a group's or a part map's port reference.
    void editReference()
    {
        if (m_instances.empty())
            return;
        Instance& i = pick(m_instances);
        Instance& other = pick(m_instances);
        IWJPortRef* ref = nullptr;
        if (m_bytes.flag() && !i.groups.empty()) {
            ref = pick(i.groups)->portRefs().value();
        } else if (!m_partMaps.empty()) {
            auto maps = pick(m_partMaps).map->portPinMaps();
            for (int skip = m_bytes.below(4); skip > 0; --skip)
                ++maps;
            ref = maps.key();
        }
        if (!ref)
            return;
        if (m_bytes.flag()) {
            const int lsb = number();
            ref->setRange(lsb, m_bytes.flag() ? lsb : number());
        } else if (!other.ports.empty()) {
            ref->setPort(pick(other.ports));
        }
    }

    // Moves a group below another group of any instance; the depth a file
    // may hold is kept.
    void moveGroup()
    {
        if (m_instances.empty())
            return;
        Instance& i = pick(m_instances);
        Instance& other = pick(m_instances);
        if (i.groups.empty() || other.groups.empty())
            return;
        IWJPortGroup* target = pick(i.groups);
        IWJPortGroup* group = pick(other.groups);
        if (m_levels[target] + 1 + height(group) > kMaxGroupLevel)
            return;
        target->insertPortGroup(group);
        relevel(i.groups);
    }

    static int height(IWJPortGroup* group)
    {
        int deepest = 0;
        for (auto children = group->portGroups(); children.isValid(); ++children)
            deepest = std::max(deepest, 1 + height(children.value()));
        return deepest;
    }

    void relevel(const std::vector<IWJPortGroup*>& groups)
    {
        for (IWJPortGroup* group : groups) {
            if (group->groupKind() != 0)
                continue;
            std::vector<std::pair<IWJPortGroup*, int>> pending{{group, 0}};
            while (!pending.empty()) {
                const auto [below, level] = pending.back();
                pending.pop_back();
                m_levels[below] = level;
                for (auto children = below->portGroups(); children.isValid(); ++children)
                    pending.push_back({children.value(), level + 1});
            }
        }
    }

    // Adds a pin of any footprint to a pin group a part map has mapped.
    void growMappedPinGroup()
    {
        if (m_partMaps.empty() || m_footprints.empty())
            return;
        PartMap& p = pick(m_partMaps);
        Footprint& f = pick(m_footprints);
        auto groups = p.map->portPinGroupMaps();
        if (groups.isValid() && !f.pins.empty())
            groups.value()->addPin(pick(f.pins));
    }

    // Handles advanced past their end, and an instance removed twice.
    void walkPastTheEnd()
    {
        auto instances = m_view->compInsts();
        const int steps = m_bytes.below(8);
        for (int step = 0; step < steps; ++step)
            ++instances;
        if (!instances.isValid() && instances.value())
            m_problem = "a handle past its end gives a value";
        // A new instance may have taken a removed one's address.
        for (IWJCompInst* removed : m_removed) {
            const auto alive = [removed](const Instance& i) { return i.inst == removed; };
            if (std::none_of(m_instances.begin(), m_instances.end(), alive))
                m_view->removeCompInst(removed);
        }
    }

    // A removed port leaves the model: the operations forget it.
    void removePort()
    {
        if (m_instances.empty())
            return;
        Instance& i = pick(m_instances);
        std::vector<IWJPort*>& ports = m_bytes.flag() || i.pairs.empty() ? i.ports : i.pairs;
        if (ports.empty())
            return;
        const std::size_t at = index(ports.size());
        i.inst->removePort(ports[at]);
        ports.erase(ports.begin() + static_cast<long>(at));
    }

    // Removes an instance or a footprint, with the part maps that refer to it.
    void remove()
    {
        if (!m_instances.empty() && m_bytes.flag()) {
            const std::size_t at = index(m_instances.size());
            m_view->removeCompInst(m_instances[at].inst);
            m_removed.push_back(m_instances[at].inst);
            forget(at, true);
        } else if (!m_footprints.empty()) {
            // The first footprint of that name, in id order, is the one that goes.
            const std::string footprintName = pick(m_footprints).footprint->name();
            IWJFootPrint* removed = nullptr;
            for (auto walk = m_view->footprints(); walk.isValid() && !removed; ++walk) {
                if (footprintName == walk.value()->name())
                    removed = walk.value();
            }
            std::size_t at = 0;
            while (m_footprints[at].footprint != removed)
                ++at;
            m_view->removeFootprint(footprintName.c_str());
            forget(at, false);
        }
    }

    void forget(std::size_t at, bool instance)
    {
        std::vector<PartMap> kept;
        for (PartMap& p : m_partMaps) {
            std::size_t& used = instance ? p.instance : p.footprint;
            if (used == at)
                continue;
            if (used > at)
                --used;
            kept.push_back(p);
        }
        m_partMaps = kept;
        if (instance)
            m_instances.erase(m_instances.begin() + static_cast<long>(at));
        else
            m_footprints.erase(m_footprints.begin() + static_cast<long>(at));
    }

    IWJInterfaceView* m_view;
    Bytes& m_bytes;
    std::vector<Instance> m_instances;
    std::vector<Footprint> m_footprints;
    std::vector<PartMap> m_partMaps;
    // How far below its bus interface each group lies (a bus interface: 0).
    std::map<IWJPortGroup*, int> m_levels;
    // Instances removed: their pointers dangle, and the view must not look.
    std::vector<IWJCompInst*> m_removed;
    std::string m_problem;
};

} // namespace

EditFuzzCase::EditFuzzCase(std::string folder, std::string name, std::string baseFile)
    : m_folder(std::move(folder)), m_name(std::move(name)), m_baseFile(std::move(baseFile))
{
}

// The design is saved, read back bound and edited further as often as the
// input asks, and saved once more at its end; every save must read back as
// the model in memory.
std::string EditFuzzCase::run(const std::string& operations) const
{
    const int kMaxReloads = 3;
    Bytes bytes(operations);
    View view;
    {
        CWJXMLFlowReader reader;
        if (bytes.below(8) == 7) {
            reader.readFlowXML(m_baseFile.c_str(), true);
            view.reset(reader.getInterfaceView());
            if (!view)
                return "the base design does not read: " + std::string(reader.lastError());
        } else {
            view.reset(reader.CreateInterfaceView("fuzzer", "2026-12-06T12:00:00", "edited"));
        }
    }
    const RoundTripCheck roundTrip(m_folder);
    for (int reloads = 0;; ++reloads) {
        Editor editor(view.get(), bytes);
        const bool reload = editor.edit();
        if (!editor.problem().empty())
            return editor.problem();
        if (std::string problem = roundTrip.check(view.get(), m_name); !problem.empty() || !reload)
            return problem;
        if (reloads == kMaxReloads)
            return std::string();
        CWJXMLFlowReader reader;
        reader.readFlowXML(roundTrip.pathOf(m_name).c_str(), true);
        view.reset(reader.getInterfaceView());
        if (!view)
            return "the saved design does not read back: " + std::string(reader.lastError());
    }
}
