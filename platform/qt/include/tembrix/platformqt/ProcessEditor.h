#pragma once

#include "tembrix/platformqt/DesktopServices.h"

#include <QProcessEnvironment>
#include <QStringList>

#include <functional>

namespace tembrix {

/// Starts the plain-text editor on one file, detached.
///
/// Windows: notepad.exe "path". Elsewhere the first that starts of $VISUAL,
/// $EDITOR (each a command that may carry its own arguments) and the desktop's
/// opener; the path is always one argument of its own. A program started from
/// the desktop has no terminal, so an editor that is not known to open a window
/// of its own (vi, nano, ...) runs inside the terminal emulator, and is skipped
/// when none can be started.
class ProcessEditor : public Editor {
public:
    /// Starts a command line (program first) without waiting; false when it
    /// could not be started.
    using Starter = std::function<bool(const QStringList& command)>;

    /// `environment` is where VISUAL and EDITOR are looked up; `opener` is the
    /// last resort (empty: DesktopShellBackend::defaultOpener()); `terminal`
    /// the command that runs a program in a terminal window (empty:
    /// x-terminal-emulator -e); `starter` starts a command (empty: a detached
    /// process in `environment`).
    explicit ProcessEditor(
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment(),
        QStringList opener = {}, QStringList terminal = {}, Starter starter = {});

    /// Fails, naming the path, when no candidate could be started.
    Status start(const QString& filePath) override;

    /// The command lines tried for `filePath`, in order (program first).
    std::vector<QStringList> candidates(const QString& filePath) const;

private:
    QProcessEnvironment m_environment;
    QStringList m_opener;
    QStringList m_terminal;
    Starter m_starter;
};

} // namespace tembrix
