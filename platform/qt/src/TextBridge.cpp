#include "tembrix/platformqt/TextBridge.h"

#include <QFile>

#include "tembrix/platform/CodePage.h"
#include "tembrix/platform/Cp1252.h"

namespace tembrix {

QString qtFromCp1252(std::string_view bytes) {
    return QString::fromStdString(utf8FromCp1252(bytes));
}

std::string cp1252FromQt(const QString& text) {
    // toStdString() gives UTF-8; an unpaired surrogate arrives as U+FFFD and so becomes '?'.
    return cp1252FromUtf8(text.toStdString());
}

std::optional<std::string> scriptTextFromQt(const QString& text) {
    return systemCodePageFromUtf8(text.toStdString());
}

// Paths are UTF-8 in the core on every system (NativePath.h); on Windows the
// local 8-bit encoding would be the ANSI code page, which loses names.
QString qtFromPath(const std::string& path) {
#ifdef Q_OS_WIN
    return QString::fromStdString(path);
#else
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
#endif
}

std::string pathFromQt(const QString& path) {
#ifdef Q_OS_WIN
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

} // namespace tembrix
