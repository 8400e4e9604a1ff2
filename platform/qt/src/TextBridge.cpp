#include "tembrix/platformqt/TextBridge.h"

#include <QFile>

#include "tembrix/platform/Cp1252.h"

namespace tembrix {

QString qtFromCp1252(std::string_view bytes) {
    return QString::fromStdString(utf8FromCp1252(bytes));
}

std::string cp1252FromQt(const QString& text) {
    // toStdString() gives UTF-8; an unpaired surrogate arrives as U+FFFD and so becomes '?'.
    return cp1252FromUtf8(text.toStdString());
}

QString qtFromPath(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string pathFromQt(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace tembrix
