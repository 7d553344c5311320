#include "ModelSnapshot.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <vector>

using namespace testsupport;

namespace {

// Builds a random design through the interfaces, as an editing host would:
// adds, renames, maps, unmaps and removals in random order.
class RandomDesigner {
public:
    explicit RandomDesigner(unsigned seed) : m_random(seed) {}

    View build(int steps)
    {
        View view = create("random");
        m_view = view.get();
        for (int i = 0; i < steps; ++i)
            step();
        return view;
    }

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

    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    template <class T>
    T& pick(std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(number(0, static_cast<int>(items.size()) - 1))];
    }

    const char* name()
    {
        static const char* const names[] = {"A", "a", "CLK", "clk", "DATA", "3V3", "x y", "D<0>", "caf\xc3\xa9", "Q"};
        return names[number(0, 9)];
    }

    void step()
    {
        switch (number(0, 15)) {
        case 0:
            m_instances.push_back({m_view->addCompInst(name(), number(0, 1) ? name() : nullptr), {}, {}, {}});
            break;
        case 1:
            if (!m_instances.empty()) {
                Instance& i = pick(m_instances);
                const char* portName = name();
                const char* instancePortName = number(0, 1) ? name() : "";
                if (!localNameTaken(i, *instancePortName ? instancePortName : portName))
                    i.ports.push_back(i.inst->addPort(portName, instancePortName, number(0, 5), number(-1, 9),
                                                      number(-1, 15), number(-1, 15)));
            }
            break;
        case 2:
            if (!m_instances.empty()) {
                Instance& i = pick(m_instances);
                IWJDPPort* pair = i.inst->addDifferentialPort(name(), number(0, 1) ? name() : nullptr);
                if (!i.ports.empty()) {
                    pair->setPositivePort(pick(i.ports), number(-1, 3), number(-1, 3));
                    pair->setNegativePort(pick(i.ports), number(-1, 3), number(-1, 3));
                }
                i.pairs.push_back(pair);
            }
            break;
        case 3:
            if (!m_instances.empty()) {
                Instance& i = pick(m_instances);
                IWJCompBusInterface* bus = i.inst->addBusInterface(name(), name());
                i.groups.push_back(bus);
            }
            break;
        case 4:
            if (!m_instances.empty() && !m_instances.back().groups.empty()) {
                Instance& i = m_instances.back();
                IWJPortGroup* parent = pick(i.groups);
                i.groups.push_back(parent->addPortGroup(name(), static_cast<IWJPortGroup::IWJPortGroupType>(number(0, 2)),
                                                        number(0, 1) ? "1.8" : nullptr, number(0, 3), number(0, 3)));
            }
            break;
        case 5:
            if (!m_instances.empty()) {
                Instance& i = pick(m_instances);
                if (!i.groups.empty() && !i.ports.empty())
                    pick(i.groups)->addPortRef(pick(i.ports), number(-1, 7), number(-1, 7));
                if (!i.groups.empty() && !i.pairs.empty())
                    pick(i.groups)->addPortRef(pick(i.pairs), -1, -1);
            }
            break;
        case 6:
            m_footprints.push_back(
                {m_view->addFootprint(name(), number(0, 1) ? "5" : nullptr, "5", nullptr, "0,0", number(0, 1) ? "90" : nullptr),
                 {}});
            break;
        case 7:
            if (!m_footprints.empty()) {
                Footprint& f = pick(m_footprints);
                static const char* const pins[] = {"A1", "a1", "B2", "C3", "AA10"};
                f.pins.push_back(f.footprint->addPin(pins[number(0, 4)], number(0, 1) ? "1.0,2.0" : nullptr, "pad",
                                                     nullptr, number(0, 1) ? "round" : nullptr));
            }
            break;
        case 8:
            if (!m_instances.empty() && !m_footprints.empty()) {
                const auto instance = static_cast<std::size_t>(number(0, static_cast<int>(m_instances.size()) - 1));
                const auto footprint = static_cast<std::size_t>(number(0, static_cast<int>(m_footprints.size()) - 1));
                m_partMaps.push_back(
                    {m_view->addPartMap(m_footprints[footprint].footprint, m_instances[instance].inst), instance,
                     footprint});
            }
            break;
        case 9:
        case 10:
        case 11:
            map();
            break;
        case 12:
            unmap();
            break;
        case 13:
            rename();
            break;
        case 14:
            if (number(0, 3) == 0)
                remove();
            break;
        default:
            m_view->setDesignName(name());
            break;
        }
    }

