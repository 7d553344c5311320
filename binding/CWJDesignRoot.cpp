#include "CWJDesignRoot.h"

#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <mutex>
#include <unordered_map>

namespace {

// The root of each document, for failed edits, which know only an element.
// Xerces's user data would do, but a document that ever had any needs memory
// to be released.
std::unordered_map<const xercesc::DOMDocument*, CWJDesignRoot*>& rootsByDocument()
{
    static std::unordered_map<const xercesc::DOMDocument*, CWJDesignRoot*> roots;
    return roots;
}

std::mutex& rootsLock()
{
    static std::mutex lock;
    return lock;
}

} // namespace

CWJOwnedObjects* CWJDesignRoot::compInstsOwnedBy(IWJXMLObject* parent)
{
    auto* root = dynamic_cast<CWJDesignRoot*>(parent);
    return root ? &root->ownedCompInsts() : nullptr;
}

CWJOwnedObjects* CWJDesignRoot::footprintsOwnedBy(IWJXMLObject* parent)
{
    auto* root = dynamic_cast<CWJDesignRoot*>(parent);
    return root ? &root->ownedFootprints() : nullptr;
}

CWJOwnedObjects* CWJDesignRoot::partMapsOwnedBy(IWJXMLObject* parent)
{
    auto* root = dynamic_cast<CWJDesignRoot*>(parent);
    return root ? &root->ownedPartMaps() : nullptr;
}

CWJDesignRoot::~CWJDesignRoot()
{
    attachDocument(nullptr);
}

void CWJDesignRoot::attachDocument(const xercesc::DOMDocument* document)
{
    std::lock_guard<std::mutex> locked(rootsLock());
    if (m_document)
        rootsByDocument().erase(m_document);
    if (document)
        rootsByDocument()[document] = this;
    if (document != m_document)
        m_spareElements.clear();
    m_document = document;
}

CWJDesignRoot* CWJDesignRoot::of(const xercesc::DOMDocument* document)
{
    std::lock_guard<std::mutex> locked(rootsLock());
    const auto found = rootsByDocument().find(document);
    return found == rootsByDocument().end() ? nullptr : found->second;
}
