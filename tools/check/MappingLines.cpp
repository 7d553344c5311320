#include "check/MappingLines.h"

using xercesc::DOMElement;

const DOMElement* MappingLines::notePort(const DOMElement* partMap, const std::string& port, int bit,
                                         const DOMElement* portRef)
{
    return m_ports.emplace(PortKey(partMap, port, bit), portRef).first->second;
}

void MappingLines::notePin(const DOMElement* partMap, const std::string& port, int bit, const std::string& pin,
                           const DOMElement* pinRef)
{
    m_pins.emplace(PinKey(partMap, port, bit, pin), pinRef);
}

const DOMElement* MappingLines::port(const DOMElement* partMap, const std::string& port, int bit) const
{
    const auto found = m_ports.find(PortKey(partMap, port, bit));
    return found == m_ports.end() ? partMap : found->second;
}

const DOMElement* MappingLines::pin(const DOMElement* partMap, const std::string& port, int bit,
                                    const std::string& pin) const
{
    const auto found = m_pins.find(PinKey(partMap, port, bit, pin));
    return found == m_pins.end() ? partMap : found->second;
}
