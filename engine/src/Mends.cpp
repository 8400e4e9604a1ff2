#include "Mends.h"

#include <array>
#include <cctype>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "FolderMacros.h"
#include "RecentCache.h"
#include "ScriptText.h"
#include "tembrix/engine/MacroTranslation.h"
#include "tembrix/platform/Cp1252.h"

namespace tembrix {

namespace {

using enum DiagnosticCode;

constexpr std::string_view kDataAccessInstaller = "MDAC_TYP.EXE";

// Names compared without letter case. Most names are of another length than
// every listed one, which spares comparing them one by one.
template <std::size_t N> struct NameList {
    std::array<std::string_view, N> names;
    std::size_t shortest = 0, longest = 0;

    constexpr explicit NameList(const std::array<std::string_view, N>& listed) : names(listed) {
        shortest = std::ranges::min(names, {}, &std::string_view::size).size();
        longest = std::ranges::max(names, {}, &std::string_view::size).size();
    }
    bool contains(std::string_view name) const {
        return name.size() >= shortest && name.size() <= longest &&
               std::ranges::any_of(names, [name](std::string_view listed) {
                   return equalsIgnoringCase(listed, name);
               });
    }
};

// Windows files that the compiler refuses to install in the system folder.
constexpr NameList kProtectedSystemFiles(std::array<std::string_view, 14>{
    "ADVAPI32.DLL", "COMCTL32.DLL", "COMDLG32.DLL", "GDI32.DLL", "KERNEL32.DLL", "MSCOREE.DLL",
    "RICHED32.DLL", "SHDOCVW.DLL", "SHELL32.DLL", "SHLWAPI.DLL", "URLMON.DLL", "USER32.DLL",
    "UXTHEME.DLL", "WININET.DLL"});

// Files that the compiler refuses to register outside the system folder.
constexpr NameList kSystemOnlyRegistered(std::array<std::string_view, 6>{
    "COMCAT.DLL", "MSVBVM50.DLL", "MSVBVM60.DLL", "OLEAUT32.DLL", "OLEPRO32.DLL", "STDOLE2.TLB"});

// Calls onFile(section, index, item) for every file entry, runtime files first.
template <typename OnFile> void forEachFile(ScriptModel& model, OnFile&& onFile) {
    for (FileSection* files : {&model.runtimeFiles, &model.applicationFiles})
        for (std::size_t i = 0; i < files->items.size(); ++i)
            onFile(*files, i, files->items[i]);
}

// The same for the files that get a line of their own.
template <typename OnFile> void forEachFileLine(ScriptModel& model, OnFile&& onFile) {
    forEachFile(model, [&](FileSection& files, std::size_t i, FileItem& item) {
        if (item.role != FileRole::DataAccessInstaller && item.role != FileRole::OldSetupProgram)
            onFile(files, i, item);
    });
}

template <typename OnIcon> void forEachIcon(ScriptModel& model, OnIcon&& onIcon) {
    for (IconGroup& group : model.iconGroups)
        for (std::size_t i = 0; i < group.items.size(); ++i)
            onIcon(group, i, group.items[i]);
}

std::string_view sectionOf(const ScriptModel& model, const IconGroup& group) {
    return model.text(group.name);
}

// A folder with today's constants, for the mends to judge where it lies; the
// remarks quote folders in macro form, which the writer spells.
std::string translatedFolder(const ScriptModel& model, TextRef folder) {
    std::string out;
    appendFolderMacrosTranslated(out, model.text(folder));
    return out;
}

// ---- The list's own rules ----------------------------------------------

Registration registrationOf(std::string_view field) {
    const std::string_view flag = RegistrationFlag(field);
    if (flag.empty())
        return Registration::None;
    return flag == "regtypelib " ? Registration::TypeLibrary : Registration::Server;
}

// The run-time files are the system's: replaced at the next start when in
// use, never removed. An application file that registers is copied whatever
// the versions, as the list's own setup did.
void applyListRules(ScriptModel& model) {
    for (FileItem& item : model.runtimeFiles.items) {
        item.restartReplace = item.neverUninstall = true;
        item.registered = registrationOf(model.text(item.registration));
        item.sharedFile = item.sharedMarker;
    }
    for (FileItem& item : model.applicationFiles.items) {
        item.registered = registrationOf(model.text(item.registration));
        item.sharedFile = item.sharedMarker;
        item.copyAlways = !item.registration.empty();
    }
    for (IconGroup& group : model.iconGroups)
        for (IconItem& icon : group.items)
            icon.program = icon.programFile;
    model.defaultGroupName = model.iconGroups.empty() ? TextRef() : model.iconGroups[0].name;
}

// The VB5 Setup Wizard's own setup program, its setup kit and its uninstaller
// are what Inno Setup's installer replaces: they get no line, as the
// bootstrap's Setup1.exe of the later lists has none.
constexpr NameList kOldSetupProgram(std::array<std::string_view, 3>{"setup1.exe", "VB5StKit.dll",
                                                                    "ST5UNST.EXE"});

void leaveOutOldSetupProgram(ScriptModel& model) {
    if (model.layout != ListLayout::Vb5SetupWizard)
        return;
    forEachFile(model, [&](const FileSection&, std::size_t, FileItem& item) {
        if (kOldSetupProgram.contains(baseNameOf(model.text(item.name))))
            item.role = FileRole::OldSetupProgram;
    });
}

// The data-access components come as an installer of their own, which runs
// from {tmp} before anything registers.
void installDataAccessComponents(ScriptModel& model) {
    bool found = false;
    for (FileItem& item : model.applicationFiles.items)
        if (model.text(item.name) == kDataAccessInstaller) {
            item.role = FileRole::DataAccessInstaller;
            found = true;
        }
    if (found)
        model.runs.insert(model.runs.begin(), RunItem{RunItem::Kind::DataAccessInstaller});
}

// ---- What looks wrong in the list ----------------------------------------

// Windows reads a key only from the first section of a name; this reader goes
// on to the later ones, which is worth saying. Short entries and a missing
// title are the list's faults too.
void reportListFaults(ScriptModel& model) {
    const auto repeated = [&model](std::uint32_t ordinal, std::string_view section,
                                   std::string_view key) {
        model.report(ordinal, RepeatedSection, section, key, {std::string(section)});
    };
    if (!model.hasSetupSection) {
        model.report(ScriptModel::kTitleOrdinal, NoSetupSection, "Setup", "");
    } else {
        if (model.title.empty())
            model.report(ScriptModel::kTitleOrdinal, TitleMissing, "Setup", "Title");
        if (model.titleUnderLaterHeader)
            repeated(ScriptModel::kTitleOrdinal, "Setup", "Title");
        if (model.defaultDirUnderLaterHeader)
            repeated(ScriptModel::kDefaultDirOrdinal, "Setup", "DefaultDir");
    }
    for (const IconGroup& group : model.iconGroups)
        if (group.underLaterHeader)
            repeated(ScriptModel::kGroupOrdinal, "IconGroups", group.key);
    forEachFile(model, [&](const FileSection& files, std::size_t i, const FileItem& item) {
        const std::uint32_t ordinal = files.firstOrdinal + static_cast<std::uint32_t>(i);
        if (item.underLaterHeader)
            repeated(ordinal, files.name, entryKey("File", i));
        if (item.fieldCount == 1)
            model.report(ordinal, OneField, files.name, entryKey("File", i));
        else if (item.fieldCount < 4)
            model.report(ordinal, TooFewFields, files.name, entryKey("File", i),
                         {std::to_string(item.fieldCount)});
    });
    forEachIcon(model, [&](const IconGroup& group, std::size_t i, const IconItem& icon) {
        static constexpr std::string_view kKeys[] = {"Icon", "Title", "StartIn"};
        for (std::size_t k = 0; k < 3; ++k)
            if (icon.underLaterHeader[k])
                repeated(group.firstOrdinal + static_cast<std::uint32_t>(i),
                         sectionOf(model, group), entryKey(kKeys[k], i));
    });
}

// ---- Shortcuts -----------------------------------------------------------

// The setup list writes a program name with blanks as Icon1=""My App.exe"";
// the lookup removes only the outer pair. A quoted program with arguments
// after it (Icon1="SYN.EXE" /config) keeps its quotes in the lookup, since the
// value does not end in one: the name inside them is the program.
void removeListQuotes(ScriptModel& model) {
    forEachIcon(model, [&](const IconGroup& group, std::size_t i, IconItem& icon) {
        const std::string_view command = model.text(icon.programFile);
        if (command.size() < 2 || command.front() != '"')
            return;
        const std::size_t close = command.back() == '"' ? command.size() - 1 : command.find('"', 1);
        if (close == std::string_view::npos)
            return;
        icon.program = icon.programFile.part(1, close - 1);
        std::size_t begin = close + 1;
        while (begin < command.size() && command[begin] == ' ')
            ++begin;
        icon.arguments = icon.programFile.part(begin);
        model.report(group.firstOrdinal + static_cast<std::uint32_t>(i), ListQuotesRemoved,
                     sectionOf(model, group), entryKey("Icon", i),
                     {std::string(model.text(icon.program))});
    });
}

void reportArguments(ScriptModel& model, const IconGroup& group, std::size_t i,
                     const IconItem& icon) {
    model.report(group.firstOrdinal + static_cast<std::uint32_t>(i), ShortcutArguments,
                 sectionOf(model, group), entryKey("Icon", i),
                 {std::string(model.text(icon.arguments)), std::string(model.text(icon.program))});
}

// An icon's program may carry its command-line arguments ("Loader.exe /X").
// The shortcut needs the program alone, so the text is cut after the first
// ".exe" that a blank follows; the rest, without its leading blanks, is the
// arguments.
void splitShortcutArguments(ScriptModel& model) {
    forEachIcon(model, [&](const IconGroup& group, std::size_t i, IconItem& icon) {
        if (!icon.arguments.empty()) {
            reportArguments(model, group, i, icon);
            return;
        }
        const std::string_view command = model.text(icon.program);
        for (std::size_t at = 0; at + 5 <= command.size(); ++at) {
            if (command[at + 4] != ' ' || !equalsIgnoringCase(command.substr(at, 4), ".exe"))
                continue;
            std::size_t begin = at + 5;
            while (begin < command.size() && command[begin] == ' ')
                ++begin;
            icon.arguments = icon.program.part(begin);
            icon.program = icon.program.part(0, at + 4);
            if (!icon.arguments.empty())
                model.report(group.firstOrdinal + static_cast<std::uint32_t>(i), ShortcutArguments,
                             sectionOf(model, group), entryKey("Icon", i),
                             {std::string(model.text(icon.arguments)),
                              std::string(model.text(icon.program))});
            return;
        }
    });
}

// ---- Registrations -------------------------------------------------------

// RegSvr32 cannot register a type library, nor an object library, which is
// one too; its failure would make Setup roll the whole installation back.
bool isTypeLibrary(std::string_view name) {
    return endsWithIgnoringCase(name, ".tlb") || endsWithIgnoringCase(name, ".olb");
}

void registerTypeLibraries(ScriptModel& model) {
    forEachFileLine(model, [&](const FileSection& files, std::size_t i, FileItem& item) {
        const std::uint32_t ordinal = files.firstOrdinal + static_cast<std::uint32_t>(i);
        const std::string_view name = model.text(item.name);
        if (item.registered == Registration::Server && isTypeLibrary(name)) {
            item.registered = Registration::TypeLibrary;
            model.report(ordinal, TypeLibraryRegistered, files.name, entryKey("File", i),
                         {std::string(baseNameOf(name))});
        } else if (equalsIgnoringCase(model.text(item.registration), "$(DLLSelfRegisterEx)")) {
            model.report(ordinal, SelfRegisterEx, files.name, entryKey("File", i));
        }
    });
}

// ---- Folders -------------------------------------------------------------

bool beginsWithDrive(std::string_view folder) {
    const unsigned char first = folder.empty() ? 0 : static_cast<unsigned char>(folder.front());
    return folder.size() >= 2 && folder[1] == ':' && first < 0x80 && std::isalpha(first);
}

// Setup takes a destination that names a folder alone (ACHTERGRONDEN) from its
// own current folder, which may be the system folder: the list means a folder
// of the application. A destination on a drive fails where the drive is not.
void rootBareDestinations(ScriptModel& model) {
    forEachFileLine(model, [&](const FileSection& files, std::size_t i, FileItem& item) {
        const std::string_view folder = model.text(item.destination);
        const std::uint32_t ordinal = files.firstOrdinal + static_cast<std::uint32_t>(i);
        if (beginsWithDrive(folder)) {
            model.report(ordinal, DestinationOnDrive, files.name, entryKey("File", i),
                         {std::string(folder), std::string(folder.substr(0, 2))});
            return;
        }
        if (folder.empty() || folder.starts_with("$(") || folder.front() == '{' ||
            folder.front() == '\\' || folder.front() == '/')
            return;
        static constexpr std::string_view kApplicationFolder = "$(AppPath)\\";
        static_assert(kApplicationFolder.size() <= kLongestMadePrefix);
        const std::string bare(folder);
        item.destination = model.make(std::string(kApplicationFolder) + bare);
        model.report(ordinal, BareDestination, files.name, entryKey("File", i), {bare});
    });
}

// Reports the macros of one folder.
class MacroReporter {
public:
    explicit MacroReporter(ScriptModel& model) : m_model(model) {}

