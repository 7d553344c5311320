#ifndef IFX_XMLELEMENT_H
#define IFX_XMLELEMENT_H

#include <memory>
#include <string>
#include <utility>
#include <vector>

// An element of a parsed file, with what check needs of it: its local name
// (so files with and without the format's namespace read alike), its
// attributes and text in UTF-8, its child elements, and the line on which its
// start tag ends.
class XmlElement {
public:
    XmlElement(std::string name, unsigned long long line) : m_name(std::move(name)), m_line(line) {}

    const std::string& name() const { return m_name; }
    unsigned long long line() const { return m_line; }
    // The character data directly inside the element.
    const std::string& text() const { return m_text; }

    // "" for a missing attribute.
    const std::string& attribute(const char* name) const;
    // The first child of that name, or null.
    const XmlElement* child(const char* name) const;
    std::vector<const XmlElement*> children(const char* name) const;
    // The children named item of the first child named container.
    std::vector<const XmlElement*> items(const char* container, const char* item) const;
    // The text of the first child of that name; "" when there is none.
    const std::string& childText(const char* name) const;

    void addAttribute(std::string name, std::string value);
    void appendText(const std::string& text) { m_text += text; }
    // Takes ownership of child and returns it.
    XmlElement* addChild(std::unique_ptr<XmlElement> child);

private:
    std::string m_name;
    unsigned long long m_line;
    std::string m_text;
    std::vector<std::pair<std::string, std::string>> m_attributes;
    std::vector<std::unique_ptr<XmlElement>> m_children;
};

#endif
