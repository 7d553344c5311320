// check, pinmap and render tell one story about the pins of every fixture
// and example that reads: what is on each pin, which pins are shorts, and
// the differential pair members.

#include "model/PinFacts.h"
#include "TestSupport.h"
#include "check/CheckReport.h"
#include "check/DesignIndex.h"
#include "check/Dom.h"
#include "check/MappingLines.h"
#include "check/PartMapChecker.h"
#include "check/PinReviewChecker.h"
#include "model/DesignReader.h"
#include "model/PinMapTable.h"
#include "render/Pinout.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <tuple>

using namespace testsupport;

namespace {

using RefdesPin = std::pair<std::string, std::string>;
// What is on a pin: "U1.A", "U1.B<3>" by local name, or a group's full name.
using OnPin = std::map<RefdesPin, std::set<std::string>>;
// A port by refdes and local name, with its polarity in a pair ("" outside one).
using PairMember = std::tuple<std::string, std::string, std::string>;

std::string bitName(const std::string& port, int bit)
{
    return bit == -1 ? port : port + '<' + std::to_string(bit) + '>';
}

// The findings of check on the design read bound, as JSON, with check's
// index of it.
nlohmann::json checkFindings(IWJInterfaceView* design, std::unique_ptr<DesignIndex>& index)
{
    const xercesc::DOMElement* root = dynamic_cast<IWJXMLObject*>(design)->GetDomElement();
    CheckReport report;
    index = std::make_unique<DesignIndex>(root, report);
    MappingLines lines;
    PartMapChecker::check(root, *index, report, lines);
    PinReviewChecker::check(design, lines, report);
    std::ostringstream json;
    report.printJson(json, "");
    return nlohmann::json::parse(json.str())["findings"];
}

} // namespace

