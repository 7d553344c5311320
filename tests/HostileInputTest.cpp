#include "ChildProcess.h"
#include "ReaderFuzzCase.h"
#include "TestSupport.h"
#include "model/DesignRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {

const char kHead[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\">";
const char kTail[] = "</InterfaceExchangeSchema>\n";
const char kRoot[] = "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\">";

// The reader's error for a file it must refuse, or what went wrong.
std::string refusalOf(const std::string& path, bool bind)
{
    CWJXMLFlowReader reader;
    reader.readFlowXML(path.c_str(), bind);
    return reader.getInterfaceView() ? std::string("a view was made") : std::string(reader.lastError());
}

// Reads the file bound and unbound: each read must make no view and say
// where and what the problem is.
void expectRefused(const std::string& path, const std::string& expected)
{
    for (const bool bind : {true, false}) {
        SCOPED_TRACE(path + (bind ? " bound" : " unbound"));
        const std::string error = refusalOf(path, bind);
        EXPECT_EQ(error.rfind(path + ":", 0), 0u) << error;
        EXPECT_NE(error.find(expected), std::string::npos) << error;
    }
}

// Reads, walks and writes the file bound and unbound and reads what was
// written back, as the reader fuzz target does.
void expectReadWalkedAndWritten(const std::string& name, const std::string& content)
{
    const ReaderFuzzCase fuzzCase(WJ_TEST_INPUT_DIR, WJ_TEST_OUTPUT_DIR, name);
    EXPECT_EQ(fuzzCase.run(content), "") << name;
}

std::string repeated(const std::string& text, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

std::string billionLaughs()
{
    std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE InterfaceExchangeSchema [\n<!ENTITY lol0 \"lol\">\n";
    for (int level = 1; level < 10; ++level)
        laughs += "<!ENTITY lol" + std::to_string(level) + " \"" +
                  repeated("&lol" + std::to_string(level - 1) + ";", 10) + "\">\n";
    return laughs + "]>\n" + kRoot + "<DesignName>&lol9;</DesignName></InterfaceExchangeSchema>\n";
}

std::string utf16(const std::string& text)
{
    std::string wide = "\xff\xfe";
    for (const char c : text)
        wide += std::string(1, c) + '\0';
    return wide;
}

} // namespace

// Each file is refused, bound and unbound, with its place and its problem:
// entity expansion, outside references, nesting, broken bytes and costs no
// read should pay.
TEST(HostileInput, RefusedFilesSayWhereAndWhy)
{
    const std::string secret = writeInput("secret.txt", "SECRET-c0ffee-7d1");
    const std::string head = kHead;
    const std::string doctype = "a DOCTYPE declaration is not allowed";
    const std::string deep = "elements are nested more than 512 levels deep";
    struct Case {
        const char* name;
        std::string content;
        std::string expected;
    };
    const Case cases[] = {
        {"billion-laughs", billionLaughs(), doctype},
        {"quadratic-blowup",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE InterfaceExchangeSchema [<!ENTITY a \"" + std::string(50000, 'a') +
             "\">]>\n<InterfaceExchangeSchema><DesignName>" + repeated("&a;", 10000) +
             "</DesignName></InterfaceExchangeSchema>\n",
         doctype},
        {"parameter-entities",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE InterfaceExchangeSchema [\n<!ENTITY % p0 \"<!ENTITY x 'x'>\">\n"
         "<!ENTITY % p1 \"%p0;%p0;%p0;%p0;\">\n%p1;\n]>\n<InterfaceExchangeSchema/>\n",
         doctype},
        {"outside-dtd", "<!DOCTYPE InterfaceExchangeSchema SYSTEM \"file://" + secret + "\">\n" + kRoot + kTail,
         doctype},
        {"outside-dtd-url",
         "<!DOCTYPE InterfaceExchangeSchema PUBLIC \"-//x//y\" \"http://127.0.0.1:9/evil.dtd\">\n" +
             std::string(kRoot) + kTail,
         doctype},
        {"outside-entity",
         "<!DOCTYPE InterfaceExchangeSchema [<!ENTITY s SYSTEM \"" + secret + "\">]>\n" + kRoot +
             "<DesignName>&s;</DesignName>" + kTail,
         doctype},
        {"outside-xinclude",
         head + "<DesignName><xi:include xmlns:xi=\"http://www.w3.org/2001/XInclude\" href=\"" + secret +
             "\" parse=\"text\"/></DesignName>" + kTail,
         "'DesignName' is of simple type and cannot have elements"},
        // The innermost group is the 513th level: one more than a file may hold.
        {"deep-groups",
         head + "<CompInsts><CompInst id=\"U1\"><BusInterfaces><BusInterface id=\"B\">" +
             repeated("<PortGroups><PortGroup>", 254) + repeated("</PortGroup></PortGroups>", 254) +
             "</BusInterface></BusInterfaces></CompInst></CompInsts>" + kTail,
         deep},
        {"malformed", head + "<DesignName>x</DesignNam>" + kTail, ":2:82: expected end of tag 'DesignName'"},
        {"invalid", head + "<DesignName>x</DesignName><LastUpdatedBy>y</LastUpdatedBy>" + kTail,
         ":2:151: element 'LastUpdatedBy' is not allowed"},
        {"deep-unknown", head + repeated("<x>", 100000) + repeated("</x>", 100000) + kTail, deep},
        {"invalid-utf8",
         head +
             "<DesignName>a\xff\xfe"
             "b</DesignName>" +
             kTail,
         ":1:39: invalid byte"},
        {"overlong-utf8", head + "<DesignName>\xc0\xaf</DesignName>" + kTail, ":1:39: invalid byte"},
        {"surrogate-utf8", head + "<DesignName>\xed\xa0\x80</DesignName>" + kTail, ":1:39: irregular bytes"},
        {"invalid-utf8-in-attribute", head + "<CompInsts><CompInst id=\"\xff\"/></CompInsts>" + kTail,
         ":1:39: invalid byte"},
        {"cut-utf8", head + "<DesignName>\xe2\x82", ":2:79: input ended before all started tags were ended"},
        {"nul-in-text", head + std::string("<DesignName>a\0b</DesignName>", 28) + kTail,
         ":2:80: the file is not text: it holds the control character 0x00"},
        {"nul-in-name", head + std::string("<Design\0Name>a</DesignName>", 27) + kTail,
         ":2:74: the file is not text: it holds the control character 0x00"},
        {"control-character", head + "<DesignName>\x01</DesignName>" + kTail,
         ":2:79: the file is not text: it holds the control character 0x01"},
        {"control-reference", head + "<DesignName>&#1;</DesignName>" + kTail, ":2:83: invalid character reference"},
        {"undefined-entity", head + "<DesignName>&undefined;</DesignName>" + kTail,
         ":2:90: entity 'undefined' not found"},
        {"empty", "", ": the file is empty"},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
         ":2:1: the file is not text: it holds the control character 0x1A"},
        {"blank", "   \n", ":2:1: invalid document structure"},
        {"declaration-only", "<?xml version=\"1.0\"?>", ":1:22: invalid document structure"},
        {"cut-declaration", "<?xml vers", ":1:11: expected version, encoding, or standalone declaration"},
        {"cut-in-text", head + "<DesignName>ab", ":2:81: input ended before all started tags were ended"},
        {"cut-in-attribute", head + "<CompInsts><CompInst id=\"U", ":2:93: unexpected end of input"},
        {"cut-in-comment", head + "<!-- never", ":2:77: unterminated comment"},
        {"cut-in-cdata", head + "<DesignName><![CDATA[abc", ":2:91: unterminated CDATA section"},
        {"unknown-encoding", "<?xml version=\"1.0\" encoding=\"x-unknown\"?><a/>",
         ":1:43: unable to create converter for 'X-UNKNOWN' encoding"},
        {"xml-1.1", "<?xml version=\"1.1\"?>\n" + std::string(kRoot) + "<DesignName>&#1;</DesignName>" + kTail,
         ":1:22: only XML 1.0 is read"},
        // The scanner checks each attribute against every earlier one, so
        // their count is capped before it sees them, in UTF-16 too.
        {"declarations",
         "<?xml version=\"1.0\"?>\n<InterfaceExchangeSchema" +
             [] {
                 std::string declarations;
                 for (int i = 0; i < 100000; ++i)
                     declarations += " xmlns:p" + std::to_string(i) + "=\"urn:" + std::to_string(i) + "\"";
                 return declarations;
             }() +
             "/>\n",
         ":2:1231: an element has more than 64 attributes"},
        {"attributes-utf16",
         utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<InterfaceExchangeSchema><DesignName" +
               [] {
                   std::string attributes;
                   for (int i = 0; i < 1000000; ++i)
                       attributes += " a" + std::to_string(i) + "=''";
                   return attributes;
               }() +
               "/></InterfaceExchangeSchema>\n"),
         ":2:479: an element has more than 64 attributes"},
    };
    for (const Case& c : cases) {
        const std::string path = writeInput(std::string(c.name) + ".xml", c.content);
        expectRefused(path, c.expected);
        EXPECT_EQ(refusalOf(path, true).find("SECRET"), std::string::npos);
    }
}

// Files that name a schema or a style sheet are read, and only the file is.
TEST(HostileInput, NamedSchemasAndStyleSheetsAreNotRead)
{
    const std::string secret = writeInput("named-secret.txt", "SECRET-c0ffee-7d1");
    const std::string schemaAttributes = "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" ";
    const std::string bodies[] = {
        "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\" " + schemaAttributes +
            "xsi:schemaLocation=\"http://www.wjxmlflow.org/mxa/tvn file://" + secret + "\">",
        "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\" " + schemaAttributes +
            "xsi:schemaLocation=\"http://www.wjxmlflow.org/mxa/tvn http://127.0.0.1:9/evil.xsd\">",
        "<InterfaceExchangeSchema " + schemaAttributes + "xsi:noNamespaceSchemaLocation=\"" + secret + "\">",
        "<?xml-stylesheet href=\"file://" + secret + "\"?>\n" + kRoot,
    };
    int index = 0;
    for (const std::string& body : bodies) {
        const std::string name = "outside-read-" + std::to_string(index++);
        const std::string path =
            writeInput(name + ".xml", "<?xml version=\"1.0\"?>\n" + body + "<DesignName>d</DesignName>" + kTail);
        for (const bool bind : {true, false}) {
            const View view = read(path, bind);
            ASSERT_TRUE(view) << path;
            EXPECT_STREQ(view->designName(), "d");
            EXPECT_EQ(DesignRecords(view.get()).text().find("SECRET"), std::string::npos);
            EXPECT_EQ(readFile(write(view.get(), name + (bind ? "-bound.xml" : ".xml"))).find("SECRET"),
                      std::string::npos);
        }
    }
}

TEST(HostileInput, AMillionPortRefSiblingsAreReadWrittenAndReleased)
{
    const int references = kSanitized ? 250000 : 1000000;
    std::string body = "  <CompInsts>\n    <CompInst id=\"U1\">\n      <Ports>\n        <Port id=\"P\">\n"
                       "          <Name>P</Name>\n        </Port>\n      </Ports>\n      <BusInterfaces>\n"
                       "        <BusInterface id=\"B\">\n          <PortRefs>\n";
    for (int i = 0; i < references; ++i)
        body += "            <PortRef ref=\"P\"/>\n";
    const std::string content =
        document(body + "          </PortRefs>\n        </BusInterface>\n      </BusInterfaces>\n"
                        "    </CompInst>\n  </CompInsts>");
    const std::string path = writeInput("million-refs.xml", content);

    for (const bool bind : {true, false}) {
        SCOPED_TRACE(bind ? "bound" : "unbound");
        std::string error;
        const View view = read(path, bind, &error);
        ASSERT_TRUE(view) << error;
        IWJCompInst* inst = view->compInsts().value();
        IWJCompBusInterface* bus = inst->busInterfaces().value();
        EXPECT_EQ(count(bus->portRefs()), references);
        if (bind) {
            EXPECT_EQ(readFile(write(view.get(), "million-refs.xml")), content);
        }
    }
}

TEST(HostileInput, HugeTextsAndLongNamesAreKeptWhole)
{
    const std::string text(10 * 1000 * 1000, 't');
    const std::string id(10 * 1000 * 1000, 'i');
    const std::string name(100000, 'N');
    const std::string content = document(
        "  <DesignName>" + text + "</DesignName>\n  <CompInsts>\n    <CompInst id=\"" + id + "\">\n      <CellName>" +
        name + "</CellName>\n      <Ports>\n        <Port id=\"P\">\n          <Name>" + name +
        "</Name>\n        </Port>\n      </Ports>\n    </CompInst>\n  </CompInsts>");
    const std::string path = writeInput("huge-texts.xml", content);
    for (const bool bind : {true, false}) {
        SCOPED_TRACE(bind ? "bound" : "unbound");
        std::string error;
        const View view = read(path, bind, &error);
        ASSERT_TRUE(view) << error;
        EXPECT_EQ(view->designName(), text);
        IWJCompInst* inst = view->compInsts().value();
        EXPECT_EQ(view->compInsts().key(), id);
        IWJPort* port = inst->findPort(std::string(name).c_str());
        ASSERT_TRUE(port);
        EXPECT_EQ(port->fullName(), name + "." + name);
        if (bind) {
            EXPECT_EQ(readFile(write(view.get(), "huge-texts.xml")), content);
        }
    }
}

// The fixture's ids collide in every way; the round trip test reads, walks
// and writes it. Ids made after a read never take one the file used.
TEST(HostileInput, IdsMadeAfterReadingCollidingIdsAreNew)
{
    const View view = read(sourcePath("tests/data/valid/colliding-ids.xml"), true);
    ASSERT_TRUE(view);
    IWJCompInst* added = view->addCompInst("C", "U1");
    EXPECT_EQ(view->compInsts().key(), "U1");
    EXPECT_EQ(valueAt(view->compInsts(), "U1_2"), added);
    IWJPort* port = added->addPort("P", "", IWJPort::Input, 1, -1, -1);
    EXPECT_EQ(valueAt(added->ports(), "P_1"), port);
}

TEST(HostileInput, NumbersAtEveryIntEdgeReadAsAtoiDoesWithinInt)
{
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {{"2147483647", INT_MAX},
                          {"2147483648", INT_MAX},
                          {"-2147483648", INT_MIN},
                          {"-2147483649", INT_MIN},
                          {"99999999999999999999", INT_MAX},
                          {"-", 0},
                          {"+", 0},
                          {"  7x", 7},
                          {"\t-3", -3},
                          {"+12", 12},
                          {"0x1F", 0},
                          {"", 0}};
    std::string ports;
    std::string portMaps;
    int index = 0;
    for (const Case& c : cases) {
        const std::string id = "P" + std::to_string(index++);
        ports += "<Port id=\"" + id + "\"><Name>" + id + "</Name><NumPhysPins>" + c.text +
                 "</NumPhysPins><Range lsb=\"" + c.text + "\" msb=\"" + c.text + "\"/></Port>";
        portMaps += "<PortMap><PortRefNoRange ref=\"" + id + "\"><Bit>" + c.text +
                    "</Bit></PortRefNoRange><PinRef ref=\"1\"/></PortMap>";
    }
    const std::string content = std::string(kHead) + "<CompInsts><CompInst id=\"U1\"><CellName>CELL</CellName><Ports>" +
                                ports + "</Ports></CompInst></CompInsts>" +
                                "<Footprints><Footprint id=\"F\"><Pins><Pin id=\"1\"><Name>1</Name></Pin></Pins>"
                                "</Footprint></Footprints><PartMaps><PartMap><CompInstRef ref=\"U1\"/>"
                                "<PartDefRef ref=\"F\"/><PortMaps>" +
                                portMaps + "</PortMaps></PartMap></PartMaps>" + kTail;
    const std::string path = writeInput("int-edges.xml", content);
    for (const bool bind : {true, false}) {
        const View view = read(path, bind);
        ASSERT_TRUE(view);
        IWJCompInst* inst = view->compInsts().value();
        IWJPartMap* partMap = view->partMaps().value();
        index = 0;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string("\"") + c.text + "\"");
            IWJPort* port = valueAt(inst->ports(), "P" + std::to_string(index++));
            ASSERT_TRUE(port);
            EXPECT_EQ(port->numPhysPins(), c.value);
            // An empty bound means no value.
            EXPECT_EQ(port->lsb(), *c.text ? c.value : -1);
            EXPECT_EQ(port->msb(), *c.text ? c.value : -1);
            EXPECT_TRUE(partMap->pinForPort(port, c.value));
        }
    }
    expectReadWalkedAndWritten("int-edges", content);
}

