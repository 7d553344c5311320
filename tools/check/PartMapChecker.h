#ifndef IFX_PARTMAPCHECKER_H
#define IFX_PARTMAPCHECKER_H

#include "check/DesignIndex.h"

#include <string>

class CheckReport;
class MappingLines;

// Checks what the part maps of a file say that the model does not keep:
// references that name nothing, bits that are no number or outside their
// port, and a port bit mapped by several elements, of which the model keeps
// the last. Notes in lines where each mapping is stated.
class PartMapChecker {
public:
    static void check(const xercesc::DOMElement* root, const DesignIndex& index, CheckReport& report,
                      MappingLines& lines);

private:
    // One part map being checked.
    struct PartMap {
        const xercesc::DOMElement* element;
        const DesignIndex::Instance* instance;
        const DesignIndex::Footprint* footprint;
    };

    PartMapChecker(const DesignIndex& index, CheckReport& report, MappingLines& lines)
        : m_index(index), m_report(report), m_lines(lines)
    {
    }

    void checkPartMap(const xercesc::DOMElement* element);
    void checkPortMap(const PartMap& partMap, const xercesc::DOMElement* portMap);
    // The bit a port map names, -1 for none; false when it is no valid bit,
    // with bit set when that is a number outside the port's bits.
    bool readBit(const DesignIndex::Port& port, const xercesc::DOMElement* portRef, const std::string& name, int& bit);
    void checkGroupMap(const PartMap& partMap, const xercesc::DOMElement* groupMap);
    // Checks that each PinRef child of element names a pin of the footprint
    // and, when a port is given, notes the pin's line for its bit.
    void checkPins(const PartMap& partMap, const xercesc::DOMElement* element, const std::string* port, int bit);
    // "U1.DATA" or "U1.DATA<3>".
    static std::string portName(const DesignIndex::Instance& instance, const std::string& port, int bit);

    const DesignIndex& m_index;
    CheckReport& m_report;
    MappingLines& m_lines;
};

#endif
