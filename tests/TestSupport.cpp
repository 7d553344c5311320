#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace testsupport {

std::string sourcePath(const std::string& relative)
{
    return std::string(WJ_SOURCE_DIR) + "/" + relative;
}

std::string outputPath(const std::string& name)
{
    const std::string path = std::string(WJ_TEST_OUTPUT_DIR) + "/" + name;
    std::remove(path.c_str());
    return path;
}

std::string inputPath(const std::string& name)
{
    const std::string path = std::string(WJ_TEST_INPUT_DIR) + "/" + name;
    std::remove(path.c_str());
    return path;
}

std::string writeInput(const std::string& name, const std::string& content)
{
    const std::string path = inputPath(name);
    writeFile(path, content);
    return path;
}

std::string utf16(const std::string& ascii, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii)
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

View read(const std::string& path, bool bind, std::string* error)
{
    CWJXMLFlowReader reader;
    reader.readFlowXML(path.c_str(), bind);
    if (error)
        *error = reader.lastError();
    return View(reader.getInterfaceView());
}

View create(const char* designName)
{
    CWJXMLFlowReader reader;
    return View(reader.CreateInterfaceView("tester", "2026-12-06T12:00:00", designName));
}

std::string write(IWJInterfaceView* view, const std::string& name)
{
    const std::string path = outputPath(name);
    CWJXMLFlowReader writer(view);
    writer.writeXMLFile(path.c_str());
    EXPECT_STREQ(writer.lastError(), "") << "writing " << path;
    return path;
}

std::string document(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\">\n" +
           body + "\n</InterfaceExchangeSchema>\n";
}

std::string writeDocument(const std::string& name, const std::string& body)
{
    const std::string path = outputPath(name);
    writeFile(path, document(body));
    return path;
}

int occurrences(const std::string& where, const std::string& text)
{
    int n = 0;
    for (std::size_t at = where.find(text); at != std::string::npos; at = where.find(text, at + text.size()))
        ++n;
    return n;
}

std::string pinElement(const std::string& svg, const std::string& pin)
{
    const std::size_t tag = svg.find("data-pin=\"" + pin + "\"");
    if (tag == std::string::npos)
        return "";
    const std::size_t start = svg.rfind("<g ", tag);
    return svg.substr(start, svg.find("</g>", tag) + 4 - start);
}

std::string pinNames(IWJFootPrintPinGroup* group)
{
    std::string names;
    for (auto pins = group ? group->pins() : CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*>();
         pins.isValid(); ++pins)
        names += std::string(pins.value()->name()) + ' ';
    return names;
}

} // namespace testsupport
