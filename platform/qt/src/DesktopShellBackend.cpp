#include "tembrix/platformqt/DesktopShellBackend.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QWidget>
#include <qt_windows.h>
#include <shellapi.h>
#endif

#include <utility>

namespace tembrix {

namespace {

constexpr int kAccepted = 42;
constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kAccessDenied = 5;
constexpr int kNoAssociation = 31;

#ifndef Q_OS_WIN
// A scheme of two or more letters, so that "C:\..." is never taken for an address.
bool isAddress(const QString& target) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

// The exit codes of xdg-open: 2 a missing file, 3 a missing tool, 4 the action failed.
int codeForOpenerExit(int exitCode) {
    if (exitCode == 0)
        return kAccepted;
    if (exitCode == 2)
        return kFileNotFound;
    return kNoAssociation;
}
#endif

} // namespace

DesktopShellBackend::DesktopShellBackend(QStringList opener)
    : m_opener(opener.isEmpty() ? defaultOpener() : std::move(opener)) {}

QStringList DesktopShellBackend::defaultOpener() {
#if defined(Q_OS_MACOS)
    return {QStringLiteral("open")};
#else
    return {QStringLiteral("xdg-open")};
#endif
}

#ifdef Q_OS_WIN

int DesktopShellBackend::execute(const ShellRequest& request) {
    HWND owner = request.owner ? reinterpret_cast<HWND>(request.owner->window()->winId()) : nullptr;
    const auto wide = [](const QString& text) {
        return reinterpret_cast<const wchar_t*>(text.utf16());
    };
    const HINSTANCE result = ShellExecuteW(
        owner, request.verb.isEmpty() ? nullptr : wide(request.verb), wide(request.file),
        wide(request.parameters), request.directory.isEmpty() ? nullptr : wide(request.directory),
        request.showCommand);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

#else

int DesktopShellBackend::execute(const ShellRequest& request) {
    const QString verb = request.verb.toLower();
    if (!verb.isEmpty() && verb != u"open" && verb != u"explore")
        return kNoAssociation;
    if (request.file.isEmpty())
        return kFileNotFound;

    QString target = request.file;
    if (!isAddress(target)) {
        const QDir base(request.directory.isEmpty() ? QDir::currentPath() : request.directory);
        const QFileInfo info(base.absoluteFilePath(QDir::fromNativeSeparators(target)));
        if (!info.exists())
            return info.dir().exists() ? kFileNotFound : kPathNotFound;
        if (!info.isReadable())
            return kAccessDenied;
        target = info.absoluteFilePath();
    }

    if (m_opener.isEmpty())
        return kNoAssociation;
    const QString program = QStandardPaths::findExecutable(m_opener.first());
    if (program.isEmpty())
        return kNoAssociation;

    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments(m_opener.mid(1) << target);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return kNoAssociation;
    }
    if (process->waitForFinished(m_waitMs)) {
        const int code = process->exitStatus() == QProcess::NormalExit
                             ? codeForOpenerExit(process->exitCode())
                             : kNoAssociation;
        delete process;
        return code;
    }
    // Still busy (an opener that waits for the application): let it run and
    // free the process object once it ends.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return kAccepted;
}

#endif

} // namespace tembrix
