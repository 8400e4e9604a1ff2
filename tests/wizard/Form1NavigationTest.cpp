#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <regex>

#include "WizardHarness.h"
#include "tembrix/platform/CodePage.h"
#include "tembrix/platform/FileSystem.h"
#include "tembrix/platformqt/ImageButton.h"

using namespace tembrix;
using namespace tembrix::testing;

namespace {

const std::string kWorkedList = TEMBRIX_TEST_DATA_DIR "/engine/worked-example.lst";
const std::string kWorkedScript = TEMBRIX_TEST_DATA_DIR "/engine/worked-example.iss";
const std::string kWorkedAbsolute = TEMBRIX_TEST_DATA_DIR "/engine/worked-example-absolute.iss";
const std::string kDriveList =
    TEMBRIX_TEST_DATA_DIR "/corpus/no-icongroups-bootstrap-stkit-only.lst";

// The local file system, counting what the window asks of it.
class CountingFileSystem : public FileSystem {
public:
    explicit CountingFileSystem(bool& released) : m_released(released) {}
    ~CountingFileSystem() override { m_released = true; }
    bool fileExists(const std::string& path) const override {
        ++existenceTests;
        return m_local->fileExists(path);
    }
    std::optional<std::string> readAll(const std::string& path) const override {
        return m_local->readAll(path);
    }
    Status createTextFile(const std::string& path,
                          std::unique_ptr<TextFileWriter>& writer) override {
        ++scriptsCreated;
        return m_local->createTextFile(path, writer);
    }
    std::optional<std::vector<FolderEntry>> listFolder(const std::string& path) const override {
        return m_local->listFolder(path);
    }
    Status createFolder(const std::string& path) override { return m_local->createFolder(path); }
    mutable int existenceTests = 0;
    mutable int scriptsCreated = 0;

private:
    std::unique_ptr<FileSystem> m_local = createLocalFileSystem();
    bool& m_released;
};

struct Buttons {
    bool next, back, finish;
    bool operator==(const Buttons&) const = default;
};

class Wizard : public ::testing::Test {
protected:
    void SetUp() override {
        h.start();
        std::filesystem::create_directories(h.folder.path() / "My Proj" / "Support");
        listPath = h.programFile("My Proj/Support/SETUP.LST");
        std::filesystem::copy_file(kWorkedList, listPath.toStdString());
    }

    void click(const char* name) { QTest::mouseClick(h.find<ImageButton>(name), Qt::LeftButton); }
    void chooseSetupList(const QString& path) {
        h.dialogs.answers.push_back(path);
        click("cmdChooseLST");
    }
    QLineEdit* text(const char* name) { return h.find<QLineEdit>(name); }
    Buttons buttons() {
        return {h.find<ImageButton>("BTnext")->isEnabled(),
                h.find<ImageButton>("BTlast")->isEnabled(),
                h.find<ImageButton>("BTend")->isEnabled()};
    }
    int pageShown() {
        int shown = -1;
        for (int i = 0; i < 5; ++i) {
            if (h.find<QGroupBox>("frame", i)->isVisibleTo(h.form.get())) {
                EXPECT_EQ(shown, -1) << "two pages at once";
                shown = i;
            }
        }
        return shown;
    }
    void expectState(int page, int step, Buttons expected, const char* row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(pageShown(), page);
        EXPECT_EQ(h.form->currentStep(), step);
        EXPECT_EQ(buttons(), expected);
    }
    void walkToPage3() {
        click("BTnext");
        chooseSetupList(listPath);
        click("BTnext");
        click("BTnext");
    }

    WizardHarness h;
    QString listPath;
};

} // namespace

