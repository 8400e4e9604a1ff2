#include "tembrix/engine/ScriptGenerator.h"

#include <array>
#include <memory>
#include <new>

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
    for (std::string_view listed : names)
        if (equalsIgnoringCase(listed, name))
            return true;
    return false;
}

// A file line that the compiler would reject is kept as a comment, so that the
// script still compiles and the reader sees what was left out.
bool mustBeCommentedOut(std::string_view name, std::string_view destination,
                        std::string_view flag) {
    const std::size_t slash = name.rfind('\\');
    const std::string_view baseName =
        slash == std::string_view::npos ? name : name.substr(slash + 1);
    if (destination == "{sys}" || destination == "{sys}\\")
        return isListed(kProtectedSystemFiles, baseName);
    return !flag.empty() && isListed(kSystemOnlyRegistered, baseName);
}

std::string installerBaseName(std::string_view title) {
    std::string out(title);
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

class ScriptWriter {
public:
    ScriptWriter(TextFileWriter& out, const ConversionInputs& inputs, const FileSystem& fileSystem)
        : m_out(out), m_inputs(inputs), m_fileSystem(fileSystem),
          m_sourcePrefix(inputs.UseAbsoluteSource ? inputs.SourceFolder : std::string()) {
        m_line.reserve(512);
    }

    void run(const ProfileIndex& list) {
        const std::string title = list.read("Setup", "Title", "");
        m_out.writeLine("; This script was created by Tembrix");
        m_out.writeLine("; https://tembrix.org");
        m_out.writeLine("; https://tembrix.org/download");
        m_out.writeLine("");
        m_out.writeLine("[Setup]");
        line("AppName=", title);
        line("AppVerName=", title, " ", m_inputs.Version);
        line("AppVersion=", m_inputs.Version);
        line("DefaultDirName=", TranslateFolderMacros(list.read("Setup", "DefaultDir", "")));
        const std::string group = list.read("IconGroups", "Group0", "");
        line("DefaultGroupName=", group);
        line("OutputDir=", m_inputs.OutputDir);
        line("OutputBaseFilename=", installerBaseName(title));
        insertFile(m_inputs.SetupLinesPath);
        m_out.writeLine("");
        m_out.writeLine("");

        m_out.writeLine("[Files]");
        if (m_inputs.IncludeRuntimeFiles) {
            m_out.writeLine("; START VISUAL BASIC ");
            forEachFileEntry(list, "Bootstrap Files",
                             [this](const FileEntry& entry) { writeFileLine(entry, true); });
            m_out.writeLine("; END VISUAL BASIC");
        }
        bool hasDataAccessInstaller = false;
        forEachFileEntry(list, "Setup1 Files", [&](const FileEntry& entry) {
            if (entry.name == kDataAccessInstaller) {
                hasDataAccessInstaller = true;
                line("Source: ", m_sourcePrefix,
                     "Mdac_typ.exe; DestDir: {tmp}; CopyMode: normal; Flags: deleteafterinstall");
            } else {
                writeFileLine(entry, false);
            }
        });
        m_out.writeLine("");

        m_out.writeLine("[Icons]");
        for (unsigned long n = 1;; ++n) {
            const IconEntry icon = ReadIconEntry(list, group, n);
            if (icon.programFile.empty())
                break;
            const std::string_view program = withoutListQuotes(icon.programFile);
            line("Name: {group}\\", icon.caption, "; Filename: {app}\\", program,
                 ";WorkingDir: ", TranslateFolderMacros(icon.workingFolder),
                 "; IconFilename: {app}\\", program, "; IconIndex: 0");
        }

        if (hasDataAccessInstaller) {
            m_out.writeLine("");
            m_out.writeLine("[Run]");
            m_out.writeLine("Filename: {tmp}\\Mdac_typ.exe; WorkingDir: {tmp}; Parameters: /q");
        }
        if (m_inputs.AddExtraLines) {
            m_out.writeLine("");
            insertFile(m_inputs.ExtraLinesPath);
        }
    }

private:
    template <typename... Parts> void line(const Parts&... parts) {
        m_line.clear();
        (m_line.append(parts), ...);
        m_out.writeLine(m_line);
    }

    void writeFileLine(const FileEntry& entry, bool runtime) {
        const std::string_view flag = RegistrationFlag(entry.registration);
        const std::string_view shared = entry.shared.empty() ? "" : "sharedfile ";
        m_line.assign("Source: ").append(m_sourcePrefix).append(entry.name).append("; DestDir: ");
        const std::size_t destinationAt = m_line.size();
        appendFolderMacrosTranslated(m_line, entry.destination);
        const std::string_view destination =
            std::string_view(m_line).substr(destinationAt, m_line.size() - destinationAt);
        const bool commentedOut = mustBeCommentedOut(entry.name, destination, flag);
        if (runtime) {
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

    void insertFile(const std::string& path) {
        if (path.empty())
            return;
        if (const auto content = m_fileSystem.readAll(path))
            m_out.write(*content);
    }

    TextFileWriter& m_out;
    const ConversionInputs& m_inputs;
    const FileSystem& m_fileSystem;
    const std::string m_sourcePrefix;
    std::string m_line;
};

} // namespace

Status GenerateScript(const ConversionInputs& inputs, const FileSystem& fileSystem) {
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

        ScriptWriter(*out, inputs, fileSystem).run(list);
        return out->commit();
    } catch (const std::bad_alloc&) {
        return Status::failure(inputs.ScriptPath + ": not enough memory to convert " +
                               inputs.SetupListPath);
    } catch (const std::exception& error) {
        return Status::failure(inputs.ScriptPath + ": " + error.what());
    }
}

} // namespace tembrix
