#pragma once

// Where the files that a script installs were found: in the source folder
// (beside the list), in the package's Support folder, taken out of its
// cabinets or compressed files, or nowhere.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "tembrix/engine/Diagnostics.h"

namespace tembrix {

struct FileSources {
    std::size_t installed = 0;         ///< the file lines of the script
    std::size_t inSourceFolder = 0;    ///< found in the source folder
    std::size_t inSupport = 0;         ///< found in the Support folder below the list's folder
    std::size_t extracted = 0;         ///< taken out of cabinets or compressed files
    std::size_t missing = 0;           ///< found nowhere
    std::string supportFolder;         ///< the Support folder, when files came from it
    std::vector<std::string> archives; ///< the file names of the cabinets or compressed files used
    std::string extractFolder;         ///< where extracted files were written, when any were
    /// What could not be read or written (a damaged cabinet, a full disk),
    /// each naming its file: the script is written, but the package is not whole.
    std::vector<std::string> failures;
};

/// What a conversion that failed could not do.
enum class ConversionFailure {
    None,
    ListUnreadable, ///< the setup list is missing or cannot be read
    NotAList,       ///< the file has neither layout of a setup list
    ScriptNotWritten,
};

/// What a conversion tells besides the script.
struct ConversionReport {
    Diagnostics diagnostics; ///< in the order of the script's lines
    FileSources sources;
    ConversionFailure failure = ConversionFailure::None; ///< what a failed conversion could not do
    std::string title; ///< [Setup] Title, Windows-1252 bytes, once the list was read
};

class FileSystem;

/// The setup list that a package stands for, when `path` names the package's
/// folder or its setup.exe (in any letter case): the folder's SETUP.LST in any
/// letter case, else the one in its Support folder. Nothing when `path` is
/// neither, or the folder holds no list. Both front ends choose so.
std::optional<std::string> setupListOfPackage(const std::string& path,
                                              const FileSystem& fileSystem);

} // namespace tembrix
