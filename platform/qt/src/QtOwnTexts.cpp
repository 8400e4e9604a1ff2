#include "tembrix/platformqt/QtOwnTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

namespace tembrix {

QtOwnTexts::QtOwnTexts(QString folder)
    : m_folder(folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                : std::move(folder)) {}

QtOwnTexts::~QtOwnTexts() = default; // the translator removes itself

void QtOwnTexts::use(const QString& locale) {
    // The value comes from a language file: it names a file, so nothing but a
    // language code and its regions may reach the file name.
    static const QRegularExpression spelling(
        QStringLiteral("^([A-Za-z]{2,3})([_-][A-Za-z0-9]{2,8})*$"));
    const QString wanted = locale.trimmed();
    const QRegularExpressionMatch match = spelling.match(wanted);
    // Start-up asks for French twice: for the built-in texts, then for Francais.lng.
    if (!match.hasMatch() || wanted == m_locale)
        return;
    if (match.captured(1).compare(QLatin1String("en"), Qt::CaseInsensitive) == 0) {
        m_translator.reset();
        m_locale = wanted;
        return;
    }
    auto translator = std::make_unique<QTranslator>();
    QString name = QStringLiteral("qtbase_") + wanted;
    name.replace(u'-', u'_');
    // load() would fall back from qtbase_xx to a file named just "qtbase".
    if (!translator->load(name, m_folder, QStringLiteral("_")) ||
        translator->filePath().endsWith(QLatin1String("/qtbase.qm")))
        return;
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator); // the old one leaves the application
    m_locale = wanted;
}

} // namespace tembrix
