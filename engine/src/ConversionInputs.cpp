#include "tembrix/engine/ConversionInputs.h"

#include "tembrix/platform/FileSystem.h"
#include "tembrix/platform/ProfileFile.h"

namespace tembrix {

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
bool isSeparator(char c) {
    return c == '\\' || c == '/';
}
#else
constexpr char kSeparator = '/';
bool isSeparator(char c) {
    return c == '/';
}
#endif

std::string inFolder(const std::string& folder, const char* name) {
    if (folder.empty())
        return {};
    return folder + (isSeparator(folder.back()) ? "" : std::string(1, kSeparator)) + name;
}

} // namespace

std::string folderOf(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (isSeparator(path[i - 1]))
            return path.substr(0, i);
#ifdef _WIN32
    if (path.size() >= 2 && path[1] == ':')
        return path.substr(0, 2);
#endif
    return {};
}

DerivedInputs deriveInputPaths(const std::string& setupListPath, const std::string& programFolder) {
    DerivedInputs derived;
    derived.sourceFolder = folderOf(setupListPath);
    derived.scriptPath = derived.sourceFolder + "Setup.iss";
    derived.outputDir = derived.sourceFolder + "OutPut" + kSeparator;
    derived.version = "1.0";
    derived.setupLinesPath = inFolder(programFolder, "SetupLine.txt");
    derived.extraLinesPath = inFolder(programFolder, "AddLine.txt");
    return derived;
}

DerivedInputs deriveInputs(const std::string& setupListPath, const std::string& programFolder,
                           const FileSystem& fileSystem) {
    DerivedInputs derived = deriveInputPaths(setupListPath, programFolder);
    auto bytes = setupListPath.empty() ? std::nullopt : fileSystem.readAll(setupListPath);
    const std::string title =
        bytes ? ProfileIndex::parse(std::move(*bytes)).read("Setup", "Title", "") : std::string();
    derived.installerName = title + ".exe";
    return derived;
}

} // namespace tembrix
