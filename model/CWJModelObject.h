#ifndef WJXML_MODEL_CWJMODELOBJECT_H
#define WJXML_MODEL_CWJMODELOBJECT_H

#include "binding/CWJText.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <cstddef>
#include <cstdint>

class CWJIdRegistry;
class CWJOwnedObjects;
class CWJPortRef;
class IWJPort;

// The library's own part of every bound model object: the element it is
// bound to, the list of the parent it was made under, which owns it from its
// construction on, and whether it has been handed over to that parent.
//
// An object made under no parent of its kind belongs to its maker. An owned
// object leaves its owner's list when it is deleted, by its owner or by a
// host that deletes it before handing it over, so that no owner reaches it
// afterwards.
class CWJModelObject : public IWJXMLObject {
public:
    enum class Kind : unsigned char {
        CompInst,
        Port,
        DifferentialPort,
        BusInterface,
        PortGroup,
        Footprint,
        Pin,
        PinGroup,
        PartMap
    };

    CWJModelObject(const CWJModelObject&) = delete;
    CWJModelObject& operator=(const CWJModelObject&) = delete;
    ~CWJModelObject() override;

    // The library's object behind an object the binder or a host hands in
    // (an IWJXMLObject or a model interface); null for null or an object of
    // another kind.
    template <class T> static CWJModelObject* of(T* object) { return dynamic_cast<CWJModelObject*>(object); }
    // The library's object behind object when it is of kind, as Class, the
    // class of that kind; null otherwise.
    template <class Class, class T> static Class* ofKind(T* object, Kind kind)
    {
        CWJModelObject* found = of(object);
        return found && found->m_kind == kind ? static_cast<Class*>(found) : nullptr;
    }

    // The id of an object that has one; empty otherwise.
    const char* id() const { return m_id.c_str(); }

    Kind kind() const { return m_kind; }

    // Whether this object was made under owner and not handed over before;
    // it is then handed over. Each object is handed over at most once.
    bool handOverTo(const CWJOwnedObjects& owner);
    // Whether this object, made under no parent and never handed over, is
    // of kind; it then joins owner's list, as if it had been made under
    // owner's parent, to be handed over next.
    bool joinOwner(CWJOwnedObjects& owner, Kind kind);

    // Takes the id into ids as it is, as a read does; nothing without ids.
    void takeId(CWJIdRegistry* ids) const;

    // The objects made before this one under its owner: its place in the
    // file while the file is read. 0 without an owner.
    std::size_t rank() const { return m_rank; }

    // What an object that uses another (see CWJUsers) is told about it: one
    // of its ports was renamed, given another range or removed, its pins
    // changed, or the object itself is being deleted.
    enum class Change : unsigned char { PortRenamed, PortRangeChanged, PortRemoved, PinsChanged, Deleted };
    // Follows a change of used; port is the port a port change is about.
    // Deleted comes from used's destructor and must need no memory; the
    // others may throw, as the edit that makes them. Does nothing unless a
    // user overrides it.
    virtual void usedObjectChanged(const CWJModelObject& used, IWJPort* port, Change change);
    // A host's change of a port reference this object keeps in its element
    // (a group, a bus interface, a part map): sets ref to port and the
    // bounds with CWJPortRef::assign and writes the change, or leaves both as
    // they are, as it does unless overridden. May throw, as the edit.
    virtual void changePortRef(CWJPortRef& ref, IWJPort* port, int lsb, int msb);

protected:
    // Joins owner's list when owner is not null. Needs no memory.
    CWJModelObject(xercesc::DOMElement* element, Kind kind, CWJOwnedObjects* owner);

    CWJText m_id;

private:
    friend class CWJOwnedObjects;

    CWJOwnedObjects* m_owner;
    CWJModelObject* m_previous = nullptr;
    CWJModelObject* m_next = nullptr;
    // 32 bits and the kind in a byte: the base costs 32 bytes an object.
    std::uint32_t m_rank = 0;
    Kind m_kind;
    bool m_handedOver = false;
};

#endif