// The fixtures with shorts, and their short pins as "instance pin"; every
// other design has none.
TEST(PinFacts, CheckPinmapAndRenderAgreeOnEveryPinOfEveryFixture)
{
    const std::map<std::string, std::set<std::string>> shortPins{
        {"tests/data/ifx/check-errors.xml", {"U1 1", "U1 2"}},
        // A whole port and its bits on different pins, one bit outside the port.
        {"tests/data/ifx/check-whole-and-bit.xml", {"U1 1"}},
        {"tests/data/valid/partmap-forms.xml", {"U1 B1"}},
        {"tests/data/valid/partmap-pending-references.xml", {"U1 X1"}},
        // Only the mappings in effect, not those a later one of the port replaces.
        {"tests/data/valid/partmap-repeated.xml", {"U1 3", "U1 4"}},
    };
    std::vector<std::string> files;
    for (const char* folder : {"tests/data", "examples"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(sourcePath(folder))) {
            if (entry.path().extension() == ".xml")
                files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    int read = 0;
    for (const std::string& file : files) {
        const Design design = DesignReader::read(file, true, true);
        if (!design)
            continue;
        SCOPED_TRACE(file);
        ++read;
        // Instances by their label as check names them, the refdes else the
        // id, by part map; pins by id, as pins of one name may differ.
        std::map<int, std::string> labels;
        std::vector<std::string> drawn; // the labels of the part maps render draws
        OnPin facts, pinmap, render;
        std::set<RefdesPin> factShorts, pinmapShorts, renderShorts, checkShorts;
        std::map<RefdesPin, std::string> pinNames;
        PinFacts::each(design.get(), "", [&](const PinFacts& partMap) {
            const std::string label = Dom::label(partMap.instance());
            labels[partMap.index()] = label;
            if (partMap.partMap()->footprint())
                drawn.push_back(label);
            const std::size_t cell = std::string(partMap.instance()->cellName()).size() + 1;
            for (const PinFacts::Pin& pin : partMap.pins()) {
                for (const PinFacts::Use* use : pin.uses)
                    facts[{label, pin.id}].insert(
                        use->port ? label + '.' + bitName(use->portName.substr(cell), use->bit) : use->groupName);
                if (pin.isShort)
                    factShorts.insert({label, pin.pin->name()});
            }
        });
        std::map<RefdesPin, std::set<PinFacts::PortBit>> portBits;
        std::set<std::pair<std::string, std::string>> mappedPorts;
        std::set<PairMember> pinmapPairs;
        const PinMapTable table(design.get(), "");
        for (const PinMapRow& row : table.rows()) {
            const std::string& label = labels[row.partMap];
            const std::string local = row.port.substr(row.port.find('.') + 1);
            pinmap[{label, row.pinId}].insert(row.port.empty() ? row.group : label + '.' + bitName(local, row.bit));
            pinNames[{label, row.pinId}] = row.pin;
            if (row.port.empty())
                continue;
            portBits[{label, row.pinId}].insert({row.port, row.bit});
            mappedPorts.insert({label, local});
            pinmapPairs.insert({label, local, row.polarity});
        }
        for (const auto& pin : portBits) {
            if (PinFacts::anyShort(pin.second))
                pinmapShorts.insert({pin.first.first, pinNames[pin.first]});
        }
        const Pinout pinout(design.get());
        ASSERT_EQ(pinout.maps().size(), drawn.size());
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            for (const PinoutPin& pin : pinout.maps()[i].pins) {
                // "mapped with group G", "CELL.PORT<3>: type..."
                for (const std::string& detail : pin.details) {
                    const std::size_t dot = detail.find('.');
                    const std::size_t colon = detail.find(": ");
                    if (detail.rfind("mapped with group ", 0) == 0)
                        render[{drawn[i], pin.id}].insert(detail.substr(18));
                    else if (colon != std::string::npos && detail.rfind("short", 0) != 0)
                        render[{drawn[i], pin.id}].insert(drawn[i] + detail.substr(dot, colon - dot));
                }
                if (pin.isShort)
                    renderShorts.insert({drawn[i], pin.name});
            }
        }
        EXPECT_EQ(facts, pinmap);
        EXPECT_EQ(render, pinmap);

        // check names two of the port bits on each short pin.
        std::unique_ptr<DesignIndex> index;
        const std::regex shortMessage("pin (.+) is mapped to (([^.]+)\\..+) and to (.+): a short.*");
        std::smatch found;
        for (const auto& finding : checkFindings(design.get(), index)) {
            const std::string message = finding["message"].get<std::string>();
            if (!std::regex_match(message, found, shortMessage))
                continue;
            checkShorts.insert({found[3].str(), found[1].str()});
            std::set<std::string> named;
            for (const auto& pin : pinmap) {
                if (pin.first.first == found[3].str() && pinNames[pin.first] == found[1].str())
                    named.insert(pin.second.begin(), pin.second.end());
            }
            EXPECT_TRUE(named.count(found[2].str()) && named.count(found[4].str())) << message;
        }
        std::set<std::string> listed;
        for (const RefdesPin& pin : checkShorts)
            listed.insert(pin.first + ' ' + pin.second);
        const auto expected = shortPins.find(file.substr(sourcePath("").size()));
        EXPECT_EQ(listed, expected == shortPins.end() ? std::set<std::string>() : expected->second);
        EXPECT_EQ(factShorts, checkShorts);
        EXPECT_EQ(pinmapShorts, checkShorts);
        EXPECT_EQ(renderShorts, checkShorts);

        // check's own index of the file and pinmap name the same pair members.
        std::set<PairMember> checkPairs;
        for (const DesignIndex::Instance& instance : index->instances()) {
            for (const auto& port : instance.ports) {
                std::string polarity;
                for (const auto& pair : instance.pairs) {
                    const std::vector<std::string>& members = pair.second.members;
                    for (std::size_t i = 0; i < members.size(); ++i)
                        polarity = members[i] == port.first ? (i == 0 ? "P" : "N") : polarity;
                }
                if (mappedPorts.count({instance.label, port.second.name}))
                    checkPairs.insert({instance.label, port.second.name, polarity});
            }
        }
        EXPECT_EQ(checkPairs, pinmapPairs);
    }
    EXPECT_GT(read, 20);
}