TEST_F(Wizard, EveryRowOfTheStateTable) {
    expectState(0, 0, {true, false, false}, "after start-up");
    click("BTlast"); // disabled: no click
    click("BTend");
    expectState(0, 0, {true, false, false}, "disabled buttons on page 0");
    click("BTnext");
    expectState(1, 1, {true, true, false}, "Next from page 0");
    click("BTnext");
    expectState(1, 1, {true, true, false}, "Next from page 1, list missing");
    chooseSetupList(listPath);
    click("BTnext");
    expectState(2, 2, {true, true, false}, "Next from page 1, list exists");
    click("BTnext");
    expectState(3, 3, {false, true, true}, "Next from page 2");
    click("BTlast");
    expectState(2, 2, {true, true, false}, "Back from page 3");
    click("BTlast");
    expectState(1, 1, {true, true, false}, "Back from page 2");
    click("BTlast");
    expectState(0, 0, {true, false, false}, "Back from page 1");
    click("BTnext");
    click("BTnext");
    click("BTnext");
    click("BTend");
    expectState(4, 3, {false, false, false}, "Finish on page 3");
    click("abRestart");
    expectState(1, 1, {true, true, false}, "Restart on page 4");
    click("BTlast");
    expectState(0, 0, {true, false, false}, "Back after Restart");

    // Return goes forward from where each page puts the focus: Next, then Finish.
    h.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
    for (int page = 0; page < 4; ++page)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    expectState(4, 3, {false, false, false}, "Return on pages 0 to 3");
}

TEST_F(Wizard, AMissingSetupListKeepsThePageAndNamesThePath) {
    click("BTnext");
    click("BTnext");
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0].text, "Fichier introuvable !\r\n");
    EXPECT_EQ(h.messages.shown[0].style, kMessageStop);

    text("txtLST")->setText(h.programFile("My Proj/Support")); // a folder is no file
    click("BTnext");
    ASSERT_EQ(h.messages.shown.size(), 2u);
    EXPECT_EQ(h.messages.shown[1].text,
              "Fichier introuvable !\r\n" + h.programFile("My Proj/Support"));
    EXPECT_EQ(h.form->currentStep(), 1);
    EXPECT_EQ(h.find<ImageButton>("BTnext")->currentLook(), ImageButton::Look::Rest);

    // Typing the path of an existing list passes, and derives as a choice does.
    text("txtLST")->setText(listPath);
    click("BTnext");
    EXPECT_EQ(h.form->currentStep(), 2);
    EXPECT_EQ(h.messages.shown.size(), 2u);
    EXPECT_EQ(text("txtISS")->text(), h.programFile("My Proj/Support/Setup.iss"));
    EXPECT_EQ(text("txtOuputExe")->text(), "Inventory.exe");
}

