#include "tembrix/platformqt/RunningAppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tembrix {

QString RunningAppInfo::trimFolder(const QString& folder) {
    // cleanPath keeps the separator of a root ("/", "C:/"): "C:" alone would
    // mean the drive's current folder.
    return QDir::toNativeSeparators(QDir::cleanPath(folder));
}

QString RunningAppInfo::nameWithoutExtension(const QString& programPath) {
    QString name = QFileInfo(programPath).fileName();
#ifdef Q_OS_WIN
    if (name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        name.chop(4);
#endif
    return name;
}

QString RunningAppInfo::programFolder() const {
    return trimFolder(QCoreApplication::applicationDirPath());
}

QString RunningAppInfo::title() const {
    return QStringLiteral("Tembrix");
}

int RunningAppInfo::versionMajor() const {
    return TEMBRIX_VERSION_MAJOR;
}
int RunningAppInfo::versionMinor() const {
    return TEMBRIX_VERSION_MINOR;
}
int RunningAppInfo::versionRevision() const {
    return TEMBRIX_VERSION_PATCH;
}

QString RunningAppInfo::executableName() const {
    return nameWithoutExtension(QCoreApplication::applicationFilePath());
}

} // namespace tembrix
