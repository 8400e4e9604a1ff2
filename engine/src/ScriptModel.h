#pragma once

// The script as plain data, between the reader of the setup list and the
// writers of each dialect. Texts from the list are kept as places in its bytes,
// which the model owns, so that a list of a million files costs little more
// than its own size. Folders keep the list's macro form: each writer spells
// the constants of its dialect.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tembrix/engine/ConversionInputs.h"
#include "tembrix/engine/Diagnostics.h"
#include "tembrix/platform/ProfileFile.h"

namespace tembrix {

/// A text of the model: a stretch of the list's bytes, or of the texts that
/// the reader had to make (a name that lost an "@" inside it).
struct TextRef {
    std::uint32_t offset = 0;
    std::uint16_t length = 0;
    bool made = false;

    bool empty() const { return length == 0; }
    /// The part from `at` on, at most `count` bytes long.
    TextRef part(std::size_t at, std::size_t count = std::string_view::npos) const {
        const std::size_t begin = std::min<std::size_t>(at, length);
        const std::size_t size = std::min<std::size_t>(count, length - begin);
        return {offset + static_cast<std::uint32_t>(begin), static_cast<std::uint16_t>(size), made};
    }
};

// A text of the model is at most a value of the list, and what a mend puts
// before it (ScriptModel::make): it must fit TextRef's length.
inline constexpr std::size_t kLongestMadePrefix = 16;
static_assert(kProfileValueLimit + kLongestMadePrefix <= 0xFFFF,
              "a value of the list, with what a mend adds, fits TextRef's 16-bit length");

/// The registration flag word of a file line.
enum class Registration : std::uint8_t { None, Server, TypeLibrary };

/// What became of a file entry.
enum class FileRole : std::uint8_t {
    Install,             ///< a file line
    DataAccessInstaller, ///< the data-access components' installer, run from {tmp}
    CommentedOut,        ///< a line that the compiler would refuse, kept as a comment
    OldSetupProgram,     ///< a file of the setup program that the list was made for: no line
};

/// Which program wrote the list: the Package and Deployment Wizard's sections
/// ([Bootstrap Files], [Setup1 Files], [IconGroups]) or the VB5 Setup
/// Wizard's ([BootStrap], [Files], shortcuts declared in the file entries).
enum class ListLayout : std::uint8_t { PackageWizard, Vb5SetupWizard };

/// Where a file goes, as far as the mends care.
enum class Place : std::uint8_t {
    Elsewhere,
    SystemFolder,      ///< {sys} itself
    BelowSystemFolder, ///< a folder below {sys}
    ApplicationFolder, ///< {app} or a folder below it
};

/// One File<n> of [Bootstrap Files] or [Setup1 Files] (of a VB5 list,
/// [BootStrap] or [Files]); its key is File + its place in the list, counted
/// from 1. The fields are named as the Package and Deployment Wizard numbers
/// them; a VB5 entry has its name, destination, registration and shared marker
/// in fields 3 to 6.
struct FileItem {
    TextRef name;                  ///< field 0 without "@"; of a VB5 list, the installed name
    TextRef packedName;            ///< of a VB5 list: the compressed file in the package (NAME.EX_)
    TextRef destination;           ///< field 1, in the list's macro form
    TextRef registration;          ///< field 2, as the list writes it
    bool sharedMarker = false;     ///< field 3 is not empty
    std::uint8_t fieldCount = 0;   ///< how many of those four fields the value has
    bool underLaterHeader = false; ///< found below a second header of the section's name

    // What the mends decide.
    FileRole role = FileRole::Install;
    Place place = Place::Elsewhere;
    Registration registered = Registration::None;
    bool restartReplace = false;
    bool neverUninstall = false;
    bool sharedFile = false;
    bool copyAlways = false; ///< copy over any version, asking before an older one replaces it
    /// Where the file was found: 0 beside the list (the model's sourcePrefix),
    /// n the folder ScriptModel::sourceFolders[n - 1].
    std::uint8_t sourceFolder = 0;
};

/// A section of files, walked as File1, File2, ... up to the first missing one.
struct FileSection {
    std::string_view name; ///< "Bootstrap Files" or "Setup1 Files"; "BootStrap" or "Files"
    std::vector<FileItem> items;
    std::uint32_t firstOrdinal = 0; ///< where its lines stand among the script's remarks
};

/// One shortcut: Icon<n>, Title<n>, StartIn<n> of its group's section; of a
/// VB5 list, the last two fields of a file entry, the program relative to the
/// application's folder as an Icon<n> is, and the program's folder to start in.
struct IconItem {
    TextRef programFile;   ///< Icon<n> as the lookup gives it
    TextRef caption;       ///< Title<n>
    TextRef workingFolder; ///< StartIn<n>, in the list's macro form
    /// Icon<n>, Title<n>, StartIn<n> found below a second header of the group's name.
    bool underLaterHeader[3] = {false, false, false};
    std::uint32_t fileEntry =
        0; ///< of a VB5 list: the n of the File<n> in [Files] that declares it

