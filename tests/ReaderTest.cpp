#include "TestSupport.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <gtest/gtest.h>
#include <xercesc/dom/DOMElement.hpp>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace testsupport;

namespace {

const char kTexts[] = "<LastUpdatedBy>ann</LastUpdatedBy>\n"
                      "<LastUpdatedAt>2026-01-02</LastUpdatedAt>\n"
                      "<DesignName>board</DesignName>";

std::string fixture(const std::string& name, const std::string& content)
{
    const std::string path = inputPath(name);
    writeFile(path, content);
    return path;
}

} // namespace

TEST(Reader, RejectsBadFilesWithADiagnosticAndNoView)
{
    struct Case {
        const char* name;
        std::string content;
        const char* expected;
    };
    const Case cases[] = {
        {"wrong-root.xml", "<Foo xmlns=\"http://www.wjxmlflow.org/mxa/tvn\"/>", "wrong-root.xml:1:"},
        {"malformed.xml", document("<DesignName>x</DesignNam>"), "malformed.xml:3:"},
        {"invalid.xml", document("<DesignName>x</DesignName><LastUpdatedBy>y</LastUpdatedBy>"),
         "invalid.xml:4:27: element 'LastUpdatedBy' is not allowed"},
        {"other-namespace.xml", "<InterfaceExchangeSchema xmlns=\"urn:other\"/>", "other-namespace.xml:1:"},
        {"empty.xml", "", "empty.xml:"},
        {"truncated.xml", document(kTexts).substr(0, 120), "truncated.xml:"},
        {"doctype.xml",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE InterfaceExchangeSchema SYSTEM \"file:///etc/hostname\">\n" +
             document("<DesignName>x</DesignName>").substr(39),
         "DOCTYPE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = fixture(c.name, c.content);
        CWJXMLFlowReader reader;
        reader.readFlowXML(path.c_str(), true);
        EXPECT_EQ(reader.getInterfaceView(), nullptr);
        EXPECT_NE(std::string(reader.lastError()).find(c.expected), std::string::npos) << reader.lastError();
    }
}

TEST(Reader, RejectsMissingAndUnreadablePaths)
{
    CWJXMLFlowReader reader;
    reader.readFlowXML(inputPath("does-not-exist.xml").c_str(), false);
    EXPECT_EQ(reader.getInterfaceView(), nullptr);
    EXPECT_NE(std::string(reader.lastError()).find("does-not-exist.xml: cannot open the file"), std::string::npos);

    reader.readFlowXML(WJ_TEST_OUTPUT_DIR, false);
    EXPECT_EQ(reader.getInterfaceView(), nullptr);
    EXPECT_NE(std::string(reader.lastError()).find("is a directory"), std::string::npos);
}

TEST(Reader, AFailedReadKeepsTheEarlierView)
{
    CWJXMLFlowReader reader;
    reader.readFlowXML(fixture("first.xml", document(kTexts)).c_str(), true);
    const View first(reader.getInterfaceView());
    ASSERT_TRUE(first);
    reader.readFlowXML(fixture("bad.xml", "<Foo/>").c_str(), true);
    EXPECT_EQ(reader.getInterfaceView(), first.get());
    EXPECT_STRNE(reader.lastError(), "");
}

TEST(Reader, RefusesElementsNestedTooDeeply)
{
    std::string body = "<CompInsts><CompInst id=\"U1\"><BusInterfaces><BusInterface id=\"B\">";
    for (int i = 0; i < 2000; ++i)
        body += "<PortGroups><PortGroup>";
    for (int i = 0; i < 2000; ++i)
        body += "</PortGroup></PortGroups>";
    body += "</BusInterface></BusInterfaces></CompInst></CompInsts>";
    CWJXMLFlowReader reader;
    reader.readFlowXML(fixture("deep.xml", document(body)).c_str(), true);
    EXPECT_EQ(reader.getInterfaceView(), nullptr);
    EXPECT_NE(std::string(reader.lastError()).find("nested more than"), std::string::npos) << reader.lastError();
}

TEST(Reader, KeepsTheLineWhereEachStartTagEndsOnlyWhenAsked)
{
    const std::string path =
        fixture("lines.xml", document(std::string(kTexts) + "\n<CompInsts><CompInst\n id=\"U1\"/></CompInsts>"));
    for (const bool keep : {true, false}) {
        CWJXMLFlowReader reader;
        reader.keepElementLines(keep);
        reader.readFlowXML(path.c_str(), true);
        const View view(reader.getInterfaceView());
        ASSERT_TRUE(view) << reader.lastError();
        const xercesc::DOMElement* root = dynamic_cast<IWJXMLObject*>(view.get())->GetDomElement();
        const xercesc::DOMElement* instances = root->getLastElementChild();
        const xercesc::DOMElement* elements[] = {root, root->getFirstElementChild(), instances,
                                                 instances->getFirstElementChild()};
        const unsigned long long lines[] = {2, 3, 6, 7};
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(CWJXMLFlowReader::elementLine(elements[i]), keep ? lines[i] : 0) << i;
    }
    EXPECT_EQ(CWJXMLFlowReader::elementLine(nullptr), 0u);
}

TEST(CreateInterfaceView, WritesTheRootAttributesAndTheTextsInOrder)
{
    CWJXMLFlowReader reader;
    const View view(reader.CreateInterfaceView("by", "at", "name"));
    ASSERT_TRUE(view);
    EXPECT_EQ(reader.getInterfaceView(), view.get());
    EXPECT_EQ(readFile(write(view.get(), "created.xml")),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\" "
              "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
              "xsi:schemaLocation=\"http://www.wjxmlflow.org/mxa/tvn InterfaceExchangeSchema.xsd\">\n"
              "  <LastUpdatedBy>by</LastUpdatedBy>\n"
              "  <LastUpdatedAt>at</LastUpdatedAt>\n"
              "  <DesignName>name</DesignName>\n"
              "</InterfaceExchangeSchema>\n");
}

TEST(CreateInterfaceView, ASecondCallOnlyChangesTheTexts)
{
    CWJXMLFlowReader reader;
    const View view(reader.CreateInterfaceView("by", "at", "name"));
    EXPECT_EQ(reader.CreateInterfaceView("by2", "at2", "name2"), view.get());
    EXPECT_STREQ(view->lastUpdatedBy(), "by2");
    EXPECT_STREQ(view->lastUpdatedAt(), "at2");
    EXPECT_STREQ(view->designName(), "name2");
    const std::string written = readFile(write(view.get(), "created-twice.xml"));
    EXPECT_NE(written.find("<DesignName>name2</DesignName>"), std::string::npos);
    EXPECT_EQ(written.find("name</"), std::string::npos);
}

TEST(Writing, KeepsRootAttributesCommentsAndTextsOfAnyFile)
{
    const std::string content = "<?xml version=\"1.0\"?>\n"
                                "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\"\n"
                                "    xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
                                "    xsi:schemaLocation=\"http://www.wjxmlflow.org/mxa/tvn elsewhere.xsd\">\n"
                                "  <!-- made by hand -->\n"
                                "  <LastUpdatedBy>  spaced &amp; &lt;escaped&gt; \"quoted\"  </LastUpdatedBy>\n"
                                "  <DesignName>caf\xc3\xa9</DesignName>\n"
                                "</InterfaceExchangeSchema>\n";
    const View view = read(fixture("handmade.xml", content), true);
    ASSERT_TRUE(view);
    EXPECT_STREQ(view->lastUpdatedBy(), "  spaced & <escaped> \"quoted\"  ");
    const std::string written = readFile(write(view.get(), "handmade-out.xml"));
    EXPECT_NE(written.find("xsi:schemaLocation=\"http://www.wjxmlflow.org/mxa/tvn elsewhere.xsd\""), std::string::npos);
    EXPECT_NE(written.find("  <!-- made by hand -->\n"), std::string::npos);
    EXPECT_NE(written.find("<DesignName>caf\xc3\xa9</DesignName>"), std::string::npos);

    const View again = read(std::string(WJ_TEST_OUTPUT_DIR) + "/handmade-out.xml", true);
    ASSERT_TRUE(again);
    EXPECT_STREQ(again->lastUpdatedBy(), "  spaced & <escaped> \"quoted\"  ");
    EXPECT_EQ(readFile(write(again.get(), "handmade-out2.xml")), written);
}

TEST(Writing, BoundEditsAreSavedAndUnboundOnesAreNot)
{
    const std::string path = fixture("edit.xml", document(kTexts));
    for (const bool bind : {true, false}) {
        const View view = read(path, bind);
        ASSERT_TRUE(view);
        view->setDesignName("renamed");
        const std::string written = readFile(write(view.get(), bind ? "edit-bound.xml" : "edit-unbound.xml"));
        EXPECT_EQ(written.find("<DesignName>renamed</DesignName>") != std::string::npos, bind);
    }
}

TEST(Writing, HostTextsThatXmlCannotCarryAreReplaced)
{
    const View view = create();
    view->setDesignName("bell\x07 and \xff broken");
    const View back = read(write(view.get(), "replaced.xml"), false);
    ASSERT_TRUE(back);
    EXPECT_STREQ(back->designName(), "bell\xef\xbf\xbd and \xef\xbf\xbd broken");
}

TEST(Writing, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    const View view = create("new content");
    const std::string path = inputPath("kept.xml");
    writeFile(path, "old content");

    // A file-size limit makes the write fail half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tiny = saved;
    tiny.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &tiny);
    CWJXMLFlowReader writer(view.get());
    writer.writeXMLFile(path.c_str());
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_NE(std::string(writer.lastError()).find("kept.xml: cannot write"), std::string::npos) << writer.lastError();
    EXPECT_EQ(readFile(path), "old content");

    writer.writeXMLFile((std::string(WJ_TEST_OUTPUT_DIR) + "/no-such-folder/out.xml").c_str());
    EXPECT_NE(std::string(writer.lastError()).find("No such file or directory"), std::string::npos);

    const std::string folder = inputPath("a-folder");
    mkdir(folder.c_str(), 0755);
    writer.writeXMLFile(folder.c_str());
    EXPECT_NE(std::string(writer.lastError()).find("a-folder: is a directory, not a file"), std::string::npos);
    struct stat info {};
    EXPECT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    rmdir(folder.c_str());

    writer.writeXMLFile(path.c_str());
    EXPECT_STREQ(writer.lastError(), "");
    EXPECT_NE(readFile(path).find("new content"), std::string::npos);
}

TEST(Writing, ACommentInATextElementAddsNoText)
{
    const std::string path = fixture("comment-in-text.xml", document("<DesignName><!--by hand--></DesignName>"));
    const View view = read(path, true);
    ASSERT_TRUE(view);
    EXPECT_STREQ(view->designName(), "");
    const std::string written = readFile(write(view.get(), "comment-in-text.xml"));
    EXPECT_NE(written.find("  <DesignName><!--by hand--></DesignName>\n"), std::string::npos) << written;
    const View back = read(std::string(WJ_TEST_OUTPUT_DIR) + "/comment-in-text.xml", true);
    ASSERT_TRUE(back);
    EXPECT_STREQ(back->designName(), "");
}
