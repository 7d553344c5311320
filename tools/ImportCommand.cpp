#include "ImportCommand.h"

#include "DesignReader.h"

#include <iostream>
#include <sys/stat.h>

namespace {

bool exists(const std::string& fileName)
{
    struct stat info {};
    return ::stat(fileName.c_str(), &info) == 0;
}

// The file name without folder and extension.
std::string stem(const std::string& fileName)
{
    const std::size_t slash = fileName.rfind('/');
    std::string name = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

Design openDesign(const std::string& fileName)
{
    if (exists(fileName))
        return DesignReader::read(fileName, true);
    CWJXMLFlowReader reader;
    return Design(reader.CreateInterfaceView("ifx import", "", stem(fileName).c_str()));
}

} // namespace

int ImportCommand::run(const std::string& designFile, const std::vector<std::string>& constraintFiles,
                       const ImportOptions& options, const std::string& format, const std::string& output)
{
    std::vector<ConstraintSource> sources(constraintFiles.size());
    for (std::size_t i = 0; i < constraintFiles.size(); ++i) {
        std::string error;
        if (!PinConstraints::loadSource(constraintFiles[i], format, &sources[i], &error)) {
            std::cerr << error << '\n';
            return 1;
        }
    }
    const Design design = openDesign(designFile);
    if (!design)
        return 1;
    ImportReport report;
    const bool imported = PinConstraints::importConstraints(design.get(), sources, options, &report);
    for (const std::string& warning : report.warnings)
        std::cerr << warning << '\n';
    for (const std::string& error : report.errors)
        std::cerr << error << '\n';
    if (!imported || !DesignReader::write(design.get(), output.empty() ? designFile : output))
        return 1;
    std::cout << options.refdes << ": " << report.placementsRead << " placements read, " << report.linesReadPast
              << " other statements read past, " << report.portsMade << " ports and " << report.pinsMade
              << " pins made, " << report.warnings.size() << " warnings\n";
    return 0;
}
