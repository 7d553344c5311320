#ifndef IFX_DESIGNIDS_H
#define IFX_DESIGNIDS_H

#include "wjxmlinterfaceflowreader.h"

#include <string>
#include <unordered_map>

// The ids of a design's objects. The model gives ids only as the keys of its
// enumerations, so they are collected once by walking every collection.
class DesignIds {
public:
    explicit DesignIds(IWJInterfaceView* design);

    // The id under which the object is filed; "" for null or an object filed
    // nowhere.
    const std::string& of(IWJCompInst* instance) const { return find(instance); }
    const std::string& of(IWJPort* port) const { return find(port); }
    const std::string& of(IWJPortGroup* group) const { return find(group); }
    const std::string& of(IWJFootPrint* footprint) const { return find(footprint); }
    const std::string& of(IWJFootPrintPin* pin) const { return find(pin); }

private:
    void addInstance(const std::string& id, IWJCompInst* instance);
    void addGroups(IWJPortGroup* parent);
    const std::string& find(const void* object) const;

    std::unordered_map<const void*, std::string> m_ids;
};

#endif
