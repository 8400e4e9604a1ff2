#include "tembrix/platformqt/UserFiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "tembrix/platformqt/DesktopServices.h"
#include "tembrix/platformqt/RunningAppInfo.h"

namespace tembrix {

QString RunningAppInfo::userDataFolder() const {
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

bool folderIsWritable(const QString& folder) {
    QTemporaryFile probe(folderFile(folder, QStringLiteral(".tembrix-probe-XXXXXX")));
    return probe.open(); // removed again when the probe goes
}

FilePlaces findFilePlaces(const AppInfo& app) {
    FilePlaces places;
    places.programFolder = app.programFolder();
    const bool installed =
        QFile::exists(folderFile(places.programFolder, QLatin1String(kInstalledMarker)));
    places.ownFolder = !installed && folderIsWritable(places.programFolder) ? places.programFolder
                                                                            : app.userDataFolder();
    return places;
}

QString makeOwnCopy(const FilePlaces& places, const QString& name) {
    const QString own = folderFile(places.ownFolder, name);
    if (QFile::exists(own))
        return own;
    if (!QDir().mkpath(places.ownFolder))
        return QString();
    const QString shipped = folderFile(places.programFolder, name);
    if (QFile::exists(shipped)) {
        if (!QFile::copy(shipped, own))
            return QString();
        // A copy of a read-only shipped file must still be the user's to edit.
        QFile(own).setPermissions(QFile(own).permissions() | QFile::WriteOwner);
        return own;
    }
    QFile created(own);
    return created.open(QIODevice::WriteOnly) ? own : QString();
}

} // namespace tembrix
