// The language menu: its entries from the language files of the user's and the program's folders,
// the popup under the translate button, a language choice and the
// instructions for translators.

#include "tembrix/wizard/Form1.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

#include <algorithm>

#include "Form1Layout.h"
#include "Form1Texts.h"
#include "tembrix/platformqt/ImageButton.h"
#include "tembrix/platformqt/QtOwnTexts.h"
#include "tembrix/platformqt/TextBridge.h"

namespace tembrix {

// The user's own language files (Francais.lng among them) and the shipped
// ones, one entry per name, the user's file first when both have it.
void Form1::BuildLanguageMenu() {
    struct Entry {
        QString name, path;
    };
    std::vector<Entry> entries;
    const auto addFolder = [&entries](const QString& folder) {
        for (const std::string& name : listLanguageFiles(pathFromQt(folder))) {
            const QString shown = qtFromPath(name);
            if (std::ranges::none_of(entries, [&](const Entry& e) { return e.name == shown; }))
                entries.push_back({shown, folderFile(folder, shown)});
        }
    };
    addFolder(m_places.ownFolder);
    if (!m_places.portable())
        addFolder(m_places.programFolder);
    std::ranges::stable_sort(entries, [](const Entry& a, const Entry& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });

    m_ui->FileLNG->clear();
    m_languagePaths.clear();
    for (const Entry& entry : entries) {
        m_ui->FileLNG->addItem(entry.name);
        m_languagePaths.push_back(entry.path);
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i >= m_ui->MNlangueChoice.size()) {
            QAction* entry = addLanguageEntry(*m_ui, int(i));
            connect(entry, &QAction::triggered, this, [this, i] { chooseLanguage(int(i)); });
        }
        m_ui->MNlangueChoice[i]->setText(entries[i].name);
    }
    // A file that has gone since the last build leaves no stale entry behind.
    for (std::size_t i = 1; i < m_ui->MNlangueChoice.size(); ++i)
        m_ui->MNlangueChoice[i]->setVisible(i < entries.size());
}

// The menu shows the folders as they are now: a file saved by a translator
// meanwhile is there, a deleted one is not.
void Form1::openLanguageMenu() {
    BuildLanguageMenu();
    const ImageButton* button = m_ui->abTranslate;
    m_ui->MNlangue->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void Form1::chooseLanguage(int index) {
    if (index < 0 || std::size_t(index) >= m_ui->MNlangueChoice.size())
        return;
    const QString path =
        std::size_t(index) < m_languagePaths.size()
            ? m_languagePaths[std::size_t(index)]
            : folderFile(m_places.ownFolder, m_ui->MNlangueChoice[std::size_t(index)]->text());
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
