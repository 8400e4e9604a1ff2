#pragma once

#include "ScriptModel.h"
#include "tembrix/engine/ConversionInputs.h"
#include "tembrix/engine/PackageFiles.h"

namespace tembrix {

class ArchiveReader;
class FileSystem;

/// Looks for each file that the script installs (a line of role Install, and
/// the data-access installer) in the package of the list at
/// `inputs.SetupListPath`: beside the list, in its Support folder, in its
/// cabinets, in its compressed files. Files taken out of an archive are
/// written into the extraction folder, never over a file whose bytes differ.
/// Sets each file's Source folder in the model and reports what it found and
/// what it did not. Reads and writes only through `fileSystem` and
/// `archives`; runs after the mends, which decide the lines.
FileSources resolvePackageFiles(ScriptModel& model, const ConversionInputs& inputs,
                                FileSystem& fileSystem, const ArchiveReader& archives);

} // namespace tembrix
