#include "ChildProcess.h"
#include "ModelSnapshot.h"
#include "ReaderFuzzCase.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <ctime>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {

// Processor seconds one read of a small hostile file may take in the plain
// build, and the memory it may take beyond what the process had.
const double kSeconds = 1.0;
const rlim_t kMemoryBudget = 256 << 20;

const char kHead[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\">";
const char kTail[] = "</InterfaceExchangeSchema>\n";

struct Outcome {
    View view;
    std::string error;
    double seconds = 0; // processor time: the work done, however busy the machine
};

Outcome readTimed(const std::string& path, bool bind)
{
    const std::clock_t start = std::clock();
    CWJXMLFlowReader reader;
    reader.readFlowXML(path.c_str(), bind);
    Outcome outcome;
    outcome.view.reset(reader.getInterfaceView());
    outcome.error = reader.lastError();
    outcome.seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    return outcome;
}

// How much the peak resident size of the process grew since construction.
// Only plain runs measure: the sanitizers keep freed memory aside and
// valgrind adds its own.
class PeakGrowth {
public:
    PeakGrowth() : m_start(peakKilobytes()) {}

    long megabytes() const { return (peakKilobytes() - m_start) / 1024; }

private:
    static long peakKilobytes()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    }

    long m_start;
};

// Reads path in a child process whose processor time, and in the plain build
// address space, are limited: a read that costs more ends the child and
// fails the test. The reader's error, or what went wrong.
std::string refusalOf(const std::string& path, bool bind)
{
    return ChildProcess::run(ChildProcess::AsIs, [&] {
        const auto seconds = static_cast<rlim_t>(std::ceil(2 * kSeconds * slowdown()));
        const rlimit cpu{seconds, seconds + 1};
        ::setrlimit(RLIMIT_CPU, &cpu);
        // The sanitizers reserve terabytes of address space up front.
        if (slowdown() == 1) {
            const rlimit memory{
                static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) * std::stoul(readFile("/proc/self/statm")) + kMemoryBudget,
                RLIM_INFINITY};
            ::setrlimit(RLIMIT_AS, &memory);
        }
        CWJXMLFlowReader reader;
        reader.readFlowXML(path.c_str(), bind);
        return reader.getInterfaceView() ? std::string("a view was made") : std::string(reader.lastError());
    });
}

std::string fixture(const std::string& name, const std::string& content)
{
    const std::string path = inputPath(name);
    writeFile(path, content);
    return path;
}

// Reads the file bound and unbound: each read must make no view, stay within
// its limits and say where and what the problem is.
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

std::string portsOf(const std::string& ports)
{
    return "<CompInsts><CompInst id=\"U1\"><CellName>CELL</CellName><Ports>" + ports +
           "</Ports></CompInst></CompInsts>";
}

} // namespace

