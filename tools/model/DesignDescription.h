#ifndef IFX_DESIGNDESCRIPTION_H
#define IFX_DESIGNDESCRIPTION_H

#include "model/DesignRecords.h"

#include <nlohmann/json.hpp>

// The whole design as JSON: texts, instances with their ports, differential
// pairs and bus interface trees, footprints with their outline and pin count,
// and part maps with their mapping counts. Absent values (no type, no bound,
// no instance) are null.
class DesignDescription {
public:
    static nlohmann::ordered_json describe(const DesignRecords& design);

private:
    using Json = nlohmann::ordered_json;

    explicit DesignDescription(const DesignRecords& design) : m_design(design) {}

    // The record's description, and the array of the one it is part of that
    // holds it; "" for a record counted there instead.
    Json item(int index, std::string& array) const;
    Json member(int port, int lsb, int msb) const;

    const DesignRecords& m_design;
};

#endif