    /// The folder with today's constants. The key is `prefix` + the number of
    /// the entry at `index`.
    std::string_view report(std::string_view folder, std::uint32_t ordinal,
                            std::string_view section, std::string_view prefix, std::size_t index) {
        const Translation& translation = m_translations.get(folder, [folder] {
            Translation made;
            std::vector<std::string_view> unknown;
            appendFolderMacrosTranslated(made.text, folder, &unknown);
            made.unknown.assign(unknown.begin(), unknown.end());
            made.commonFilesSystem = folder.find("$(CommonFilesSys)") != std::string_view::npos;
            return made;
        });
        if (translation.commonFilesSystem)
            m_model.report(ordinal, CommonFilesSystem, section, entryKey(prefix, index));
        for (std::string_view macro : translation.unknown)
            m_model.report(ordinal, UnknownFolderMacro, section, entryKey(prefix, index),
                           {std::string(macro)});
        return translation.text;
    }

private:
    struct Translation {
        std::string text;
        std::vector<std::string_view> unknown;
        bool commonFilesSystem = false;
    };
    ScriptModel& m_model;
    RecentCache<std::string_view, Translation> m_translations;
};

Place placeOf(std::string_view destination) {
    if (destination == "{sys}" || destination == "{sys}\\")
        return Place::SystemFolder;
    if (destination.starts_with("{sys}\\"))
        return Place::BelowSystemFolder;
    if (belowApplicationFolder(destination))
        return Place::ApplicationFolder;
    return Place::Elsewhere;
}

// Macros that the conversion does not know stay as they are, and are said;
// each file's place decides the mends of the system and application folders.
void translateFolders(ScriptModel& model) {
    MacroReporter macros(model);
    const std::string_view defaultDir = model.text(model.defaultDir);
    // Not an entry of a numbered list: its key is the prefix alone.
    macros.report(defaultDir, ScriptModel::kDefaultDirOrdinal, "Setup", "DefaultDir",
                  std::string_view::npos);
    forEachFileLine(model, [&](const FileSection& files, std::size_t i, FileItem& item) {
        item.place = placeOf(macros.report(model.text(item.destination),
                                           files.firstOrdinal + static_cast<std::uint32_t>(i),
                                           files.name, "File", i));
    });
}

// Setup resolves the default folder as it stands, so it must be rooted in a
// constant; an unknown macro in it has been reported already.
void checkDefaultFolder(ScriptModel& model) {
    const std::string folder = translatedFolder(model, model.defaultDir);
    if (folder.empty() || folder.front() == '{' || folder.front() == '\\' ||
        folder.starts_with("$("))
        return;
    const std::string listed(model.text(model.defaultDir));
    if (beginsWithDrive(folder))
        model.report(ScriptModel::kDefaultDirOrdinal, DefaultFolderOnDrive, "Setup", "DefaultDir",
                     {listed, folder.substr(0, 2)});
    else
        model.report(ScriptModel::kDefaultDirOrdinal, DefaultFolderRelative, "Setup", "DefaultDir",
                     {listed});
    model.quotesFolder(0, true);
}

// "$(Programs)" is the Start menu's Programs folder itself and "$(Start Menu)"
// the Start menu, not folders of those names; their icons are still read from
// the sections of those names. Groups after the first have no {group} of
// their own: they go into the Programs folder under their name.
void placeIconGroups(ScriptModel& model) {
    for (std::size_t n = 0; n < model.iconGroups.size(); ++n) {
        IconGroup& group = model.iconGroups[n];
        const std::string_view name = model.text(group.name);
        std::optional<DiagnosticCode> why;
        if (equalsIgnoringCase(name, "$(Programs)")) {
            group.folder = GroupFolder::Programs;
            why = ProgramsGroup;
        } else if (equalsIgnoringCase(name, "$(Start Menu)")) {
            group.folder = GroupFolder::StartMenu;
            why = StartMenuGroup;
        } else if (n != 0) {
            group.folder = GroupFolder::BelowPrograms;
            group.folderName = group.name;
        }
        if (!why)
            continue;
        if (n == 0)
            model.defaultGroupName = model.title;
        model.report(ScriptModel::kGroupOrdinal, *why, "IconGroups", group.key,
                     {std::string(name)});
    }
}

// `path` without the dots and blanks that end each of its first `count`
// names, as Windows drops them; a name of dots alone ("..") stays. Each name
// changed is added to `changed`, as it was and as it becomes.
std::string asWindowsNamesFolders(std::string_view path, std::size_t count,
                                  std::vector<std::pair<std::string, std::string>>& changed) {
    std::string out;
    for (std::size_t begin = 0, n = 0;; ++n) {
        const std::size_t end = std::min(path.find('\\', begin), path.size());
        std::string_view name = path.substr(begin, end - begin);
        const std::size_t last = name.find_last_not_of(". ");
        if (n < count && last != std::string_view::npos && last + 1 < name.size()) {
            changed.emplace_back(name, name.substr(0, last + 1));
            name = name.substr(0, last + 1);
        }
        out.append(name);
        if (end == path.size())
            return out;
        out.push_back('\\');
        begin = end + 1;
    }
}

// Windows makes a folder named "Diseño." as "Diseño", so the shortcuts and the
// files would not land where the script says: the default folder, the groups
// and the folder part of a shortcut's name are written as Windows makes them.
void writeFolderNamesAsWindows(ScriptModel& model) {
    const auto mend = [&model](TextRef& text, std::size_t count, std::uint32_t ordinal,
                               std::string_view section, std::string_view key) {
        std::vector<std::pair<std::string, std::string>> changed;
        const std::string made = asWindowsNamesFolders(model.text(text), count, changed);
        if (changed.empty())
            return;
        text = model.make(made);
        for (auto& [was, becomes] : changed)
            model.report(ordinal, WindowsFolderName, section, key, {was, becomes});
    };
    const std::size_t all = std::string_view::npos;
    mend(model.defaultDir, all, ScriptModel::kDefaultDirOrdinal, "Setup", "DefaultDir");
    if (!model.iconGroups.empty() && model.iconGroups[0].folder == GroupFolder::Group)
        mend(model.defaultGroupName, all, ScriptModel::kGroupOrdinal, "IconGroups",
             model.iconGroups[0].key);
    else
        mend(model.defaultGroupName, all, ScriptModel::kTitleOrdinal, "Setup", "Title");
    for (IconGroup& group : model.iconGroups)
        if (group.folder == GroupFolder::BelowPrograms)
            mend(group.folderName, all, ScriptModel::kGroupOrdinal, "IconGroups", group.key);
    forEachIcon(model, [&](const IconGroup& group, std::size_t i, IconItem& icon) {
        // The last name is the shortcut's own, which Setup ends with ".lnk".
        mend(icon.caption, std::ranges::count(model.text(icon.caption), '\\'),
             group.firstOrdinal + static_cast<std::uint32_t>(i), sectionOf(model, group),
             entryKey("Title", i));
    });
}

// The installer's name as the user chose it, without its ".exe" in any letter
// case; an empty name (or ".exe" alone) gives the setup list's title. A file
// name cannot hold some characters.
void cleanInstallerName(ScriptModel& model) {
    std::string_view stem = model.installerName;
    if (endsWithIgnoringCase(stem, ".exe"))
        stem.remove_suffix(4);
    const std::string_view title = model.text(model.title);
    if (stem.empty())
        stem = title;
    std::string baseName(stem);
    for (char& c : baseName)
        if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    if (baseName != stem) {
        // Only a name that comes from the title is the setup list's doing.
        const bool fromTitle = stem == title;
        model.report(ScriptModel::kInstallerNameOrdinal, InstallerNameCleaned,
                     fromTitle ? "Setup" : "", fromTitle ? "Title" : "", {baseName});
    }
    model.outputBaseFilename = std::move(baseName);
}

// A file line that the compiler would reject is kept as a comment, so that the
// script still compiles and the reader sees what was left out.
void commentOutRefusedFiles(ScriptModel& model) {
    forEachFileLine(model, [&](const FileSection& files, std::size_t i, FileItem& item) {
        const std::string_view name = baseNameOf(model.text(item.name));
        std::optional<DiagnosticCode> why;
        if (item.place == Place::SystemFolder) {
            if (kProtectedSystemFiles.contains(name))
                why = ProtectedSystemFile;
        } else if (item.registered != Registration::None && kSystemOnlyRegistered.contains(name)) {
            why = SystemOnlyRegistration;
        }
        if (!why)
            return;
        item.role = FileRole::CommentedOut;
        model.report(files.firstOrdinal + static_cast<std::uint32_t>(i), *why, files.name,
                     entryKey("File", i), {std::string(name)});
    });
}

// Registrations that no file flag can express run once the files are in
// place: a program that registers itself, and a .reg file to merge. A
// registration field that means nothing to the conversion is reported.
void runRegistrations(ScriptModel& model) {
    forEachFileLine(model, [&](const FileSection& files, std::size_t i, FileItem& item) {
        if (item.role != FileRole::Install)
            return;
        const std::uint32_t ordinal = files.firstOrdinal + static_cast<std::uint32_t>(i);
        const std::string_view registration = model.text(item.registration);
        if (registration.empty())
            return;
        const auto name = [&] { return std::string(baseNameOf(model.text(item.name))); };
        const auto run = [&](RunItem::Kind kind) {
            return RunItem{kind, &files == &model.runtimeFiles, static_cast<std::uint32_t>(i)};
        };
        if (equalsIgnoringCase(registration, "$(EXESelfRegister)")) {
            model.runs.push_back(run(RunItem::Kind::SelfRegistration));
            // In the system folder it may serve other programs, which still
            // need it and its registration after this one has gone.
            if (item.place == Place::SystemFolder || item.place == Place::BelowSystemFolder) {
                item.neverUninstall = true;
                model.report(ordinal, SharedSelfRegisteringProgram, files.name, entryKey("File", i),
                             {name()});
            } else {
                model.uninstallRuns.push_back(run(RunItem::Kind::SelfUnregistration));
                model.report(ordinal, SelfRegisteringProgram, files.name, entryKey("File", i),
                             {name()});
            }
        } else if (endsWithIgnoringCase(registration, ".reg")) {
            model.runs.push_back(run(RunItem::Kind::RegistryMerge));
            model.report(ordinal, RegistryFileMerged, files.name, entryKey("File", i),
                         {std::string(registration)});
        } else if (equalsIgnoringCase(registration, "$(Remote)")) {
            model.report(ordinal, RemoteNotRegistered, files.name, entryKey("File", i), {name()});
        } else if (equalsIgnoringCase(registration, "$(VBLRegister)")) {
            model.report(ordinal, LicenceFileNotRegistered, files.name, entryKey("File", i),
                         {name()});
        } else if (item.registered == Registration::None) {
            model.report(ordinal, UnknownRegistration, files.name, entryKey("File", i),
                         {std::string(registration)});
        }
    });
}

// ---- What the shortcuts need of the files ---------------------------------

// The folder below {app} where an installed file lands, folded, without the
// separators around it: its destination's part below {app} and the folder in
// its name. Files come in runs of one folder, so the last answer is kept.
class ApplicationFolders {
public:
    explicit ApplicationFolders(const ScriptModel& model) : m_model(model) {}

