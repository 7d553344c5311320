#include "InterchangeSupport.h"

#include "wjxmlinterchange/IoStandards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>

namespace interchange {

namespace {

std::string localName(IWJPort* port)
{
    return *port->instancePortName() ? port->instancePortName() : port->name();
}

// "PORT[bit]=TEXT" for each pin mapping of refdes, sorted.
std::vector<std::string> mapped(IWJInterfaceView* design, const std::string& refdes,
                                const std::function<std::string(IWJPartMap*, IWJPort*, int, IWJFootPrintPin*)>& text)
{
    std::vector<std::string> result;
    for (auto maps = design->partMaps(); maps.isValid(); ++maps) {
        if (refdes != maps.value()->compInst()->refdes())
            continue;
        for (auto pins = maps.value()->portPinMaps(); pins.isValid(); ++pins) {
            int bit = -1;
            IWJPort* port = pins.key()->port(&bit, nullptr);
            const std::string value = text(maps.value(), port, bit, pins.value());
            if (!value.empty())
                result.push_back(localName(port) + (bit == -1 ? "" : "[" + std::to_string(bit) + "]") + "=" + value);
        }
    }
    std::sort(result.begin(), result.end());
    return result;
}

} // namespace

std::vector<std::string> placements(IWJInterfaceView* design, const std::string& refdes)
{
    return mapped(design, refdes, [](IWJPartMap*, IWJPort*, int, IWJFootPrintPin* pin) {
        std::string name = pin->name();
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
        return name;
    });
}

std::vector<std::string> standards(IWJInterfaceView* design, const std::string& refdes)
{
    return mapped(design, refdes, [](IWJPartMap* map, IWJPort* port, int bit, IWJFootPrintPin*) {
        return IoStandards(map->compInst()).of(port, bit);
    });
}

std::vector<std::string> pairs(IWJInterfaceView* design, const std::string& refdes)
{
    std::vector<std::string> result;
    IWJCompInst* instance = testsupport::valueAt(design->compInsts(), refdes);
    for (auto walk = instance->differentialPorts(); walk.isValid(); ++walk) {
        auto* pair = dynamic_cast<IWJDPPort*>(walk.value());
        result.push_back(localName(pair) + "=" + localName(pair->positivePort(nullptr, nullptr)) + "/" +
                         localName(pair->negativePort(nullptr, nullptr)));
    }
    std::sort(result.begin(), result.end());
    return result;
}

ImportReport importText(IWJInterfaceView* design, ConstraintFormat format, const std::string& text,
                        const std::string& refdes)
{
    ImportOptions options;
    options.refdes = refdes;
    return importText(design, format, text, options);
}

ImportReport importText(IWJInterfaceView* design, ConstraintFormat format, const std::string& text,
                        const ImportOptions& options)
{
    ConstraintSource source{std::string("in.") + PinConstraints::formatName(format), text, format};
    ImportReport report;
    const bool imported = PinConstraints::importConstraints(design, {source}, options, &report);
    EXPECT_EQ(imported, report.errors.empty());
    return report;
}

std::string exportText(IWJInterfaceView* design, ConstraintFormat format, const std::string& refdes)
{
    ExportOptions options;
    options.refdes = refdes;
    options.format = format;
    std::string text;
    std::string error;
    EXPECT_TRUE(PinConstraints::exportConstraints(design, options, &text, &error)) << error;
    return text;
}

const std::vector<ConstraintFormat>& allFormats()
{
    static const std::vector<ConstraintFormat> formats{ConstraintFormat::Xdc, ConstraintFormat::Qsf,
                                                       ConstraintFormat::Lpf, ConstraintFormat::Pcf,
                                                       ConstraintFormat::Csv};
    return formats;
}

} // namespace interchange
