#include "TestSupport.h"

#include <gtest/gtest.h>

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
