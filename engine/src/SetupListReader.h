#pragma once

#include "ScriptModel.h"
#include "tembrix/engine/ConversionInputs.h"
#include "tembrix/engine/ScriptGenerator.h"

namespace tembrix {

class FileSystem;

/// Reads the setup list and the files of extra lines that `inputs` name, once
/// each, into `model`, which then holds what the list says and nothing decided
/// yet. A list of either layout is read into the same model. A list that
/// cannot be read, or a file of neither layout, fails with its path and why,
/// and `failure` says which; a missing lines file reads as none. The extra
/// lines are read only when they are to be appended.
Status readScriptModel(const ConversionInputs& inputs, const FileSystem& fileSystem,
                       ScriptModel& model, ConversionFailure& failure);

} // namespace tembrix
