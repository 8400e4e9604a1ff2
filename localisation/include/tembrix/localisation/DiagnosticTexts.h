#pragma once

// The texts of a conversion's remarks, as a language file gives them in its
// section [DIAG]: one key per remark code (the code's stable name) with "%1",
// "%2" where the arguments go, and the words that frame a remark ("Warning",
// "Note", "Place"). French is built in; a key that a language file lacks
// takes the built-in French text.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tembrix/engine/Diagnostics.h"

namespace tembrix {

class MODTranslate;

inline constexpr std::string_view kDiagnosticSection = "DIAG";

/// The built-in French texts as (key, text), Windows-1252: one per code, in
/// the order of the codes, then the framing words.
std::vector<std::pair<std::string, std::string>> builtinDiagnosticTexts();

/// Writes the built-in texts into [DIAG] of the file. A failed write is skipped silently.
void ExportDiagnosticTexts(const std::string& filePath);

/// The remarks as lines for a person, in the language of `translate`'s current
/// file, warnings first and otherwise in their order: "Attention : [Setup]
/// DefaultDir : le dossier par défaut ...". Windows-1252 bytes.
std::vector<std::string> diagnosticLines(const MODTranslate& translate,
                                         const Diagnostics& diagnostics);

} // namespace tembrix