TEST(HostileInput, PathsThatAreNoFilesAreRefused)
{
    const std::string folder = inputPath("a-folder");
    ::mkdir(folder.c_str(), 0755);
    expectRefused(folder, ": is a directory, not a file");
    ::rmdir(folder.c_str());

    // Reading a device or a pipe would never end.
    expectRefused("/dev/zero", ": is not a regular file");
    const std::string pipe = inputPath("a-pipe.xml");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    expectRefused(pipe, ": is not a regular file");
    ::unlink(pipe.c_str());

    const std::string link = inputPath("dangling-link.xml");
    ASSERT_EQ(::symlink("nowhere.xml", link.c_str()), 0);
    expectRefused(link, ": cannot open the file: No such file or directory");
    ::unlink(link.c_str());

    // What is beyond the size limit is refused unread.
    const std::string sparse = writeInput("sparse.xml", kHead);
    ASSERT_EQ(::truncate(sparse.c_str(), 2LL << 30), 0);
    expectRefused(sparse, ": the file is larger than 268435456 bytes, the most a read accepts");
    ::unlink(sparse.c_str());

    const std::string file = writeInput("plain.xml", "x");
    expectRefused(file + "/below.xml", ": cannot open the file: Not a directory");
    expectRefused(inputPath(std::string(5000, 'n')), ": cannot open the file: File name too long");
    expectRefused("", ": cannot open the file: No such file or directory");
    // A line break in a file name cannot forge a line of the report.
    EXPECT_EQ(refusalOf(inputPath("forged\nline.xml"), true),
              inputPath("forged\\nline.xml") + ": cannot open the file: No such file or directory");
}

