// The language menu: its entries from the program folder's language files,
// the popup under the translate button, a language choice and the
// instructions for translators.

#include "tembrix/wizard/Form1.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

#include "Form1Layout.h"
#include "Form1Texts.h"
#include "tembrix/platformqt/ImageButton.h"
#include "tembrix/platformqt/QtOwnTexts.h"
#include "tembrix/platformqt/TextBridge.h"

namespace tembrix {

void Form1::BuildLanguageMenu() {
    const std::vector<std::string> names =
        listLanguageFiles(pathFromQt(m_services.app->programFolder()));
    m_ui->FileLNG->clear();
    for (const std::string& name : names)
        m_ui->FileLNG->addItem(qtFromPath(name));

    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i >= m_ui->MNlangueChoice.size()) {
            QAction* entry = addLanguageEntry(*m_ui, int(i));
            connect(entry, &QAction::triggered, this, [this, i] { chooseLanguage(int(i)); });
        }
        m_ui->MNlangueChoice[i]->setText(qtFromPath(names[i]));
    }
}

void Form1::openLanguageMenu() {
    const ImageButton* button = m_ui->abTranslate;
    m_ui->MNlangue->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void Form1::chooseLanguage(int index) {
    if (index < 0 || std::size_t(index) >= m_ui->MNlangueChoice.size())
        return;
    const QString path =
        programFile(*m_services.app, m_ui->MNlangueChoice[std::size_t(index)]->text());
    m_translate.setCurrentLanguageFile(pathFromQt(path));
    m_services.settings->write(QStringLiteral("FILES"), QStringLiteral("LNG"), path);
    m_translate.ApplyLanguage(*m_texts, pathFromQt(path));
    matchQtTexts();
    BuildLanguageMenu();
}

void Form1::matchQtTexts() {
    if (const std::string& locale = m_translate.qtLocale(); !locale.empty())
        m_qtTexts->use(qtFromCp1252(locale));
}

void Form1::showTranslatorInstructions() {
    const QString current = qtFromPath(m_translate.currentLanguageFile());
    const QString text = qtFromCp1252(translatorInstructions(cp1252FromQt(current)));
    m_services.messageBoxes->show(this, text, kMessageInformation);
    startEditor(current);
}

} // namespace tembrix
