#pragma once

#include "tembrix/platformqt/DesktopServices.h"

#include <QStringList>

class QFileDialog;

namespace tembrix {

/// The open and save dialogs with QFileDialog.
///
/// OFN_FILEMUSTEXIST makes an open dialog accept only existing files;
/// OFN_ALLOWMULTISELECT lets the user pick several, of which the first is
/// returned; OFN_OVERWRITEPROMPT asks before an existing file is replaced.
/// QFileDialog has no read-only check box, so OFN_READONLY and
/// OFN_HIDEREADONLY change nothing on screen and the read-only answer stays as
/// it was given. A default extension is added only when the request has one.
class QtFileDialogBackend : public FileDialogBackend {
public:
    std::optional<QString> run(const FileDialogRequest& request) override;

    /// Qt name filters for the (description, pattern) entries: "desc (p1 p2)",
    /// the Windows ";" between patterns becoming a blank.
    static QStringList nameFilters(const FileDialogRequest& request);
    /// Sets up `dialog` for `request` without showing it.
    static void configure(QFileDialog& dialog, const FileDialogRequest& request);
};

} // namespace tembrix
