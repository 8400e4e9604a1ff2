#pragma once

#include "ScriptModel.h"
#include "tembrix/engine/ConversionInputs.h"

namespace tembrix {

class FileSystem;

/// Reads the setup list and the files of extra lines that `inputs` name, once
/// each, into a model that holds what the list says and nothing decided yet.
/// A missing or unreadable list reads as an empty one; a missing lines file as
/// none. The extra lines are read only when they are to be appended.
ScriptModel readScriptModel(const ConversionInputs& inputs, const FileSystem& fileSystem);

} // namespace tembrix
