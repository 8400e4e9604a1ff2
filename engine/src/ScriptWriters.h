#pragma once

#include "ScriptModel.h"

namespace tembrix {

class TextFileWriter;

/// Writes the model as a script in the dialect that it was read for: the
/// classic form, which every Inno Setup from 5.5 on compiles, or Inno Setup
/// 6's. A writer decides nothing: every choice is in the model.
void writeScript(const ScriptModel& model, TextFileWriter& out);

/// Spells the folders that the model's remarks quote as the dialect's script
/// does; before the remarks are taken out of the model.
void spellQuotedFolders(ScriptModel& model);

} // namespace tembrix
