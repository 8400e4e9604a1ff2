#include "tembrix/engine/ScriptGenerator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <new>
#include <optional>
#include <unordered_set>
#include <utility>
#include <vector>

#include "FolderMacros.h"
#include "SetupList.h"
#include "tembrix/engine/MacroTranslation.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/FileSystem.h"
#include "tembrix/platform/ProfileFile.h"

namespace tembrix {

namespace {

constexpr std::string_view kDataAccessInstaller = "MDAC_TYP.EXE";

// Windows files that the compiler refuses to install in the system folder.
constexpr std::array<std::string_view, 14> kProtectedSystemFiles{
    "ADVAPI32.DLL", "COMCTL32.DLL", "COMDLG32.DLL", "GDI32.DLL",   "KERNEL32.DLL",
    "MSCOREE.DLL",  "RICHED32.DLL", "SHDOCVW.DLL",  "SHELL32.DLL", "SHLWAPI.DLL",
    "URLMON.DLL",   "USER32.DLL",   "UXTHEME.DLL",  "WININET.DLL"};

// Files that the compiler refuses to register outside the system folder.
constexpr std::array<std::string_view, 6> kSystemOnlyRegistered{
    "COMCAT.DLL", "MSVBVM50.DLL", "MSVBVM60.DLL", "OLEAUT32.DLL", "OLEPRO32.DLL", "STDOLE2.TLB"};

template <std::size_t N>
bool isListed(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::ranges::any_of(
        names, [name](std::string_view listed) { return equalsIgnoringCase(listed, name); });
}

std::string_view baseNameOf(std::string_view name) {
    const std::size_t slash = name.rfind('\\');
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

// A file line that the compiler would reject is kept as a comment, so that the
// script still compiles and the reader sees what was left out. Gives why, or
// the empty text when the line may stay.
std::string_view whyCommentedOut(std::string_view name, std::string_view destination,
                                 std::string_view flag) {
    const std::string_view baseName = baseNameOf(name);
    if (destination == "{sys}" || destination == "{sys}\\")
        return isListed(kProtectedSystemFiles, baseName)
                   ? " is a Windows system file that Inno Setup refuses to install; its line is "
                     "now a comment"
                   : "";
    return !flag.empty() && isListed(kSystemOnlyRegistered, baseName)
               ? " is registered only in the system folder, which Inno Setup insists on; its "
                 "line is now a comment"
               : "";
}

// The installer's name as the user chose it, without its ".exe" in any letter
// case; an empty name (or ".exe" alone) gives the setup list's title.
std::string_view installerStem(std::string_view chosen, std::string_view title) {
    constexpr std::string_view kExtension = ".exe";
    if (endsWithIgnoringCase(chosen, kExtension))
        chosen.remove_suffix(kExtension.size());
    return chosen.empty() ? title : chosen;
}

std::string installerBaseName(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        switch (c) {
        case '\\':
        case '/':
        case ':':
        case '*':
        case '?':
        case '"':
        case '<':
        case '>':
        case '|':
            c = '_';
            break;
        default:
            break;
        }
    }
    return out;
}

// The setup list writes a program name with blanks as Icon1=""My App.exe"";
// the lookup removes only the outer pair.
std::string_view withoutListQuotes(std::string_view programFile) {
    if (programFile.size() >= 2 && programFile.front() == '"' && programFile.back() == '"')
        return programFile.substr(1, programFile.size() - 2);
    return programFile;
}

// The folder below {app} that a translated destination names, without the
// separators around it ("" for {app} itself); nothing for other folders.
std::optional<std::string_view> belowApplicationFolder(std::string_view destination) {
    constexpr std::string_view kApp = "{app}";
    if (!destination.starts_with(kApp))
        return std::nullopt;
    destination.remove_prefix(kApp.size());
    if (!destination.empty() && destination.front() != '\\')
        return std::nullopt;
    while (!destination.empty() && destination.front() == '\\')
        destination.remove_prefix(1);
    while (!destination.empty() && destination.back() == '\\')
        destination.remove_suffix(1);
    return destination;
}

// Where an installed file ends up: its destination folder and its own name.
std::string installedPath(std::string_view destination, std::string_view name) {
    std::string path(destination);
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    path.append(name);
    return path;
}

// An icon's program may carry its command-line arguments ("Loader.exe /X").
// The shortcut needs the program alone, so the text is cut after the first
// ".exe" that a blank follows; the rest, without its leading blanks, is the
// arguments.
struct ProgramCommand {
    std::string_view program;
    std::string_view arguments;
};

ProgramCommand splitProgramCommand(std::string_view command) {
    for (std::size_t at = 0; at + 5 <= command.size(); ++at) {
        if (command[at + 4] == ' ' && equalsIgnoringCase(command.substr(at, 4), ".exe")) {
            std::string_view arguments = command.substr(at + 5);
            while (!arguments.empty() && arguments.front() == ' ')
                arguments.remove_prefix(1);
            return {command.substr(0, at + 4), arguments};
        }
    }
    return {command, {}};
}

// A parameter value that holds ";" or a quote must be quoted, its quotes doubled.
std::string parameterValue(std::string_view text) {
    if (text.find_first_of(";\"") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    quoted += '"';
    return quoted;
}

class ScriptWriter {
public:
    ScriptWriter(TextFileWriter& out, const ConversionInputs& inputs, const FileSystem& fileSystem,
                 const ProfileIndex& list, Diagnostics& diagnostics)
        : m_out(out), m_inputs(inputs), m_fileSystem(fileSystem), m_list(list),
          m_diagnostics(diagnostics),
          m_sourcePrefix(inputs.UseAbsoluteSource ? inputs.SourceFolder : std::string()),
          m_inno6(inputs.dialect == ScriptDialect::Inno6) {
        m_line.reserve(512);
    }

    void run() {
        const ProfileIndex& list = m_list;
        const std::string title = list.read("Setup", "Title", "");
        checkSetupSection(title);
        m_out.writeLine("; This script was created by Tembrix");
        m_out.writeLine("; https://tembrix.org");
        m_out.writeLine("; https://tembrix.org/download");
        m_out.writeLine("");
        m_out.writeLine("[Setup]");
        line("AppName=", title);
        line("AppVerName=", title, m_inno6 && m_inputs.Version.empty() ? "" : " ",
             m_inputs.Version);
        line("AppVersion=", m_inputs.Version);
        constexpr std::string_view kDefaultDirName = "DefaultDirName=";
        m_line.assign(kDefaultDirName);
        translateFolder(list.view("Setup", "DefaultDir", ""), "Setup", "DefaultDir",
                        m_inno6 ? FolderConstants::Inno6Auto : FolderConstants::Classic);
        checkDefaultFolder(std::string_view(m_line).substr(kDefaultDirName.size()));
        m_out.writeLine(m_line);
        const std::string group = list.read("IconGroups", "Group0", "");
        checkSectionOfKey("IconGroups", "Group0");
        // "$(Programs)" is the Start menu's Programs folder itself, not a
        // folder of that name; its icons are still read from that section.
        const bool inProgramsFolder = equalsIgnoringCase(group, "$(Programs)");
        if (inProgramsFolder)
            note("IconGroups", "Group0",
                 group + " is the Start menu's Programs folder itself: the shortcuts go there, "
                         "and DefaultGroupName is the title");
        line("DefaultGroupName=", inProgramsFolder ? title : group);
        line("OutputDir=", m_inputs.OutputDir);
        const std::string_view stem = installerStem(m_inputs.installerName, title);
        const std::string baseName = installerBaseName(stem);
        if (baseName != stem) {
            // Only a name that comes from the title is the setup list's doing.
            const bool fromTitle = stem == title;
            note(fromTitle ? "Setup" : "", fromTitle ? "Title" : "",
                 "characters that a file name cannot hold are replaced by \"_\" in "
                 "OutputBaseFilename: " +
                     baseName);
        }
        line("OutputBaseFilename=", baseName);
        insertFile(m_inputs.SetupLinesPath);
        m_out.writeLine("");
        m_out.writeLine("");

        m_out.writeLine("[Files]");
        if (m_inputs.IncludeRuntimeFiles) {
            m_out.writeLine(m_inno6 ? "; START VISUAL BASIC" : "; START VISUAL BASIC ");
            walkFiles("Bootstrap Files", [this](const FileEntry& entry, std::string_view key) {
                writeFileLine(entry, "Bootstrap Files", key, true);
            });
            m_out.writeLine("; END VISUAL BASIC");
        }
        bool hasDataAccessInstaller = false;
        walkFiles("Setup1 Files", [&](const FileEntry& entry, std::string_view key) {
            if (entry.name == kDataAccessInstaller) {
                hasDataAccessInstaller = true;
                line("Source: ", m_sourcePrefix,
                     m_inno6
                         ? "Mdac_typ.exe; DestDir: {tmp}; Flags: promptifolder deleteafterinstall"
                         : "Mdac_typ.exe; DestDir: {tmp}; CopyMode: normal; Flags: "
                           "deleteafterinstall");
            } else {
                writeFileLine(entry, "Setup1 Files", key, false);
            }
        });
        m_out.writeLine("");

        m_out.writeLine("[Icons]");
        for (unsigned long n = 1;; ++n) {
            const IconEntry icon = ReadIconEntry(list, group, n);
            if (icon.programFile.empty())
                break;
            const std::string number = std::to_string(n);
            const std::string iconKey = "Icon" + number;
            for (const std::string& key : {iconKey, "Title" + number, "StartIn" + number})
                checkSectionOfKey(group, key);
            const std::string_view command = withoutListQuotes(icon.programFile);
            if (command.size() != icon.programFile.size())
                note(group, iconKey,
                     "the list's own quotes around the program are removed: " +
                         std::string(command));
            const auto [program, arguments] = splitProgramCommand(command);
            if (!arguments.empty())
                note(group, iconKey,
                     "the arguments " + std::string(arguments) +
                         " are passed as Parameters; the shortcut's program is " +
                         std::string(program));
            if (program.empty())
                warning(group, iconKey, "names no program, so the shortcut points to nothing");
            else if (!isInstalledProgram(program))
                warning(group, iconKey,
                        "the program " + std::string(program) +
                            " is not among the files that the list installs in {app}, so the "
                            "shortcut points to nothing");
            m_line.assign("Name: ")
                .append(inProgramsFolder ? "{commonprograms}\\" : "{group}\\")
                .append(icon.caption)
                .append("; Filename: {app}\\")
                .append(program);
            if (!arguments.empty())
                m_line.append("; Parameters: ").append(parameterValue(arguments));
            if (!m_inno6 || !icon.workingFolder.empty()) {
                m_line.append(m_inno6 ? "; WorkingDir: " : ";WorkingDir: ");
                const std::size_t workingFolderAt = m_line.size();
                translateFolder(icon.workingFolder, group, "StartIn" + number);
                checkWorkingFolder(std::string_view(m_line).substr(workingFolderAt), group,
                                   "StartIn" + number);
            }
            m_line.append("; IconFilename: {app}\\").append(program).append("; IconIndex: 0");
            m_out.writeLine(m_line);
        }

        // The data-access components go first, so that they are in place
        // before anything registers.
        if (hasDataAccessInstaller || !m_registrationRuns.empty()) {
            m_out.writeLine("");
            m_out.writeLine("[Run]");
            if (hasDataAccessInstaller)
                m_out.writeLine("Filename: {tmp}\\Mdac_typ.exe; WorkingDir: {tmp}; Parameters: /q");
            for (const std::string& run : m_registrationRuns)
                m_out.writeLine(run);
        }
        if (m_inputs.AddExtraLines) {
            m_out.writeLine("");
            insertFile(m_inputs.ExtraLinesPath);
        }
    }

private:
    void note(std::string_view section, std::string_view key, std::string text) {
        m_diagnostics.push_back(
            {DiagnosticKind::Note, std::string(section), std::string(key), std::move(text)});
    }
    void warning(std::string_view section, std::string_view key, std::string text) {
        m_diagnostics.push_back(
            {DiagnosticKind::Warning, std::string(section), std::string(key), std::move(text)});
    }

    void checkSetupSection(const std::string& title) {
        if (m_list.sectionCount("Setup") == 0) {
            warning("Setup", "",
                    "the list has no [Setup] section, so the script names no application and no "
                    "installer");
            return;
        }
        if (title.empty())
            warning("Setup", "Title",
                    "missing or empty, so the script names no application and no installer");
        checkSectionOfKey("Setup", "Title");
        checkSectionOfKey("Setup", "DefaultDir");
    }

    // Windows reads a key only from the first section of a name; this reader
    // goes on to the later ones, which is worth saying.
    void checkSectionOfKey(std::string_view section, std::string_view key) {
        if (m_list.sectionCount(section) > 1 && m_list.foundUnderLaterHeader(section, key))
            note(section, key,
                 "found in a second section [" + std::string(section) +
                     "] of the same name, and used");
    }

    // Appends the translated folder to m_line and reports the macros it kept.
    void translateFolder(std::string_view folder, std::string_view section, std::string_view key) {
        translateFolder(folder, section, key,
                        m_inno6 ? FolderConstants::Inno6 : FolderConstants::Classic);
    }
    void translateFolder(std::string_view folder, std::string_view section, std::string_view key,
                         FolderConstants names) {
        m_unknownMacros.clear();
        appendFolderMacrosTranslated(m_line, folder, &m_unknownMacros, names);
        if (folder.find("$(CommonFilesSys)") != std::string_view::npos)
            note(section, key,
                 "the folder macro $(CommonFilesSys) is translated as the Common Files\\System "
                 "folder");
        for (std::string_view macro : m_unknownMacros)
            warning(section, key,
                    "the folder macro " + std::string(macro) + " is unknown and is left as it is");
    }

    // Setup resolves the default folder as it stands, so it must be rooted in
    // a constant; an unknown macro in it has been reported already.
    void checkDefaultFolder(std::string_view folder) {
        if (folder.empty() || folder.front() == '{' || folder.front() == '\\' ||
            folder.starts_with("$("))
            return;
        const unsigned char first = static_cast<unsigned char>(folder.front());
        if (folder.size() >= 2 && folder[1] == ':' && first < 0x80 && std::isalpha(first))
            warning("Setup", "DefaultDir",
                    "the default folder " + std::string(folder) + " begins with the drive " +
                        std::string(folder.substr(0, 2)) +
                        ", so Setup fails where that drive does not exist");
        else
            warning("Setup", "DefaultDir",
                    "the default folder " + std::string(folder) +
                        " is relative, so Setup installs beside itself, wherever it is started");
    }

    // Setup creates a folder below {app} only for the files it installs there.
    void checkWorkingFolder(std::string_view folder, std::string_view group, std::string_view key) {
        const auto below = belowApplicationFolder(folder);
        if (!below || below->empty())
            return;
        if (applicationLookup().folders.contains(lowerCased(*below)))
            return;
        warning(group, key,
                "the working folder " + std::string(folder) +
                    " is below {app}, but no file is installed there, so the shortcut starts in "
                    "a folder that does not exist");
    }

    template <typename OnEntry> void walkFiles(std::string_view section, OnEntry&& onEntry) {
        const bool repeated = m_list.sectionCount(section) > 1;
        forEachFileEntry(m_list, section, [&](const FileEntry& entry, std::string_view key) {
            if (repeated)
                checkSectionOfKey(section, key);
            if (entry.fieldCount < 4)
                warning(section, key,
                        "has " + std::to_string(entry.fieldCount) +
                            (entry.fieldCount == 1 ? " field" : " fields") +
                            " where a file entry has four; the missing ones are taken as empty");
            onEntry(entry, key);
        });
    }

    bool isInstalledProgram(std::string_view program) {
        const std::size_t slash = program.rfind('\\');
        const std::string_view folder =
            slash == std::string_view::npos ? std::string_view() : program.substr(0, slash);
        return applicationLookup().programs.contains(installedKey(folder, baseNameOf(program)));
    }

    // The files below {app}, indexed once, when the first shortcut asks: a
    // list with as many shortcuts as files must not compare every pair.
    struct ApplicationLookup {
        std::unordered_set<std::string> programs; ///< installedKey of every file
        std::unordered_set<std::string> folders;  ///< every folder that holds one, and its parents
    };
    static std::string installedKey(std::string_view folder, std::string_view name) {
        return lowerCased(folder).append("\\").append(lowerCased(name));
    }
    const ApplicationLookup& applicationLookup() {
        if (!m_applicationLookup) {
            ApplicationLookup& lookup = m_applicationLookup.emplace();
            for (const auto& [folder, name] : m_applicationFiles) {
                lookup.programs.insert(installedKey(folder, name));
                const std::string folded = lowerCased(folder);
                for (std::size_t end = folded.size(); end != 0 && end != std::string::npos;
                     end = folded.rfind('\\', end - 1))
                    if (!lookup.folders.insert(folded.substr(0, end)).second)
                        break; // its parents are in already
            }
        }
        return *m_applicationLookup;
    }

    template <typename... Parts> void line(const Parts&... parts) {
        m_line.clear();
        (m_line.append(parts), ...);
        m_out.writeLine(m_line);
    }

    void writeFileLine(const FileEntry& entry, std::string_view section, std::string_view key,
                       bool runtime) {
        std::string_view flag = RegistrationFlag(entry.registration);
        // RegSvr32 cannot register a type library; its failure would make
        // Setup roll the whole installation back.
        if (flag == "regserver " && endsWithIgnoringCase(entry.name, ".tlb")) {
            flag = "regtypelib ";
            note(section, key,
                 std::string(baseNameOf(entry.name)) +
                     " is a type library, so it is registered with regtypelib; regserver would "
                     "fail and roll the installation back");
        } else if (equalsIgnoringCase(entry.registration, "$(DLLSelfRegisterEx)")) {
            note(section, key,
                 "$(DLLSelfRegisterEx) registers the file as $(DLLSelfRegister) does");
        }
        const std::string_view shared = entry.shared.empty() ? "" : "sharedfile ";
        m_line.assign("Source: ").append(m_sourcePrefix).append(entry.name).append("; DestDir: ");
        const std::size_t destinationAt = m_line.size();
        translateFolder(entry.destination, section, key);
        const std::string_view destination =
            std::string_view(m_line).substr(destinationAt, m_line.size() - destinationAt);
        const std::string_view whyComment = whyCommentedOut(entry.name, destination, flag);
        const bool commentedOut = !whyComment.empty();
        if (!commentedOut)
            addRegistrationRun(entry, section, key, destination);
        if (commentedOut) {
            note(section, key, std::string(baseNameOf(entry.name)).append(whyComment));
        } else if (const auto below = belowApplicationFolder(destination)) {
            // Where the file lands below {app}, for the shortcuts' programs.
            std::string folder(*below);
            const std::string_view name = entry.name;
            const std::size_t slash = name.rfind('\\');
            if (slash != std::string_view::npos)
                folder.append(folder.empty() ? "" : "\\").append(name.substr(0, slash));
            m_applicationFiles.emplace_back(std::move(folder), std::string(baseNameOf(name)));
        }
        if (m_inno6) {
            // Copying over an older file only is Inno Setup 6's default; the
            // copy mode "normal" is its flag promptifolder.
            m_flags.clear();
            if (runtime)
                m_flags.append("restartreplace uninsneveruninstall ");
            m_flags.append(flag).append(shared);
            if (!runtime && !entry.registration.empty())
                m_flags.append("promptifolder ");
            appendFlags();
        } else if (runtime) {
            m_line.append("; Flags: restartreplace uninsneveruninstall ")
                .append(flag)
                .append(shared);
            m_line.append("; CopyMode: alwaysskipifsameorolder");
        } else {
            m_line.append("; Flags: ").append(flag).append(shared);
            m_line.append(entry.registration.empty() ? "; CopyMode: alwaysskipifsameorolder"
                                                     : "; CopyMode: normal");
        }
        if (commentedOut)
            m_out.write("; ");
        m_out.writeLine(m_line);
    }

    // Registrations that no file flag can express run once the files are in
    // place: a program that registers itself, and a .reg file to merge.
    // A registration field that means nothing to the generator is reported.
    void addRegistrationRun(const FileEntry& entry, std::string_view section, std::string_view key,
                            std::string_view destination) {
        const std::string_view registration = entry.registration;
        if (equalsIgnoringCase(registration, "$(EXESelfRegister)")) {
            const std::string_view name = baseNameOf(entry.name);
            m_registrationRuns.push_back("Filename: " + installedPath(destination, name) +
                                         "; Parameters: /REGSERVER; Flags: runhidden");
            note(section, key,
                 std::string(name) + " registers itself: [Run] starts it with /REGSERVER");
        } else if (endsWithIgnoringCase(registration, ".reg")) {
            m_registrationRuns.push_back("Filename: {win}\\regedit.exe; Parameters: \"/s \"\"" +
                                         installedPath(destination, registration) +
                                         "\"\"\"; Flags: runhidden");
            note(section, key,
                 std::string(registration) + " is merged into the registry by regedit in [Run]");
        } else if (!registration.empty() && RegistrationFlag(registration).empty() &&
                   !equalsIgnoringCase(registration, "$(Remote)") &&
                   !equalsIgnoringCase(registration, "$(VBLRegister)")) {
            warning(section, key,
                    "the registration " + std::string(registration) +
                        " is neither a known macro nor a .reg file, so the file is copied but "
                        "not registered");
        }
    }

    // "; Flags: " and the words of m_flags, each of which ends with a blank;
    // nothing when there are none.
    void appendFlags() {
        if (m_flags.empty())
            return;
        m_flags.pop_back();
        m_line.append("; Flags: ").append(m_flags);
    }

    void insertFile(const std::string& path) {
        if (path.empty())
            return;
        if (const auto content = m_fileSystem.readAll(path))
            m_out.write(*content);
    }

    TextFileWriter& m_out;
    const ConversionInputs& m_inputs;
    const FileSystem& m_fileSystem;
    const ProfileIndex& m_list;
    Diagnostics& m_diagnostics;
    const std::string m_sourcePrefix;
    const bool m_inno6;
    std::string m_line;
    std::string m_flags;
    std::vector<std::string_view> m_unknownMacros;
    // (folder below {app}, file name) of every file that the script installs there.
    std::vector<std::pair<std::string, std::string>> m_applicationFiles;
    std::optional<ApplicationLookup> m_applicationLookup;
    std::vector<std::string> m_registrationRuns;
};

} // namespace

std::string describeDiagnostic(const Diagnostic& diagnostic) {
    std::string out;
    if (!diagnostic.key.empty())
        out.append(diagnostic.key).append(diagnostic.section.empty() ? "" : " in ");
    if (!diagnostic.section.empty())
        out.append("[").append(diagnostic.section).append("]");
    if (!out.empty())
        out.append(": ");
    out.append(diagnostic.kind == DiagnosticKind::Note ? "note: " : "warning: ");
    return out.append(diagnostic.text);
}

Status GenerateScript(const ConversionInputs& inputs, const FileSystem& fileSystem) {
    Diagnostics ignored;
    return GenerateScript(inputs, fileSystem, ignored);
}

Status GenerateScript(const ConversionInputs& inputs, const FileSystem& fileSystem,
                      Diagnostics& diagnostics) {
    diagnostics.clear();
    try {
        std::unique_ptr<TextFileWriter> out;
        Status created = fileSystem.createTextFile(inputs.ScriptPath, out);
        if (!created)
            return created;
        if (!out)
            return Status::failure(inputs.ScriptPath + ": the file could not be created");

        auto bytes = fileSystem.readAll(inputs.SetupListPath);
        const ProfileIndex list = ProfileIndex::parse(bytes ? std::move(*bytes) : std::string());
        bytes.reset();

        ScriptWriter(*out, inputs, fileSystem, list, diagnostics).run();
        return out->commit();
    } catch (const std::bad_alloc&) {
        return Status::failure(inputs.ScriptPath + ": not enough memory to convert " +
                               inputs.SetupListPath);
    } catch (const std::exception& error) {
        return Status::failure(inputs.ScriptPath + ": " + error.what());
    }
}

} // namespace tembrix
