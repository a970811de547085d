#include "runtime/halt.h"

#include "runtime/platform.h"

namespace vela {

void ReportMissingFile(const std::string& fileName) {
    CurrentPlatform().MessageBox("ERROR", "\"" + fileName + "\" not found.");
    throw ProgramHalt{1};
}

void ReportMissingFiles(const std::string& folder, const std::vector<std::string>& fileNames) {
    std::string names;
    for (const std::string& name : fileNames) names += (names.empty() ? "\"" : ", \"") + name + "\"";
    CurrentPlatform().MessageBox("ERROR", names + " not found in \"" + folder + "\".");
    throw ProgramHalt{1};
}

void ReportDamagedFile(const std::string& fileName, const std::string& problem) {
    CurrentPlatform().MessageBox("ERROR", "\"" + fileName + "\" is damaged: " + problem + ".");
    throw ProgramHalt{1};
}

}  // namespace vela
