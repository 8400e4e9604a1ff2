#pragma once

#include <QString>

#include <memory>

class QTranslator;

namespace tembrix {

/// Qt's own texts (standard buttons, the file dialog's labels) in one
/// language at a time, from the qtbase_<locale>.qm files of a folder. The
/// translation is installed on the application while this object lives.
class QtOwnTexts {
public:
    /// `folder` empty: Qt's translations folder.
    explicit QtOwnTexts(QString folder = QString());
    ~QtOwnTexts();
    QtOwnTexts(const QtOwnTexts&) = delete;
    QtOwnTexts& operator=(const QtOwnTexts&) = delete;

    /// Puts the texts of `locale` ("fr", "de_AT", "pt-BR") in place of the
    /// current ones. English is Qt's own language and needs no file. A locale
    /// without a file, or not spelt as a locale, changes nothing.
    void use(const QString& locale);

private:
    QString m_folder;
    std::unique_ptr<QTranslator> m_translator;
    QString m_locale; ///< the one in use; empty: Qt's own English
};

} // namespace tembrix
