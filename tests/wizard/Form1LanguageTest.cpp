#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

#include "WizardHarness.h"
#include "tembrix/platformqt/ImageButton.h"
#include "tembrix/platformqt/QtFileDialogBackend.h"

using namespace tembrix;
using namespace tembrix::testing;

namespace {

const std::string kGoldenFrench = TEMBRIX_TEST_DATA_DIR "/localisation/Francais.lng";
const std::string kEnglish = TEMBRIX_SOURCE_DIR "/localisation/English.lng";

QStringList menuTexts(const WizardHarness& h) {
    QStringList texts;
    for (const QAction* action : h.find<QMenu>("MNlangue")->actions())
        if (action->isVisible())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QAction* entry(const WizardHarness& h, int index) {
    for (QAction* action : h.find<QMenu>("MNlangue")->actions()) {
        if (action->objectName() == "MNlangueChoice" &&
            action->property("tembrixIndex").toInt() == index)
            return action;
    }
    return nullptr;
}

} // namespace

TEST(Form1Language, TheMenuListsTheProgramFolderSorted) {
    {
        WizardHarness h;
        h.start();
        EXPECT_EQ(menuTexts(h), QStringList({"Francais.lng", "-", "Other ..."}));
        EXPECT_EQ(h.find<QListWidget>("FileLNG")->count(), 1);
    }
    WizardHarness h;
    std::filesystem::copy_file(kEnglish, h.folder.file("English.LNG"));
    h.folder.write("notes.txt", "not a language");
    h.start();
    EXPECT_EQ(menuTexts(h), QStringList({"English.LNG", "Francais.lng", "-", "Other ..."}));
    EXPECT_EQ(entry(h, 1)->text(), "Francais.lng");
}

TEST(Form1Language, ChoosingAnEntrySavesAppliesAndRestoresTheFileNames) {
    WizardHarness h;
    std::filesystem::copy_file(kEnglish, h.folder.file("English.lng"));
    Form1& form = h.start();
    EXPECT_EQ(h.settings.writes, 0); // start-up never writes the setting

    auto* translate = h.find<ImageButton>("abTranslate");
    QTest::mouseClick(translate, Qt::LeftButton);
    QMenu* menu = h.find<QMenu>("MNlangue");
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), translate->mapToGlobal(QPoint(0, translate->height())));
    menu->hide();

    // English.lng holds "MNlangueChoice(0).Caption=#": the rebuild puts the name back.
    entry(h, 0)->trigger();
    EXPECT_EQ(form.windowTitle(), "TEMBRIX CONVERTER");
    EXPECT_EQ(h.find<ImageButton>("BTnext")->caption(), "Next >");
    EXPECT_EQ(h.settings.values.value("FILES/LNG"), h.programFile("English.lng"));
    EXPECT_EQ(menuTexts(h), QStringList({"English.lng", "Francais.lng", "-", "Other ..."}));
    EXPECT_EQ(form.translation().currentLanguageFile(), h.folder.file("English.lng"));

    // Messages follow at once; typed inputs stay.
    h.find<QLineEdit>("txtLST")->setText("typed");
    QTest::mouseClick(h.find<ImageButton>("BTnext"), Qt::LeftButton);
    QTest::mouseClick(h.find<ImageButton>("BTnext"), Qt::LeftButton);
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0].text, "File not found!\r\ntyped");

    entry(h, 1)->trigger();
    EXPECT_EQ(form.windowTitle(), "TEMBRIX CONVERTOR");
    EXPECT_EQ(h.find<QLineEdit>("txtLST")->text(), "typed");
}

