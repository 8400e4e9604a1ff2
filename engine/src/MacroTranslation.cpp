#include "tembrix/engine/MacroTranslation.h"

#include "FolderMacros.h"
#include "tembrix/platform/Cp1252.h"

#include <array>
#include <utility>

namespace tembrix {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kFolderMacros{{
    {"$(AppPath)", "{app}"},
    {"$(WinPath)", "{win}"},
    {"$(Font)", "{fonts}"},
    {"$(WinSysPath)", "{sys}"},
    {"$(WinSysPathSysFile)", "{sys}"},
    {"$(ProgramFiles)", "{pf}"},
    {"$(CommonFiles)", "{cf}"},
    {"$(MSDAOPath)", "{dao}"},
    {"$(CommonFilesSys)", "{cf}\\System"},
}};

// Inno Setup 6 renamed these constants; the old names still work but draw a
// warning. The auto forms follow the installer's privileges, which are an
// administrator's by default, so they name the same folders. {fonts} was
// renamed as well, but only in 6.3: its new name would not compile with 6.0.
struct RenamedConstant {
    std::string_view old, common, automatic;
};
constexpr std::array<RenamedConstant, 2> kRenamedConstants{{
    {"{pf}", "{commonpf}", "{autopf}"},
    {"{cf}", "{commoncf}", "{autocf}"},
}};

void appendConstant(std::string& out, std::string_view constant, FolderConstants names) {
    if (names != FolderConstants::Classic)
        for (const RenamedConstant& renamed : kRenamedConstants)
            if (constant.starts_with(renamed.old)) {
                out.append(names == FolderConstants::Inno6Auto ? renamed.automatic
                                                               : renamed.common);
                constant.remove_prefix(renamed.old.size());
                break;
            }
    out.append(constant);
}

} // namespace

// One scan from left to right gives the same result as replacing each macro in
// turn: a macro runs from "$(" to the first ")", so no two occurrences overlap,
// and every constant holds a "{", which no macro does, so a replacement never
// forms a new occurrence with its neighbours.
void appendFolderMacrosTranslated(std::string& out, std::string_view text,
                                  std::vector<std::string_view>* unknown, FolderConstants names) {
    std::size_t done = 0;
    for (std::size_t at = text.find("$("); at != std::string_view::npos; at = text.find("$(", at)) {
        const std::size_t close = text.find(')', at + 2);
        if (close == std::string_view::npos)
            break;
        const std::string_view candidate = text.substr(at, close + 1 - at);
        bool replaced = false;
        for (const auto& [macro, constant] : kFolderMacros) {
            if (candidate == macro) {
                out.append(text.substr(done, at - done));
                appendConstant(out, constant, names);
                done = close + 1;
                replaced = true;
                break;
            }
        }
        // "$($(AppPath)" holds a macro further on; only the innermost candidate counts.
        if (!replaced && unknown && candidate.find("$(", 2) == std::string_view::npos)
            unknown->push_back(candidate);
        at = replaced ? close + 1 : at + 2;
    }
    out.append(text.substr(done));
}

std::string TranslateFolderMacros(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendFolderMacrosTranslated(out, text);
    return out;
}

std::string_view RegistrationFlag(std::string_view text) {
    if (equalsIgnoringCase(text, "$(DLLSELFREGISTER)") ||
        equalsIgnoringCase(text, "$(DLLSELFREGISTEREX)"))
        return "regserver ";
    if (equalsIgnoringCase(text, "$(TLBREGISTER)"))
        return "regtypelib ";
    return {};
}

} // namespace tembrix
