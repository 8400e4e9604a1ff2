#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>

#include <gtest/gtest.h>

#include "RecordingServices.h"
#include "TempFolder.h"
#include "tembrix/platformqt/FileDialogs.h"
#include "tembrix/platformqt/QtFileDialogBackend.h"
#include "tembrix/platformqt/QtOwnTexts.h"

using namespace tembrix;
using Entries = std::vector<std::pair<QString, QString>>;

TEST(FileDialogs, FilterTextIsSplitAtBarsAndColons) {
    EXPECT_EQ(convertFilter("*.LST|*.lst"), (Entries{{"*.LST", "*.lst"}}));
    EXPECT_EQ(convertFilter("Text|*.txt|All|*.*"), (Entries{{"Text", "*.txt"}, {"All", "*.*"}}));
    EXPECT_EQ(convertFilter("Text:*.txt"), (Entries{{"Text", "*.txt"}}));
    // A colon inside a description cuts it, and every later field shifts by one.
    EXPECT_EQ(convertFilter("Scripts: Inno|*.iss|All|*.*"),
              (Entries{{"Scripts", " Inno"}, {"*.iss", "All"}}));
    EXPECT_EQ(convertFilter("Text|*.txt|Orphan"), (Entries{{"Text", "*.txt"}}));
    EXPECT_EQ(convertFilter("Text|*.txt|"), (Entries{{"Text", "*.txt"}}));
    // An empty field is the end of the list, as a double NUL is.
    EXPECT_EQ(convertFilter("Text|*.txt||All|*.*"), (Entries{{"Text", "*.txt"}}));
    EXPECT_TRUE(convertFilter("").empty());
    EXPECT_TRUE(convertFilter("|*.txt").empty());
}

TEST(FileDialogs, OpenDialogFlagWord) {
    struct Case {
        bool mustExist, multi, readOnly, hideReadOnly;
        int extra;
        unsigned expected;
    };
    const Case cases[] = {
        {true, false, false, false, 0, 0x1000}, // what every caller asks
        {false, false, false, false, 0, 0},
        {false, true, false, false, 0, 0x200},
        {false, false, true, false, 0, 0x1},
        {false, false, false, true, 0, 0x4},
        {true, true, true, true, 0, 0x1205},
        {false, false, false, false, 0x20 | 0x40 | 0x800, 0x800}, // hook and template removed
    };
    for (const Case& c : cases) {
        RecordingDialogs dialogs;
        QString name, title, filter = "*.LST|*.lst";
        bool readOnly = c.readOnly;
        int index = 1, flags = c.extra;
        ShowOpenDialog(dialogs, name, title, c.mustExist, c.multi, readOnly, c.hideReadOnly, filter,
                       index, "", "Open", "", nullptr, flags);
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_EQ(dialogs.requests[0].flags, c.expected) << std::hex << c.expected;
        EXPECT_EQ(dialogs.requests[0].kind, FileDialogRequest::Kind::Open);
    }
}

TEST(FileDialogs, SaveDialogFlagWordAlwaysHidesReadOnly) {
    const std::pair<bool, unsigned> cases[] = {{true, 6}, {false, 4}};
    for (const auto& [prompt, expected] : cases) {
        RecordingDialogs dialogs;
        QString name, title, filter = "*.ISS|*.iss";
        int index = 1, flags = 0x20;
        ShowSaveDialog(dialogs, name, title, prompt, filter, index, "", "Save", "", nullptr, flags);
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_EQ(dialogs.requests[0].flags, expected);
        EXPECT_EQ(dialogs.requests[0].kind, FileDialogRequest::Kind::Save);
    }
}

