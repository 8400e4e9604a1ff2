#include "tembrix/platformqt/QtSettingsStore.h"

#include <QSettings>

#include "tembrix/platformqt/TextBridge.h"

namespace tembrix {

namespace {

QString keyPath(const QString& section, const QString& key) {
    return section + u'/' + key;
}

} // namespace

QtSettingsStore::QtSettingsStore()
#ifdef Q_OS_WIN
    : m_settings(std::make_unique<QSettings>(
          QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Tembrix"),
          QSettings::NativeFormat))
#else
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Tembrix"), QStringLiteral("Tembrix")))
#endif
{
}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<QString> QtSettingsStore::read(const QString& section, const QString& key) const {
    const QVariant value = m_settings->value(keyPath(section, key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void QtSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    m_settings->setValue(keyPath(section, key), value);
    m_settings->sync();
}

Status QtSettingsStore::status() const {
    switch (m_settings->status()) {
    case QSettings::NoError:
        return Status::success();
    case QSettings::AccessError:
        return Status::failure(
            cp1252FromQt(QStringLiteral("the settings cannot be written: ") + location()));
    case QSettings::FormatError:
        return Status::failure(
            cp1252FromQt(QStringLiteral("the settings file is malformed: ") + location()));
    }
    return Status::success();
}

QString QtSettingsStore::location() const {
    return m_settings->fileName();
}

} // namespace tembrix
