#include "check/XmlElement.h"

namespace {

const std::string kEmpty;

} // namespace

const std::string& XmlElement::attribute(const char* name) const
{
    for (const auto& attribute : m_attributes) {
        if (attribute.first == name)
            return attribute.second;
    }
    return kEmpty;
}

const XmlElement* XmlElement::child(const char* name) const
{
    for (const auto& child : m_children) {
        if (child->name() == name)
            return child.get();
    }
    return nullptr;
}

std::vector<const XmlElement*> XmlElement::children(const char* name) const
{
    std::vector<const XmlElement*> found;
    for (const auto& child : m_children) {
        if (child->name() == name)
            found.push_back(child.get());
    }
    return found;
}

std::vector<const XmlElement*> XmlElement::items(const char* container, const char* item) const
{
    const XmlElement* holder = child(container);
    return holder ? holder->children(item) : std::vector<const XmlElement*>();
}

const std::string& XmlElement::childText(const char* name) const
{
    const XmlElement* found = child(name);
    return found ? found->text() : kEmpty;
}

void XmlElement::addAttribute(std::string name, std::string value)
{
    m_attributes.emplace_back(std::move(name), std::move(value));
}

XmlElement* XmlElement::addChild(std::unique_ptr<XmlElement> child)
{
    m_children.push_back(std::move(child));
    return m_children.back().get();
}