TEST(FileDialogs, ChoiceAndCancelAsTheCallerSeesThem) {
    RecordingDialogs dialogs;
    dialogs.answers = {QStringLiteral("/pkg/Support/SETUP.LST")};
    QString name, title, filter = "*.LST|*.lst";
    bool readOnly = false;
    int index = 2, flags = 0;
    ASSERT_TRUE(ShowOpenDialog(dialogs, name, title, true, false, readOnly, false, filter, index,
                               "/start", "Choose", "", nullptr, flags));
    EXPECT_EQ(name, "/pkg/Support/SETUP.LST");
    EXPECT_EQ(title, "SETUP.LST");
    EXPECT_EQ(flags, 0x1000);
    EXPECT_FALSE(readOnly);
    const FileDialogRequest& request = dialogs.requests[0];
    EXPECT_EQ(request.title, "Choose");
    EXPECT_EQ(request.initialDirectory, "/start");
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.filters, (Entries{{"*.LST", "*.lst"}}));
    EXPECT_TRUE(request.defaultExtension.isEmpty());

    dialogs.answers.clear();
    name = "left over";
    title = "left over";
    EXPECT_FALSE(
        ShowSaveDialog(dialogs, name, title, true, filter, index, "", "Save", "", nullptr, flags));
    EXPECT_TRUE(name.isEmpty());
    EXPECT_TRUE(title.isEmpty());
}

TEST(QtFileDialogBackend, DialogIsSetUpAsRequested) {
    FileDialogRequest open;
    open.title = "Choisissez le fichier SETUP.LST";
    open.initialDirectory = QDir::tempPath();
    open.filters = {{"*.LST", "*.lst"}, {"Text", "*.txt;*.ini"}};
    open.filterIndex = 2;
    open.flags = kOfnFileMustExist;
    {
        QFileDialog dialog;
        QtFileDialogBackend::configure(dialog, open);
        EXPECT_EQ(dialog.windowTitle(), open.title);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.nameFilters(), (QStringList{"*.LST (*.lst)", "Text (*.txt *.ini)"}));
        EXPECT_EQ(dialog.selectedNameFilter(), "Text (*.txt *.ini)");
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
    }
    open.flags = kOfnAllowMultiSelect;
    {
        QFileDialog dialog;
        QtFileDialogBackend::configure(dialog, open);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
    }

    FileDialogRequest save;
    save.kind = FileDialogRequest::Kind::Save;
    save.filters = {{"*.ISS", "*.iss"}};
    save.filterIndex = 9; // out of range: the first entry
    for (const unsigned flags : {kOfnOverwritePrompt | kOfnHideReadOnly, kOfnHideReadOnly}) {
        save.flags = flags;
        QFileDialog dialog;
        QtFileDialogBackend::configure(dialog, save);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite),
                  !(flags & kOfnOverwritePrompt));
        EXPECT_TRUE(dialog.defaultSuffix().isEmpty());
        EXPECT_EQ(dialog.selectedNameFilter(), "*.ISS (*.iss)");
    }
}

// Each step asks for a language and reads Qt's own "Cancel" afterwards: a
// language without a file, or a value that is no language, changes nothing.
TEST(QtOwnTexts, FollowTheLanguageAskedFor) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm"))
        GTEST_SKIP() << "Qt's translations are not installed (qt6-translations-l10n)";
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    const std::pair<const char*, const char*> steps[] = {
        {"fr", "Annuler"}, {"xx", "Annuler"}, {"../de", "Annuler"},  {"de_AT", "Abbrechen"},
        {"", "Abbrechen"}, {"en", "Cancel"},  {"pt-BR", "Cancelar"}, {"en_GB", "Cancel"},
    };
    {
        QtOwnTexts texts;
        for (const auto& [locale, expected] : steps) {
            texts.use(locale);
            EXPECT_EQ(cancel(), expected) << locale;
        }
        texts.use("fr");
    }
    EXPECT_EQ(cancel(), "Cancel") << "the texts leave with their object";
    TempFolder empty;
    QtOwnTexts elsewhere(QString::fromStdString(empty.path().string()));
    elsewhere.use("fr");
    EXPECT_EQ(cancel(), "Cancel");
}
