#include "CWJDocumentWriter.h"

#include "AttributeValue.h"
#include "CWJWriteBuffer.h"
#include "XMLText.h"

#include <xercesc/dom/DOM.hpp>

#include <algorithm>
#include <vector>

using namespace xercesc;

namespace {

// The entity that stands for c, or null when c stands for itself.
const char* entityFor(char c, bool attribute)
{
    switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '\r': return "&#13;";
    case '"': return attribute ? "&quot;" : nullptr;
    case '\t': return attribute ? "&#9;" : nullptr;
    case '\n': return attribute ? "&#10;" : nullptr;
    default: return nullptr;
    }
}

// Escapes the text from offset on in place. Most texts need nothing: they
// are only looked at.
void escapeFrom(std::string& out, std::size_t offset, bool attribute)
{
    std::size_t first = offset;
    while (first < out.size() && !entityFor(out[first], attribute))
        ++first;
    if (first == out.size())
        return;
    const std::string rest = out.substr(first);
    out.resize(first);
    std::size_t run = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (const char* entity = entityFor(rest[i], attribute)) {
            out.append(rest, run, i - run).append(entity);
            run = i + 1;
        }
    }
    out.append(rest, run, std::string::npos);
}

// Converts and escapes the text a piece at a time, so that a long text is
// never held twice more; a piece never ends between the two halves of a
// surrogate pair.
void appendEscaped(CWJWriteBuffer& out, const XMLCh* text, bool attribute)
{
    const std::size_t length = XMLString::stringLen(text);
    for (std::size_t start = 0; start < length && out.pass();) {
        std::size_t end = std::min(length, start + CWJWriteBuffer::kChunk);
        if (end < length && text[end - 1] >= 0xD800 && text[end - 1] <= 0xDBFF)
            --end;
        const std::size_t offset = out.text().size();
        wjxml::appendUtf8(out.text(), text + start, end - start);
        escapeFrom(out.text(), offset, attribute);
        start = end;
    }
}

void appendCData(std::string& out, const XMLCh* text)
{
    std::string plain;
    wjxml::appendUtf8(plain, text);
    // "]]>" cannot stand inside a CDATA section: split it across two.
    std::size_t start = 0;
    out += "<![CDATA[";
    for (std::size_t end; (end = plain.find("]]>", start)) != std::string::npos; start = end + 2)
        out.append(plain, start, end + 2 - start).append("]]><![CDATA[");
    out.append(plain, start, std::string::npos);
    out += "]]>";
}

bool isMarkup(const DOMNode* node)
{
    const auto type = node->getNodeType();
    return type == DOMNode::ELEMENT_NODE || type == DOMNode::COMMENT_NODE ||
           type == DOMNode::PROCESSING_INSTRUCTION_NODE;
}

// True when the element has element children and every child is an
// element, comment or processing instruction: its content is then elements
// only, where the whitespace between children is not content, so they can be
// laid out on lines of their own. A text element holding only a comment is
// not one: whitespace added there would become its text.
bool hasOnlyMarkup(const DOMNode* element)
{
    bool hasElement = false;
    for (const DOMNode* child = element->getFirstChild(); child; child = child->getNextSibling()) {
        if (!isMarkup(child))
            return false;
        hasElement = hasElement || child->getNodeType() == DOMNode::ELEMENT_NODE;
    }
    return hasElement;
}

void appendStartTag(CWJWriteBuffer& out, const DOMElement* element)
{
    out.text() += '<';
    wjxml::appendUtf8(out.text(), element->getNodeName());
    const DOMNamedNodeMap* attributes = element->getAttributes();
    for (XMLSize_t i = 0; attributes && i < attributes->getLength(); ++i) {
        const DOMNode* attribute = attributes->item(i);
        out.text() += ' ';
        wjxml::appendUtf8(out.text(), attribute->getNodeName());
        out.text() += "=\"";
        appendEscaped(out, attributeValue(attribute), true);
        out.text() += '"';
    }
    out.text() += element->getFirstChild() ? ">" : "/>";
}

void appendLeaf(CWJWriteBuffer& buffer, const DOMNode* node)
{
    std::string& out = buffer.text();
    switch (node->getNodeType()) {
    case DOMNode::TEXT_NODE: appendEscaped(buffer, node->getNodeValue(), false); break;
    case DOMNode::CDATA_SECTION_NODE: appendCData(out, node->getNodeValue()); break;
    case DOMNode::COMMENT_NODE:
        out += "<!--";
        wjxml::appendUtf8(out, node->getNodeValue());
        out += "-->";
        break;
    case DOMNode::PROCESSING_INSTRUCTION_NODE:
        out += "<?";
        wjxml::appendUtf8(out, node->getNodeName());
        if (const XMLCh* data = node->getNodeValue(); data && *data) {
            out += ' ';
            wjxml::appendUtf8(out, data);
        }
        out += "?>";
        break;
    default: break;
    }
}

// Indentation grows by two spaces a level down to kMaxIndentLevel and then
// stays, so that the size of the output grows with the depth of a document
// and not with its square.
constexpr unsigned kMaxIndentLevel = 32;

void appendIndent(std::string& out, unsigned depth)
{
    out += '\n';
    out.append(2 * std::min(depth, kMaxIndentLevel), ' ');
}

} // namespace

void CWJDocumentWriter::write(const DOMDocument* document, CWJWriteBuffer& buffer)
{
    std::string& out = buffer.text();
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    // Nodes go on lines of their own only inside an element whose children
    // are all markup (and at the top of the document): there the whitespace
    // added is not content. Everything else is written exactly as it stands.
    struct Open {
        const DOMNode* element;
        bool block;
    };
    std::vector<Open> open;
    const DOMNode* node = document->getFirstChild();
    unsigned depth = 0;
    bool block = true;
    while (node && buffer.pass()) {
        if (block)
            appendIndent(out, depth);
        if (node->getNodeType() == DOMNode::ELEMENT_NODE) {
            appendStartTag(buffer, static_cast<const DOMElement*>(node));
            if (node->getFirstChild()) {
                open.push_back({node, block});
                block = hasOnlyMarkup(node);
                ++depth;
                node = node->getFirstChild();
                continue;
            }
        } else {
            appendLeaf(buffer, node);
        }
        while (!node->getNextSibling() && !open.empty()) {
            const Open parent = open.back();
            open.pop_back();
            --depth;
            if (block)
                appendIndent(out, depth);
            out += "</";
            wjxml::appendUtf8(out, parent.element->getNodeName());
            out += '>';
            block = parent.block;
            node = parent.element;
        }
        node = node->getNextSibling();
    }
    out += '\n';
}