// Root reads any file: the permission is checked as the user nobody.
TEST(HostileInput, AFileWithoutReadPermissionIsRefused)
{
    const std::string path = writeInput("unreadable.xml", document("<DesignName>d</DesignName>"));
    ::chmod(path.c_str(), 0);
    const std::string result = ChildProcess::run(ChildProcess::Unprivileged, [&] {
        CWJXMLFlowReader reader;
        reader.readFlowXML(path.c_str(), true);
        if (reader.getInterfaceView())
            return std::string("a view was made");
        return std::string(reader.lastError());
    });
    if (result.rfind("skipped:", 0) == 0)
        GTEST_SKIP() << result;
    EXPECT_EQ(result, path + ": cannot open the file: Permission denied");
}

TEST(HostileInput, ProblemsAreReportedOnceAndAtMostAHundred)
{
    std::string undeclared = std::string(kHead) + "<CompInsts>";
    for (int i = 0; i < 1000; ++i)
        undeclared += "<CompInst id=\"U" + std::to_string(i) + "\" bad=\"\"/>";
    const std::string many = writeInput("many-problems.xml", undeclared + "</CompInsts>" + kTail);
    const std::string error = refusalOf(many, true);
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 100);
    EXPECT_EQ(error.substr(error.rfind('\n') + 1), many + ": 900 more problems not reported");

    // A foreign root is one problem, not one per element below it.
    std::string elements;
    for (int i = 0; i < 100; ++i)
        elements += "<CompInst id=\"U" + std::to_string(i) + "\"/>";
    const std::string otherNamespace =
        writeInput("other-namespace.xml",
                   "<InterfaceExchangeSchema xmlns=\"urn:other\">" + elements + "</InterfaceExchangeSchema>");
    EXPECT_EQ(refusalOf(otherNamespace, true),
              otherNamespace + ":1:44: the root element is in the namespace \"urn:other\"; it belongs in "
                               "\"http://www.wjxmlflow.org/mxa/tvn\" or in no namespace");
    const std::string otherRoot = writeInput("other-root.xml", "<Design>" + elements + "</Design>");
    EXPECT_EQ(refusalOf(otherRoot, false),
              otherRoot + ":1:9: the root element is \"Design\", not \"InterfaceExchangeSchema\"");
}
