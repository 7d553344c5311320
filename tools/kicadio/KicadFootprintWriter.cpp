#include "kicadio/KicadFootprintWriter.h"

#include "model/PinMapTable.h"
#include "text/NaturalOrder.h"
#include "wjxmlkicad/KicadFootprint.h"
#include "wjxmlkicad/SExpression.h"

#include "wjxmlinterfaceflowreader.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace {

// The two numbers of "a,b", or of "a" taken twice when both is false.
bool pair(std::string text, bool both, std::string* first, std::string* second)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    const std::size_t comma = text.find(',');
    *first = text.substr(0, comma);
    *second = comma == std::string::npos ? (both ? "" : *first) : text.substr(comma + 1);
    double value = 0;
    return KicadFootprint::number(*first, &value) && KicadFootprint::number(*second, &value);
}

struct PadKind {
    std::string kind;
    std::string drill; // "" or " (drill ...)"
    const char* layers;
};

PadKind padKind(const std::string& padstack)
{
    std::istringstream words(padstack);
    std::string kind;
    std::string word;
    words >> kind >> word;
    std::string drill;
    while (word == "drill" && words >> word)
        drill += " " + word;
    drill = drill.empty() ? "" : " (drill" + drill + ")";
    if (kind == "thru_hole" || kind == "np_thru_hole")
        return {kind, drill, "\"*.Cu\" \"*.Mask\""};
    if (kind == "connect")
        return {kind, "", "\"F.Cu\" \"F.Mask\""};
    return {"smd", "", "\"F.Cu\" \"F.Paste\" \"F.Mask\""};
}

} // namespace

bool KicadFootprintWriter::write(IWJInterfaceView* design, const std::string& refdes, std::string* text,
                                 std::string* error)
{
    const PinMapTable table(design, refdes, true);
    IWJPartMap* partMap = table.rows().empty() ? nullptr : PinMapTable::partMapAt(design, table.rows()[0].partMap);
    IWJFootPrint* footprint = partMap ? partMap->footprint() : nullptr;
    if (!footprint) {
        *error = "no instance " + refdes + " with a part map and footprint";
        return false;
    }
    std::vector<IWJFootPrintPin*> pins;
    for (auto walk = footprint->pins(); walk.isValid(); ++walk)
        pins.push_back(walk.value());
    std::sort(pins.begin(), pins.end(),
              [](IWJFootPrintPin* a, IWJFootPrintPin* b) { return NaturalOrder::before(a->name(), b->name()); });
    static const std::set<std::string> kShapes{"circle", "rect", "roundrect", "oval", "trapezoid", "custom"};
    std::ostringstream out;
    out << "(footprint " << SExpressionParser::quoted(footprint->name()) << " (version 20221018) (generator ifx)\n"
        << "  (layer \"F.Cu\")\n"
        << "  (fp_text reference \"REF**\" (at 0 0) (layer \"F.SilkS\") (effects (font (size 1 1) (thickness "
           "0.15))))\n"
        << "  (fp_text value " << SExpressionParser::quoted(footprint->name())
        << " (at 0 0) (layer \"F.Fab\") (effects (font (size 1 1) (thickness 0.15))))\n";
    double width = 0;
    double length = 0;
    if (KicadFootprint::number(footprint->width(), &width) && KicadFootprint::number(footprint->length(), &length))
        out << "  (fp_rect (start " << KicadFootprint::millimetres(-width / 2) << " "
            << KicadFootprint::millimetres(-length / 2) << ") (end " << KicadFootprint::millimetres(width / 2) << " "
            << KicadFootprint::millimetres(length / 2)
            << ") (stroke (width 0.05) (type solid)) (fill none) (layer \"F.CrtYd\"))\n";
    int unwritable = 0;
    std::string firstUnwritable;
    for (IWJFootPrintPin* pin : pins) {
        std::string x, y, w, h;
        if (!pair(pin->location(), true, &x, &y) || !pair(pin->size(), false, &w, &h) || !kShapes.count(pin->shape())) {
            if (unwritable++ == 0)
                firstUnwritable = pin->name();
            continue;
        }
        double yValue = 0;
        KicadFootprint::number(y, &yValue);
        const PadKind kind = padKind(pin->padstack());
        out << "  (pad " << SExpressionParser::quoted(pin->name()) << " " << kind.kind << " " << pin->shape() << " (at "
            << x << " " << KicadFootprint::negated(y, yValue) << ") (size " << w << " " << h << ")" << kind.drill
            << " (layers " << kind.layers << "))\n";
    }
    if (unwritable) {
        *error = std::to_string(unwritable) + " pins of " + footprint->name() +
                 " lack a location x,y, a size or a KiCad pad shape, the first " + firstUnwritable;
        return false;
    }
    out << ")\n";
    *text = out.str();
    return true;
}
