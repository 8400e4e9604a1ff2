#pragma once

#include "tembrix/platformqt/DesktopServices.h"

#include <memory>

class QSettings;

namespace tembrix {

/// The per-user settings of application "Tembrix", with QSettings. On Windows
/// they live in the registry where classic programs keep theirs, so that an
/// earlier installation's choices are found:
/// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Tembrix\<section>, value <key>.
/// Elsewhere in the user's configuration folder, Tembrix/Tembrix.conf.
class QtSettingsStore : public SettingsStore {
public:
    /// The real per-user store.
    QtSettingsStore();
    /// An INI file of its own, for tests and portable use; created on the first write.
    explicit QtSettingsStore(const QString& iniFile);
    ~QtSettingsStore() override;

    /// Nothing when the key is missing (an empty text is a value).
    std::optional<QString> read(const QString& section, const QString& key) const override;
    /// Written through at once; a store that cannot be written keeps the value
    /// for this run only, and status() says so.
    void write(const QString& section, const QString& key, const QString& value) override;

    /// The failure of the last write, if any.
    Status status() const;
    /// The file or registry path behind the store.
    QString location() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace tembrix