// The buttons of the dialog that cmdChooseLST opens, as Qt builds it.
QStringList setupListDialogButtons(WizardHarness& h) {
    QTest::mouseClick(h.find<ImageButton>("cmdChooseLST"), Qt::LeftButton);
    QFileDialog dialog;
    QtFileDialogBackend::configure(dialog, h.dialogs.requests.back());
    QStringList texts;
    for (const QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

TEST(Form1Language, QtsOwnTextsSpeakTheWindowsLanguage) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm"))
        GTEST_SKIP() << "Qt's translations are not installed (qt6-translations-l10n)";
    WizardHarness h;
    std::filesystem::copy_file(kEnglish, h.folder.file("English.lng"));
    h.folder.write("Klingon.lng", "[Form1]\r\nForm.Caption=tlhIngan\r\n");
    h.start();
    QTest::mouseClick(h.find<ImageButton>("BTnext"), Qt::LeftButton);
    const QStringList french{"&Ouvrir", "Annuler"}, english{"&Open", "Cancel"};
    EXPECT_EQ(setupListDialogButtons(h), french);
    entry(h, 0)->trigger(); // English.lng
    EXPECT_EQ(setupListDialogButtons(h), english);
    entry(h, 2)->trigger(); // Klingon.lng names no Qt language: Qt's texts stay
    EXPECT_EQ(setupListDialogButtons(h), english);
    entry(h, 1)->trigger(); // Francais.lng
    EXPECT_EQ(setupListDialogButtons(h), french);
}

TEST(Form1Language, OtherNamesTheCurrentFileAndOpensItAsOneArgument) {
    WizardHarness h;
    h.start();
    h.find<QMenu>("MNlangue")->actions().back()->trigger();
    const QString french = h.programFile("Francais.lng");
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0].style, kMessageInformation);
    EXPECT_EQ(h.messages.shown[0].text,
              "Translate this file \r\n\r\n" + french +
                  "\r\n\r\nand save it in the application folder like this :\r\n"
                  "your country's name .LNG\r\n\r\nIt will apear in the translate menu");
    EXPECT_EQ(h.editor.started, QStringList{french});

    // When no editor starts, the user hears of it after the instructions.
    h.editor.starts = false;
    h.find<QMenu>("MNlangue")->actions().back()->trigger();
    ASSERT_EQ(h.messages.shown.size(), 3u);
    EXPECT_EQ(h.messages.shown[1].style, kMessageInformation);
    EXPECT_EQ(h.messages.shown[2].style, kMessageStop);
    EXPECT_EQ(h.messages.shown[2].text,
              "Erreur -2147220425\r\nNo application is associated with this file type.");
}

TEST(Form1Language, StartUpRewritesFrenchThenAppliesTheSavedLanguage) {
    WizardHarness h;
    std::filesystem::copy_file(kEnglish, h.folder.file("English.lng"));
    h.folder.write("Francais.lng", "[Form1]\r\nForm.Caption=edited by hand\r\nOld.Key=kept\r\n");
    h.settings.values.insert("FILES/LNG", h.programFile("English.lng"));
    h.settings.values.insert("OPTIONS/INNO6", "1");
    Form1& form = h.start();
    EXPECT_EQ(form.windowTitle(), "TEMBRIX CONVERTER");
    EXPECT_TRUE(h.find<QCheckBox>("chkInno6")->isChecked());
    EXPECT_EQ(form.conversionInputs().dialect, ScriptDialect::Inno6);
    EXPECT_EQ(h.find<QMenu>("MNlangue")->actions().front()->text(), "English.lng");
    const std::string french = TempFolder::read(h.folder.file("Francais.lng"));
    EXPECT_NE(french.find("Form.Caption=TEMBRIX CONVERTOR\r\n"), std::string::npos);
    EXPECT_NE(french.find("Old.Key=kept\r\n"), std::string::npos);
    EXPECT_EQ(h.settings.writes, 0);

    // A saved language that has gone counts as none: French, with its messages.
    WizardHarness moved;
    moved.settings.values.insert("FILES/LNG", moved.programFile("gone/English.lng"));
    Form1& kept = moved.start();
    EXPECT_EQ(kept.windowTitle(), "TEMBRIX CONVERTOR");
    EXPECT_EQ(kept.translation().currentLanguageFile(), moved.folder.file("Francais.lng"));
    QTest::mouseClick(moved.find<ImageButton>("BTnext"), Qt::LeftButton);
    QTest::mouseClick(moved.find<ImageButton>("BTnext"), Qt::LeftButton);
    ASSERT_EQ(moved.messages.shown.size(), 1u);
    EXPECT_EQ(moved.messages.shown[0].text, "Fichier introuvable !\r\n");
}

