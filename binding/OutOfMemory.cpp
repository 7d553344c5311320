#include "OutOfMemory.h"

#include "CWJDOM2DesignData.h"
#include "CWJDesignRoot.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <xercesc/dom/DOMElement.hpp>

void noteOutOfMemory(IWJXMLObject* object) noexcept
{
    noteLookupOutOfMemory();
    xercesc::DOMElement* element = object ? object->GetDomElement() : nullptr;
    if (CWJDesignRoot* root = element ? CWJDesignRoot::of(element->getOwnerDocument()) : nullptr)
        root->setEditFailed();
}

void noteLookupOutOfMemory() noexcept
{
    CWJDOM2DesignData::outOfMemory = true;
}