    /// Nothing for a file that lands elsewhere.
    const std::string* of(const FileItem& item) {
        if (item.role != FileRole::Install || item.place != Place::ApplicationFolder)
            return nullptr;
        const std::string_view name = m_model.text(item.name);
        const std::size_t slash = name.rfind('\\');
        const std::string_view inName =
            slash == std::string_view::npos ? std::string_view() : name.substr(0, slash);
        return &m_folders.get({m_model.text(item.destination), inName}, [&] {
            const std::string translated = translatedFolder(m_model, item.destination);
            std::string made =
                lowerCased(belowApplicationFolder(translated).value_or(std::string_view()));
            if (!inName.empty())
                made.append(made.empty() ? "" : "\\").append(lowerCased(inName));
            return made;
        });
    }

private:
    const ScriptModel& m_model;
    RecentCache<std::pair<std::string_view, std::string_view>, std::string> m_folders;
};

// Names compared as Windows compares file names, without a copy of each.
struct FoldedHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        std::size_t hash = 0xcbf29ce484222325ULL;
        for (char c : text)
            hash = (hash ^ static_cast<unsigned char>(lowerCased(c))) * 0x100000001b3ULL;
        return hash;
    }
};
struct FoldedEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
        return equalsIgnoringCase(a, b);
    }
};
using FoldedSet = std::unordered_set<std::string, FoldedHash, FoldedEqual>;