TEST(Form1Language, AnInstalledProgramKeepsItsOwnFilesInTheUsersFolder) {
    WizardHarness h;
    std::filesystem::copy_file(kEnglish, h.folder.file("English.lng"));
    h.folder.write("SetupLine.txt", "shipped");
    h.folder.write("tembrix-installed", "");
    h.start();
    EXPECT_FALSE(std::filesystem::exists(h.folder.file("Francais.lng")));
    EXPECT_EQ(TempFolder::read(h.folder.file("data/Francais.lng")),
              TempFolder::read(kGoldenFrench));
    // The menu lists both folders as they are when it opens.
    h.folder.write("data/Deutsch.lng", "");
    QTest::mouseClick(h.find<ImageButton>("abTranslate"), Qt::LeftButton);
    EXPECT_EQ(menuTexts(h),
              QStringList({"Deutsch.lng", "English.lng", "Francais.lng", "-", "Other ..."}));

    // The pencil makes the user's copy of the shipped lines, which the conversion then reads.
    h.find<ImageButton>("cmdEdit")->click();
    const QString own = h.programFile("data/SetupLine.txt");
    EXPECT_EQ(h.find<QLineEdit>("txtOption")->text(), own);
    EXPECT_EQ(h.shell.requests.at(0).file, own);
    EXPECT_EQ(h.form->conversionInputs().SetupLinesPath, own.toStdString());
}

TEST(Form1Actions, FinalPageLinksAboutAndQuit) {
    WizardHarness h;
    Form1& form = h.start();
    h.find<QLineEdit>("txtISS")->setText("/My Setup/Setup.iss");
    h.find<ImageButton>("abEdit")->click();
    EXPECT_EQ(h.editor.started, QStringList{"/My Setup/Setup.iss"});
    h.find<ImageButton>("abOpenISS")->click();
    h.find<ImageButton>("abSite")->click();
    h.find<ImageButton>("LBLmail")->click();
    ASSERT_EQ(h.shell.requests.size(), 3u);
    EXPECT_EQ(h.shell.requests[0].file, "/My Setup/Setup.iss");
    EXPECT_EQ(h.shell.requests[1].file, "https://tembrix.org");
    EXPECT_EQ(h.shell.requests[2].file, "mailto:auteur@tembrix.org?subject=About%20Tembrix");
    for (const ShellRequest& request : h.shell.requests)
        EXPECT_EQ(request.verb, "open");
    EXPECT_TRUE(h.messages.shown.empty());

    // A refused request, or an editor that does not start, shows the shell's
    // error and changes nothing.
    h.shell.result = 31;
    h.find<ImageButton>("abOpenISS")->click();
    h.editor.starts = false;
    h.find<ImageButton>("abEdit")->click();
    ASSERT_EQ(h.messages.shown.size(), 2u);
    for (const auto& shown : h.messages.shown)
        EXPECT_EQ(shown.text,
                  "Erreur -2147220425\r\nNo application is associated with this file type.");
    EXPECT_EQ(h.find<ImageButton>("abEdit")->currentLook(), ImageButton::Look::Rest);
    EXPECT_EQ(form.currentStep(), 0);

    EXPECT_EQ(h.find<ImageButton>("abSite")->mouseIcon().pixmap().cacheKey(),
              h.find<ImageButton>("LBLmail")->mouseIcon().pixmap().cacheKey());
    h.find<ImageButton>("BThelp")->click();
    ASSERT_EQ(h.about.parents.size(), 1u);
    EXPECT_EQ(h.about.parents[0], &form);

    form.show();
    h.find<ImageButton>("BTcancel")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(h.settings.writes, 0);
}