    // Hosts keep the ports of an instance apart by name: a part map keys its
    // mappings by a port's name, in any letter case.
    static bool localNameTaken(const Instance& instance, const std::string& localName)
    {
        for (IWJPort* port : instance.ports) {
            const std::string other = *port->instancePortName() ? port->instancePortName() : port->name();
            if (sameIgnoringCase(other, localName))
                return true;
        }
        return false;
    }

    static bool sameIgnoringCase(const std::string& a, const std::string& b)
    {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
               });
    }

    void map()
    {
        if (m_partMaps.empty())
            return;
        PartMap& p = pick(m_partMaps);
        Instance& i = m_instances[p.instance];
        Footprint& f = m_footprints[p.footprint];
        if (i.ports.empty() || f.pins.empty())
            return;
        IWJPort* port = pick(i.ports);
        const int bit = number(-1, 7);
        switch (number(0, 3)) {
        case 0:
            p.map->mapPortToPin(port, pick(f.pins), bit);
            break;
        case 1:
            p.map->mapPortToPinName(port, pick(f.pins)->name(), bit);
            break;
        case 2:
            p.map->mapPortToPinNames(port, {pick(f.pins)->name(), pick(f.pins)->name(), "NOPIN"}, bit);
            break;
        default:
            if (!i.groups.empty())
                p.map->mapPortGroupToPinNames(pick(i.groups), {pick(f.pins)->name()});
            break;
        }
    }

    void unmap()
    {
        if (m_partMaps.empty())
            return;
        PartMap& p = pick(m_partMaps);
        Instance& i = m_instances[p.instance];
        if (!i.ports.empty())
            p.map->unmapPort(pick(i.ports), number(-1, 7));
        if (!i.groups.empty() && number(0, 1))
            p.map->unmapPortGroup(pick(i.groups));
    }

    void rename()
    {
        if (!m_instances.empty()) {
            Instance& i = pick(m_instances);
            i.inst->setCellName(name());
            const char* portName = name();
            if (!i.ports.empty() && !localNameTaken(i, portName)) {
                IWJPort* port = pick(i.ports);
                if (!*port->instancePortName())
                    port->setName(portName);
            }
            if (!i.groups.empty())
                pick(i.groups)->setName(name());
        }
        if (!m_footprints.empty()) {
            Footprint& f = pick(m_footprints);
            f.footprint->setRotation("180");
            if (!f.pins.empty())
                pick(f.pins)->setLocation("3.5,4.5");
        }
    }

    // Removes an instance or a footprint, with the part maps that refer to it.
    void remove()
    {
        if (!m_instances.empty() && number(0, 1)) {
            const auto index = static_cast<std::size_t>(number(0, static_cast<int>(m_instances.size()) - 1));
            m_view->removeCompInst(m_instances[index].inst);
            forget(index, true);
        } else if (!m_footprints.empty()) {
            // Footprints are removed by name: the first of that name, in id
            // order, is the one that goes.
            const std::string name = pick(m_footprints).footprint->name();
            IWJFootPrint* removed = nullptr;
            for (auto walk = m_view->footprints(); walk.isValid() && !removed; ++walk) {
                if (name == walk.value()->name())
                    removed = walk.value();
            }
            std::size_t index = 0;
            while (m_footprints[index].footprint != removed)
                ++index;
            m_view->removeFootprint(name.c_str());
            forget(index, false);
        }
    }

    void forget(std::size_t index, bool instance)
    {
        std::vector<PartMap> kept;
        for (PartMap& p : m_partMaps) {
            const std::size_t used = instance ? p.instance : p.footprint;
            if (used == index)
                continue;
            if (used > index)
                (instance ? p.instance : p.footprint) -= 1;
            kept.push_back(p);
        }
        m_partMaps = kept;
        if (instance)
            m_instances.erase(m_instances.begin() + static_cast<long>(index));
        else
            m_footprints.erase(m_footprints.begin() + static_cast<long>(index));
    }

    std::mt19937 m_random;
    IWJInterfaceView* m_view = nullptr;
    std::vector<Instance> m_instances;
    std::vector<Footprint> m_footprints;
    std::vector<PartMap> m_partMaps;
};

} // namespace

TEST(RandomDesigns, WhatIsWrittenReadsBackAsTheModelInMemory)
{
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const View view = RandomDesigner(seed).build(40);
        const std::string expected = modelSnapshot(view.get());
        const std::string path = write(view.get(), "random-" + std::to_string(seed % 50) + ".xml");
        for (const bool bind : {false, true}) {
            std::string error;
            const View back = read(path, bind, &error);
            ASSERT_TRUE(back) << error;
            ASSERT_EQ(modelSnapshot(back.get()), expected);
        }
        if (HasFailure())
            return;
    }
}
