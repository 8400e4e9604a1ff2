#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "RecordingServices.h"
#include "TempFolder.h"
#include "tembrix/platform/ProgramIdentity.h"
#include "tembrix/platformqt/DesktopShellBackend.h"
#include "tembrix/platformqt/ProcessEditor.h"
#include "tembrix/platformqt/QtMessageBoxes.h"
#include "tembrix/platformqt/QtSettingsStore.h"
#include "tembrix/platformqt/RunningAppInfo.h"
#include "tembrix/platformqt/TextBridge.h"
#include "tembrix/platformqt/UserFiles.h"

#include "OrdinaryUser.h"

#ifdef _WIN32
#include <windows.h>
#endif

using namespace tembrix;

namespace {

QString qt(const std::string& path) {
    return QString::fromStdString(path);
}

#ifndef _WIN32
// Waits until a file that a detached process writes has appeared and is complete.
QString waitForFile(const QString& path) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            if (bytes.endsWith("END\n"))
                return QString::fromUtf8(bytes);
        }
        QThread::msleep(20);
    }
    return {};
}
#endif

#ifndef _WIN32
// A script that writes each of its arguments on a line of `record`, then exits with `code`.
QString fakeProgram(const TempFolder& folder, const std::string& name, const QString& record,
                    int code) {
    const std::string path =
        folder.write(name, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
                               record.toStdString() + "'\necho END >> '" + record.toStdString() +
                               "'\nexit " + std::to_string(code) + "\n");
    QFile::setPermissions(qt(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return qt(path);
}
#endif

} // namespace

#ifndef _WIN32
TEST(DesktopShellBackend, LocalFailuresGetTheShellCodes) {
    TempFolder folder;
    const QString record = qt(folder.file("opener.txt"));
    DesktopShellBackend shell({fakeProgram(folder, "opener", record, 0)});
    ShellRequest request;
    request.verb = "open";

    request.file = qt(folder.file("missing.iss"));
    EXPECT_EQ(shell.execute(request), 2);
    request.file = qt(folder.file("no-folder/missing.iss"));
    EXPECT_EQ(shell.execute(request), 3);
    request.file = "";
    EXPECT_EQ(shell.execute(request), 2);
    request.file = qt(folder.write("Setup.iss", "[Setup]\r\n"));
    request.verb = "print";
    EXPECT_EQ(shell.execute(request), 31);
    EXPECT_FALSE(QFile::exists(record)); // the opener was never started
    asOrdinaryUser([] {
        TempFolder own;
        const QString ownRecord = qt(own.file("opener.txt"));
        DesktopShellBackend lockedOut({fakeProgram(own, "opener", ownRecord, 0)});
        ShellRequest unreadable;
        unreadable.verb = "open";
        unreadable.file = qt(own.write("locked.iss", "x"));
        QFile::setPermissions(unreadable.file, QFileDevice::WriteOwner);
        EXPECT_EQ(lockedOut.execute(unreadable), 5);
        EXPECT_FALSE(QFile::exists(ownRecord));
    });
}

TEST(DesktopShellBackend, OpenerReceivesThePathOrTheAddressUnchanged) {
    TempFolder folder;
    const QString record = qt(folder.file("opener.txt"));
    DesktopShellBackend shell({fakeProgram(folder, "opener", record, 0), "--flag"});
    ShellRequest request;
    request.verb = "open";

    folder.write("My Setup.iss", "[Setup]\r\n");
    request.file = "My Setup.iss";
    request.directory = qt(folder.path().string());
    EXPECT_GT(shell.execute(request), 32);
    EXPECT_EQ(waitForFile(record), "--flag\n" + qt(folder.file("My Setup.iss")) + "\nEND\n");

    QFile::remove(record);
    request.directory.clear();
    request.file = "mailto:someone@example.org?subject=About Tembrix";
    EXPECT_GT(shell.execute(request), 32);
    EXPECT_EQ(waitForFile(record), "--flag\n" + request.file + "\nEND\n");
}

TEST(DesktopShellBackend, OpenerRefusalsAndAbsence) {
    TempFolder folder;
    const QString record = qt(folder.file("opener.txt"));
    ShellRequest request;
    request.verb = "open";
    request.file = qt(folder.write("Setup.iss", "[Setup]\r\n"));

    const std::pair<int, int> exits[] = {{2, 2}, {3, 31}, {4, 31}, {1, 31}};
    for (const auto& [exitCode, expected] : exits) {
        DesktopShellBackend shell({fakeProgram(folder, "opener", record, exitCode)});
        EXPECT_EQ(shell.execute(request), expected) << exitCode;
    }
    DesktopShellBackend nowhere({qt(folder.file("no-such-opener"))});
    EXPECT_EQ(nowhere.execute(request), 31);
    request.file = "https://example.org/";
    EXPECT_EQ(nowhere.execute(request), 31);
}

TEST(ProcessEditor, PathArrivesAsOneArgumentThroughTheTerminal) {
    TempFolder folder;
    const QString record = qt(folder.file("terminal.txt"));
    const QString script = qt(folder.write("My Setup.iss", "[Setup]\r\n"));
    QProcessEnvironment env;
    env.insert("EDITOR", "tembrix-test-editor -R"); // never started: the terminal stands in
    ProcessEditor editor(env, {qt(folder.file("no-such-opener"))},
                         {fakeProgram(folder, "terminal", record, 0), "-e"});
    EXPECT_TRUE(editor.start(script).ok());
    EXPECT_EQ(waitForFile(record), "-e\ntembrix-test-editor\n-R\n" + script + "\nEND\n");

    ProcessEditor nothing(QProcessEnvironment(), {qt(folder.file("no-such-opener"))});
    const Status failed = nothing.start(script);
    EXPECT_FALSE(failed.ok());
    EXPECT_NE(failed.reason().find("My Setup.iss"), std::string::npos);
}

TEST(ProcessEditor, TerminalEditorsRunInATerminalThenTheOpenerIsTried) {
    struct Case {
        const char* visual;
        const char* editor;
        QStringList starting; // the programs that start
        QStringList tried;    // the command lines tried, in order
    };
    const Case cases[] = {
        {"vi", "", {"term"}, {"term -e vi F"}},
        {"", "nano -w", {"term"}, {"term -e nano -w F"}},
        {"/usr/bin/gedit --new-window",
         "vi",
         {"/usr/bin/gedit"},
         {"/usr/bin/gedit --new-window F"}},
        // No terminal emulator: a terminal editor would show nothing, so the opener follows.
        {"vim", "", {"xdg-open"}, {"term -e vim F", "xdg-open F"}},
        {"vi", "vi", {}, {"term -e vi F", "xdg-open F"}},
        {"code -w", "emacs", {"term"}, {"code -w F", "term -e emacs F"}},
        {"", "", {}, {"xdg-open F"}},
    };
    for (const Case& c : cases) {
        QProcessEnvironment env;
        env.insert("VISUAL", c.visual);
        env.insert("EDITOR", c.editor);
        QStringList tried;
        ProcessEditor editor(env, {"xdg-open"}, {"term", "-e"}, [&](const QStringList& command) {
            tried << command.join(' ');
            return c.starting.contains(command.first());
        });
        EXPECT_EQ(editor.start("F").ok(), !c.starting.isEmpty()) << c.visual << "|" << c.editor;
        EXPECT_EQ(tried, c.tried) << c.visual << "|" << c.editor;
    }
}
#else
// ShellExecute's own answers, which the table of refusals then explains.
TEST(DesktopShellBackend, ShellExecuteResultsAreHandedBackUnchanged) {
    TempFolder folder;
    DesktopShellBackend shell;
    ShellRequest request;
    request.verb = "open";
    const std::pair<QString, int> refusals[] = {
        {qt(folder.file("missing.iss")), 2},
        {qt(folder.write("Setup.tembrix-none", "x")), 31}, // no program for that type
    };
    for (const auto& [file, expected] : refusals) {
        request.file = file;
        EXPECT_EQ(shell.execute(request), expected) << file.toStdString();
    }
    request.file = "cmd.exe";
    request.parameters = "/c exit";
    request.showCommand = 0;
    EXPECT_GT(shell.execute(request), 32);
}

// Only under Wine, whose registry belongs to the test run and not to a user.
TEST(QtSettingsStore, TheLanguageLivesInTheUsersRegistryKey) {
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        GTEST_SKIP() << "writes the user's registry: runs under Wine only";
    const QString key = "HKCU\\Software\\VB and VBA Program Settings\\Tembrix\\FILES";
    const QString path = "C:\\Program Files\\Tembrix\\English.lng";
    {
        QtSettingsStore store;
        store.write("FILES", "LNG", path);
        EXPECT_TRUE(store.status().ok());
    }
    QProcess reg;
    reg.start("reg", {"query", key, "/v", "LNG"});
    ASSERT_TRUE(reg.waitForFinished(30000));
    const QString listed = QString::fromLocal8Bit(reg.readAllStandardOutput());
    EXPECT_TRUE(
        listed.contains(QRegularExpression("LNG\\s+REG_SZ\\s+" + QRegularExpression::escape(path))))
        << listed.toStdString();
    EXPECT_EQ(QtSettingsStore().read("FILES", "LNG"), path);
    QProcess::execute("reg", {"delete", key, "/f"});
}
#endif

TEST(QtSettingsStore, RoundTripInAnIsolatedFile) {
    TempFolder folder;
    const QString file = qt(folder.file("settings.ini"));
    const QString path = "C:\\Program Files\\Tembrix\\English.LNG";
    {
        QtSettingsStore store(file);
        EXPECT_EQ(QDir::toNativeSeparators(store.location()), file);
        EXPECT_FALSE(store.read("FILES", "LNG").has_value());
        store.write("FILES", "LNG", path);
        EXPECT_EQ(store.read("FILES", "LNG"), path);
        EXPECT_TRUE(store.status().ok());
        store.write("FILES", "EMPTY", "");
        EXPECT_EQ(store.read("FILES", "EMPTY"), QString());
    }
    QtSettingsStore reopened(file);
    EXPECT_EQ(reopened.read("FILES", "LNG"), path);
    EXPECT_FALSE(reopened.read("OTHER", "LNG").has_value());
}

TEST(RunningAppInfo, FolderNameTitleAndVersion) {
#ifdef _WIN32
    EXPECT_EQ(RunningAppInfo::trimFolder("C:/Tools/Tembrix/"), "C:\\Tools\\Tembrix");
    EXPECT_EQ(RunningAppInfo::trimFolder("C:/"), "C:\\");
    EXPECT_EQ(RunningAppInfo::nameWithoutExtension("C:/Tools/Tembrix.EXE"), "Tembrix");
#else
    EXPECT_EQ(RunningAppInfo::trimFolder("/opt/tembrix/"), "/opt/tembrix");
    EXPECT_EQ(RunningAppInfo::trimFolder("/opt/tembrix"), "/opt/tembrix");
    EXPECT_EQ(RunningAppInfo::trimFolder("/"), "/");
    EXPECT_EQ(RunningAppInfo::nameWithoutExtension("/opt/tembrix-1.0"), "tembrix-1.0");
#endif
    RunningAppInfo app;
    EXPECT_EQ(app.title(), "Tembrix");
    EXPECT_EQ(QString("%1.%2.%3")
                  .arg(app.versionMajor())
                  .arg(app.versionMinor())
                  .arg(app.versionRevision()),
              QString::fromLatin1(kProgramVersion.data(), qsizetype(kProgramVersion.size())));
    EXPECT_EQ(app.executableName(), "platformqt_services_test");
    EXPECT_EQ(QDir(app.programFolder()).canonicalPath(),
              QDir(QCoreApplication::applicationDirPath()).canonicalPath());
    EXPECT_FALSE(app.programFolder().endsWith(QDir::separator()));
}

TEST(ProgramFile, JoinsFolderAndName) {
    FixedAppInfo app;
#ifdef _WIN32
    app.folder = "C:\\Tools";
    EXPECT_EQ(programFile(app, "Francais.lng"), "C:\\Tools\\Francais.lng");
    app.folder = "C:\\";
    EXPECT_EQ(programFile(app, "Francais.lng"), "C:\\\\Francais.lng");
#else
    app.folder = "/opt/tembrix";
    EXPECT_EQ(programFile(app, "Francais.lng"), "/opt/tembrix/Francais.lng");
    app.folder = "/";
    EXPECT_EQ(programFile(app, "Francais.lng"), "/Francais.lng");
#endif
}

TEST(TextBridge, ContentsAreWindows1252AndPathsRoundTrip) {
    EXPECT_EQ(qtFromCp1252("Etape \xE9\x80"), QString::fromUtf8("Etape é€"));
    EXPECT_EQ(cp1252FromQt(QString::fromUtf8("Précédent €")), "Pr\xE9\x63\xE9\x64\x65nt \x80");
    EXPECT_EQ(cp1252FromQt(QString::fromUtf8("日本")), "??");
    const QString path = QString::fromUtf8("/tmp/Données/Setup.iss");
    EXPECT_EQ(qtFromPath(pathFromQt(path)), path);
}

TEST(QtMessageBoxes, StyleTitleAndPlainText) {
    QtMessageBoxes boxes;
    auto stop = boxes.build(nullptr, "Erreur 53\r\nFile not found", kMessageStop, "");
    EXPECT_EQ(stop->icon(), QMessageBox::Critical);
    EXPECT_EQ(stop->windowTitle(), "Tembrix");
    EXPECT_EQ(stop->text(), "Erreur 53\nFile not found");
    EXPECT_EQ(stop->textFormat(), Qt::PlainText);
    EXPECT_EQ(stop->standardButtons(), QMessageBox::Ok);

    auto info = boxes.build(nullptr, "<b>C:\\a</b>", kMessageInformation, "Own title");
    EXPECT_EQ(info->icon(), QMessageBox::Information);
    EXPECT_EQ(info->windowTitle(), "Own title");
    EXPECT_EQ(info->text(), "<b>C:\\a</b>");
}

TEST(QtMessageBoxes, OnlyYesAnswersYes) {
    const auto answer = [](const std::function<void(QMessageBox&)>& act) {
        auto box = QtMessageBoxes().buildQuestion(nullptr, "Remplacer ?");
        box->open();
        act(*box);
        return QtMessageBoxes::answeredYes(*box);
    };
    EXPECT_TRUE(answer([](QMessageBox& b) { b.button(QMessageBox::Yes)->click(); }));
    EXPECT_FALSE(answer([](QMessageBox& b) { b.button(QMessageBox::No)->click(); }));
    EXPECT_FALSE(answer([](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }));
    EXPECT_FALSE(answer([](QMessageBox& b) { b.close(); }));
}

TEST(UserFiles, PortableInstalledOrReadOnlyFolders) {
    TempFolder program;
    FixedAppInfo app;
    app.folder = QString::fromStdString(program.path().string());
    app.dataFolder = QString::fromStdString(program.file("data"));
    EXPECT_TRUE(findFilePlaces(app).portable());
    program.write(kInstalledMarker, "");
    const FilePlaces installed = findFilePlaces(app);
    EXPECT_EQ(installed.ownFolder, app.dataFolder);
    program.write("SetupLine.txt", "shipped");
    EXPECT_EQ(TempFolder::read(makeOwnCopy(installed, "SetupLine.txt").toStdString()), "shipped");
#ifndef _WIN32 // a drive root may be anyone's to write there
    asOrdinaryUser([&] {
        app.folder = QDir::rootPath(); // no marker, but not the user's to write
        EXPECT_EQ(findFilePlaces(app).ownFolder, app.dataFolder);
    });
#endif
}
