#include "tembrix/engine/Diagnostics.h"

#include <array>

namespace tembrix {

namespace {

struct DiagnosticRow {
    DiagnosticKind kind;
    std::string_view name;
    std::string_view english;
};

// The first three columns of the table of remarks, one row per code in the
// order of the codes; the French column is the localisation's.
constexpr std::array kDiagnostics{
#define TEMBRIX_REMARK(code, kind, english, french)                                                \
    DiagnosticRow{DiagnosticKind::kind, #code, english},
#include "tembrix/engine/Remarks.def"
#undef TEMBRIX_REMARK
};
static_assert(kDiagnostics.size() == kDiagnosticCodeCount);

const DiagnosticRow& rowOf(DiagnosticCode code) {
    return kDiagnostics[static_cast<std::size_t>(code)];
}

} // namespace

DiagnosticKind diagnosticKindOf(DiagnosticCode code) {
    return rowOf(code).kind;
}

std::string_view diagnosticName(DiagnosticCode code) {
    return rowOf(code).name;
}

std::string_view englishDiagnosticTemplate(DiagnosticCode code) {
    return rowOf(code).english;
}

std::string formatDiagnostic(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char c = pattern[at];
        if (c != '%' || at + 1 == pattern.size()) {
            out += c;
            continue;
        }
        const char next = pattern[at + 1];
        if (next == '%') {
            out += '%';
            ++at;
        } else if (next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < arguments.size())
                out += arguments[index];
            ++at;
        } else {
            out += c;
        }
    }
    return out;
}

std::string diagnosticText(const Diagnostic& diagnostic) {
    return formatDiagnostic(englishDiagnosticTemplate(diagnostic.code), diagnostic.arguments);
}

std::string describeDiagnostic(const Diagnostic& diagnostic) {
    std::string out;
    if (!diagnostic.key.empty())
        out.append(diagnostic.key).append(diagnostic.section.empty() ? "" : " in ");
    if (!diagnostic.section.empty())
        out.append("[").append(diagnostic.section).append("]");
    if (!out.empty())
        out.append(": ");
    out.append(diagnostic.kind == DiagnosticKind::Note ? "note: " : "warning: ");
    return out.append(diagnosticText(diagnostic));
}

} // namespace tembrix
