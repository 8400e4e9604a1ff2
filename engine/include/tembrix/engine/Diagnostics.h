#pragma once

#include <string>
#include <vector>

namespace tembrix {

/// A note says what the conversion changed so that the script compiles or
/// installs as the list means; a warning says what looks wrong in the list and
/// was kept as it is.
enum class DiagnosticKind { Note, Warning };

/// One remark of a conversion about one entry of the setup list. `section` is
/// the section's name as the generator looked it up (for an icon: its group),
/// `key` the entry's key (`File12`, `Icon3`, `Title`); either may be empty
/// when the remark is about the whole list or a whole section. `text` is plain
/// words in Windows-1252, without a line end.
struct Diagnostic {
    DiagnosticKind kind = DiagnosticKind::Note;
    std::string section;
    std::string key;
    std::string text;
};

using Diagnostics = std::vector<Diagnostic>;

/// One line for a person: "File12 in [Setup1 Files]: note: " + text, or
/// "[Setup]: warning: " + text without a key, or just the kind and the text
/// without a section.
std::string describeDiagnostic(const Diagnostic& diagnostic);

} // namespace tembrix