// A program's place below {app} and its name, as one folded text.
std::string installedKey(std::string_view folder, std::string_view name) {
    return lowerCased(folder).append("\\").append(lowerCased(name));
}

std::string_view folderOfProgram(std::string_view program) {
    const std::size_t slash = program.rfind('\\');
    return slash == std::string_view::npos ? std::string_view() : program.substr(0, slash);
}

// The programs that the shortcuts start must be among the files that go below
// {app}. Only the files whose name a shortcut names are looked at closely, so
// that a list of a million files costs one pass over them.
void checkShortcutPrograms(ScriptModel& model) {
    FoldedSet names;
    std::vector<bool> lengths(256); // of those names: most files are passed over by it
    forEachIcon(model, [&](const IconGroup&, std::size_t, const IconItem& icon) {
        const std::string_view name = baseNameOf(model.text(icon.program));
        names.emplace(name);
        lengths[name.size() & 0xFF] = true;
    });
    std::unordered_set<std::string> installed;
    ApplicationFolders folders(model);
    if (!model.iconGroups.empty())
        forEachFile(model, [&](const FileSection&, std::size_t, const FileItem& item) {
            const std::string_view name = baseNameOf(model.text(item.name));
            if (!lengths[name.size() & 0xFF] || !names.contains(name))
                return;
            if (const std::string* folder = folders.of(item))
                installed.insert(installedKey(*folder, name));
        });
    forEachIcon(model, [&](const IconGroup& group, std::size_t i, const IconItem& icon) {
        const std::uint32_t ordinal = group.firstOrdinal + static_cast<std::uint32_t>(i);
        const std::string_view program = model.text(icon.program);
        if (program.empty())
            model.report(ordinal, NoProgram, sectionOf(model, group), entryKey("Icon", i));
        else if (!installed.contains(installedKey(folderOfProgram(program), baseNameOf(program))))
            model.report(ordinal, ProgramNotInstalled, sectionOf(model, group), entryKey("Icon", i),
                         {std::string(program)});
    });
}

