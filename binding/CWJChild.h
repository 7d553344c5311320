#ifndef WJXML_BINDING_CWJCHILD_H
#define WJXML_BINDING_CWJCHILD_H

class IWJXMLObject;

// What a model object keeps of the parent it was made under (the parent given
// to its factory or constructor): whether it has been handed over to that
// parent. The parent owns the object from its construction on and files it
// once, when it is handed over: after a read through AddChild, or in the add
// operation that made it. Anything else it is given (an object made under
// another parent, or one handed over before) it leaves as it is, so that no
// object is filed twice, by two parents, or after it was removed.
class CWJChild {
public:
    explicit CWJChild(const IWJXMLObject* parent) : m_parent(parent) {}

    // Whether child is a model object made under parent and not handed over
    // before; it is then handed over.
    static bool handOver(IWJXMLObject* child, const IWJXMLObject* parent);

protected:
    ~CWJChild() = default;

private:
    const IWJXMLObject* m_parent;
    bool m_handedOver = false;
};

#endif
