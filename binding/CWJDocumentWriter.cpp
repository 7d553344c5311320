#include "CWJDocumentWriter.h"

#include "AttributeValue.h"
#include "CWJWriteBuffer.h"
#include "XMLText.h"

#include <xercesc/dom/DOM.hpp>

#include <algorithm>
#include <cstring>
#include <vector>

using namespace xercesc;

namespace {

// What a text's characters stand for where it is written.
enum class Escape { None, Text, Attribute };

// The entity that stands for c, or null when c stands for itself.
const char* entityFor(char16_t c, Escape escape)
{
    switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '\r': return "&#13;";
    case '"': return escape == Escape::Attribute ? "&quot;" : nullptr;
    case '\t': return escape == Escape::Attribute ? "&#9;" : nullptr;
    case '\n': return escape == Escape::Attribute ? "&#10;" : nullptr;
    default: return nullptr;
    }
}

// The most bytes one UTF-16 unit becomes: an entity such as "&quot;".
constexpr std::size_t kMostBytesPerUnit = 6;

// Converts length units of text to UTF-8 straight into out, with entities
// as escape asks, a piece at a time, so that a long text is never held
// whole; a piece never ends between the two halves of a surrogate pair.
void appendText(CWJWriteBuffer& out, const XMLCh* text, std::size_t length, Escape escape)
{
    for (std::size_t start = 0; start < length && out.pass();) {
        std::size_t end = std::min(length, start + CWJWriteBuffer::kChunk);
        if (end < length && text[end - 1] >= 0xD800 && text[end - 1] <= 0xDBFF)
            --end;
        char* const begin = out.room(kMostBytesPerUnit * (end - start));
        char* next = begin;
        for (std::size_t i = start; i < end;) {
            const XMLCh unit = text[i];
            if (unit < 0x80) {
                // Every character that has an entity sorts at or below '>'.
                const char* entity = escape != Escape::None && unit <= '>' ? entityFor(unit, escape) : nullptr;
                if (!entity)
                    *next++ = static_cast<char>(unit);
                while (entity && *entity)
                    *next++ = *entity++;
                ++i;
                continue;
            }
            char32_t c;
            i += wjxml::readUtf16(text, end, i, c);
            next = wjxml::writeUtf8(c, next);
        }
        out.commit(static_cast<std::size_t>(next - begin));
        start = end;
    }
}

void appendText(CWJWriteBuffer& out, const XMLCh* text, Escape escape)
{
    if (text)
        appendText(out, text, XMLString::stringLen(text), escape);
}

template <std::size_t N> void appendLiteral(CWJWriteBuffer& out, const char (&literal)[N])
{
    out.append(literal, N - 1);
}

void appendCData(CWJWriteBuffer& out, const XMLCh* text)
{
    std::string plain;
    wjxml::appendUtf8(plain, text);
    // "]]>" cannot stand inside a CDATA section: split it across two.
    std::size_t start = 0;
    appendLiteral(out, "<![CDATA[");
    for (std::size_t end; (end = plain.find("]]>", start)) != std::string::npos; start = end + 2) {
        out.append(plain.data() + start, end + 2 - start);
        appendLiteral(out, "]]><![CDATA[");
    }
    out.append(plain.data() + start, plain.size() - start);
    appendLiteral(out, "]]>");
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
    out.append('<');
    appendText(out, element->getNodeName(), Escape::None);
    const DOMNamedNodeMap* attributes = element->getAttributes();
    for (XMLSize_t i = 0; attributes && i < attributes->getLength(); ++i) {
        const DOMNode* attribute = attributes->item(i);
        out.append(' ');
        appendText(out, attribute->getNodeName(), Escape::None);
        appendLiteral(out, "=\"");
        appendText(out, attributeValue(attribute), Escape::Attribute);
        out.append('"');
    }
    if (element->getFirstChild())
        out.append('>');
    else
        appendLiteral(out, "/>");
}

void appendLeaf(CWJWriteBuffer& out, const DOMNode* node)
{
    switch (node->getNodeType()) {
    case DOMNode::TEXT_NODE: appendText(out, node->getNodeValue(), Escape::Text); break;
    case DOMNode::CDATA_SECTION_NODE: appendCData(out, node->getNodeValue()); break;
    case DOMNode::COMMENT_NODE:
        appendLiteral(out, "<!--");
        appendText(out, node->getNodeValue(), Escape::None);
        appendLiteral(out, "-->");
        break;
    case DOMNode::PROCESSING_INSTRUCTION_NODE:
        appendLiteral(out, "<?");
        appendText(out, node->getNodeName(), Escape::None);
        if (const XMLCh* data = node->getNodeValue(); data && *data) {
            out.append(' ');
            appendText(out, data, Escape::None);
        }
        appendLiteral(out, "?>");
        break;
    default: break;
    }
}

// Indentation grows by two spaces a level down to kMaxIndentLevel and then
// stays, so that the size of the output grows with the depth of a document
// and not with its square.
constexpr unsigned kMaxIndentLevel = 32;

void appendIndent(CWJWriteBuffer& out, unsigned depth)
{
    const std::size_t spaces = 2 * std::min(depth, kMaxIndentLevel);
    char* const line = out.room(1 + spaces);
    line[0] = '\n';
    std::memset(line + 1, ' ', spaces);
    out.commit(1 + spaces);
}

} // namespace

void CWJDocumentWriter::write(const DOMDocument* document, CWJWriteBuffer& buffer)
{
    appendLiteral(buffer, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
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
            appendIndent(buffer, depth);
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
                appendIndent(buffer, depth);
            appendLiteral(buffer, "</");
            appendText(buffer, parent.element->getNodeName(), Escape::None);
            buffer.append('>');
            block = parent.block;
            node = parent.element;
        }
        node = node->getNextSibling();
    }
    buffer.append('\n');
}
