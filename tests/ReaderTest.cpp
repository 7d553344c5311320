#include "TestSupport.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <gtest/gtest.h>
#include <xercesc/dom/DOMElement.hpp>

using namespace testsupport;

TEST(Reader, AFailedReadKeepsTheEarlierView)
{
    CWJXMLFlowReader reader;
    reader.readFlowXML(writeInput("first.xml", document("<DesignName>board</DesignName>")).c_str(), true);
    const View first(reader.getInterfaceView());
    ASSERT_TRUE(first);
    reader.readFlowXML(writeInput("bad.xml", "<Foo/>").c_str(), true);
    EXPECT_EQ(reader.getInterfaceView(), first.get());
    EXPECT_STRNE(reader.lastError(), "");
}

TEST(Reader, KeepsTheLineWhereEachStartTagEndsOnlyWhenAsked)
{
    const std::string path = writeInput(
        "lines.xml", document("<LastUpdatedBy>ann</LastUpdatedBy>\n<LastUpdatedAt>2026-01-02</LastUpdatedAt>\n"
                              "<DesignName>board</DesignName>\n<CompInsts><CompInst\n id=\"U1\"/></CompInsts>"));
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