    // What the mends decide.
    TextRef program;   ///< the program that the shortcut starts
    TextRef arguments; ///< its command-line arguments, or empty
};

/// Where an icon group's shortcuts go; each writer spells it.
enum class GroupFolder : std::uint8_t {
    Group,         ///< the folder that the user chooses, DefaultGroupName
    Programs,      ///< the Start menu's Programs folder itself
    StartMenu,     ///< the Start menu itself
    BelowPrograms, ///< the folder `folderName` of the Programs folder
};

/// An icon group: Group<n> of [IconGroups] and the section of that name; of a
/// VB5 list, the one group [Setup] DefProgramGroup names.
struct IconGroup {
    std::string key; ///< "Group0"
    TextRef name;    ///< its value, which also names the section of its icons
    bool underLaterHeader = false;
    GroupFolder folder = GroupFolder::Group; ///< where its shortcuts go
    TextRef folderName;                      ///< of GroupFolder::BelowPrograms
    std::vector<IconItem> items;
    std::uint32_t firstOrdinal = 0;
};

/// A program that Setup starts once the files are in place.
struct RunItem {
    enum class Kind : std::uint8_t {
        DataAccessInstaller,
        SelfRegistration,
        RegistryMerge,
        SelfUnregistration, ///< in [UninstallRun], before the files are removed
    };
    Kind kind = Kind::DataAccessInstaller;
    /// The program, or the file whose field 2 names the .reg (not of the
    /// data-access installer): its index in [Bootstrap Files] when
    /// `runtimeFile`, else in [Setup1 Files].
    bool runtimeFile = false;
    std::uint32_t file = 0;
};

struct ScriptModel {
    std::string listBytes; ///< the setup list as read; most TextRefs point here
    std::string madeBytes; ///< the texts the reader made
    ListLayout layout = ListLayout::PackageWizard;

    // [Setup]
    bool hasSetupSection = false;
    TextRef title;
    bool titleUnderLaterHeader = false;
    TextRef defaultDir; ///< in the list's macro form
    bool defaultDirUnderLaterHeader = false;
    std::string version;
    std::string outputDir;
    std::string installerName; ///< the user's choice, or empty for the title
    std::string setupLinesPath;
    std::optional<std::string> setupLines; ///< nothing when the file cannot be read
    std::string sourcePrefix;              ///< put in front of every Source name
    std::string cabinetFile;               ///< [Bootstrap] CabFile, the package's first cabinet
    std::uint32_t cabinetCount = 0;        ///< [Bootstrap] Cabs
    /// The Source folders, as the script spells them with their trailing
    /// "\", of files that lie elsewhere than beside the list.
    std::vector<std::string> sourceFolders;
    std::size_t licenceCount = 0; ///< License1, License2, ... of [Licenses]

    // What the mends decide for [Setup].
    TextRef defaultGroupName;
    std::string outputBaseFilename;

    bool includeRuntimeFiles = true;
    FileSection runtimeFiles;
    FileSection applicationFiles;
    std::vector<IconGroup> iconGroups;
    std::vector<RunItem> runs;
    std::vector<RunItem> uninstallRuns;

    bool addExtraLines = false;
    std::string extraLinesPath;
    std::optional<std::string> extraLines; ///< nothing when not asked for or unreadable

    /// The remarks, in the order the mends made them, each with the ordinal
    /// of the line it is about.
    Diagnostics diagnostics;
    std::vector<std::uint32_t> diagnosticOrdinals;

    // Ordinals of the [Setup] lines; files and icons come after them.
    static constexpr std::uint32_t kTitleOrdinal = 0;
    static constexpr std::uint32_t kDefaultDirOrdinal = 1;
    static constexpr std::uint32_t kGroupOrdinal = 2;
    static constexpr std::uint32_t kInstallerNameOrdinal = 3;
    static constexpr std::uint32_t kSetupLinesOrdinal = 4;
    static constexpr std::uint32_t kLicencesOrdinal = 5;
    static constexpr std::uint32_t kFirstEntryOrdinal = 6;
    static constexpr std::uint32_t kExtraLinesOrdinal = 0xFFFFFFFFu;

    /// The writers' alone: the mends keep folders in macro form, whatever the dialect.
    ScriptDialect dialect = ScriptDialect::Classic;

    /// An argument of a remark that quotes a folder in macro form, which the
    /// dialect's writer spells as its script does.
    struct FolderArgument {
        std::size_t remark = 0;
        std::size_t argument = 0;
        bool defaultFolder = false; ///< the installation folder, which may take other constants
    };
    std::vector<FolderArgument> folderArguments;

    const FileItem& fileOf(const RunItem& run) const {
        return (run.runtimeFile ? runtimeFiles : applicationFiles).items[run.file];
    }

    std::string_view text(TextRef ref) const {
        return std::string_view(ref.made ? madeBytes : listBytes).substr(ref.offset, ref.length);
    }

    /// A text that a mend makes, kept beside the reader's; at most a value of
    /// the list and kLongestMadePrefix bytes long.
    TextRef make(std::string_view made) {
        const TextRef ref{static_cast<std::uint32_t>(madeBytes.size()),
                          static_cast<std::uint16_t>(made.size()), true};
        madeBytes.append(made);
        return ref;
    }

    void report(std::uint32_t ordinal, DiagnosticCode code, std::string_view section,
                std::string_view key, std::vector<std::string> arguments = {}) {
        diagnosticOrdinals.push_back(ordinal);
        diagnostics.push_back({diagnosticKindOf(code), code, std::string(section), std::string(key),
                               std::move(arguments)});
    }

    /// The last remark's argument at `argument` is a folder in macro form.
    void quotesFolder(std::size_t argument, bool defaultFolder = false) {
        folderArguments.push_back({diagnostics.size() - 1, argument, defaultFolder});
    }
};

/// What the script's Source names in front of the file's name.
inline std::string_view sourceFolderOf(const ScriptModel& model, const FileItem& item) {
    return item.sourceFolder == 0 ? std::string_view(model.sourcePrefix)
                                  : std::string_view(model.sourceFolders[item.sourceFolder - 1]);
}

/// `prefix` ("File", "Icon", "Title", "StartIn") + the number of the item at
/// `index`, counted from 1; `prefix` alone for the index npos.
std::string entryKey(std::string_view prefix, std::size_t index);

/// Takes the model's remarks out in the order of the script's lines; within
/// one line, in the order the mends made them.
Diagnostics takeSortedDiagnostics(ScriptModel& model);

} // namespace tembrix
