#include "tembrix/localisation/DiagnosticTexts.h"

#include <algorithm>
#include <array>

#include "tembrix/localisation/MODTranslate.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/ProfileFile.h"

namespace tembrix {

namespace {

// The French column of the table of remarks, one text per code in the order
// of the codes.
constexpr std::array<std::string_view, kDiagnosticCodeCount> kFrench{
#define TEMBRIX_REMARK(code, kind, english, french) french,
#include "tembrix/engine/Remarks.def"
#undef TEMBRIX_REMARK
};

// A remark is framed as "<kind word> <place> : <text>"; "%1" is what follows.
constexpr std::string_view kWarningKey = "Warning";
constexpr std::string_view kNoteKey = "Note";
constexpr std::string_view kPlaceKey = "Place";
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kFrames{{
    {kWarningKey, "Attention : %1"},
    {kNoteKey, "Note : %1"},
    {kPlaceKey, "%1 : %2"},
}};

// "[Setup1 Files] File12", or the part of it that the remark has.
std::string placeOf(const Diagnostic& diagnostic) {
    std::string place;
    if (!diagnostic.section.empty())
        place = "[" + diagnostic.section + "]";
    if (!diagnostic.key.empty())
        place += (place.empty() ? "" : " ") + diagnostic.key;
    return place;
}

} // namespace

std::vector<std::pair<std::string, std::string>> builtinDiagnosticTexts() {
    std::vector<std::pair<std::string, std::string>> texts;
    for (std::size_t code = 0; code < kFrench.size(); ++code)
        texts.emplace_back(diagnosticName(static_cast<DiagnosticCode>(code)),
                           cp1252FromUtf8(kFrench[code]));
    for (const auto& [key, text] : kFrames)
        texts.emplace_back(key, cp1252FromUtf8(text));
    return texts;
}

void ExportDiagnosticTexts(const std::string& filePath) {
    StoreProfileStrings(filePath, kDiagnosticSection, builtinDiagnosticTexts(),
                        StoredValues::Utf8InMarkedFile);
}

std::vector<std::string> diagnosticLines(const MODTranslate& translate,
                                         const Diagnostics& diagnostics) {
    // Every text at once: one read of the language file for the whole report.
    const std::vector<std::string> texts =
        translate.GetTexts(kDiagnosticSection, builtinDiagnosticTexts());
    const auto frame = [&texts](std::string_view key) -> const std::string& {
        const auto at =
            std::ranges::find(kFrames, key, &std::pair<std::string_view, std::string_view>::first);
        return texts[kFrench.size() + static_cast<std::size_t>(at - kFrames.begin())];
    };

    std::vector<const Diagnostic*> ordered;
    for (const Diagnostic& diagnostic : diagnostics)
        ordered.push_back(&diagnostic);
    // The iterator form: clang 14 cannot take the ranges one over libstdc++ 12.
    std::stable_partition(ordered.begin(), ordered.end(),
                          [](const Diagnostic* d) { return d->kind == DiagnosticKind::Warning; });

    std::vector<std::string> lines;
    for (const Diagnostic* diagnostic : ordered) {
        std::string line = formatDiagnostic(texts[static_cast<std::size_t>(diagnostic->code)],
                                            diagnostic->arguments);
        if (const std::string where = placeOf(*diagnostic); !where.empty())
            line = formatDiagnostic(frame(kPlaceKey), {where, line});
        lines.push_back(formatDiagnostic(
            frame(diagnostic->kind == DiagnosticKind::Warning ? kWarningKey : kNoteKey), {line}));
    }
    return lines;
}

} // namespace tembrix
