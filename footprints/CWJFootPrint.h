#ifndef WJXML_FOOTPRINTS_CWJFOOTPRINT_H
#define WJXML_FOOTPRINTS_CWJFOOTPRINT_H

#include "binding/TWJRankedNames.h"
#include "footprints/CWJFootPrintPin.h"
#include "model/CWJModelObject.h"
#include "model/CWJOwnedObjects.h"
#include "model/CWJUsers.h"
#include "model/TWJFiledById.h"
#include "wjxmlinterfaceflowreader/IWJFootPrint.h"

#include <string>

class CWJDesignRoot;
class CWJIdRegistry;

// A footprint, bound to a "Footprint" element. It owns every pin made under
// it, filed or not, also one that a later pin of the same id displaced from
// the id index; deleting the footprint removes its element from the document.
class CWJFootPrint : public IWJFootPrint, public CWJModelObject {
public:
    CWJFootPrint(xercesc::DOMElement* element, IWJXMLObject* parent);
    // A new footprint named name, with an id made from the name.
    CWJFootPrint(xercesc::DOMElement* element, IWJXMLObject* parent, const char* name);
    ~CWJFootPrint() override;

    CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*> pins() override;
    IWJFootPrintPin* findPin(const char* name) override;
    IWJFootPrintPin* addPin(const char* name, const char* location, const char* padstack, const char* size,
                            const char* shape) override;
    // Files only pins made for this footprint, so that no pin has two owners.
    void insertPin(IWJFootPrintPin* pin) override;
    const char* name() override;
    void setName(const char* name) override;
    const char* origin() override;
    void setOrigin(const char* origin) override;
    const char* width() override;
    void setWidth(const char* width) override;
    const char* length() override;
    void setLength(const char* length) override;
    const char* thickness() override;
    void setThickness(const char* thickness) override;
    const char* rotation() override;
    void setRotation(const char* rotation) override;

    void AddChild(xercesc::DOMElement* childElement, IWJXMLObject* child) override;

    // Takes a unique id made from text by the view's registry; a footprint
    // without a view keeps text as it is.
    void setId(const char* text);
    // Exact, case-sensitive lookup; null when no pin has that id.
    IWJFootPrintPin* findPinById(const char* id);
    // Makes a footprint made under no parent one of root's, with its id and
    // its pins' ids taken as they are.
    void joinRoot(CWJDesignRoot* root);
    // findPin for an edit: throws when memory runs out, failing the edit.
    IWJFootPrintPin* pinNamed(const char* name) const;
    // The registry of the ids of the view, or null without a view.
    CWJIdRegistry* ids() const;
    // Whether pin is one of this footprint's pins as filed by id (what a
    // reload of its id finds); pin is not looked into unless it is ours.
    bool holdsPin(const IWJFootPrintPin* pin) const;
    // The list that owns the pins made under footprint; null without one.
    static CWJOwnedObjects* pinsOwnedBy(CWJFootPrint* footprint);
    // Files a renamed pin under its new name.
    void pinRenamed(IWJFootPrintPin* pin, const std::string& oldKey);

    // The part maps onto this footprint, filed or not: they let go of it
    // when it goes.
    CWJUsers& users() { return m_users; }

private:
    void registerHandlers();
    // Files a pin handed over to it.
    void take(IWJXMLObject* child);
    // Files pin, one of its own, by id and name.
    void filePin(CWJFootPrintPin* pin);

    std::string m_name;
    std::string m_width;
    std::string m_length;
    std::string m_thickness;
    std::string m_rotation;
    std::string m_origin;
    TWJFiledById<IWJFootPrintPin> m_pinsById;
    CWJDesignRoot* m_root = nullptr;
    // The pins by the key of their name and their rank.
    TWJRankedNames<IWJFootPrintPin, &CWJFootPrintPin::rankOf> m_pinsByName;
    CWJOwnedObjects m_ownedPins;
    CWJUsers m_users;
};

#endif
