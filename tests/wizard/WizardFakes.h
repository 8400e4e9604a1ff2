#pragma once

// Scripted stand-ins for every desktop service of the wizard, and a harness
// that builds a real Form1 over them in a fresh program folder.

#include <QApplication>
#include <QCursor>
#include <QHash>
#include <QObject>
#include <QVariant>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "TempFolder.h"
#include "tembrix/platformqt/DesktopServices.h"
#include "tembrix/wizard/AboutLauncher.h"
#include "tembrix/wizard/Form1.h"

namespace tembrix::testing {

inline QApplication& application() {
    static int argc = 1;
    static char name[] = "wizard-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* created = new QApplication(argc, argv);
        applyClassicLook();
        return created;
    }();
    return *app;
}

struct ShownMessage {
    QString text;
    int style;
};

class FakeMessageBoxes : public MessageBoxes {
public:
    void show(QWidget*, const QString& text, int style, const QString&) override {
        shown.push_back({text, style});
    }
    std::vector<ShownMessage> shown;
};

class FakeFileDialogs : public FileDialogBackend {
public:
    std::optional<QString> run(const FileDialogRequest& request) override {
        requests.push_back(request);
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<QString>> answers; ///< next answers; none left: cancelled
    std::vector<FileDialogRequest> requests;
};

class FakeShell : public ShellBackend {
public:
    int execute(const ShellRequest& request) override {
        requests.push_back(request);
        return result;
    }
    int result = 42;
    std::vector<ShellRequest> requests;
};

class FakeEditor : public Editor {
public:
    Status start(const QString& filePath) override {
        started.push_back(filePath);
        return starts ? Status::success() : Status::failure("nothing started");
    }
    bool starts = true;
    QStringList started;
};

class FakeSettings : public SettingsStore {
public:
    std::optional<QString> read(const QString& section, const QString& key) const override {
        const auto it = values.find(section + '/' + key);
        return it == values.end() ? std::nullopt : std::optional<QString>(*it);
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        values.insert(section + '/' + key, value);
        ++writes;
    }
    QHash<QString, QString> values;
    int writes = 0;
};

class FakeAppInfo : public AppInfo {
public:
    explicit FakeAppInfo(QString folder) : m_folder(std::move(folder)) {}
    QString programFolder() const override { return m_folder; }
    QString title() const override { return QStringLiteral("Tembrix"); }
    int versionMajor() const override { return 1; }
    int versionMinor() const override { return 0; }
    int versionRevision() const override { return 0; }
    QString executableName() const override { return QStringLiteral("tembrix"); }

private:
    QString m_folder;
};

class FakeAbout : public AboutLauncher {
public:
    void showAbout(QWidget* parent, const QCursor&) override { parents.push_back(parent); }
    std::vector<QWidget*> parents;
};

/// A program folder and every service, ready for `start()`, which builds the window.
struct WizardHarness {
    WizardHarness() : app(QString::fromStdString(folder.path().string())) {
        application();
        services.messageBoxes = &messages;
        services.fileDialogs = &dialogs;
        services.shell = &shell;
        services.editor = &editor;
        services.settings = &settings;
        services.app = &app;
    }

    Form1& start(Form1::FileSystemFactory factory = {}) {
        form = std::make_unique<Form1>(services, about, std::move(factory));
        form->show();
        return *form;
    }

    QString programFile(const std::string& name) const {
        return QString::fromStdString(folder.file(name));
    }

    template <typename T> T* find(const char* name, int index = -1) const {
        for (T* child : form->findChildren<T*>(QLatin1String(name))) {
            const QVariant value = child->property("tembrixIndex");
            if (index < 0 ? !value.isValid() : value.toInt() == index)
                return child;
        }
        return nullptr;
    }

    TempFolder folder;
    FakeMessageBoxes messages;
    FakeFileDialogs dialogs;
    FakeShell shell;
    FakeEditor editor;
    FakeSettings settings;
    FakeAppInfo app;
    FakeAbout about;
    DesktopServices services;
    std::unique_ptr<Form1> form;
};

} // namespace tembrix::testing
