#include "tembrix/engine/Diagnostics.h"

#include <array>

namespace tembrix {

namespace {

struct DiagnosticRow {
    DiagnosticCode code;
    DiagnosticKind kind;
    std::string_view name;
    std::string_view english;
};

using enum DiagnosticKind;
using enum DiagnosticCode;

// Every remark's text, in one place. The English texts are what the converter
// prints, which scripts and people read: change them only with care.
constexpr std::array kDiagnostics{
    DiagnosticRow{NoSetupSection, Warning, "NoSetupSection",
                  "the list has no [Setup] section, so the script names no application and no "
                  "installer"},
    DiagnosticRow{TitleMissing, Warning, "TitleMissing",
                  "missing or empty, so the script names no application and no installer"},
    DiagnosticRow{RepeatedSection, Note, "RepeatedSection",
                  "found in a second section [%1] of the same name, and used"},
    DiagnosticRow{OneField, Warning, "OneField",
                  "has 1 field where a file entry has four; the missing ones are taken as empty"},
    DiagnosticRow{TooFewFields, Warning, "TooFewFields",
                  "has %1 fields where a file entry has four; the missing ones are taken as "
                  "empty"},
    DiagnosticRow{ListQuotesRemoved, Note, "ListQuotesRemoved",
                  "the list's own quotes around the program are removed: %1"},
    DiagnosticRow{ShortcutArguments, Note, "ShortcutArguments",
                  "the arguments %1 are passed as Parameters; the shortcut's program is %2"},
    DiagnosticRow{NoProgram, Warning, "NoProgram",
                  "names no program, so the shortcut points to nothing"},
    DiagnosticRow{ProgramNotInstalled, Warning, "ProgramNotInstalled",
                  "the program %1 is not among the files that the list installs in {app}, so the "
                  "shortcut points to nothing"},
    DiagnosticRow{TypeLibraryRegistered, Note, "TypeLibraryRegistered",
                  "%1 is a type library, so it is registered with regtypelib; regserver would "
                  "fail and roll the installation back"},
    DiagnosticRow{SelfRegisterEx, Note, "SelfRegisterEx",
                  "$(DLLSelfRegisterEx) registers the file as $(DLLSelfRegister) does"},
    DiagnosticRow{CommonFilesSystem, Note, "CommonFilesSystem",
                  "the folder macro $(CommonFilesSys) is translated as the Common Files\\System "
                  "folder"},
    DiagnosticRow{UnknownFolderMacro, Warning, "UnknownFolderMacro",
                  "the folder macro %1 is unknown and is left as it is"},
    DiagnosticRow{DefaultFolderOnDrive, Warning, "DefaultFolderOnDrive",
                  "the default folder %1 begins with the drive %2, so Setup fails where that "
                  "drive does not exist"},
    DiagnosticRow{DefaultFolderRelative, Warning, "DefaultFolderRelative",
                  "the default folder %1 is relative, so Setup installs beside itself, wherever "
                  "it is started"},
    DiagnosticRow{WorkingFolderEmpty, Warning, "WorkingFolderEmpty",
                  "the working folder %1 is below {app}, but no file is installed there, so the "
                  "shortcut starts in a folder that does not exist"},
    DiagnosticRow{ProgramsGroup, Note, "ProgramsGroup",
                  "%1 is the Start menu's Programs folder itself: the shortcuts go there, and "
                  "DefaultGroupName is the title"},
    DiagnosticRow{InstallerNameCleaned, Note, "InstallerNameCleaned",
                  "characters that a file name cannot hold are replaced by \"_\" in "
                  "OutputBaseFilename: %1"},
    DiagnosticRow{SelfRegisteringProgram, Note, "SelfRegisteringProgram",
                  "%1 registers itself: [Run] starts it with /REGSERVER, and [UninstallRun] with "
                  "/UNREGSERVER before the uninstall removes it"},
    DiagnosticRow{RegistryFileMerged, Note, "RegistryFileMerged",
                  "%1 is merged into the registry by regedit in [Run]"},
    DiagnosticRow{UnknownRegistration, Warning, "UnknownRegistration",
                  "the registration %1 is neither a known macro nor a .reg file, so the file is "
                  "copied but not registered"},
    DiagnosticRow{ProtectedSystemFile, Note, "ProtectedSystemFile",
                  "%1 is a Windows system file that Inno Setup refuses to install; its line is "
                  "now a comment"},
    DiagnosticRow{SystemOnlyRegistration, Note, "SystemOnlyRegistration",
                  "%1 is registered only in the system folder, which Inno Setup insists on; its "
                  "line is now a comment"},
    DiagnosticRow{SharedSelfRegisteringProgram, Note, "SharedSelfRegisteringProgram",
                  "%1 registers itself: [Run] starts it with /REGSERVER; in the system folder it "
                  "may serve other programs, so the uninstall neither removes nor unregisters it"},
    DiagnosticRow{SystemFileKept, Note, "SystemFileKept",
                  "%1 is a system file: it is shared, replaced at the next start when in use, and "
                  "never removed by the uninstall"},
    DiagnosticRow{SystemFolderShared, Note, "SystemFolderShared",
                  "%1 goes into the system folder, which other programs share: it is marked "
                  "sharedfile, so the uninstall removes it only when no program counts on it"},
    DiagnosticRow{StartMenuGroup, Note, "StartMenuGroup",
                  "%1 is the Start menu itself: the group's shortcuts go there"},
    DiagnosticRow{RemoteNotRegistered, Warning, "RemoteNotRegistered",
                  "%1 is a remote server ($(Remote)): the installer copies it but does not "
                  "register it"},
    DiagnosticRow{LicenceFileNotRegistered, Warning, "LicenceFileNotRegistered",
                  "%1 is a licence file ($(VBLRegister)): the installer copies it but does not "
                  "register the licence"},
    DiagnosticRow{LicenceNotCarried, Warning, "LicenceNotCarried",
                  "the control licence is not carried over: the installer does not add it to "
                  "the registry"},
    DiagnosticRow{SetupLinesUnreadable, Warning, "SetupLinesUnreadable",
                  "the file of [Setup] lines %1 cannot be read, so nothing is inserted"},
    DiagnosticRow{ExtraLinesUnreadable, Warning, "ExtraLinesUnreadable",
                  "the file of lines to append %1 cannot be read, so nothing is appended"},
    // Branch package: finding the package's files.
    DiagnosticRow{FileNotFound, Warning, "FileNotFound",
                  "%1 is not in the source folder: the compile will fail"},
    DiagnosticRow{FileNotFoundInOne, Warning, "FileNotFoundInOne",
                  "%1 is neither in the source folder, nor in %2: the compile will fail"},
    DiagnosticRow{FileNotFoundInTwo, Warning, "FileNotFoundInTwo",
                  "%1 is neither in the source folder, nor in %2, nor in %3: the compile will "
                  "fail"},
    DiagnosticRow{NoFileFound, Warning, "NoFileFound",
                  "none of the %1 files that the script installs is in the source folder or in "
                  "the package: the compile will fail until they are put there"},
    DiagnosticRow{FilesTakenFromSupport, Note, "FilesTakenFromSupport", "%1 files taken from %2"},
    DiagnosticRow{FilesExtracted, Note, "FilesExtracted", "%1 files extracted from %2 into %3"},
    DiagnosticRow{FilesExpanded, Note, "FilesExpanded",
                  "%1 files expanded from their compressed copies into %2"},
    DiagnosticRow{ArchiveUnreadable, Warning, "ArchiveUnreadable",
                  "%1, so nothing more is taken out of it"},
    DiagnosticRow{ExtractedFileDiffers, Warning, "ExtractedFileDiffers",
                  "%1 is there already and differs from the copy in %2: it is kept as it is, and "
                  "the script installs it"},
    DiagnosticRow{UnsafeArchiveName, Warning, "UnsafeArchiveName",
                  "%2 names the file %1, which would lie outside the folder it is extracted "
                  "into, so it is not taken out"},
    DiagnosticRow{ExtractWriteFailed, Warning, "ExtractWriteFailed", "cannot be taken out: %1"},
    DiagnosticRow{SourceNotInCodePage, Warning, "SourceNotInCodePage",
                  "the folder %1 has characters that the script's code page cannot hold, so its "
                  "Source names are wrong and the compile will fail"},
};

constexpr bool rowsFollowTheCodes() {
    for (std::size_t i = 0; i < kDiagnostics.size(); ++i)
        if (static_cast<std::size_t>(kDiagnostics[i].code) != i)
            return false;
    return true;
}
static_assert(rowsFollowTheCodes(), "one row per code, in the order of the codes");

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
