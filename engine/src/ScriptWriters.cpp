#include "ScriptWriters.h"

#include "FolderMacros.h"
#include "RecentCache.h"
#include "ScriptText.h"
#include "tembrix/platform/FileSystem.h"
#include "tembrix/platform/ProgramIdentity.h"

namespace tembrix {

namespace {

// The sections in their order; each dialect spells the lines that differ.
class ScriptWriter {
public:
    ScriptWriter(const ScriptModel& model, TextFileWriter& out) : m_model(model), m_out(out) {
        m_line.reserve(512);
    }
    virtual ~ScriptWriter() = default;

    void write() {
        line("; This script was created by ", kProgramName);
        line("; ", kProgramSite);
        line("; ", kProgramSite, "/download");
        m_out.writeLine("");
        writeSetup();
        m_out.writeLine("[Files]");
        if (m_model.includeRuntimeFiles) {
            m_out.writeLine(runtimeBlockStart());
            for (const FileItem& item : m_model.runtimeFiles.items)
                writeFile(item);
            m_out.writeLine("; END VISUAL BASIC");
        }
        for (const FileItem& item : m_model.applicationFiles.items)
            writeFile(item);
        m_out.writeLine("");
        m_out.writeLine("[Icons]");
        for (const IconGroup& group : m_model.iconGroups)
            for (const IconItem& icon : group.items)
                writeIcon(group, icon);
        if (!m_model.runs.empty()) {
            m_out.writeLine("");
            m_out.writeLine("[Run]");
            for (const RunItem& run : m_model.runs)
                writeRun(run);
        }
        if (!m_model.uninstallRuns.empty()) {
            m_out.writeLine("");
            m_out.writeLine("[UninstallRun]");
            for (const RunItem& run : m_model.uninstallRuns)
                writeRun(run);
        }
        if (m_model.addExtraLines) {
            m_out.writeLine("");
            if (m_model.extraLines)
                m_out.write(*m_model.extraLines);
        }
    }

protected:
    virtual FolderConstants folderNames() const = 0;
    virtual FolderConstants defaultFolderNames() const = 0;
    /// What stands between the title and the version in AppVerName.
    virtual std::string_view versionSeparator() const = 0;
    virtual std::string_view runtimeBlockStart() const = 0;
    /// Appends what follows a file line's DestDir.
    virtual void appendFileFlags(const FileItem& item) = 0;
    virtual std::string_view dataAccessSource() const = 0;
    virtual void appendWorkingDir(const IconItem& icon) = 0;

    std::string_view text(TextRef ref) const { return m_model.text(ref); }

    void appendFolder(TextRef folder, FolderConstants names) {
        m_line.append(translated(text(folder), names));
    }

    std::string_view translated(std::string_view folder, FolderConstants names) {
        return m_translations.get({folder, names}, [&] {
            std::string out;
            appendFolderMacrosTranslated(out, folder, nullptr, names);
            return out;
        });
    }

    std::string m_line;

private:
    template <typename... Parts> void line(const Parts&... parts) {
        m_line.clear();
        (m_line.append(parts), ...);
        m_out.writeLine(m_line);
    }

    void writeSetup() {
        const std::string_view title = text(m_model.title);
        m_out.writeLine("[Setup]");
        line("AppName=", title);
        line("AppVerName=", title, versionSeparator(), m_model.version);
        line("AppVersion=", m_model.version);
        m_line.assign("DefaultDirName=");
        appendFolder(m_model.defaultDir, defaultFolderNames());
        m_out.writeLine(m_line);
        line("DefaultGroupName=", text(m_model.defaultGroupName));
        line("OutputDir=", m_model.outputDir);
        line("OutputBaseFilename=", m_model.outputBaseFilename);
        if (m_model.setupLines)
            m_out.write(*m_model.setupLines);
        m_out.writeLine("");
        m_out.writeLine("");
    }

