#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tembrix {

/// A note says what the conversion changed so that the script compiles or
/// installs as the list means; a warning says what looks wrong in the list and
/// was kept as it is.
enum class DiagnosticKind { Note, Warning };

/// What a remark is about: one enumerator per row of the table of remarks
/// (`Remarks.def`, which says what each one's arguments are). The values are
/// stable: language files and other front ends name a text by
/// `diagnosticName(code)`, and the code with its arguments is enough to make
/// the text in any language.
enum class DiagnosticCode {
#define TEMBRIX_REMARK(code, kind, english, french) code,
#include "tembrix/engine/Remarks.def"
#undef TEMBRIX_REMARK
};

/// How many codes there are.
inline constexpr std::size_t kDiagnosticCodeCount = 0
#define TEMBRIX_REMARK(code, kind, english, french) +1
#include "tembrix/engine/Remarks.def"
#undef TEMBRIX_REMARK
    ;

/// One remark of a conversion about one entry of the setup list. `section` is
/// the section's name as the generator looked it up (for an icon: its group),
/// `key` the entry's key (`File12`, `Icon3`, `Title`); either may be empty
/// when the remark is about the whole list or a whole section. The arguments
/// are Windows-1252 bytes, as the list's values are.
struct Diagnostic {
    DiagnosticKind kind = DiagnosticKind::Note;
    DiagnosticCode code = DiagnosticCode::NoSetupSection;
    std::string section;
    std::string key;
    std::vector<std::string> arguments;
};

using Diagnostics = std::vector<Diagnostic>;

/// Whether a code is a note or a warning; it never depends on the case.
DiagnosticKind diagnosticKindOf(DiagnosticCode code);

/// The code's stable name ("ProtectedSystemFile"), under which a language file
/// gives its text.
std::string_view diagnosticName(DiagnosticCode code);

/// The English text of a code, with "%1", "%2" where its arguments go.
std::string_view englishDiagnosticTemplate(DiagnosticCode code);

/// `pattern` with "%1" to "%9" replaced by the arguments (a missing one by
/// nothing) and "%%" by "%"; every other byte is kept.
std::string formatDiagnostic(std::string_view pattern, const std::vector<std::string>& arguments);

/// The English text of one remark, without its entry and kind.
std::string diagnosticText(const Diagnostic& diagnostic);

/// One line for a person: "File12 in [Setup1 Files]: note: " + text, or
/// "[Setup]: warning: " + text without a key, or just the kind and the text
/// without a section.
std::string describeDiagnostic(const Diagnostic& diagnostic);

} // namespace tembrix
