#ifndef IFX_DESIGNDESCRIPTION_H
#define IFX_DESIGNDESCRIPTION_H

#include "model/DesignIds.h"

#include <nlohmann/json.hpp>

// The whole design as JSON: texts, instances with their ports, differential
// pairs and bus interface trees, footprints with their outline and pin count,
// and part maps with their mapping counts. Absent values (no type, no bound,
// no instance) are null.
class DesignDescription {
public:
    static nlohmann::ordered_json describe(IWJInterfaceView* design);

private:
    explicit DesignDescription(IWJInterfaceView* design) : m_ids(design) {}

    nlohmann::ordered_json instance(const std::string& id, IWJCompInst* instance) const;
    nlohmann::ordered_json port(const std::string& id, IWJPort* port) const;
    nlohmann::ordered_json differentialPair(const std::string& id, IWJDPPort* pair) const;
    nlohmann::ordered_json member(IWJPort* port, int lsb, int msb) const;
    nlohmann::ordered_json groupContent(IWJPortGroup* group) const;
    nlohmann::ordered_json footprint(const std::string& id, IWJFootPrint* footprint) const;
    nlohmann::ordered_json partMap(IWJPartMap* partMap) const;

    DesignIds m_ids;
};

#endif