    void writeFile(const FileItem& item) {
        if (item.role == FileRole::OldSetupProgram)
            return;
        if (item.role == FileRole::DataAccessInstaller) {
            line("Source: ", sourceFolderOf(m_model, item), dataAccessSource());
            return;
        }
        m_line.assign(item.role == FileRole::CommentedOut ? "; Source: " : "Source: ")
            .append(sourceFolderOf(m_model, item))
            .append(text(item.name))
            .append("; DestDir: ");
        appendFolder(item.destination, folderNames());
        appendFileFlags(item);
        m_out.writeLine(m_line);
    }

    void appendGroupFolder(const IconGroup& group) {
        switch (group.folder) {
        case GroupFolder::Group:
            m_line.append("{group}");
            return;
        case GroupFolder::Programs:
            m_line.append("{commonprograms}");
            return;
        case GroupFolder::StartMenu:
            m_line.append("{commonstartmenu}");
            return;
        case GroupFolder::BelowPrograms:
            m_line.append("{commonprograms}\\").append(text(group.folderName));
            return;
        }
    }

    void writeIcon(const IconGroup& group, const IconItem& icon) {
        m_line.assign("Name: ");
        appendGroupFolder(group);
        m_line.append("\\")
            .append(text(icon.caption))
            .append("; Filename: {app}\\")
            .append(text(icon.program));
        if (!icon.arguments.empty())
            m_line.append("; Parameters: ").append(parameterValue(text(icon.arguments)));
        appendWorkingDir(icon);
        m_line.append("; IconFilename: {app}\\")
            .append(text(icon.program))
            .append("; IconIndex: 0");
        m_out.writeLine(m_line);
    }

    // Appends where an installed file ends up: its destination and a name.
    void appendInstalled(const FileItem& item, std::string_view name) {
        const std::string_view folder = translated(text(item.destination), folderNames());
        m_line.append(folder);
        if (!folder.empty() && folder.back() != '\\')
            m_line.push_back('\\');
        m_line.append(name);
    }

    void writeRun(const RunItem& run) {
        if (run.kind == RunItem::Kind::DataAccessInstaller) {
            m_out.writeLine("Filename: {tmp}\\Mdac_typ.exe; WorkingDir: {tmp}; Parameters: /q");
            return;
        }
        const FileItem& file = m_model.fileOf(run);
        const std::string_view name = baseNameOf(text(file.name));
        switch (run.kind) {
        case RunItem::Kind::DataAccessInstaller:
            return;
        case RunItem::Kind::SelfRegistration:
            m_line.assign("Filename: ");
            appendInstalled(file, name);
            m_line.append("; Parameters: /REGSERVER; Flags: runhidden");
            break;
        case RunItem::Kind::SelfUnregistration:
            m_line.assign("Filename: ");
            appendInstalled(file, name);
            // The id makes the uninstall run it once, however often the
            // program was installed.
            m_line.append("; Parameters: /UNREGSERVER; Flags: runhidden; RunOnceId: ");
            if (name.find_first_of(";\"") == std::string_view::npos)
                m_line.append("UnregServer_").append(name);
            else
                m_line.append(parameterValue("UnregServer_" + std::string(name)));
            break;
        case RunItem::Kind::RegistryMerge:
            m_line.assign("Filename: {win}\\regedit.exe; Parameters: \"/s \"\"");
            appendInstalled(file, text(file.registration));
            m_line.append("\"\"\"; Flags: runhidden");
            break;
        }
        m_out.writeLine(m_line);
    }

