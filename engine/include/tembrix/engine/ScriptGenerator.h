#pragma once

#include "tembrix/engine/ConversionInputs.h"
#include "tembrix/engine/Diagnostics.h"
#include "tembrix/engine/PackageFiles.h"
#include "tembrix/platform/Status.h"

namespace tembrix {

class ArchiveReader;
class FileSystem;

/// Converts the setup list into an Inno Setup script at `inputs.ScriptPath`.
///
/// The setup list is read once, before anything is written. A list that is
/// missing or cannot be read, and a file that is no setup list, fail with the
/// list's path and the reason, and nothing is written. Missing extra-line
/// files add nothing. The script is written atomically: on failure any earlier
/// file at ScriptPath is untouched and no temporary file is left behind, and
/// the result names the path and the system's reason. Never throws.
Status GenerateScript(const ConversionInputs& inputs, FileSystem& fileSystem);

/// The same, and `diagnostics` is replaced by what the conversion mended and
/// what looked wrong, in the order of the script's lines. On failure it holds
/// what was found before the failure. The list alone is converted: no file of
/// the package is looked for, and every Source is named as beside the list.
Status GenerateScript(const ConversionInputs& inputs, FileSystem& fileSystem,
                      Diagnostics& diagnostics);

/// The same, and `failure` says what could not be done, so that a front end
/// can tell a list it cannot convert from a script it cannot write.
Status GenerateScript(const ConversionInputs& inputs, FileSystem& fileSystem,
                      Diagnostics& diagnostics, ConversionFailure& failure);

/// The same, and each file that the script installs is looked for in the
/// package: the source folder, its Support folder, the cabinets, the
/// compressed files, which `archives` reads. `report` receives the remarks and
/// where the files came from. A file taken out of an archive is written into
/// `inputs.ExtractFolder` (default: Support beside the script), never over a
/// file whose bytes differ. A file found nowhere, or an archive that cannot be
/// read, is a warning and still gives a script; such failures are also in
/// `report.sources.failures`; `report.failure` says what could not be done.
Status GenerateScript(const ConversionInputs& inputs, FileSystem& fileSystem,
                      const ArchiveReader& archives, ConversionReport& report);

} // namespace tembrix
