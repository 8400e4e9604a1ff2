#pragma once

#include "tembrix/platformqt/DesktopServices.h"

#include <QStringList>

namespace tembrix {

/// Opens files and addresses with the desktop's handler.
///
/// On Windows: ShellExecuteW, whose result is returned as it is.
/// Elsewhere: the opener command (xdg-open by default) with the file's absolute
/// path, or the address exactly as given (mailto:, https: and any other scheme),
/// as its last argument. Failures are given the Windows codes: an empty or
/// missing local file 2, a missing folder 3, an unreadable file 5, a verb other
/// than "open"/"explore" 31, no application for the type 31, no opener at all 31.
/// The show command and the parameters have no effect there. Success is 42.
class DesktopShellBackend : public ShellBackend {
public:
    /// The opener's program and leading arguments; empty: the platform's default.
    explicit DesktopShellBackend(QStringList opener = {});

    int execute(const ShellRequest& request) override;

    /// How long the opener is waited for, to read a refusal from its exit
    /// code; one still running then is taken as having succeeded and left to run.
    void setOpenerWait(int milliseconds) { m_waitMs = milliseconds; }

    /// {"xdg-open"} (macOS: {"open"}).
    static QStringList defaultOpener();

private:
    QStringList m_opener;
    int m_waitMs = 2000;
};

} // namespace tembrix