    const ScriptModel& m_model;
    TextFileWriter& m_out;
    RecentCache<std::pair<std::string_view, FolderConstants>, std::string> m_translations;
};

std::string_view registrationWord(Registration registered) {
    switch (registered) {
    case Registration::Server:
        return "regserver ";
    case Registration::TypeLibrary:
        return "regtypelib ";
    case Registration::None:
        break;
    }
    return {};
}

// A file's flag words in their one order, each with its trailing blank.
void appendFlagWords(std::string& out, const FileItem& item) {
    if (item.restartReplace)
        out.append("restartreplace ");
    if (item.neverUninstall)
        out.append("uninsneveruninstall ");
    out.append(registrationWord(item.registered));
    if (item.sharedFile)
        out.append("sharedfile ");
}

// The form that every Inno Setup from 5.5 on compiles, with its odd blanks:
// every flag word keeps its trailing blank, and a copy mode ends the line.
class ClassicWriter final : public ScriptWriter {
public:
    using ScriptWriter::ScriptWriter;

private:
    FolderConstants folderNames() const override { return FolderConstants::Classic; }
    FolderConstants defaultFolderNames() const override { return FolderConstants::Classic; }
    std::string_view versionSeparator() const override { return " "; }
    std::string_view runtimeBlockStart() const override { return "; START VISUAL BASIC "; }
    std::string_view dataAccessSource() const override {
        return "Mdac_typ.exe; DestDir: {tmp}; CopyMode: normal; Flags: deleteafterinstall";
    }

    void appendFileFlags(const FileItem& item) override {
        m_line.append("; Flags: ");
        appendFlagWords(m_line, item);
        m_line.append(item.copyAlways ? "; CopyMode: normal"
                                      : "; CopyMode: alwaysskipifsameorolder");
    }

    void appendWorkingDir(const IconItem& icon) override {
        m_line.append(";WorkingDir: ");
        appendFolder(icon.workingFolder, FolderConstants::Classic);
    }
};

// Inno Setup 6's names and flags, which compile there without a warning:
// copying over an older file only is its default, and the copy mode "normal"
// is its flag promptifolder. No empty flag list, no stray blank.
class Inno6Writer final : public ScriptWriter {
public:
    Inno6Writer(const ScriptModel& model, TextFileWriter& out)
        : ScriptWriter(model, out), m_versionSeparator(model.version.empty() ? "" : " ") {}

private:
    FolderConstants folderNames() const override { return FolderConstants::Inno6; }
    FolderConstants defaultFolderNames() const override { return FolderConstants::Inno6Auto; }
    std::string_view versionSeparator() const override { return m_versionSeparator; }
    std::string_view runtimeBlockStart() const override { return "; START VISUAL BASIC"; }
    std::string_view dataAccessSource() const override {
        return "Mdac_typ.exe; DestDir: {tmp}; Flags: promptifolder deleteafterinstall";
    }

    void appendFileFlags(const FileItem& item) override {
        m_flags.clear();
        appendFlagWords(m_flags, item);
        if (item.copyAlways)
            m_flags.append("promptifolder ");
        if (m_flags.empty())
            return;
        m_flags.pop_back();
        m_line.append("; Flags: ").append(m_flags);
    }

    void appendWorkingDir(const IconItem& icon) override {
        if (icon.workingFolder.empty())
            return;
        m_line.append("; WorkingDir: ");
        appendFolder(icon.workingFolder, FolderConstants::Inno6);
    }

    std::string_view m_versionSeparator;
    std::string m_flags;
};

FolderConstants folderConstantsOf(ScriptDialect dialect, bool defaultFolder) {
    if (dialect == ScriptDialect::Inno6)
        return defaultFolder ? FolderConstants::Inno6Auto : FolderConstants::Inno6;
    return FolderConstants::Classic;
}

} // namespace

void spellQuotedFolders(ScriptModel& model) {
    for (const ScriptModel::FolderArgument& quoted : model.folderArguments) {
        std::string& argument = model.diagnostics[quoted.remark].arguments[quoted.argument];
        std::string spelled;
        appendFolderMacrosTranslated(spelled, argument, nullptr,
                                     folderConstantsOf(model.dialect, quoted.defaultFolder));
        argument = std::move(spelled);
    }
    model.folderArguments.clear();
}

void writeScript(const ScriptModel& model, TextFileWriter& out) {
    switch (model.dialect) {
    case ScriptDialect::Inno6:
        Inno6Writer(model, out).write();
        return;
    case ScriptDialect::Classic:
        break;
    }
    ClassicWriter(model, out).write();
}

} // namespace tembrix
