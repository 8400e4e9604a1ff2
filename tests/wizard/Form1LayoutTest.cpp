#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "Form1Layout.h"
#include "WizardHarness.h"
#include "tembrix/localisation/Form1Controls.h"
#include "tembrix/platformqt/ImageButton.h"

using namespace tembrix;
using namespace tembrix::testing;

namespace {

const std::string kGoldenFrench = TEMBRIX_TEST_DATA_DIR "/localisation/Francais.lng";
const std::string kEnglish = TEMBRIX_SOURCE_DIR "/localisation/English.lng";

} // namespace

TEST(Form1Layout, PagesShareOneRectangleAndOnlyTheWelcomePageShows) {
    WizardHarness h;
    Form1& form = h.start();
    EXPECT_EQ(form.size(), QSize(475, 319));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.objectName(), "Form1");
    EXPECT_FALSE(form.windowIcon().isNull());

    for (int i = 0; i < 5; ++i) {
        auto* frame = h.find<QGroupBox>("frame", i);
        ASSERT_NE(frame, nullptr) << i;
        EXPECT_EQ(frame->geometry(), QRect(4, 4, 461, 281)) << i;
        EXPECT_EQ(frame->isVisibleTo(&form), i == 0) << i;
    }
    auto* files = h.find<QListWidget>("FileLNG");
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(files->geometry(), QRect(4, 348, 145, 58));
    EXPECT_GE(files->y(), form.height());

    for (const char* hidden : {"txtPath", "txtFileAdd"})
        EXPECT_TRUE(h.find<QLineEdit>(hidden)->isHidden()) << hidden;
    for (const char* hidden : {"cmdChooseAdd", "cmdEditAdd"})
        EXPECT_TRUE(h.find<ImageButton>(hidden)->isHidden()) << hidden;

    // A few design places, which catch a wrong parent or a wrong unit.
    EXPECT_EQ(h.find<ImageButton>("BTend")->geometry(), QRect(392, 293, 72, 21));
    EXPECT_EQ(h.find<QLabel>("lblStep01", 6)->pos(), QPoint(152, 176));
    EXPECT_EQ(h.find<QLineEdit>("txtOuputExe")->parentWidget(), h.find<QGroupBox>("frame", 2));
    EXPECT_EQ(h.find<ImageButton>("abEdit")->geometry(), QRect(360, 200, 89, 65));
}

// A control is one row of the design's table plus its texts: both tables
// must name the same controls, each once.
TEST(Form1Layout, DesignAndTextTablesNameTheSameControls) {
    std::vector<QString> design = designControlKeys();
    std::vector<QString> texts;
    for (const ControlText& row : form1Controls())
        texts.push_back(
            controlKey(QString::fromUtf8(row.name.data(), qsizetype(row.name.size())), row.index));
    std::ranges::sort(design);
    std::ranges::sort(texts);
    EXPECT_EQ(std::ranges::adjacent_find(design), design.end());
    EXPECT_EQ(design, texts);
}

TEST(Form1Layout, StartStatesAndTabOrderFollowTheDesign) {
    WizardHarness h;
    Form1& form = h.start();
    EXPECT_TRUE(h.find<ImageButton>("BTnext")->isEnabled());
    EXPECT_FALSE(h.find<ImageButton>("BTlast")->isEnabled());
    EXPECT_FALSE(h.find<ImageButton>("BTend")->isEnabled());
    EXPECT_TRUE(h.find<QCheckBox>("chkVbDLL")->isChecked());
    EXPECT_FALSE(h.find<QCheckBox>("chkAbsPath")->isChecked());
    EXPECT_FALSE(h.find<QCheckBox>("chkFileAdd")->isChecked());
    EXPECT_EQ(h.find<QLineEdit>("txtVersion")->text(), "1.0");
    EXPECT_EQ(h.find<QLineEdit>("txtOption")->text(), h.programFile("SetupLine.txt"));
    EXPECT_EQ(h.find<QLineEdit>("txtFileAdd")->text(), h.programFile("AddLine.txt"));
    EXPECT_EQ(form.conversionInputs().SetupLinesPath, h.programFile("SetupLine.txt").toStdString());
    EXPECT_EQ(form.conversionInputs().ExtraLinesPath, h.programFile("AddLine.txt").toStdString());
    EXPECT_TRUE(form.conversionInputs().IncludeRuntimeFiles);
    EXPECT_EQ(form.conversionInputs().Version, "1.0");
    EXPECT_EQ(form.currentStep(), 0);
    // The line files are only named, never created.
    EXPECT_FALSE(std::filesystem::exists(h.folder.file("SetupLine.txt")));

    const QStringList expected = {
        "txtLST",     "txtISS",     "txtOption",    "txtVersion",   "chkVbDLL",     "abTranslate",
        "abSite",     "LBLmail",    "BTend",        "BTnext",       "BTlast",       "BTcancel",
        "BThelp",     "cmdOption",  "cmdChooseISS", "cmdChooseLST", "txtOutputDir", "txtOuputExe",
        "cmdExeName", "cmdEdit",    "chkFileAdd",   "txtFileAdd",   "cmdChooseAdd", "cmdEditAdd",
        "txtPath",    "chkAbsPath", "abRestart",    "abEdit",       "abOpenISS",    "chkInno6",
        "abCompile",  "txtReport"};
    QStringList chain;
    QWidget* widget = h.find<QLineEdit>("txtLST");
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != h.find<QLineEdit>("txtLST"));
    EXPECT_EQ(chain, expected);
}

TEST(Form1Layout, ExportOfAFreshWindowEqualsTheGoldenFrenchFile) {
    WizardHarness h;
    h.start();
    const std::string written = TempFolder::read(h.folder.file("Francais.lng"));
    EXPECT_EQ(written, TempFolder::read(kGoldenFrench));
    // One file only, also where file names are case-sensitive.
    EXPECT_EQ(h.folder.entryCount(), 1u);
}

// Every caption of the window, French and English, must fit the control that shows it.
TEST(Form1Layout, EveryTextFitsItsControlInBothLanguages) {
    WizardHarness h;
    std::filesystem::copy_file(kEnglish, h.folder.file("English.lng"));
    Form1& form = h.start();
    auto checkAll = [&](const char* language) {
        for (QLabel* label : form.findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << language << ": " << label->objectName().toStdString() << " "
                << label->property("tembrixIndex").toInt() << " \"" << label->text().toStdString()
                << "\"";
            EXPECT_LE(label->x() + label->width(), label->parentWidget()->width())
                << language << ": " << label->objectName().toStdString();
        }
        for (QCheckBox* check : form.findChildren<QCheckBox*>())
            EXPECT_LE(check->sizeHint().width(), check->width())
                << language << ": " << check->objectName().toStdString();
        for (ImageButton* button : form.findChildren<ImageButton*>()) {
            if (button->caption().isEmpty())
                continue;
            EXPECT_LE(button->sizeHint().width(), button->width())
                << language << ": " << button->objectName().toStdString();
        }
    };
    checkAll("French");
    h.find<QMenu>("MNlangue")->actions().front()->trigger(); // English.lng sorts first
    ASSERT_EQ(form.windowTitle(), "TEMBRIX CONVERTER");
    checkAll("English");
}
