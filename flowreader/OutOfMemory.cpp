#include "OutOfMemory.h"

#include "CWJInterfaceView.h"
#include "binding/CWJDOM2DesignData.h"

#include <xercesc/dom/DOMElement.hpp>

void noteOutOfMemory(IWJXMLObject* object) noexcept
{
    CWJDOM2DesignData::outOfMemory = true;
    xercesc::DOMElement* element = object ? object->GetDomElement() : nullptr;
    if (CWJInterfaceView* view = element ? CWJInterfaceView::viewOf(element->getOwnerDocument()) : nullptr)
        view->setEditFailed();
}
