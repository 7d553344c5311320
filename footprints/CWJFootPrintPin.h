#ifndef WJXML_FOOTPRINTS_CWJFOOTPRINTPIN_H
#define WJXML_FOOTPRINTS_CWJFOOTPRINTPIN_H

#include "model/CWJModelObject.h"
#include "wjxmlinterfaceflowreader/IWJFootPrintPin.h"

#include <cstddef>

class CWJFootPrint;

// One pin of a footprint, bound to a "Pin" element. The footprint it is made
// under owns it from its construction on and files it when it is handed over.
class CWJFootPrintPin : public IWJFootPrintPin, public CWJModelObject {
public:
    CWJFootPrintPin(xercesc::DOMElement* element, IWJXMLObject* parent);
    // A new pin named name, with an id made from the name.
    CWJFootPrintPin(xercesc::DOMElement* element, IWJXMLObject* parent, const char* name);
    ~CWJFootPrintPin() override;

    const char* name() override;
    void setName(const char* name) override;
    const char* location() override;
    // Writes "Location", and "XY" too when the element has one, so that
    // readers of either child see the new value.
    void setLocation(const char* location) override;
    const char* padstack() override;
    void setPadstack(const char* padstack) override;
    const char* size() override;
    void setSize(const char* size) override;
    const char* shape() override;
    void setShape(const char* shape) override;

    // Takes a unique id made from text by the footprint's view; a pin
    // without a view keeps text as it is.
    void setId(const char* text);
    // The footprint the pin was made for; null when its parent was none.
    CWJFootPrint* footprint() const { return m_footprint; }
    // The rank (CWJModelObject::rank) of pin, one of this class.
    static std::size_t rankOf(IWJFootPrintPin* pin) { return static_cast<CWJFootPrintPin*>(pin)->rank(); }

private:
    CWJFootPrintPin(CWJFootPrint* footprint, xercesc::DOMElement* element);
    void registerHandlers();
    void readLocation(const char* text);
    void readXY(const char* text);

    CWJText m_name;
    CWJText m_padstack;
    CWJText m_shape;
    CWJText m_size;
    CWJText m_location;
    CWJFootPrint* m_footprint = nullptr;
    // Set once a "Location" child was read: it wins over "XY" in either order.
    bool m_locationRead = false;
};

#endif
