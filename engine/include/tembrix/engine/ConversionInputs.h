#pragma once

#include <string>

namespace tembrix {

/// What the wizard (or the converter) hands to the script generator.
/// Paths are in the platform's file-name encoding; the texts that are written
/// into the script (SourceFolder, OutputDir, Version) are Windows-1252 bytes.
struct ConversionInputs {
    std::string SetupListPath;      ///< the setup list to read
    std::string ScriptPath;         ///< the script to write
    bool UseAbsoluteSource = false; ///< put SourceFolder in front of every Source name
    std::string SourceFolder;       ///< the setup list's folder, with its trailing separator
    std::string OutputDir;          ///< written after "OutputDir="
    std::string Version;            ///< written after "AppVersion=" and at the end of "AppVerName="
    bool IncludeRuntimeFiles = true;///< write the run-time block from [Bootstrap Files]
    std::string SetupLinesPath;     ///< whole text inserted at the end of [Setup], when it exists
    bool AddExtraLines = false;     ///< append ExtraLinesPath at the end of the script
    std::string ExtraLinesPath;     ///< whole text appended at the end, when AddExtraLines
};

} // namespace tembrix
