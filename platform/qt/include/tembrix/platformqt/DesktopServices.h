#pragma once

// The desktop services the windows use, each behind a small interface so that
// a test can put a scripted stand-in in its place. Nothing here is global: the
// program builds the real ones in main() and hands them to the windows.

#include <QString>
#include <QStringList>

#include <optional>
#include <stop_token>
#include <utility>
#include <vector>

#include "tembrix/platform/Status.h"

class QWidget;

namespace tembrix {

/// Message-box styles, as the classic Windows values.
inline constexpr int kMessageStop = 16;        // stop icon, one OK button
inline constexpr int kMessageQuestion = 32;    // question icon, Yes and No buttons
inline constexpr int kMessageInformation = 64; // information icon, one OK button

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    /// Shows a modal box and returns when the user has closed it. An empty
    /// title means the application's title.
    virtual void show(QWidget* parent, const QString& text, int style,
                      const QString& title = QString()) = 0;
    /// Asks a question with the buttons Yes and No (in Qt's language of the
    /// moment) and the application's title. True only for Yes: No, Escape and
    /// the close box all answer no.
    virtual bool ask(QWidget* parent, const QString& text) = 0;
};

/// What a file dialog is asked to do, after the filter text and the flag
/// arguments have been converted.
struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString initialDirectory;                         ///< empty: the toolkit's choice
    QString fileName;                                 ///< initial file-name box
    std::vector<std::pair<QString, QString>> filters; ///< (description, pattern) entries
    int filterIndex = 1;                              ///< 1-based
    unsigned flags = 0;                               ///< the OFN_ flag word
    QString defaultExtension;                         ///< empty: none
    QWidget* owner = nullptr;
};

class FileDialogBackend {
public:
    virtual ~FileDialogBackend() = default;
    /// Shows the dialog modally. The chosen full path, or nothing on cancel or failure.
    virtual std::optional<QString> run(const FileDialogRequest& request) = 0;
};

/// What the shell is asked to open.
struct ShellRequest {
    QWidget* owner = nullptr;
    QString verb;
    QString file;
    QString parameters;
    QString directory;
    int showCommand = 1;
};

class ShellBackend {
public:
    virtual ~ShellBackend() = default;
    /// Hands the request to the desktop without waiting. Returns the classic
    /// shell result: above 32 (or below 0) on success, 0 to 32 for a refusal.
    virtual int execute(const ShellRequest& request) = 0;
};

/// The plain-text editor ("Notepad").
class Editor {
public:
    virtual ~Editor() = default;
    /// Starts the editor on one file, without waiting. The path reaches the
    /// editor as one argument even when it holds blanks.
    virtual Status start(const QString& filePath) = 0;
};

/// The per-user settings store of the application.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    /// The text under (section, key); nothing when it is missing.
    virtual std::optional<QString> read(const QString& section, const QString& key) const = 0;
    /// Creates or replaces the text. A store that cannot be written reports nothing here.
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
};

/// What one compile of a script gave.
struct CompileOutcome {
    struct Message {
        bool error = true;
        int line = 0; ///< the script's line; 0 when the compiler does not say
        QString text; ///< the compiler's line as it wrote it
    };
    bool compiled = false;
    int exitCode = -1;             ///< -1 when the compiler did not run to its end
    QString installerPath;         ///< the installer written, when the compiler says
    std::vector<Message> messages; ///< its warnings and errors, in their order
    QStringList lastLines; ///< the end of its output, for a failure it explains no other way
    QString failure;       ///< why it did not run to its end
};

/// Inno Setup's command-line compiler.
class ScriptCompiler {
public:
    virtual ~ScriptCompiler() = default;
    /// The compiler's path, or the empty text when none is found.
    virtual QString find() const = 0;
    /// The major version of Inno Setup that the compiler is (5, 6); 0 when
    /// it does not say. Called on a worker thread; comes back when `stop` is requested.
    virtual int majorVersion(const QString& compiler, std::stop_token stop) const = 0;
    /// Compiles the script and returns when the compiler has ended, or was
    /// stopped with everything it started: after its time or when `stop` is
    /// requested. Called on a worker thread: it touches no widget.
    virtual CompileOutcome compile(const QString& compiler, const QString& scriptPath,
                                   std::stop_token stop) const = 0;
};

/// What the running program knows about itself.
class AppInfo {
public:
    virtual ~AppInfo() = default;
    /// The folder of the program file, without a trailing separator except at a root.
    virtual QString programFolder() const = 0;
    /// "Tembrix".
    virtual QString title() const = 0;
    virtual int versionMajor() const = 0;
    virtual int versionMinor() const = 0;
    virtual int versionRevision() const = 0;
    /// The program file's name without folder and extension.
    virtual QString executableName() const = 0;
    /// The user's own folder for the program's files ("Tembrix" in the
    /// system's per-user data folder); it may not exist yet.
    virtual QString userDataFolder() const = 0;
};

/// The set of services a window is given.
struct DesktopServices {
    MessageBoxes* messageBoxes = nullptr;
    FileDialogBackend* fileDialogs = nullptr;
    ShellBackend* shell = nullptr;
    Editor* editor = nullptr;
    SettingsStore* settings = nullptr;
    const AppInfo* app = nullptr;
    const ScriptCompiler* compiler = nullptr; ///< none: compiling is not offered
};

/// folder + separator + name (one separator at a root, except on Windows).
QString folderFile(const QString& folder, const QString& name);
/// program folder + separator + name, as every file the program finds by itself.
QString programFile(const AppInfo& app, const QString& name);

} // namespace tembrix
