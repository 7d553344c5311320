#include "check/Dom.h"

#include "XMLText.h"
#include "wjxmlinterfaceflowreader/CWJXMLFlowReader.h"

#include <xercesc/dom/DOMText.hpp>

using namespace xercesc;

unsigned long long Dom::line(const DOMElement* element)
{
    return CWJXMLFlowReader::elementLine(element);
}

std::string Dom::text(const DOMElement* element)
{
    std::string text;
    for (const DOMNode* node = element->getFirstChild(); node; node = node->getNextSibling()) {
        if (node->getNodeType() == DOMNode::TEXT_NODE || node->getNodeType() == DOMNode::CDATA_SECTION_NODE)
            wjxml::appendUtf8(text, node->getNodeValue());
    }
    return text;
}

std::string Dom::attribute(const DOMElement* element, const char* name)
{
    std::string value;
    wjxml::appendUtf8(value, element->getAttribute(wjxml::toXMLCh(name).c_str()));
    return value;
}

const DOMElement* Dom::child(const DOMElement* element, const char* name)
{
    for (const DOMElement* child = element->getFirstElementChild(); child; child = child->getNextElementSibling()) {
        if (wjxml::equalsAscii(child->getLocalName(), name))
            return child;
    }
    return nullptr;
}

std::vector<const DOMElement*> Dom::children(const DOMElement* element, const char* name)
{
    std::vector<const DOMElement*> found;
    for (const DOMElement* child = element->getFirstElementChild(); child; child = child->getNextElementSibling()) {
        if (wjxml::equalsAscii(child->getLocalName(), name))
            found.push_back(child);
    }
    return found;
}

std::vector<const DOMElement*> Dom::items(const DOMElement* element, const char* container, const char* item)
{
    const DOMElement* holder = child(element, container);
    return holder ? children(holder, item) : std::vector<const DOMElement*>();
}

std::string Dom::childText(const DOMElement* element, const char* name)
{
    const DOMElement* found = child(element, name);
    return found ? text(found) : std::string();
}

std::string Dom::label(IWJCompInst* instance)
{
    const std::string refdes = instance->refdes();
    return refdes.empty() ? attribute(of(instance), "id") : refdes;
}
