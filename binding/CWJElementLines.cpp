#include "CWJElementLines.h"

#include <xercesc/dom/DOMElement.hpp>

#include <cstdint>

namespace {

const XMLCh kLineKey[] = u"wjxml-line";

} // namespace

void CWJElementLines::keep(xercesc::DOMElement* element, unsigned long long line)
{
    element->setUserData(kLineKey, reinterpret_cast<void*>(static_cast<std::uintptr_t>(line)), nullptr);
}

unsigned long long CWJElementLines::lineOf(const xercesc::DOMElement* element)
{
    return element ? reinterpret_cast<std::uintptr_t>(element->getUserData(kLineKey)) : 0;
}
