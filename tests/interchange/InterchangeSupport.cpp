#include "InterchangeSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace interchange {

std::vector<std::string> placements(IWJInterfaceView* design, const std::string& refdes)
{
    std::vector<std::string> result;
    for (auto maps = design->partMaps(); maps.isValid(); ++maps) {
        if (refdes != maps.value()->compInst()->refdes())
            continue;
        for (auto pins = maps.value()->portPinMaps(); pins.isValid(); ++pins) {
            int bit = -1;
            IWJPort* port = pins.key()->port(&bit, nullptr);
            std::string pin = pins.value()->name();
            std::transform(pin.begin(), pin.end(), pin.begin(), [](unsigned char c) { return std::toupper(c); });
            const std::string name = *port->instancePortName() ? port->instancePortName() : port->name();
            result.push_back(name + (bit == -1 ? "" : "[" + std::to_string(bit) + "]") + "=" + pin);
        }
    }
    std::sort(result.begin(), result.end());
    return result;
}

ImportReport importText(IWJInterfaceView* design, ConstraintFormat format, const std::string& text,
                        const std::string& refdes)
{
    ConstraintSource source{std::string("in.") + PinConstraints::formatName(format), text, format};
    ImportOptions options;
    options.refdes = refdes;
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