TEST_F(Wizard, ChoosingASetupListDerivesEveryDefault) {
    click("BTnext");
    chooseSetupList(listPath);
    ASSERT_EQ(h.dialogs.requests.size(), 1u);
    const FileDialogRequest& request = h.dialogs.requests[0];
    EXPECT_EQ(request.kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(request.title, "Selectionner un LST");
    ASSERT_EQ(request.filters.size(), 1u);
    EXPECT_EQ(request.filters[0].second, "*.lst");

    const QString folder = h.programFile("My Proj/Support/");
    EXPECT_EQ(text("txtLST")->text(), listPath);
    EXPECT_EQ(text("txtPath")->text(), folder);
    EXPECT_EQ(text("txtISS")->text(), folder + "Setup.iss");
    EXPECT_EQ(text("txtOutputDir")->text(), folder + "OutPut" + QDir::separator());
    EXPECT_EQ(text("txtOuputExe")->text(), "Inventory.exe");
    EXPECT_TRUE(text("txtPath")->isHidden()); // the check box decides that

    // A second choice keeps what the user typed; a list without title gives ".exe".
    text("txtISS")->setText("/elsewhere/Mine.iss");
    const QString bare = h.programFile("bare.lst");
    h.folder.write("bare.lst", "[Setup]\r\nDefaultDir=x\r\n");
    chooseSetupList(bare);
    EXPECT_EQ(text("txtISS")->text(), "/elsewhere/Mine.iss");
    EXPECT_EQ(text("txtOutputDir")->text(), h.programFile("OutPut") + QDir::separator());
    EXPECT_EQ(text("txtOuputExe")->text(), ".exe");

    // Cancel touches nothing.
    click("cmdChooseLST");
    EXPECT_EQ(text("txtLST")->text(), bare);
    EXPECT_EQ(h.find<ImageButton>("cmdChooseLST")->currentLook(), ImageButton::Look::Rest);
}

// A drop synthesized as the desktop delivers it to the widget under the
// pointer; Qt hands both events to the widget that takes the enter. True when taken.
bool dropOn(QWidget* target, const QMimeData& data) {
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// Files as file managers drag them: the addresses, and the same as plain text,
// which a text box would take for itself.
std::unique_ptr<QMimeData> files(const QStringList& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << (path.contains(QLatin1String("://"))
                     ? QUrl(path)
                     : QUrl::fromLocalFile(QDir::fromNativeSeparators(path)));
    data->setUrls(urls);
    QStringList addresses;
    for (const QUrl& url : urls)
        addresses << url.toString();
    data->setText(addresses.join(u'\n'));
    return data;
}

TEST_F(Wizard, ADroppedSetupListIsTakenAsIfChosen) {
    const auto derivedTexts = [&] {
        QStringList shown;
        for (const char* name : {"txtLST", "txtPath", "txtISS", "txtOutputDir", "txtOuputExe"})
            shown << text(name)->text();
        return shown;
    };
    const QString lower = h.programFile("My Proj/setup.lst");
    std::filesystem::copy_file(listPath.toStdString(), lower.toStdString());
    std::filesystem::create_directory(h.folder.path() / "folder.lst");
    h.folder.write("notes.txt", "[Setup]\r\nTitle=Notes\r\n");
    auto plainText = std::make_unique<QMimeData>();
    plainText->setText(listPath);

    click("BTnext");
    chooseSetupList(listPath);
    const QStringList chosen = derivedTexts();
    text("txtLST")->clear();
    struct Case {
        const char* row;
        std::unique_ptr<QMimeData> data;
        QWidget* target;
        bool taken;
    };
    QWidget* box = text("txtLST");
    QWidget* page = h.find<QGroupBox>("frame", 1);
    const Case cases[] = {
        {"two lists", files({listPath, lower}), box, false},
        {"a folder", files({h.programFile("folder.lst")}), box, false},
        {"another extension", files({h.programFile("notes.txt")}), page, false},
        {"a remote address", files({"https://tembrix.org/SETUP.LST"}), box, false},
        {"a list that has gone", files({h.programFile("gone.lst")}), box, false},
        {"a name, not a file", std::move(plainText), page, false},
        {"the list, on its text box", files({listPath}), box, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(dropOn(c.target, *c.data), c.taken);
        EXPECT_EQ(text("txtLST")->text(), c.taken ? listPath : QString());
    }
    EXPECT_EQ(derivedTexts(), chosen) << "a drop does what the button does";

    // On the page of the script and the installer, anywhere on the page.
    click("BTnext");
    ASSERT_EQ(pageShown(), 2);
    EXPECT_TRUE(dropOn(h.find<QGroupBox>("frame", 2), *files({lower})));
    EXPECT_EQ(text("txtISS")->text(), h.programFile("My Proj/Setup.iss"));
    // A package's folder, or its setup.exe, stands for its list.
    h.folder.write("My Proj/SETUP.EXE", "MZ");
    for (const char* dropped : {"My Proj", "My Proj/SETUP.EXE"}) {
        text("txtLST")->clear();
        EXPECT_TRUE(dropOn(h.find<QGroupBox>("frame", 2), *files({h.programFile(dropped)})));
        EXPECT_EQ(text("txtLST")->text(), lower) << dropped;
    }

    // Every page takes it; the welcome page moves on to the list's page.
    click("BTnext");
    EXPECT_TRUE(dropOn(h.find<QGroupBox>("frame", 3), *files({listPath})));
    EXPECT_EQ(text("txtLST")->text(), listPath);
    click("BTlast");
    click("BTlast");
    click("BTlast");
    ASSERT_EQ(pageShown(), 0);
    EXPECT_TRUE(dropOn(h.find<QGroupBox>("frame", 0), *files({lower})));
    EXPECT_EQ(pageShown(), 1);
    EXPECT_EQ(text("txtLST")->text(), lower);
    EXPECT_EQ(h.dialogs.requests.size(), 1u);
}

TEST_F(Wizard, ScriptAndInstallerDialogsFillTheirBoxes) {
    walkToPage3();
    click("BTlast");
    h.dialogs.answers.push_back(QString("/out dir/My Script.iss"));
    click("cmdChooseISS");
    EXPECT_EQ(text("txtISS")->text(), QDir::toNativeSeparators("/out dir/My Script.iss"));
    EXPECT_EQ(h.dialogs.requests.back().kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(h.dialogs.requests.back().title, "Fichier ISS cible");

    h.dialogs.answers.push_back(QString("/D/Out/Setup.exe"));
    click("cmdExeName");
    EXPECT_EQ(h.dialogs.requests.back().title, "Fichier exécutable final");
    EXPECT_EQ(text("txtOutputDir")->text(), QDir::toNativeSeparators("/D/Out/"));
    EXPECT_EQ(text("txtOuputExe")->text(), "Setup.exe");
}

TEST_F(Wizard, OptionsOfPage4ReachTheRecordAsDesigned) {
    walkToPage3();
    auto* addLines = h.find<QCheckBox>("chkFileAdd");
    addLines->click();
    EXPECT_TRUE(h.form->conversionInputs().AddExtraLines);
    for (const char* shown : {"txtFileAdd"})
        EXPECT_FALSE(text(shown)->isHidden());
    EXPECT_FALSE(h.find<ImageButton>("cmdChooseAdd")->isHidden());
    EXPECT_FALSE(h.find<ImageButton>("cmdEditAdd")->isHidden());
    addLines->click();
    EXPECT_FALSE(h.form->conversionInputs().AddExtraLines);
    EXPECT_TRUE(text("txtFileAdd")->isHidden());
    EXPECT_TRUE(h.find<ImageButton>("cmdEditAdd")->isHidden());
    EXPECT_EQ(text("txtFileAdd")->text(), h.programFile("AddLine.txt"));

    h.find<QCheckBox>("chkVbDLL")->click();
    EXPECT_FALSE(h.form->conversionInputs().IncludeRuntimeFiles);
    h.find<QCheckBox>("chkInno6")->click();
    EXPECT_EQ(h.form->conversionInputs().dialect, ScriptDialect::Inno6);
    EXPECT_EQ(h.settings.values.value("OPTIONS/INNO6"), "1");
    text("txtVersion")->clear();
    EXPECT_EQ(h.form->conversionInputs().Version, "");
    text("txtVersion")->setText("2.5");
    EXPECT_EQ(h.form->conversionInputs().Version, "2.5");

    // A typed line file is the one the pencil opens and the conversion reads.
    text("txtOption")->setText("/typed/Lines.txt");
    click("cmdEdit");
    ASSERT_EQ(h.shell.requests.size(), 1u);
    EXPECT_EQ(h.shell.requests[0].file, "/typed/Lines.txt");
    EXPECT_EQ(h.shell.requests[0].verb, "open");
    EXPECT_EQ(h.form->conversionInputs().SetupLinesPath, "/typed/Lines.txt");

    h.dialogs.answers.push_back(QString("/chosen/Lines.txt"));
    click("cmdOption");
    EXPECT_EQ(h.dialogs.requests.back().title, "Selectionner un fichier");
    EXPECT_EQ(h.dialogs.requests.back().initialDirectory, h.app.programFolder());
    EXPECT_EQ(h.dialogs.requests.back().filters.at(1).first, "Tous les fichiers (*.*)");
    EXPECT_EQ(h.form->conversionInputs().SetupLinesPath,
              QDir::toNativeSeparators("/chosen/Lines.txt").toStdString());
    h.dialogs.answers.push_back(QString("/chosen/More.txt"));
    addLines->click();
    click("cmdChooseAdd");
    EXPECT_EQ(h.form->conversionInputs().ExtraLinesPath,
              QDir::toNativeSeparators("/chosen/More.txt").toStdString());
}

TEST_F(Wizard, FinishWritesTheEnginesScript) {
    walkToPage3();
    click("BTlast");
    text("txtOutputDir")->setText("C:\\Build\\OutPut\\");
    click("BTnext");
    click("BTend");
    EXPECT_TRUE(h.messages.shown.empty());
    const std::string script = TempFolder::read(text("txtISS")->text().toStdString());
    EXPECT_EQ(script, TempFolder::read(kWorkedScript));
    EXPECT_EQ(h.find<ImageButton>("BTend")->currentLook(), ImageButton::Look::Rest);

    // Restart keeps every input; the absolute source folder is the one in txtPath.
    click("abRestart");
    EXPECT_EQ(text("txtLST")->text(), listPath);
    EXPECT_EQ(text("txtOutputDir")->text(), "C:\\Build\\OutPut\\");
    EXPECT_EQ(text("txtVersion")->text(), "1.0");
    h.find<QCheckBox>("chkAbsPath")->click();
    EXPECT_FALSE(text("txtPath")->isHidden());
    text("txtPath")->setText("C:\\Build\\Support\\");
    click("BTnext");
    click("BTnext");
    click("BTend");
    EXPECT_EQ(TempFolder::read(text("txtISS")->text().toStdString()),
              TempFolder::read(kWorkedAbsolute));
    EXPECT_TRUE(h.form->conversionInputs().UseAbsoluteSource);
    EXPECT_EQ(h.form->conversionInputs().SourceFolder, "C:\\Build\\Support\\");

    // The installer's name that the user picks reaches the script, without ".exe".
    text("txtOuputExe")->setText("MonSetup.EXE");
    click("abRestart");
    click("BTnext");
    click("BTnext");
    click("BTend");
    std::string renamed = TempFolder::read(kWorkedAbsolute);
    const std::string line = "\r\nOutputBaseFilename=Inventory\r\n";
    ASSERT_NE(renamed.find(line), std::string::npos);
    renamed.replace(renamed.find(line), line.size(), "\r\nOutputBaseFilename=MonSetup\r\n");
    EXPECT_EQ(TempFolder::read(text("txtISS")->text().toStdString()), renamed);
}

// A note leaves the page's claim that the script compiles as it is; a warning
// replaces it until Restart. Without a compiler no compile is offered.
TEST_F(Wizard, TheFinalPageReportsTheConversionsRemarks) {
    // No SetupLine.txt beside the program: not read, and no word of it.
    // The files that the lists install, beside them, as in a package.
    for (const std::string& list : {listPath.toStdString(), kDriveList}) {
        const std::string bytes = TempFolder::read(list);
        const std::regex entry("File[0-9]+=@?([^,\r\n]+)");
        for (std::sregex_iterator at(bytes.begin(), bytes.end(), entry), end; at != end; ++at)
            h.folder.write("My Proj/Support/" + (*at)[1].str(), "");
    }
    walkToPage3();
    click("BTend");
    auto* report = h.find<QPlainTextEdit>("txtReport");
    QLabel* first = h.find<QLabel>("lblStep05", 0);
    const QString compilable = first->text();
    EXPECT_EQ(
        report->toPlainText(),
        "Note : [Setup1 Files] File3 : INVENT.EXE s'enregistre lui-même : [Run] le lance avec "
        "/REGSERVER, et [UninstallRun] avec /UNREGSERVER avant que la désinstallation ne le "
        "supprime");
    EXPECT_TRUE(report->isVisibleTo(h.form.get()));
    EXPECT_TRUE(compilable.contains("directement compilable"));
    EXPECT_TRUE(h.find<ImageButton>("abCompile")->isHidden());

    click("abRestart");
    std::filesystem::copy_file(kDriveList, listPath.toStdString(),
                               std::filesystem::copy_options::overwrite_existing);
    for (const char* button : {"BTnext", "BTnext", "BTend"})
        click(button);
    EXPECT_EQ(report->toPlainText(),
              "Attention : [Setup] DefaultDir : le dossier par défaut "
              "D:\\AcordeSv\\DSMS\\SourceFiles\\DSMS commence par le lecteur D:, l'installation "
              "échoue là où ce lecteur n'existe pas");
    EXPECT_EQ(first->text(),
              "Script ISS créé : lisez les avertissements avant de le compiler avec Inno Setup");
    EXPECT_LE(first->fontMetrics().horizontalAdvance(first->text()), first->width());
    click("abRestart");
    EXPECT_EQ(first->text(), compilable);

    // A lines file that the user names and that is not there is said.
    text("txtOption")->setText(h.programFile("Mine.txt"));
    for (const char* button : {"BTnext", "BTnext", "BTend"})
        click(button);
    EXPECT_TRUE(report->toPlainText().contains("Mine.txt ne peut pas être lu"))
        << report->toPlainText().toStdString();
}

// The compile runs off the window's thread and its result leads the report.
TEST_F(Wizard, TheFinalPageCompilesWithTheCompilerFound) {
    CompileOutcome built, failed;
    built.compiled = true;
    built.exitCode = 0;
    built.installerPath = "/out/setup.exe";
    failed.exitCode = 2;
    failed.messages = {{true, 6, "Error on line 6 in /p/Setup.iss: Unknown directive"}};
    const std::pair<CompileOutcome, QStringList> cases[] = {
        {built, {"Compilation réussie.", "Programme d'installation : /out/setup.exe", ""}},
        {failed,
         {"La compilation a échoué (code de sortie 2).",
          "Ligne 6 : Error on line 6 in /p/Setup.iss: Unknown directive", ""}}};
    h.compiler.found = "/usr/bin/ISCC";
    walkToPage3();
    click("BTend");
    auto* compile = h.find<ImageButton>("abCompile");
    EXPECT_FALSE(compile->isHidden());
    EXPECT_EQ(h.find<ImageButton>("abOpenISS")->x(), 1880 / 15);
    for (const auto& [outcome, shown] : cases) {
        h.compiler.outcome = outcome;
        click("abCompile");
        EXPECT_FALSE(compile->isEnabled());
        EXPECT_TRUE(h.find<QPlainTextEdit>("txtReport")
                        ->toPlainText()
                        .startsWith("Compilation du script en cours..."));
        for (int wait = 0; wait < 500 && !compile->isEnabled(); ++wait)
            QTest::qWait(10);
        const QStringList lines = h.find<QPlainTextEdit>("txtReport")->toPlainText().split('\n');
        EXPECT_EQ(lines.mid(0, shown.size()), shown);
        EXPECT_TRUE(lines.last().startsWith("Note : ")); // the remarks follow
    }
    EXPECT_EQ(h.compiler.compiled, QStringList(2, text("txtISS")->text()));

    // Closing the window stops a compile under way rather than waiting for it.
    h.compiler.hangs = true;
    click("abCompile");
    const auto closed = std::chrono::steady_clock::now();
    h.form->close();
    h.form.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - closed, std::chrono::seconds(5));
    EXPECT_EQ(h.compiler.stopped, 1);
}

// Until the user chooses, the Inno Setup 6 box follows the compiler found;
// what it proposes is not saved as a choice.
TEST(Form1Dialect, TheInno6BoxFollowsTheCompilerFoundUntilTheUserChooses) {
    struct Row {
        std::optional<QString> saved;
        int major;
        bool ticked;
    };
    for (const Row& row : {Row{std::nullopt, 6, true}, Row{std::nullopt, 5, false},
                           Row{"0", 6, false}, Row{"1", 5, true}}) {
        WizardHarness h;
        h.compiler.found = "/usr/bin/ISCC";
        h.compiler.major = row.major;
        if (row.saved)
            h.settings.values.insert("OPTIONS/INNO6", *row.saved);
        h.start();
        const auto* box = h.find<QCheckBox>("chkInno6");
        for (int wait = 0; wait < 600 && (h.compiler.versionsAsked < !row.saved ||
                                          box->isChecked() != row.ticked);
             ++wait)
            QTest::qWait(10);
        QTest::qWait(50);
        EXPECT_EQ(box->isChecked(), row.ticked);
        EXPECT_EQ(h.form->conversionInputs().dialect == ScriptDialect::Inno6, row.ticked);
        EXPECT_EQ(h.settings.values.value("OPTIONS/INNO6"), row.saved.value_or(QString()));
    }
}

TEST_F(Wizard, AScriptThatCannotBeWrittenIsReportedAndThePageStays) {
    walkToPage3();
    const QString missing = h.programFile("no such folder/Setup.iss");
    const QString folder = h.programFile("My Proj"), cannot = "Impossible d'écrire le script :\r\n";
    const std::pair<QString, QString> cases[] = {
        {missing, cannot + missing + "\r\nLe dossier de ce fichier n'existe pas."},
        {folder, cannot + folder +
                     "\r\nVous n'avez pas le droit d'écrire ce fichier, ou un "
                     "autre programme le tient ouvert."},
        {"", "Indiquez le fichier ISS cible à l'étape 03."}};
    for (const auto& [target, shown] : cases) {
        h.messages.shown.clear();
        text("txtISS")->setText(target);
        click("BTend");
        ASSERT_EQ(h.messages.shown.size(), 1u);
        EXPECT_EQ(h.messages.shown[0].style, kMessageStop);
        EXPECT_EQ(h.messages.shown[0].text, shown);
        expectState(3, 3, {false, true, true}, "after a failed Finish");
    }
    EXPECT_FALSE(std::filesystem::exists(missing.toStdString()));

    // A folder that the script's code page cannot spell is refused by its line's name.
    const QString korean = QString::fromUtf8("D:\\\xED\x95\x9C\\");
    const QString refused = h.programFile("My Proj/Refused.iss");
    text("txtISS")->setText(refused);
    text("txtOutputDir")->setText(korean);
    h.messages.shown.clear();
    click("BTend");
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0].text,
              "Ce dossier ne peut pas être écrit dans le script (OutputDir) : un de ses caractères "
              "manque à la page de codes " +
                  QString::number(systemCodePage()) + " du système.\r\n" + korean);
    expectState(3, 3, {false, true, true}, "after a folder refused");
    EXPECT_FALSE(std::filesystem::exists(refused.toStdString()));
}

// A list that cannot be read, or that is no setup list, is said on Finish,
// and nothing is written.
TEST_F(Wizard, AListThatCannotBeConvertedIsReportedAndNothingIsWritten) {
    walkToPage3();
    const std::string list = listPath.toStdString();
    const QString cannot = "Impossible de convertir la liste d'installation :\r\n" + listPath;
    for (const bool folder : {false, true}) {
        std::filesystem::remove(list);
        folder ? void(std::filesystem::create_directory(list))
               : void(h.folder.write("My Proj/Support/SETUP.LST", "[Setup]\r\n[Files]\r\n"));
        h.messages.shown.clear();
        click("BTend");
        ASSERT_EQ(h.messages.shown.size(), 1u);
        EXPECT_EQ(h.messages.shown[0].style, kMessageStop);
        EXPECT_TRUE(h.messages.shown[0].text.startsWith(
            cannot +
            (folder ? ": cannot be read: Is a directory" : ": not a setup list: it has no")))
            << h.messages.shown[0].text.toStdString();
        expectState(3, 3, {false, true, true}, "after a refused list");
        EXPECT_FALSE(std::filesystem::exists(h.folder.file("My Proj/Support/Setup.iss")));
    }
}

TEST_F(Wizard, FinishAsksBeforeReplacingAFileItDidNotWrite) {
    walkToPage3();
    const QString script = text("txtISS")->text();
    for (int finish = 0; finish < 2; ++finish) { // the second finds what the first wrote
        click("BTend");
        for (const char* button : {"abRestart", "BTnext", "BTnext"})
            click(button);
    }
    EXPECT_TRUE(h.messages.shown.empty());
    const std::string ours = TempFolder::read(script.toStdString()), edited = ours + ";\r\n";
    h.folder.write("My Proj/Support/Setup.iss", edited);
    // No (Escape and the close box answer so too) keeps the file and the page; Yes replaces it.
    for (const bool yes : {false, true}) {
        h.messages.answers = {yes};
        click("BTend");
        ASSERT_EQ(h.messages.shown.size(), 1u);
        EXPECT_EQ(h.messages.shown[0].text,
                  script + "\r\nCe fichier existe déjà. Voulez-vous le remplacer ?");
        EXPECT_EQ(TempFolder::read(script.toStdString()), yes ? ours : edited);
        EXPECT_EQ(pageShown(), yes ? 4 : 3);
        h.messages.shown.clear();
    }
}

TEST(Form1FileSystem, OneServiceFromStartUpToUnload) {
    WizardHarness h;
    bool released = false;
    int created = 0;
    CountingFileSystem* service = nullptr;
    Form1& form = h.start([&] {
        ++created;
        auto made = std::make_unique<CountingFileSystem>(released);
        service = made.get();
        return made;
    });
    EXPECT_EQ(created, 1);
    h.find<ImageButton>("BTnext")->click();
    h.find<ImageButton>("BTnext")->click();
    EXPECT_EQ(service->existenceTests, 1);
    std::filesystem::copy_file(kWorkedList, h.folder.file("SETUP.LST"));
    h.find<QLineEdit>("txtLST")->setText(h.programFile("SETUP.LST"));
    h.find<ImageButton>("BTnext")->click();
    h.find<ImageButton>("BTnext")->click();
    // A second Finish that arrives while the first converts is ignored.
    QMetaObject::invokeMethod(
        h.find<ImageButton>("BTend"), [&] { h.find<ImageButton>("BTend")->click(); },
        Qt::QueuedConnection);
    h.find<ImageButton>("BTend")->click();
    EXPECT_EQ(service->scriptsCreated, 1);
    EXPECT_EQ(created, 1);
    EXPECT_FALSE(released);
    form.close();
    EXPECT_TRUE(released);
}
