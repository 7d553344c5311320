#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace testsupport;

namespace {

// Components of every kind, as the writer lays them out.
const char kComponents[] =
    "  <CompInsts>\n"
    "    <CompInst id=\"U1\">\n"
    "      <Refdes>U1</Refdes>\n"
    "      <CellName>C</CellName>\n"
    "      <Ports>\n"
    "        <Port id=\"A\">\n"
    "          <Name>A</Name>\n"
    "          <Type>InOut</Type>\n"
    "          <NumPhysPins> 4</NumPhysPins>\n"
    "          <Range lsb=\"\" msb=\"3\"/>\n"
    "        </Port>\n"
    "        <Port id=\"B\"/>\n"
    "      </Ports>\n"
    "      <DifferentialPorts>\n"
    "        <DifferentialPort id=\"AB\">\n"
    "          <Name>AB</Name>\n"
    "          <PositivePort ref=\"A\">\n"
    "            <Range lsb=\"1\" msb=\"x\"/>\n"
    "          </PositivePort>\n"
    "          <NegativePort ref=\"NONE\"/>\n"
    "        </DifferentialPort>\n"
    "      </DifferentialPorts>\n"
    "      <BusInterfaces>\n"
    "        <BusInterface id=\"DDR\">\n"
    "          <Name>DDR</Name>\n"
    "          <PortRefs>\n"
    "            <PortRef ref=\"NONE\">\n"
    "              <Range lsb=\"0\" msb=\"1\"/>\n"
    "            </PortRef>\n"
    "            <PortRef ref=\"A\">\n"
    "              <Range msb=\"2\"/>\n"
    "            </PortRef>\n"
    "            <PortRef ref=\"AB\"/>\n"
    "          </PortRefs>\n"
    "          <PortGroups>\n"
    "            <PortGroup id=\"G1\">\n"
    "              <Type>bus</Type>\n"
    "              <Voltage>1.8V</Voltage>\n"
    "              <NumGroundPins>2</NumGroundPins>\n"
    "              <DifferentialPortRefs>\n"
    "                <DifferentialPortRef ref=\"A\"/>\n"
    "              </DifferentialPortRefs>\n"
    "              <PortGroups>\n"
    "                <PortGroup id=\"G2\">\n"
    "                  <Name>G2</Name>\n"
    "                </PortGroup>\n"
    "              </PortGroups>\n"
    "            </PortGroup>\n"
    "          </PortGroups>\n"
    "        </BusInterface>\n"
    "      </BusInterfaces>\n"
    "    </CompInst>\n"
    "  </CompInsts>";

} // namespace

TEST(ComponentFiles, ABoundReadWritesEveryFileBackByteForByte)
{
    const std::string made = writeDocument("components.xml", kComponents);
    for (const std::string& input : {made, sourcePath("tests/data/valid/port-edge-cases.xml"),
                                     sourcePath("tests/data/valid/duplicate-ids-dangling-refs.xml")}) {
        SCOPED_TRACE(input);
        const View view = read(input, true);
        ASSERT_TRUE(view);
        EXPECT_EQ(readFile(write(view.get(), "components-roundtrip.xml")), readFile(input));
    }
}

TEST(ComponentFiles, BoundEditsOfReadObjectsAreSaved)
{
    const View view = read(writeDocument("components-edit.xml", kComponents), true);
    IWJCompInst* u1 = view->compInsts().value();
    u1->findPort("a")->setRange(5, -1);
    u1->busInterfaces().value()->portGroups().value()->portGroups().value()->setVoltage("3V3");
    const std::string written = readFile(write(view.get(), "components-edited.xml"));
    EXPECT_NE(written.find("<Range lsb=\"5\" msb=\"\"/>"), std::string::npos);
    EXPECT_NE(written.find("<Name>G2</Name>\n                  <Voltage>3V3</Voltage>"), std::string::npos);
}

TEST(ComponentFiles, ShowListsInstancesPortsAndBusInterfaces)
{
    const std::string command =
        std::string(WJ_IFX_PATH) + " show " + writeDocument("components-show.xml", kComponents);
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_TRUE(pipe);
    std::string output;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_NE(output.find("Instance U1: cell C, id U1\n"
                          "  Port A: inout, bits ?..3, 4 pins\n"
                          "  Port (no name): no type, 0 pins\n"
                          "  Differential pair AB: positive A<1..0>, negative (none)\n"
                          "  Bus interface DDR\n"),
              std::string::npos)
        << output;
}
