#include "tembrix/platformqt/ProcessEditor.h"

#include <QProcess>

#include <utility>

#include "tembrix/platformqt/DesktopShellBackend.h"
#include "tembrix/platformqt/TextBridge.h"

namespace tembrix {

ProcessEditor::ProcessEditor(QProcessEnvironment environment, QStringList opener)
    : m_environment(std::move(environment)),
      m_opener(opener.isEmpty() ? DesktopShellBackend::defaultOpener() : std::move(opener)) {}

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
        commands.push_back(command);
    }
    if (!m_opener.isEmpty())
        commands.push_back(QStringList(m_opener) << filePath);
#endif
    return commands;
}

Status ProcessEditor::start(const QString& filePath) {
    for (const QStringList& command : candidates(filePath)) {
        QProcess process;
        process.setProgram(command.first());
#ifdef Q_OS_WIN
        // The classic command line: notepad.exe "path", quoted even without blanks.
        process.setNativeArguments(QStringLiteral("\"") + command.at(1) + QStringLiteral("\""));
#else
        process.setArguments(command.mid(1));
        process.setProcessEnvironment(m_environment);
#endif
        process.setStandardInputFile(QProcess::nullDevice());
        if (process.startDetached())
            return Status::success();
    }
    return Status::failure(
        cp1252FromQt(QStringLiteral("the text editor could not be started on ") + filePath));
}

} // namespace tembrix
