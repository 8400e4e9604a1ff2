#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <optional>
#include <stop_token>
#include <thread>
#include <utility>
#include <vector>

#include "tembrix/platformqt/DesktopServices.h"

// Stand-ins for the desktop services: each remembers what it was asked and
// gives a scripted answer, so that no test ever opens a dialog or a program.

/// Answers the dialogs in turn from `answers`; once none are left, every dialog is cancelled.
struct RecordingDialogs : tembrix::FileDialogBackend {
    QStringList answers;
    std::vector<tembrix::FileDialogRequest> requests;
    std::optional<QString> run(const tembrix::FileDialogRequest& request) override {
        requests.push_back(request);
        if (answers.isEmpty())
            return std::nullopt;
        return answers.takeFirst();
    }
};

struct RecordingShell : tembrix::ShellBackend {
    int result = 42;
    std::vector<tembrix::ShellRequest> requests;
    int execute(const tembrix::ShellRequest& request) override {
        requests.push_back(request);
        return result;
    }
};

struct RecordingBoxes : tembrix::MessageBoxes {
    struct Shown {
        QString text;
        int style;
        QString title;
    };
    std::vector<Shown> shown;
    QList<bool> answers; ///< to the questions in turn; once none are left, no
    void show(QWidget*, const QString& text, int style, const QString& title) override {
        shown.push_back({text, style, title});
    }
    bool ask(QWidget*, const QString& text) override {
        shown.push_back({text, tembrix::kMessageQuestion, QString()});
        return !answers.isEmpty() && answers.takeFirst();
    }
};

/// An editor that starts every file, or with `starts` false none of them.
struct RecordingEditor : tembrix::Editor {
    bool starts = true;
    QStringList started;
    tembrix::Status start(const QString& filePath) override {
        started.push_back(filePath);
        return starts ? tembrix::Status::success() : tembrix::Status::failure("nothing started");
    }
};

/// Settings held in memory under "section/key"; the real user settings stay untouched.
struct RecordingSettings : tembrix::SettingsStore {
    QHash<QString, QString> values;
    int writes = 0;
    std::optional<QString> read(const QString& section, const QString& key) const override {
        const auto it = values.find(section + '/' + key);
        return it == values.end() ? std::nullopt : std::optional<QString>(*it);
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        values.insert(section + '/' + key, value);
        ++writes;
    }
};

/// A compiler found at `found` (none when empty), of version `major`, that
/// gives `outcome` at once, or once stopped when it `hangs`.
struct RecordingCompiler : tembrix::ScriptCompiler {
    QString found;
    int major = 0;
    tembrix::CompileOutcome outcome;
    bool hangs = false;           ///< each compile waits for its stop
    mutable QStringList compiled; ///< the scripts, written on the worker thread
    mutable std::atomic<int> versionsAsked = 0, stopped = 0;
    QString find() const override { return found; }
    int majorVersion(const QString&, std::stop_token) const override {
        ++versionsAsked;
        return major;
    }
    tembrix::CompileOutcome compile(const QString&, const QString& script,
                                    std::stop_token stop) const override {
        compiled << script;
        for (int wait = 0; hangs && wait < 1000 && !stop.stop_requested(); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        stopped += stop.stop_requested();
        return outcome;
    }
};

/// The program's identity, as each test wants it.
struct FixedAppInfo : tembrix::AppInfo {
    QString folder = QStringLiteral("/opt/tembrix");
    QString dataFolder = QStringLiteral("/home/user/.local/share/Tembrix");
    QString name = QStringLiteral("Tembrix");
    int major = 1, minor = 0, revision = 0;
    QString programFolder() const override { return folder; }
    QString title() const override { return name; }
    int versionMajor() const override { return major; }
    int versionMinor() const override { return minor; }
    int versionRevision() const override { return revision; }
    QString executableName() const override { return QStringLiteral("tembrix"); }
    QString userDataFolder() const override { return dataFolder; }
};
