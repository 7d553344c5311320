#ifndef IFX_MAPPINGLINES_H
#define IFX_MAPPINGLINES_H

#include <xercesc/dom/DOMElement.hpp>

#include <map>
#include <string>
#include <tuple>

// Where a file first states each port mapping of a part map: the port
// reference that maps a port (by id) or a bit of it, and the pin reference
// that puts it on a pin (by id). check reads what is on the pins from the
// model, which tells no lines, and ties its findings to these elements.
class MappingLines {
public:
    // Notes the port reference of a mapping of the bit (-1: the whole port)
    // in the part map; returns the first noted for it, which is portRef
    // unless the file maps the bit before.
    const xercesc::DOMElement* notePort(const xercesc::DOMElement* partMap, const std::string& port, int bit,
                                        const xercesc::DOMElement* portRef);
    void notePin(const xercesc::DOMElement* partMap, const std::string& port, int bit, const std::string& pin,
                 const xercesc::DOMElement* pinRef);

    // The first element noted, else the part map's.
    const xercesc::DOMElement* port(const xercesc::DOMElement* partMap, const std::string& port, int bit) const;
    const xercesc::DOMElement* pin(const xercesc::DOMElement* partMap, const std::string& port, int bit,
                                   const std::string& pin) const;

private:
    using PortKey = std::tuple<const xercesc::DOMElement*, std::string, int>;
    using PinKey = std::tuple<const xercesc::DOMElement*, std::string, int, std::string>;

    std::map<PortKey, const xercesc::DOMElement*> m_ports;
    std::map<PinKey, const xercesc::DOMElement*> m_pins;
};

#endif
