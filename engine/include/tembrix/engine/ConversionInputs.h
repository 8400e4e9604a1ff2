#pragma once

#include <string>

namespace tembrix {

class FileSystem;

/// The form of the script. `Classic` is what the wizard writes and what every
/// Inno Setup from 5.5 on compiles; `Inno6` uses the names and flags of Inno
/// Setup 6 (renamed folder constants, `promptifolder` instead of a copy mode,
/// no empty flag lists), which compile there without a warning.
enum class ScriptDialect { Classic, Inno6 };

/// What the wizard (or the converter) hands to the script generator.
/// Paths are UTF-8, as every path in memory (see NativePath.h); the texts that are written
/// into the script (SourceFolder, OutputDir, Version, installerName) are
/// Windows-1252 bytes.
struct ConversionInputs {
    std::string SetupListPath;      ///< the setup list to read
    std::string ScriptPath;         ///< the script to write
    bool UseAbsoluteSource = false; ///< put SourceFolder in front of every Source name
    std::string SourceFolder;       ///< the setup list's folder, with its trailing separator
    std::string OutputDir;          ///< written after "OutputDir="
    std::string Version;            ///< written after "AppVersion=" and at the end of "AppVerName="
    bool IncludeRuntimeFiles = true; ///< write the run-time block from [Bootstrap Files]
    std::string SetupLinesPath;      ///< whole text inserted at the end of [Setup], when it exists
    bool AddExtraLines = false;      ///< append ExtraLinesPath at the end of the script
    std::string ExtraLinesPath;      ///< whole text appended at the end, when AddExtraLines
    ScriptDialect dialect = ScriptDialect::Classic; ///< the form of the script
    /// The installer's file name that the user chose: written after
    /// "OutputBaseFilename=" without its ".exe"; empty: the setup list's title.
    std::string installerName;
    /// The folder where files taken out of the package's cabinets or
    /// compressed files are written; empty: "Support" beside the script.
    std::string ExtractFolder;
};

/// What both front ends propose before the user changes anything: the
/// inputs that follow from where the setup list and the program lie. Paths
/// are UTF-8, as every path in memory, `installerName` is Windows-1252
/// bytes like the setup list's title it comes from.
struct DerivedInputs {
    std::string sourceFolder;   ///< the setup list's folder, with its trailing separator
    std::string scriptPath;     ///< sourceFolder + "Setup.iss"
    std::string outputDir;      ///< sourceFolder + "OutPut" + separator
    std::string version;        ///< "1.0"
    std::string setupLinesPath; ///< "SetupLine.txt" in the program's folder
    std::string extraLinesPath; ///< "AddLine.txt" in the program's folder (the wizard's proposal)
    std::string installerName;  ///< the setup list's title + ".exe"
};

/// The proposals for the setup list at `setupListPath` and for a program that
/// lies in `programFolder` (empty: no line files), without reading the list:
/// `installerName` stays empty, which the generator takes as the title.
DerivedInputs deriveInputPaths(const std::string& setupListPath, const std::string& programFolder);

/// `deriveInputPaths`, and the installer name that the wizard proposes: the
/// list's title + ".exe" (a missing list reads as an empty title, an empty
/// path reads nothing). The list is read through `fileSystem`.
DerivedInputs deriveInputs(const std::string& setupListPath, const std::string& programFolder,
                           const FileSystem& fileSystem);

/// The path up to and including its last separator (on Windows also a drive
/// "C:" alone); empty when it has none.
std::string folderOf(const std::string& path);

} // namespace tembrix