// Setup creates a folder below {app} only for the files it installs there.
void checkWorkingFolders(ScriptModel& model) {
    MacroReporter macros(model);
    // The working folders below {app} that the shortcuts name, folded.
    std::unordered_map<std::string, bool> populated;
    std::vector<std::string> spelled;
    forEachIcon(model, [&](const IconGroup& group, std::size_t i, const IconItem& icon) {
        macros.report(model.text(icon.workingFolder),
                      group.firstOrdinal + static_cast<std::uint32_t>(i), sectionOf(model, group),
                      "StartIn", i);
        spelled.push_back(translatedFolder(model, icon.workingFolder));
        if (const auto below = belowApplicationFolder(spelled.back()); below && !below->empty())
            populated.emplace(lowerCased(*below), false);
    });
    if (!populated.empty()) {
        ApplicationFolders folders(model);
        std::optional<std::string> previous; // files come in runs of one folder
        forEachFile(model, [&](const FileSection&, std::size_t, const FileItem& item) {
            const std::string* folder = folders.of(item);
            if (!folder || (previous && *folder == *previous))
                return;
            previous = *folder;
            // The folder and every folder above it exist once a file is there.
            for (std::size_t end = folder->size(); end != 0 && end != std::string::npos;
                 end = folder->rfind('\\', end - 1))
                if (auto found = populated.find(folder->substr(0, end)); found != populated.end())
                    found->second = true;
        });
    }
    std::size_t next = 0;
    forEachIcon(model, [&](const IconGroup& group, std::size_t i, const IconItem& icon) {
        const std::string& folder = spelled[next++];
        const auto below = belowApplicationFolder(folder);
        if (!below || below->empty() || populated.at(lowerCased(*below)))
            return;
        model.report(group.firstOrdinal + static_cast<std::uint32_t>(i), WorkingFolderEmpty,
                     sectionOf(model, group), entryKey("StartIn", i),
                     {std::string(model.text(icon.workingFolder))});
        model.quotesFolder(0);
    });
}

