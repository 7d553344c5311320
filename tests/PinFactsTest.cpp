// check, pinmap and render tell one story about the pins of every fixture
// and example: the same shorts, and the same differential pair members.

#include "model/PinFacts.h"
#include "TestSupport.h"
#include "check/CheckReport.h"
#include "check/DesignIndex.h"
#include "check/PartMapChecker.h"
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
// A port by refdes and local name, with its polarity in a pair ("" outside one).
using PairMember = std::tuple<std::string, std::string, std::string>;

// Check's shorts and, of the mapped ports, check's pair members.
void checkFacts(const std::string& file, const std::set<std::pair<std::string, std::string>>& mappedPorts,
                std::set<RefdesPin>& shorts, std::set<PairMember>& pairs)
{
    const Design design = DesignReader::read(file, true, true);
    ASSERT_TRUE(design);
    const xercesc::DOMElement* root = dynamic_cast<IWJXMLObject*>(design.get())->GetDomElement();
    CheckReport report;
    const DesignIndex index(root, report);
    PartMapChecker::check(root, index, report);
    std::ostringstream json;
    report.printJson(json, file);
    const std::regex shortMessage("pin (.+) is mapped to ([^.]+)\\..*a short.*");
    std::smatch found;
    const nlohmann::json findings = nlohmann::json::parse(json.str())["findings"];
    for (const auto& finding : findings) {
        const std::string message = finding["message"].get<std::string>();
        if (std::regex_match(message, found, shortMessage))
            shorts.insert({found[2].str(), found[1].str()});
    }
    for (const DesignIndex::Instance& instance : index.instances()) {
        for (const auto& port : instance.ports) {
            std::string polarity;
            for (const auto& pair : instance.pairs) {
                const std::vector<std::string>& members = pair.second.members;
                for (std::size_t i = 0; i < members.size(); ++i)
                    polarity = members[i] == port.first ? (i == 0 ? "P" : "N") : polarity;
            }
            if (mappedPorts.count({instance.label, port.second.name}))
                pairs.insert({instance.label, port.second.name, polarity});
        }
    }
}

} // namespace

TEST(PinFacts, CheckPinmapAndRenderAgreeOnShortsAndPairsOfEveryFixture)
{
    std::vector<std::string> files{sourcePath("examples/board.xml"), sourcePath("examples/fpga_board.xml")};
    for (const auto& entry : std::filesystem::directory_iterator(sourcePath("tests/data/ifx")))
        files.push_back(entry.path().string());
    int shortsSeen = 0;
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const Design design = DesignReader::read(file);
        ASSERT_TRUE(design);
        // By refdes and pin id, as pins of one name may differ; compared by name.
        std::map<RefdesPin, std::set<pinfacts::PortBit>> onPin;
        std::map<RefdesPin, std::string> pinNames;
        std::set<std::pair<std::string, std::string>> mappedPorts;
        std::set<PairMember> pinmapPairs;
        std::set<RefdesPin> pinmapShorts;
        std::set<RefdesPin> renderShorts;
        std::map<RefdesPin, std::string> renderSearch;
        const Pinout pinout(design.get());
        for (const PinoutMap& map : pinout.maps()) {
            for (const PinoutPin& pin : map.pins) {
                renderSearch[{map.refdes, pin.id}] = pin.searchText + '|';
                if (pin.isShort)
                    renderShorts.insert({map.refdes, pin.name});
            }
        }
        const PinMapTable table(design.get(), "");
        for (const PinMapRow& row : table.rows()) {
            if (row.port.empty())
                continue;
            const std::string& search = renderSearch[RefdesPin(row.refdes, row.pinId)];
            EXPECT_TRUE(row.pair.empty() || search.find('|' + row.pair + '|') != std::string::npos) << row.port;
            const std::string local = row.port.substr(row.port.find('.') + 1);
            onPin[{row.refdes, row.pinId}].insert({row.port, row.bit});
            pinNames[{row.refdes, row.pinId}] = row.pin;
            mappedPorts.insert({row.refdes, local});
            pinmapPairs.insert({row.refdes, local, row.polarity});
        }
        for (const auto& pin : onPin) {
            if (pinfacts::anyShort(pin.second))
                pinmapShorts.insert({pin.first.first, pinNames[pin.first]});
        }
        std::set<RefdesPin> checkShorts;
        std::set<PairMember> checkPairs;
        checkFacts(file, mappedPorts, checkShorts, checkPairs);
        EXPECT_EQ(checkShorts, pinmapShorts);
        EXPECT_EQ(renderShorts, pinmapShorts);
        EXPECT_EQ(checkPairs, pinmapPairs);
        shortsSeen += static_cast<int>(pinmapShorts.size());
    }
    EXPECT_GT(shortsSeen, 0);
}
