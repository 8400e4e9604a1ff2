#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tembrix {

/// A note says what the conversion changed so that the script compiles or
/// installs as the list means; a warning says what looks wrong in the list and
/// was kept as it is.
enum class DiagnosticKind { Note, Warning };

/// What a remark is about. The values are stable: language files and other
/// front ends name a text by `diagnosticName(code)`, and the code with its
/// arguments is enough to make the text in any language.
enum class DiagnosticCode {
    NoSetupSection,               ///< the list has no [Setup] section
    TitleMissing,                 ///< [Setup] Title is missing or empty
    RepeatedSection,              ///< %1: the section; the key was found under its second header
    OneField,                     ///< a file entry of one field
    TooFewFields,                 ///< %1: how many fields a file entry has, fewer than four
    ListQuotesRemoved,            ///< %1: the program without the list's quotes
    ShortcutArguments,            ///< %1: the arguments, %2: the program
    NoProgram,                    ///< the shortcut names no program
    ProgramNotInstalled,          ///< %1: the shortcut's program, which no file installs
    TypeLibraryRegistered,        ///< %1: the type library registered with regtypelib
    SelfRegisterEx,               ///< $(DLLSelfRegisterEx) taken as $(DLLSelfRegister)
    CommonFilesSystem,            ///< $(CommonFilesSys) translated
    UnknownFolderMacro,           ///< %1: the macro kept as it is
    DefaultFolderOnDrive,         ///< %1: the default folder, %2: its drive
    DefaultFolderRelative,        ///< %1: the default folder
    WorkingFolderEmpty,           ///< %1: a working folder below {app} where no file goes
    ProgramsGroup,                ///< %1: the group named as the Start menu's Programs folder
    InstallerNameCleaned,         ///< %1: OutputBaseFilename without the characters it cannot hold
    SelfRegisteringProgram,       ///< %1: a program that [Run] registers with /REGSERVER
    RegistryFileMerged,           ///< %1: a .reg file merged by regedit
    UnknownRegistration,          ///< %1: a registration field that means nothing
    ProtectedSystemFile,          ///< %1: a Windows file that Inno Setup refuses to install
    SystemOnlyRegistration,       ///< %1: a file registered only in the system folder
    SharedSelfRegisteringProgram, ///< %1: a program in the system folder that registers itself
    SystemFileKept,               ///< %1: a $(WinSysPathSysFile) file, shared and never removed
    SystemFolderShared,           ///< %1: a file of the system folder, now shared
    StartMenuGroup,               ///< %1: the group named as the Start menu itself
    RemoteNotRegistered,          ///< %1: a file of $(Remote), which is not registered
    LicenceFileNotRegistered,     ///< %1: a file of $(VBLRegister), which is not registered
    LicenceNotCarried,            ///< a [Licenses] entry, which is not carried over
    SetupLinesUnreadable,         ///< %1: the file of [Setup] lines, which cannot be read
    ExtraLinesUnreadable,         ///< %1: the file of lines to append, which cannot be read
    // Branch package: finding the package's files.
    FileNotFound,          ///< %1: a file found nowhere, where only the source folder was looked in
    FileNotFoundInOne,     ///< %1: a file found nowhere, %2: the other place looked in
    FileNotFoundInTwo,     ///< %1: a file found nowhere, %2 and %3: the other places looked in
    NoFileFound,           ///< %1: how many files the script installs, none of them found
    FilesTakenFromSupport, ///< %1: how many files, %2: the Support folder as the script names it
    FilesExtracted,        ///< %1: how many files, %2: the cabinets, %3: the folder written into
    FilesExpanded,         ///< %1: how many files, %2: the folder written into
    ArchiveUnreadable,     ///< %1: why, naming the cabinet or compressed file
    ExtractedFileDiffers,  ///< %1: the file kept as it was, %2: the archive it differs from
    UnsafeArchiveName,     ///< %1: a name that points outside the folder, %2: its archive
    ExtractWriteFailed,    ///< %1: why, naming the file that could not be written
    SourceNotInCodePage,   ///< %1: a Source folder that the script's code page cannot spell
};

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