// What the list puts into the system folder with $(WinSysPathSysFile) is a
// system file, as its own setup treated it: shared, replaced at the next start
// when in use, and never removed, since other programs use it too.
void keepSystemFiles(ScriptModel& model) {
    for (std::size_t i = 0; i < model.applicationFiles.items.size(); ++i) {
        FileItem& item = model.applicationFiles.items[i];
        if (item.role != FileRole::Install ||
            !model.text(item.destination).starts_with("$(WinSysPathSysFile)"))
            continue;
        item.restartReplace = item.neverUninstall = item.sharedFile = true;
        model.report(model.applicationFiles.firstOrdinal + static_cast<std::uint32_t>(i),
                     SystemFileKept, model.applicationFiles.name, entryKey("File", i),
                     {std::string(baseNameOf(model.text(item.name)))});
    }
}

// Another program may have put the same file into the system folder, and
// count on it: the uninstall must only lower the count that Windows keeps.
void shareSystemFolderFiles(ScriptModel& model) {
    forEachFileLine(model, [&](const FileSection& files, std::size_t i, FileItem& item) {
        if (item.role != FileRole::Install || item.sharedFile ||
            (item.place != Place::SystemFolder && item.place != Place::BelowSystemFolder))
            return;
        item.sharedFile = true;
        // A file that is never removed loses nothing by it; only the count is new.
        if (!item.neverUninstall)
            model.report(files.firstOrdinal + static_cast<std::uint32_t>(i), SystemFolderShared,
                         files.name, entryKey("File", i),
                         {std::string(baseNameOf(model.text(item.name)))});
    });
}

