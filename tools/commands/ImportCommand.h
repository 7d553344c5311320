#ifndef IFX_IMPORTCOMMAND_H
#define IFX_IMPORTCOMMAND_H

#include "kicadio/PackageImport.h"
#include "wjxmlinterchange/PinConstraints.h"

#include <string>
#include <vector>

namespace CLI {
class App;
}

// ifx import: pin placements from constraint files into a design, which is
// made when the file does not exist yet.
class ImportCommand {
public:
    // Registers the command with app; its run sets result.
    static void add(CLI::App& app, int& result);
    // With package.package, PackageImport completes the import. format,
    // when not empty, is the format of every constraint file; output, when
    // not empty, is written instead of the design file.
    static int run(const std::string& designFile, const std::vector<std::string>& constraintFiles,
                   const ImportOptions& options, const PackageOptions& package, const std::string& format,
                   const std::string& output);
};

#endif
