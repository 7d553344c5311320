#ifndef WJXMLINTERCHANGE_PINCONSTRAINTS_H
#define WJXMLINTERCHANGE_PINCONSTRAINTS_H

#include "wjxmlinterchange/WJInterchangeExport.h"

#include <string>
#include <vector>

class IWJCompInst;
class IWJInterfaceView;

/// The constraint file dialects that carry pin placements.
enum class ConstraintFormat {
    Xdc, ///< Tcl constraints: set_property PACKAGE_PIN pin [get_ports name]
    Qsf, ///< settings files: set_location_assignment PIN_pin -to name
    Lpf, ///< preference files: LOCATE COMP "name" SITE "pin";
    Pcf, ///< physical constraint files: set_io name pin
    Csv  ///< RFC 4180 pin tables with the columns port and pin, optionally bit
};

/// One constraint file's text, with the name used in messages.
struct ConstraintSource {
    std::string name;                                ///< the file's name, as messages give it
    std::string text;                                ///< the file's bytes, as read
    ConstraintFormat format = ConstraintFormat::Xdc; ///< the dialect the text is read in
};

/// Where the placements of an import land.
struct ImportOptions {
    /// The instance with this refdes is found, or made.
    std::string refdes;
    /// The cell name of a made instance; "" means the cell a CSV file names,
    /// else the refdes.
    std::string cell;
    /// The footprint when the instance has no part map yet, found by name or
    /// made; "" means "<cell>_PACKAGE".
    std::string footprint;
    /// Clears the part map's pin mappings before the placements are made.
    bool replace = false;
    /// Pairs ports whose names differ only in a _p/_n, _P/_N or p/n ending;
    /// when false, only ports with a differential IO standard are paired.
    bool pairsByName = true;
    /// Reads the placements and IO standards that comments hold too (a
    /// master file's commented-out lines); otherwise placements are counted.
    bool includeCommented = false;
    /// Places ports on pins that the design maps to other ports, which the
    /// files do not move; otherwise that is an error.
    bool force = false;
    /// Refuses to make ports: a placement must name an existing port.
    bool noNewPorts = false;
    /// Refuses to make pins: a placement must name an existing pin.
    bool noNewPins = false;
};

/// What an import did. Errors and warnings are whole lines,
/// "file:line: message" and "file:line: warning: message".
struct ImportReport {
    int placementsRead = 0; ///< placements of ports and bits on pins
    int standardsRead = 0;  ///< IO standards of ports, bits or patterns
    /// Statements (CSV: records) that place nothing and set no standard;
    /// comments are none.
    int linesReadPast = 0;
    int placementsCommentedOut = 0;     ///< placements in comments, not read
    int portsMade = 0;                  ///< ports the import made on the instance
    int pinsMade = 0;                   ///< pins it made on the footprint
    int pairsMade = 0;                  ///< differential pairs it made
    std::vector<std::string> madePorts; ///< the names of the ports made
    std::vector<std::string> madePins;  ///< the names of the pins made
    std::vector<std::string> errors;    ///< any error leaves the design untouched
    std::vector<std::string> warnings;  ///< what was read past or overridden, the import done
};

/// What an export writes.
struct ExportOptions {
    std::string refdes;                              ///< the instance exported, in any letter case
    ConstraintFormat format = ConstraintFormat::Xdc; ///< the dialect written
    /// When not empty, the IO standard of each placement whose port or bit
    /// has none in the design.
    std::string ioStandard;
};

/// Reads pin placements from constraint files into a design and writes a
/// design's pin mappings as a constraint file. Every operation reports its
/// problems through its results; none throws.
class WJ_INTERCHANGE_API PinConstraints {
public:
    /// The format named "xdc", "qsf", "lpf", "pcf" or "csv" (any case).
    static bool formatFromName(const std::string& name, ConstraintFormat* format);
    /// The format that the file name's extension says.
    static bool formatFromFileName(const std::string& fileName, ConstraintFormat* format);
    /// The format's name as formatFromName takes it: "xdc", "qsf", ...
    static const char* formatName(ConstraintFormat format);

    /// The one rule by which a refdes names an instance, in every ifx
    /// command, the import, the export and the Python module: letter case
    /// aside. Two refdes name one instance when their keys are equal.
    static std::string refdesKey(const std::string& refdes);
    /// The first instance of design, in id order, with refdes in any letter
    /// case; null when none has it.
    static IWJCompInst* findInstance(IWJInterfaceView* design, const std::string& refdes);

    /// Reads the file at path into source; its format is formatName when that
    /// is not empty, else the extension's. False, with error, when the file
    /// cannot be read or the format is unknown.
    static bool loadSource(const std::string& path, const std::string& formatName, ConstraintSource* source,
                           std::string* error);

    /// The text of source in UTF-8, as the dialects read it: a UTF-8
    /// byte-order mark is dropped, UTF-16 with its byte-order mark
    /// converted. False when the bytes are not such text; importConstraints
    /// names the line.
    static bool sourceText(const ConstraintSource& source, std::string* text);

    /// Places the sources' placements on the instance options.refdes of
    /// design: a port is found by its local name, then its name, in any
    /// letter case, then by a differential pair's name (which places the
    /// pair's positive member), or made; pins are found by name or made;
    /// the last placement of a port bit wins. The IO standards the sources
    /// set are kept as IoStandards describes, and ports are paired as
    /// differential pairs (see ImportOptions::pairsByName). When any error
    /// is found, the design is left untouched and false is returned.
    static bool importConstraints(IWJInterfaceView* design, const std::vector<ConstraintSource>& sources,
                                  const ImportOptions& options, ImportReport* report);

    /// Writes the pin mappings of the instance options.refdes into text, one
    /// placement per pin mapping of a port or bit, sorted by port and bit,
    /// each with its IO standard; pin-group and group mappings become
    /// comments. False, with error, when no instance has that refdes or the
    /// format cannot carry a name, a standard or the text of a comment.
    static bool exportConstraints(IWJInterfaceView* design, const ExportOptions& options, std::string* text,
                                  std::string* error);
};

#endif