// What the installer will not do is said: it has no licences to register.
void reportLicences(ScriptModel& model) {
    for (std::size_t i = 0; i < model.licenceCount; ++i)
        model.report(ScriptModel::kLicencesOrdinal, LicenceNotCarried, "Licenses",
                     entryKey("License", i));
}

// A file of lines that was asked for and cannot be read is said, rather than
// left out without a word. Paths are UTF-8; the remarks are Windows-1252.
void reportUnreadableLines(ScriptModel& model) {
    const auto shown = [](const std::string& path) {
        return isUtf8(path) ? cp1252FromUtf8(path) : path;
    };
    if (!model.setupLinesPath.empty() && !model.setupLines)
        model.report(ScriptModel::kSetupLinesOrdinal, SetupLinesUnreadable, "", "",
                     {shown(model.setupLinesPath)});
    if (model.addExtraLines && !model.extraLines)
        model.report(ScriptModel::kExtraLinesOrdinal, ExtraLinesUnreadable, "", "",
                     {shown(model.extraLinesPath)});
}

// A VB5 list declares its shortcuts in its file entries and its group in
// [Setup]: what the mends say of them is said of those entries.
void nameVb5Entries(ScriptModel& model) {
    if (model.layout != ListLayout::Vb5SetupWizard || model.iconGroups.empty())
        return;
    const IconGroup& group = model.iconGroups.front();
    for (std::size_t d = 0; d < model.diagnostics.size(); ++d) {
        Diagnostic& diagnostic = model.diagnostics[d];
        std::uint32_t& ordinal = model.diagnosticOrdinals[d];
        if (ordinal == ScriptModel::kGroupOrdinal && diagnostic.section == "IconGroups") {
            diagnostic.section = "Setup";
            diagnostic.key = "DefProgramGroup";
            for (std::string& argument : diagnostic.arguments)
                if (argument == "IconGroups")
                    argument = "Setup";
        } else if (ordinal >= group.firstOrdinal &&
                   ordinal - group.firstOrdinal < group.items.size()) {
            const std::uint32_t entry = group.items[ordinal - group.firstOrdinal].fileEntry;
            diagnostic.section = model.applicationFiles.name;
            diagnostic.key = entryKey("File", entry - 1);
            ordinal = model.applicationFiles.firstOrdinal + entry - 1;
        }
    }
}

