#include "tembrix/platformqt/DesktopServices.h"

#include <QDir>

namespace tembrix {

QString programFile(const AppInfo& app, const QString& name) {
    return folderFile(app.programFolder(), name);
}

QString folderFile(const QString& folder, const QString& name) {
    const QChar separator = QDir::separator();
#ifdef Q_OS_WIN
    // At a drive root ("C:\") this gives "C:\\name", as earlier versions wrote
    // into the settings; Windows reads the doubled backslash as one.
    return folder + separator + name;
#else
    if (folder.endsWith(separator))
        return folder + name;
    return folder + separator + name;
#endif
}

} // namespace tembrix
