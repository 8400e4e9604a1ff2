#include "tembrix/platformqt/RunningAppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "tembrix/platform/ProgramFolder.h"
#include "tembrix/platform/ProgramIdentity.h"
#include "tembrix/platformqt/TextBridge.h"

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
    const std::string folder = tembrix::programFolder();
    return trimFolder(folder.empty() ? QCoreApplication::applicationDirPath() : qtFromPath(folder));
}

QString RunningAppInfo::title() const {
    return QString::fromLatin1(kProgramName.data(), qsizetype(kProgramName.size()));
}

int RunningAppInfo::versionMajor() const {
    return kProgramVersionMajor;
}
int RunningAppInfo::versionMinor() const {
    return kProgramVersionMinor;
}
int RunningAppInfo::versionRevision() const {
    return kProgramVersionPatch;
}

QString RunningAppInfo::executableName() const {
    return nameWithoutExtension(QCoreApplication::applicationFilePath());
}

} // namespace tembrix