// Each row's contract: what the mend reads -> what it sets. A mend reads only
// the model, never the list, and never the dialect.
constexpr Mend kMends[] = {
    // registrations, shared markers, icons' programs -> flags, registered, program, group name
    {"list rules", applyListRules},
    // a VB5 list's files -> the old setup program's own ones left out
    {"old setup program", leaveOutOldSetupProgram},
    // application files' names -> the data-access installer's role and its run
    {"data-access installer", installDataAccessComponents},
    // what the reader found (headers, field counts, title) -> remarks only
    {"list faults", reportListFaults},
    // icons' programs as listed -> program and arguments without the list's quotes
    {"list quotes", removeListQuotes},
    // program, arguments (after "list quotes") -> the program cut at ".exe", its arguments
    {"shortcut arguments", splitShortcutArguments},
    // registered (after "list rules"), names -> type libraries registered as such
    {"type libraries", registerTypeLibraries},
    // destinations as listed -> a folder alone made a folder below {app}
    {"bare destinations", rootBareDestinations},
    // destinations (after "bare destinations"), default folder -> each file's place
    {"folder macros", translateFolders},
    // default folder as listed -> remarks only
    {"default folder", checkDefaultFolder},
    // groups' names, title -> each group's folder, the group name ("list rules" set it first)
    {"icon groups", placeIconGroups},
    // default folder, group name, group folders (after "icon groups"), captions -> names
    // without the dots and blanks that Windows drops
    {"folder names", writeFolderNamesAsWindows},
    // the user's installer name, title -> OutputBaseFilename
    {"installer name", cleanInstallerName},
    // place (after "folder macros"), registered, names -> refused lines made comments
    {"refused files", commentOutRefusedFiles},
    // role (after "refused files"), place, registration -> [Run] and [UninstallRun] lines
    {"registration runs", runRegistrations},
    // role, destinations -> system files kept, shared, replaced at restart
    {"system files", keepSystemFiles},
    // role, place, sharedFile, neverUninstall (after "system files") -> files of the system
    // folder shared
    {"shared system folder", shareSystemFolderFiles},
    // the count of licences -> remarks only
    {"licences", reportLicences},
    // the files of lines and whether they were read -> remarks only
    {"lines files", reportUnreadableLines},
    // programs (after "shortcut arguments"), role, place, destinations -> remarks only
    {"shortcut programs", checkShortcutPrograms},
    // working folders, role, place, destinations -> remarks only
    {"working folders", checkWorkingFolders},
    // a VB5 list's remarks on its group and shortcuts -> said of the entries that declare them
    {"VB5 entries", nameVb5Entries},
};

constexpr std::size_t indexOf(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kMends); ++i)
        if (kMends[i].name == name)
            return i;
    return std::size(kMends);
}

constexpr bool runsBefore(std::string_view earlier, std::string_view later) {
    return indexOf(earlier) < indexOf(later) && indexOf(later) < std::size(kMends);
}

// What the contracts above need of the order.
static_assert(runsBefore("list rules", "type libraries"));
static_assert(runsBefore("list rules", "icon groups"));
static_assert(runsBefore("list quotes", "shortcut arguments"));
static_assert(runsBefore("bare destinations", "folder macros"));
static_assert(runsBefore("folder macros", "refused files"));
static_assert(runsBefore("folder macros", "registration runs"));
static_assert(runsBefore("folder macros", "shared system folder"));
static_assert(runsBefore("folder macros", "shortcut programs"));
static_assert(runsBefore("folder macros", "working folders"));
static_assert(runsBefore("icon groups", "folder names"));
static_assert(runsBefore("refused files", "registration runs"));
static_assert(runsBefore("system files", "shared system folder"));
static_assert(runsBefore("shortcut arguments", "shortcut programs"));
static_assert(runsBefore("old setup program", "data-access installer"));
static_assert(runsBefore("working folders", "VB5 entries"));

} // namespace

void applyMends(ScriptModel& model) {
    for (const Mend& mend : kMends)
        mend.apply(model);
}

bool applyMendsUpTo(ScriptModel& model, std::string_view name) {
    for (const Mend& mend : kMends) {
        mend.apply(model);
        if (mend.name == name)
            return true;
    }
    return false;
}

} // namespace tembrix
