#pragma once

// A harness that builds a real Form1 over the recording stand-ins, in a fresh
// program folder.

#include <QCursor>
#include <QObject>
#include <QVariant>

#include <memory>
#include <vector>

#include "RecordingServices.h"
#include "TempFolder.h"
#include "tembrix/platformqt/DesktopServices.h"
#include "tembrix/wizard/AboutLauncher.h"
#include "tembrix/wizard/Form1.h"

namespace tembrix::testing {

struct RecordingAbout : AboutLauncher {
    void showAbout(QWidget* parent, const QCursor&) override { parents.push_back(parent); }
    std::vector<QWidget*> parents;
};

/// A program folder and every service, ready for `start()`, which builds the window.
struct WizardHarness {
    WizardHarness() {
        static const bool looked = (applyClassicLook(), true);
        (void)looked;
        app.folder = QString::fromStdString(folder.path().string());
        app.dataFolder = programFile("data");
        services = {&messages, &dialogs, &shell, &editor, &settings, &app, &compiler};
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
    RecordingBoxes messages;
    RecordingDialogs dialogs;
    RecordingShell shell;
    RecordingEditor editor;
    RecordingSettings settings;
    RecordingCompiler compiler;
    FixedAppInfo app;
    RecordingAbout about;
    DesktopServices services;
    std::unique_ptr<Form1> form;
};

} // namespace tembrix::testing
