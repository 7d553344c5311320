#include "RoundTripCheck.h"

#include "model/DesignRecords.h"

#include <fstream>
#include <memory>
#include <sstream>
#include <utility>

namespace {

using View = std::unique_ptr<IWJInterfaceView>;

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string lineAt(const std::string& text, std::size_t start)
{
    const std::size_t end = text.find('\n', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

} // namespace

std::string firstDifference(const std::string& expected, const std::string& actual)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < expected.size() && i < actual.size() && expected[i] == actual[i]; ++i) {
        if (expected[i] == '\n')
            start = i + 1;
    }
    return "expected \"" + lineAt(expected, start) + "\", got \"" + lineAt(actual, start) + "\"";
}

RoundTripCheck::RoundTripCheck(std::string folder) : m_folder(std::move(folder)) {}

std::string RoundTripCheck::pathOf(const std::string& name) const
{
    return m_folder + "/" + name + ".xml";
}

std::string RoundTripCheck::check(IWJInterfaceView* view, const std::string& name) const
{
    const std::string expected = DesignRecords(view).text();
    const std::string path = pathOf(name);
    CWJXMLFlowReader writer(view);
    writer.writeXMLFile(path.c_str());
    if (*writer.lastError())
        return std::string("the design could not be written: ") + writer.lastError();
    const std::string written = readBytes(path);

    for (const bool bind : {true, false}) {
        CWJXMLFlowReader reader;
        reader.readFlowXML(path.c_str(), bind);
        const View back(reader.getInterfaceView());
        const std::string how = bind ? "bound" : "unbound";
        if (!back)
            return "the written file does not read back " + how + ": " + reader.lastError();
        const std::string actual = DesignRecords(back.get()).text();
        if (actual != expected)
            return "the written file reads back " + how + " as another model: " + firstDifference(expected, actual);
        if (!bind)
            continue;
        const std::string again = m_folder + "/" + name + "-again.xml";
        CWJXMLFlowReader rewriter(back.get());
        rewriter.writeXMLFile(again.c_str());
        if (*rewriter.lastError())
            return std::string("the read-back design could not be written: ") + rewriter.lastError();
        if (readBytes(again) != written)
            return "writing the read-back design gives other bytes: " + firstDifference(written, readBytes(again));
    }
    return std::string();
}
