#pragma once

#include "tembrix/platformqt/DesktopServices.h"

#include <QProcessEnvironment>
#include <QStringList>

namespace tembrix {

/// Starts the plain-text editor on one file, detached.
///
/// Windows: notepad.exe "path". Elsewhere the first that starts of $VISUAL,
/// $EDITOR (each a command that may carry its own arguments) and the desktop's
/// opener; the path is always one argument of its own.
class ProcessEditor : public Editor {
public:
    /// `environment` is where VISUAL and EDITOR are looked up; `opener` is the
    /// last resort (empty: DesktopShellBackend::defaultOpener()).
    explicit ProcessEditor(
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment(),
        QStringList opener = {});

    /// Fails, naming the path, when no candidate could be started.
    Status start(const QString& filePath) override;

    /// The command lines tried for `filePath`, in order (program first).
    std::vector<QStringList> candidates(const QString& filePath) const;

private:
    QProcessEnvironment m_environment;
    QStringList m_opener;
};

} // namespace tembrix
