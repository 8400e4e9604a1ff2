#include "tembrix/platformqt/RunningAppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tembrix {

QString RunningAppInfo::trimFolder(const QString& folder) {
    QString native = QDir::toNativeSeparators(folder);
    const QChar separator = QDir::separator();
    while (native.size() > 1 && native.endsWith(separator)) {
        const QString shorter = native.chopped(1);
        // "C:" alone would mean the drive's current folder, not its root.
        if (shorter.size() == 2 && shorter.at(1) == u':')
            break;
        native = shorter;
    }
    return native;
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
