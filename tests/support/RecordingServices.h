#pragma once

#include <optional>
#include <vector>

#include "tembrix/platformqt/DesktopServices.h"

// Stand-ins that remember what they were asked and give a scripted answer.

struct RecordingDialogs : tembrix::FileDialogBackend {
    std::optional<QString> answer;
    std::vector<tembrix::FileDialogRequest> requests;
    std::optional<QString> run(const tembrix::FileDialogRequest& request) override {
        requests.push_back(request);
        return answer;
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
    void show(QWidget*, const QString& text, int style, const QString& title) override {
        shown.push_back({text, style, title});
    }
};
