#include "tembrix/platformqt/ProcessEditor.h"

#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <utility>

#include "tembrix/platformqt/DesktopShellBackend.h"
#include "tembrix/platformqt/TextBridge.h"

namespace tembrix {

ProcessEditor::ProcessEditor(QProcessEnvironment environment, QStringList opener,
                             QStringList terminal, Starter starter)
    : m_environment(std::move(environment)),
      m_opener(opener.isEmpty() ? DesktopShellBackend::defaultOpener() : std::move(opener)),
      m_terminal(terminal.isEmpty()
                     ? QStringList{QStringLiteral("x-terminal-emulator"), QStringLiteral("-e")}
                     : std::move(terminal)),
      m_starter(std::move(starter)) {
    if (!m_starter) {
        m_starter = [environment = m_environment](const QStringList& command) {
            QProcess process;
            process.setProgram(command.first());
#ifdef Q_OS_WIN
            // The classic command line: notepad.exe "path", quoted even without blanks.
            Q_UNUSED(environment);
            process.setNativeArguments(QStringLiteral("\"") + command.at(1) + QStringLiteral("\""));
#else
            process.setArguments(command.mid(1));
            process.setProcessEnvironment(environment);
#endif
            process.setStandardInputFile(QProcess::nullDevice());
            return process.startDetached();
        };
    }
}

#ifndef Q_OS_WIN
namespace {

// True for the editors known to open a window of their own.
bool opensItsOwnWindow(const QString& program) {
    // Editors of the common desktops, and those of programmers that open a window.
    static const QStringList graphical = {"gedit",      "gnome-text-editor",
                                          "kate",       "kwrite",
                                          "mousepad",   "pluma",
                                          "xed",        "leafpad",
                                          "featherpad", "geany",
                                          "gvim",       "code",
                                          "codium",     "subl",
                                          "xdg-open",   "gio",
                                          "open"};
    return graphical.contains(QFileInfo(program).fileName());
}

} // namespace
#endif

std::vector<QStringList> ProcessEditor::candidates(const QString& filePath) const {
    std::vector<QStringList> commands;
#ifdef Q_OS_WIN
    Q_UNUSED(m_environment);
    commands.push_back({QStringLiteral("notepad.exe"), filePath});
#else
    for (const QString& variable : {QStringLiteral("VISUAL"), QStringLiteral("EDITOR")}) {
        QStringList command = QProcess::splitCommand(m_environment.value(variable));
        if (command.isEmpty())
            continue;
        command << filePath;
        if (!opensItsOwnWindow(command.first()))
            command = m_terminal + command;
        if (std::find(commands.begin(), commands.end(), command) == commands.end())
            commands.push_back(command);
    }
    if (!m_opener.isEmpty())
        commands.push_back(QStringList(m_opener) << filePath);
#endif
    return commands;
}

Status ProcessEditor::start(const QString& filePath) {
    for (const QStringList& command : candidates(filePath)) {
        if (m_starter(command))
            return Status::success();
    }
    return Status::failure(
        cp1252FromQt(QStringLiteral("the text editor could not be started on ") + filePath));
}

} // namespace tembrix