TEST(HostileInput, EntityBombsAreRefusedBeforeAnythingIsExpanded)
{
    std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE InterfaceExchangeSchema [\n<!ENTITY lol0 \"lol\">\n";
    for (int level = 1; level < 10; ++level) {
        laughs += "<!ENTITY lol" + std::to_string(level) + " \"";
        for (int i = 0; i < 10; ++i)
            laughs += "&lol" + std::to_string(level - 1) + ";";
        laughs += "\">\n";
    }
    laughs += "]>\n<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\"><DesignName>&lol9;"
              "</DesignName></InterfaceExchangeSchema>\n";
    expectRefused(fixture("billion-laughs.xml", laughs), "a DOCTYPE declaration is not allowed");

    std::string quadratic = "<?xml version=\"1.0\"?>\n<!DOCTYPE InterfaceExchangeSchema [<!ENTITY a \"" +
                            std::string(50000, 'a') + "\">]>\n<InterfaceExchangeSchema><DesignName>";
    for (int i = 0; i < 10000; ++i)
        quadratic += "&a;";
    quadratic += "</DesignName></InterfaceExchangeSchema>\n";
    expectRefused(fixture("quadratic-blowup.xml", quadratic), "a DOCTYPE declaration is not allowed");

    const std::string parameters = "<?xml version=\"1.0\"?>\n<!DOCTYPE InterfaceExchangeSchema [\n"
                                   "<!ENTITY % p0 \"<!ENTITY x 'x'>\">\n<!ENTITY % p1 \"%p0;%p0;%p0;%p0;\">\n"
                                   "%p1;\n]>\n<InterfaceExchangeSchema/>\n";
    expectRefused(fixture("parameter-entities.xml", parameters), "a DOCTYPE declaration is not allowed");
}

// Nothing outside the file is read: not a DTD, not an entity, not a schema,
// whether named as a local file or as a network address.
TEST(HostileInput, NothingOutsideTheFileIsRead)
{
    const std::string secretPath = inputPath("secret.txt");
    writeFile(secretPath, "SECRET-c0ffee-7d1");
    std::vector<std::string> secrets{"SECRET-c0ffee-7d1"};
    std::string hostname = readFile("/etc/hostname");
    while (!hostname.empty() && (hostname.back() == '\n' || hostname.back() == ' '))
        hostname.pop_back();
    if (hostname.size() >= 4)
        secrets.push_back(hostname);
    const std::string secretUrl = "file://" + secretPath;
    const std::string root = "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\">";

    const std::string refusedFiles[] = {
        "<!DOCTYPE InterfaceExchangeSchema SYSTEM \"file:///etc/hostname\">\n" + root + "</InterfaceExchangeSchema>",
        "<!DOCTYPE InterfaceExchangeSchema SYSTEM \"" + secretUrl + "\">\n" + root + "</InterfaceExchangeSchema>",
        "<!DOCTYPE InterfaceExchangeSchema PUBLIC \"-//x//y\" \"http://127.0.0.1:9/evil.dtd\">\n" + root +
            "</InterfaceExchangeSchema>",
        "<!DOCTYPE InterfaceExchangeSchema [<!ENTITY h SYSTEM \"file:///etc/hostname\">]>\n" + root +
            "<DesignName>&h;</DesignName></InterfaceExchangeSchema>",
        "<!DOCTYPE InterfaceExchangeSchema [<!ENTITY s SYSTEM \"" + secretPath + "\">]>\n" + root +
            "<DesignName>&s;</DesignName></InterfaceExchangeSchema>",
        "<!DOCTYPE InterfaceExchangeSchema [<!ENTITY n SYSTEM \"http://127.0.0.1:9/x\">]>\n" + root +
            "<DesignName>&n;</DesignName></InterfaceExchangeSchema>",
    };
    int index = 0;
    for (const std::string& body : refusedFiles) {
        const std::string path =
            fixture("outside-" + std::to_string(index++) + ".xml", "<?xml version=\"1.0\"?>\n" + body);
        expectRefused(path, "a DOCTYPE declaration is not allowed");
        const std::string error = readTimed(path, true).error;
        for (const std::string& secret : secrets)
            EXPECT_EQ(error.find(secret), std::string::npos) << error;
    }

    const std::string include = "<?xml version=\"1.0\"?>\n" + root +
                                "<DesignName><xi:include xmlns:xi=\"http://www.w3.org/2001/XInclude\" href=\"" +
                                secretPath + "\" parse=\"text\"/></DesignName></InterfaceExchangeSchema>";
    expectRefused(fixture("outside-xinclude.xml", include), "'DesignName' is of simple type and cannot have elements");

    // Files that name a schema or a style sheet are read, and only the file is.
    const std::string readFiles[] = {
        "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\" "
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xsi:schemaLocation=\"http://www.wjxmlflow.org/mxa/tvn " +
            secretUrl +
            "\"><DesignName>d</DesignName>"
            "</InterfaceExchangeSchema>",
        "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\" "
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xsi:schemaLocation=\"http://www.wjxmlflow.org/mxa/tvn http://127.0.0.1:9/evil.xsd\">"
        "<DesignName>d</DesignName></InterfaceExchangeSchema>",
        "<InterfaceExchangeSchema xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xsi:noNamespaceSchemaLocation=\"/etc/hostname\"><DesignName>d</DesignName></InterfaceExchangeSchema>",
        "<?xml-stylesheet href=\"file:///etc/hostname\"?>\n" + root +
            "<DesignName>d</DesignName></InterfaceExchangeSchema>",
    };
    for (const std::string& body : readFiles) {
        const std::string name = "outside-read-" + std::to_string(index++);
        const std::string path = fixture(name + ".xml", "<?xml version=\"1.0\"?>\n" + body + "\n");
        for (const bool bind : {true, false}) {
            const Outcome outcome = readTimed(path, bind);
            ASSERT_TRUE(outcome.view) << outcome.error;
            EXPECT_LT(outcome.seconds, kSeconds * slowdown());
            EXPECT_STREQ(outcome.view->designName(), "d");
            const std::string model = modelSnapshot(outcome.view.get());
            const std::string written = readFile(write(outcome.view.get(), name + (bind ? "-bound.xml" : ".xml")));
            for (const std::string& secret : secrets) {
                EXPECT_EQ(model.find(secret), std::string::npos);
                EXPECT_EQ(written.find(secret), std::string::npos);
            }
        }
    }
}

TEST(HostileInput, NestingAHundredThousandLevelsIsRefusedQuickly)
{
    std::string groups = std::string(kHead) + "<CompInsts><CompInst id=\"U1\"><BusInterfaces><BusInterface id=\"B\">";
    std::string unknown = kHead;
    for (int i = 0; i < 100000; ++i) {
        groups += "<PortGroups><PortGroup>";
        unknown += "<x>";
    }
    for (int i = 0; i < 100000; ++i) {
        groups += "</PortGroup></PortGroups>";
        unknown += "</x>";
    }
    groups += "</BusInterface></BusInterfaces></CompInst></CompInsts>";
    groups += kTail;
    unknown += kTail;
    expectRefused(fixture("deep-groups.xml", groups), "elements are nested more than 512 levels deep");
    expectRefused(fixture("deep-unknown.xml", unknown), "elements are nested more than 512 levels deep");
}

// A million references in one group are read, walked, written and released
// without recursion; the memory grows with the file. The sanitized build
// reads a quarter of them.
TEST(HostileInput, AMillionPortRefSiblingsAreReadWrittenAndReleased)
{
    const int references = kSanitized ? 250000 : 1000000;
    std::string content = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\">\n"
                          "  <CompInsts>\n    <CompInst id=\"U1\">\n      <Ports>\n        <Port id=\"P\">\n"
                          "          <Name>P</Name>\n        </Port>\n      </Ports>\n      <BusInterfaces>\n"
                          "        <BusInterface id=\"B\">\n          <PortRefs>\n";
    for (int i = 0; i < references; ++i)
        content += "            <PortRef ref=\"P\"/>\n";
    content += "          </PortRefs>\n        </BusInterface>\n      </BusInterfaces>\n    </CompInst>\n"
               "  </CompInsts>\n</InterfaceExchangeSchema>\n";
    const std::string path = fixture("million-refs.xml", content);

    const PeakGrowth growth;
    for (const bool bind : {true, false}) {
        SCOPED_TRACE(bind ? "bound" : "unbound");
        const Outcome outcome = readTimed(path, bind);
        ASSERT_TRUE(outcome.view) << outcome.error;
        // About 8 microseconds a reference in the plain build, most of it in
        // the XML parser, with room for a busy machine: a read grows with the
        // file.
        EXPECT_LT(outcome.seconds, 40e-6 * references * slowdown());
        IWJCompInst* inst = outcome.view->compInsts().value();
        IWJCompBusInterface* bus = inst->busInterfaces().value();
        EXPECT_EQ(count(bus->portRefs()), references);
        if (bind) {
            EXPECT_EQ(readFile(write(outcome.view.get(), "million-refs.xml")), content);
        }
    }
    // The parser's document takes most: some 560 bytes an element.
    if (slowdown() == 1) {
        EXPECT_LT(growth.megabytes(), 40 * static_cast<long>(content.size()) / (1024 * 1024));
    }
}

// Lookups that the reader makes once per element take the same time however
// many elements there are: a file of many of them reads in linear time.
TEST(HostileInput, ManyPinsGroupsAndGroupMapsReadInLinearTime)
{
    const int elements = kSanitized ? 4000 : 20000;
    std::string busInterfaces;
    std::string groups;
    std::string groupMaps;
    for (int i = 0; i < elements; ++i) {
        const std::string n = std::to_string(i);
        busInterfaces +=
            "<BusInterface id=\"b" + n + "\"><PortGroups><PortGroup id=\"t" + n + "\"/></PortGroups></BusInterface>";
        groups += "<PortGroup id=\"g" + n + "\"><PortGroups><PortGroup id=\"h" + n + "\"/></PortGroups></PortGroup>";
        groupMaps +=
            "<GroupMap><PortGroupRef ref=\"" + std::string(i % 2 ? "none" : "h") + n + "\"/><PinGroup/></GroupMap>";
    }
    std::string pins;
    for (int i = 0; i < 5 * elements; ++i)
        pins += "<Pin id=\"p" + std::to_string(i) + "\"/>";
    const std::string content = std::string(kHead) + "<CompInsts><CompInst id=\"U1\"><BusInterfaces>" + busInterfaces +
                                "<BusInterface id=\"B\"><PortGroups>" + groups +
                                "</PortGroups></BusInterface></BusInterfaces></CompInst></CompInsts>"
                                "<Footprints><Footprint id=\"F\"><Pins>" +
                                pins +
                                "</Pins></Footprint></Footprints>"
                                "<PartMaps><PartMap><CompInstRef ref=\"U1\"/><PartDefRef ref=\"F\"/><GroupMaps>" +
                                groupMaps + "</GroupMaps></PartMap></PartMaps>" + kTail;
    const std::string path = fixture("many-lookups.xml", content);
    for (const bool bind : {true, false}) {
        SCOPED_TRACE(bind ? "bound" : "unbound");
        const Outcome outcome = readTimed(path, bind);
        ASSERT_TRUE(outcome.view) << outcome.error;
        // Some 3 s in the plain build, with room for a busy machine; the
        // group maps alone took minutes when each lookup walked the groups.
        EXPECT_LT(outcome.seconds, 20 * kSeconds * slowdown());
        EXPECT_EQ(count(outcome.view->footprints().value()->pins()), 5 * elements);
        EXPECT_EQ(count(outcome.view->partMaps().value()->portGroupPinGroupMaps()), elements / 2);
    }
}

TEST(HostileInput, HugeTextsAndLongNamesAreKeptWhole)
{
    const std::string text(10 * 1000 * 1000, 't');
    const std::string id(10 * 1000 * 1000, 'i');
    const std::string name(100000, 'N');
    const std::string content = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\">\n"
                                "  <DesignName>" +
                                text +
                                "</DesignName>\n"
                                "  <CompInsts>\n    <CompInst id=\"" +
                                id +
                                "\">\n"
                                "      <CellName>" +
                                name +
                                "</CellName>\n      <Ports>\n        <Port id=\"P\">\n"
                                "          <Name>" +
                                name +
                                "</Name>\n        </Port>\n      </Ports>\n"
                                "    </CompInst>\n  </CompInsts>\n</InterfaceExchangeSchema>\n";
    const std::string path = fixture("huge-texts.xml", content);
    for (const bool bind : {true, false}) {
        SCOPED_TRACE(bind ? "bound" : "unbound");
        const Outcome outcome = readTimed(path, bind);
        ASSERT_TRUE(outcome.view) << outcome.error;
        EXPECT_LT(outcome.seconds, 4 * kSeconds * slowdown());
        EXPECT_EQ(outcome.view->designName(), text);
        IWJCompInst* inst = outcome.view->compInsts().value();
        EXPECT_EQ(outcome.view->compInsts().key(), id);
        IWJPort* port = inst->findPort(std::string(name).c_str());
        ASSERT_TRUE(port);
        EXPECT_EQ(port->fullName(), name + "." + name);
        if (bind) {
            EXPECT_EQ(readFile(write(outcome.view.get(), "huge-texts.xml")), content);
        }
    }
}

TEST(HostileInput, IdsCollidingInEveryWayAreReadWalkedAndWritten)
{
    const std::string collisions =
        std::string(kHead) +
        "<CompInsts>"
        "<CompInst id=\"U1\"><Refdes>first</Refdes></CompInst>"
        "<CompInst id=\"U1\"><Refdes>second</Refdes><CellName>C</CellName>"
        "<Ports>"
        "<Port id=\"P\"><Name>A</Name></Port><Port id=\"P\"><Name>B</Name></Port>"
        "<Port id=\"U1\"><Name>a</Name></Port><Port id=\"\"><Name>b</Name></Port><Port><Name>c</Name></Port>"
        "</Ports>"
        "<DifferentialPorts>"
        "<DifferentialPort id=\"P\"><Name>DP</Name><PositivePort ref=\"P\"/><NegativePort ref=\"U1\"/>"
        "</DifferentialPort>"
        "<DifferentialPort id=\"D\"><Name>dp</Name><PositivePort ref=\"D\"/><NegativePort ref=\"P\"/>"
        "</DifferentialPort>"
        "</DifferentialPorts>"
        "<BusInterfaces>"
        "<BusInterface id=\"P\"><Name>BUS</Name>"
        "<PortRefs><PortRef ref=\"P\"/><PortRef ref=\"D\"/><PortRef ref=\"B\"/></PortRefs>"
        "<DifferentialPortRefs><DifferentialPortRef ref=\"P\"/><DifferentialPortRef ref=\"D\"/>"
        "</DifferentialPortRefs>"
        "<PortGroups><PortGroup id=\"P\"><Name>G</Name><PortGroups><PortGroup id=\"P\"><Name>G</Name>"
        "</PortGroup></PortGroups></PortGroup><PortGroup id=\"P\"><Name>H</Name></PortGroup></PortGroups>"
        "</BusInterface>"
        "<BusInterface id=\"P\"><Name>bus</Name></BusInterface>"
        "</BusInterfaces></CompInst>"
        "<CompInst id=\"U1_1\"><Refdes>U1</Refdes></CompInst>"
        "</CompInsts>"
        "<Footprints>"
        "<Footprint id=\"U1\"><Name>F</Name><Pins><Pin id=\"1\"><Name>A1</Name></Pin><Pin id=\"1\"><Name>a1</Name>"
        "</Pin><Pin id=\"P\"><Name>A1</Name></Pin></Pins></Footprint>"
        "<Footprint id=\"U1\"><Name>F</Name><Pins><Pin id=\"1\"><Name>B1</Name></Pin></Pins></Footprint>"
        "</Footprints>"
        "<PartMaps>"
        "<PartMap><CompInstRef ref=\"U1\"/><PartDefRef ref=\"U1\"/>"
        "<PortMaps>"
        "<PortMap><PortRefNoRange ref=\"P\"/><PinRef ref=\"1\"/></PortMap>"
        "<PortMap><PortRefNoRange ref=\"P\"/><PinRef ref=\"P\"/></PortMap>"
        "<PortMap><PortRefNoRange ref=\"P\"><Bit>0</Bit></PortRefNoRange><PinGroup><PinRef ref=\"1\"/>"
        "<PinRef ref=\"1\"/><PinRef ref=\"nothing\"/></PinGroup></PortMap>"
        "<PortMap><PortRefNoRange ref=\"D\"/><PinRef ref=\"P\"/></PortMap>"
        "</PortMaps>"
        "<GroupMaps>"
        "<GroupMap><PortGroupRef ref=\"P\"/><PinGroup><PinRef ref=\"1\"/></PinGroup></GroupMap>"
        "<GroupMap><BusInterfaceRef ref=\"P\"/><PinGroup><PinRef ref=\"P\"/></PinGroup></GroupMap>"
        "<GroupMap><PortGroupRef ref=\"U1\"/><PinGroup/></GroupMap>"
        "</GroupMaps></PartMap>"
        "<PartMap><CompInstRef ref=\"U1\"/><PartDefRef ref=\"U1\"/></PartMap>"
        "<PartMap><CompInstRef ref=\"nothing\"/><PartDefRef ref=\"\"/></PartMap>"
        "</PartMaps>" +
        kTail;
    expectReadWalkedAndWritten("colliding-ids", collisions);

    // Ids made after a read never take one the file used.
    const View view = read(fixture("colliding-ids-then-added.xml", collisions), true);
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
    const std::string content = std::string(kHead) + portsOf(ports) +
                                "<Footprints><Footprint id=\"F\"><Pins><Pin id=\"1\"><Name>1</Name></Pin></Pins>"
                                "</Footprint></Footprints><PartMaps><PartMap><CompInstRef ref=\"U1\"/>"
                                "<PartDefRef ref=\"F\"/><PortMaps>" +
                                portMaps + "</PortMaps></PartMap></PartMaps>" + kTail;
    const std::string path = fixture("int-edges.xml", content);
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

TEST(HostileInput, BrokenBytesAreRefusedWithTheirPlace)
{
    const std::string head = kHead;
    struct Case {
        const char* name;
        std::string content;
        const char* expected;
    };
    const Case cases[] = {
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
        {"xml-1.1",
         "<?xml version=\"1.1\"?>\n" + std::string(kHead).substr(39) + "<DesignName>&#1;</DesignName>" + kTail,
         ":1:22: only XML 1.0 is read"},
    };
    for (const Case& c : cases)
        expectRefused(fixture(std::string(c.name) + ".xml", c.content), c.expected);
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

    const std::string file = fixture("plain.xml", "x");
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
    const std::string path = fixture("unreadable.xml", document("<DesignName>d</DesignName>"));
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

// The scanner checks each attribute against every earlier one, so their
// count is capped before it sees them, in UTF-16 too; a file is never held
// whole, and what is beyond the size limit is refused unread.
TEST(HostileInput, WhatOneFileCanCostIsBounded)
{
    std::string declarations = "<?xml version=\"1.0\"?>\n<InterfaceExchangeSchema";
    for (int i = 0; i < 100000; ++i)
        declarations += " xmlns:p" + std::to_string(i) + "=\"urn:" + std::to_string(i) + "\"";
    expectRefused(fixture("declarations.xml", declarations + "/>\n"),
                  ":2:1231: an element has more than 64 attributes");

    std::string attributes = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<InterfaceExchangeSchema><DesignName";
    for (int i = 0; i < 1000000; ++i)
        attributes += " a" + std::to_string(i) + "=''";
    std::string utf16 = "\xff\xfe";
    for (const char c : attributes + "/></InterfaceExchangeSchema>\n")
        utf16 += std::string(1, c) + '\0';
    expectRefused(fixture("attributes-utf16.xml", utf16), ":2:479: an element has more than 64 attributes");

    const std::string sparse = fixture("sparse.xml", kHead);
    ASSERT_EQ(::truncate(sparse.c_str(), 2LL << 30), 0);
    expectRefused(sparse, ": the file is larger than 268435456 bytes, the most a read accepts");
    ::unlink(sparse.c_str());
}

TEST(HostileInput, ProblemsAreReportedOnceAndAtMostAHundred)
{
    std::string undeclared = std::string(kHead) + "<CompInsts>";
    for (int i = 0; i < 1000; ++i)
        undeclared += "<CompInst id=\"U" + std::to_string(i) + "\" bad=\"\"/>";
    const std::string many = fixture("many-problems.xml", undeclared + "</CompInsts>" + kTail);
    const std::string error = refusalOf(many, true);
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 100);
    EXPECT_EQ(error.substr(error.rfind('\n') + 1), many + ": 900 more problems not reported");

    // A foreign root is one problem, not one per element below it.
    std::string elements;
    for (int i = 0; i < 100; ++i)
        elements += "<CompInst id=\"U" + std::to_string(i) + "\"/>";
    const std::string otherNamespace = fixture("other-namespace.xml", "<InterfaceExchangeSchema xmlns=\"urn:other\">" +
                                                                          elements + "</InterfaceExchangeSchema>");
    EXPECT_EQ(refusalOf(otherNamespace, true),
              otherNamespace + ":1:44: the root element is in the namespace \"urn:other\"; it belongs in "
                               "\"http://www.wjxmlflow.org/mxa/tvn\" or in no namespace");
    const std::string otherRoot = fixture("other-root.xml", "<Design>" + elements + "</Design>");
    EXPECT_EQ(refusalOf(otherRoot, false),
              otherRoot + ":1:9: the root element is \"Design\", not \"InterfaceExchangeSchema\"");
}
