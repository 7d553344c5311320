#include "AttributeValue.h"

using namespace xercesc;

const XMLCh* attributeValue(const DOMNode* attribute)
{
    const DOMNode* text = attribute->getFirstChild();
    if (text && !text->getNextSibling() && text->getNodeType() == DOMNode::TEXT_NODE)
        return text->getNodeValue();
    return attribute->getNodeValue();
}
