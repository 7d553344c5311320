#include "ModelSnapshot.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

namespace {

class Snapshot {
public:
    explicit Snapshot(IWJInterfaceView* view) : m_view(view) {}

    std::string take()
    {
        line() << "design|" << m_view->lastUpdatedBy() << '|' << m_view->lastUpdatedAt() << '|' << m_view->designName();
        for (auto insts = m_view->compInsts(); insts.isValid(); ++insts)
            instance(insts.key(), insts.value());
        for (auto footprints = m_view->footprints(); footprints.isValid(); ++footprints)
            footprint(footprints.key(), footprints.value());
        int index = 0;
        for (auto partMaps = m_view->partMaps(); partMaps.isValid(); ++partMaps)
            partMap(index++, partMaps.value());
        flush();
        std::string text;
        for (const std::string& entry : m_lines)
            text += entry + '\n';
        return text;
    }

private:
    std::ostringstream& line()
    {
        flush();
        return m_current;
    }

    void flush()
    {
        if (!m_current.str().empty())
            m_lines.push_back(m_current.str());
        m_current.str("");
    }

    void instance(const std::string& id, IWJCompInst* inst)
    {
        m_ids[inst] = id;
        line() << "inst|" << id << '|' << inst->refdes() << '|' << inst->cellName();
        for (auto ports = inst->ports(); ports.isValid(); ++ports) {
            IWJPort* port = ports.value();
            m_ids[port] = id + "/" + ports.key();
            line() << "port|" << m_ids[port] << '|' << port->name() << '|' << port->instancePortName() << '|'
                   << port->type() << '|' << port->numPhysPins() << '|' << port->lsb() << '|' << port->msb() << '|'
                   << port->fullName();
        }
        for (auto ports = inst->differentialPorts(); ports.isValid(); ++ports)
            m_ids[ports.value()] = id + "/" + ports.key();
        for (auto ports = inst->differentialPorts(); ports.isValid(); ++ports) {
            auto* pair = dynamic_cast<IWJDPPort*>(ports.value());
            int positiveLsb = 0, positiveMsb = 0, negativeLsb = 0, negativeMsb = 0;
            IWJPort* positive = pair->positivePort(&positiveLsb, &positiveMsb);
            IWJPort* negative = pair->negativePort(&negativeLsb, &negativeMsb);
            line() << "dport|" << m_ids[pair] << '|' << pair->name() << '|' << pair->instancePortName() << '|'
                   << idOf(positive) << '[' << positiveLsb << ',' << positiveMsb << "]|" << idOf(negative) << '['
                   << negativeLsb << ',' << negativeMsb << ']';
        }
        for (auto buses = inst->busInterfaces(); buses.isValid(); ++buses) {
            IWJCompBusInterface* bus = buses.value();
            m_ids[bus] = id + "/" + buses.key();
            line() << "bus|" << m_ids[bus] << '|' << bus->name() << '|' << bus->definition() << '|' << bus->fullName();
            groupContent(m_ids[bus], bus);
        }
    }

    void groupContent(const std::string& owner, IWJPortGroup* group)
    {
        for (auto refs = group->portRefs(); refs.isValid(); ++refs) {
            int lsb = 0, msb = 0;
            IWJPort* port = refs.value()->port(&lsb, &msb);
            line() << "ref|" << owner << '|' << idOf(port) << '|' << lsb << '|' << msb << '|' << refs.value()->name();
        }
        for (auto pairs = group->differentialPorts(); pairs.isValid(); ++pairs)
            line() << "dref|" << owner << '|' << idOf(pairs.value());
        for (auto groups = group->portGroups(); groups.isValid(); ++groups) {
            IWJPortGroup* child = groups.value();
            const std::string id = owner + "/" + groups.key();
            m_ids[child] = id;
            line() << "group|" << id << '|' << child->name() << '|' << child->groupType() << '|' << child->voltage()
                   << '|' << child->numPhysPowerPins() << '|' << child->numPhysGroundPins() << '|' << child->fullName();
            groupContent(id, child);
        }
    }

    void footprint(const std::string& id, IWJFootPrint* footprint)
    {
        m_ids[footprint] = id;
        line() << "footprint|" << id << '|' << footprint->name() << '|' << footprint->width() << '|'
               << footprint->length() << '|' << footprint->thickness() << '|' << footprint->origin() << '|'
               << footprint->rotation();
        for (auto pins = footprint->pins(); pins.isValid(); ++pins) {
            IWJFootPrintPin* pin = pins.value();
            m_ids[pin] = id + "/" + pins.key();
            line() << "pin|" << m_ids[pin] << '|' << pin->name() << '|' << pin->location() << '|' << pin->padstack()
                   << '|' << pin->size() << '|' << pin->shape();
        }
    }

    std::string pinsOf(IWJFootPrintPinGroup* group)
    {
        std::string text;
        if (!group)
            return "-";
        for (auto pins = group->pins(); pins.isValid(); ++pins)
            text += idOf(pins.value()) + ' ';
        return text;
    }

    std::string portRefText(IWJPortRef* ref)
    {
        int lsb = 0, msb = 0;
        IWJPort* port = ref->port(&lsb, &msb);
        return idOf(port) + '[' + std::to_string(lsb) + ',' + std::to_string(msb) + ']';
    }

    // Mappings are kept in maps ordered by address: sort their lines.
    void partMap(int index, IWJPartMap* partMap)
    {
        line() << "partmap|" << index << '|' << idOf(partMap->compInst()) << '|' << idOf(partMap->footprint());
        flush();
        std::vector<std::string> mappings;
        // Each mapping also as its lookup finds it, by port and bit.
        for (auto maps = partMap->portPinMaps(); maps.isValid(); ++maps) {
            int bit = 0;
            IWJPort* port = maps.key()->port(&bit, nullptr);
            mappings.push_back("pinmap|" + portRefText(maps.key()) + '|' + idOf(maps.value()) + '|' +
                               idOf(partMap->pinForPort(port, bit)));
        }
        for (auto maps = partMap->portPinGroupMaps(); maps.isValid(); ++maps) {
            int bit = 0;
            IWJPort* port = maps.key()->port(&bit, nullptr);
            mappings.push_back("pingroupmap|" + portRefText(maps.key()) + '|' + pinsOf(maps.value()) + '|' +
                               pinsOf(partMap->pinGroupForPort(port, bit)));
        }
        for (auto maps = partMap->portGroupPinGroupMaps(); maps.isValid(); ++maps)
            mappings.push_back("groupmap|" + idOf(maps.key()) + '|' + pinsOf(maps.value()));
        std::sort(mappings.begin(), mappings.end());
        for (const std::string& mapping : mappings)
            m_lines.push_back(std::to_string(index) + '|' + mapping);
    }

    std::string idOf(const void* object)
    {
        if (!object)
            return "-";
        const auto found = m_ids.find(object);
        return found == m_ids.end() ? "?" : found->second;
    }

    IWJInterfaceView* m_view;
    std::map<const void*, std::string> m_ids;
    std::vector<std::string> m_lines;
    std::ostringstream m_current;
};

} // namespace

std::string modelSnapshot(IWJInterfaceView* view)
{
    return Snapshot(view).take();
}
