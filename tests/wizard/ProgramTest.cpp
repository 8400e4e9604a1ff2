// Starts the real program from a copy of its folder, or from an installed
// prefix, on a private X server, with a private settings folder, and reads its
// window title from the server's window list.

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TempFolder.h"

namespace {

const std::string kProgram = TEMBRIX_BINARY_DIR "/tembrix";
const std::string kEnglish = TEMBRIX_BINARY_DIR "/English.lng";
const std::string kGoldenFrench = TEMBRIX_TEST_DATA_DIR "/localisation/Francais.lng";

class XServer {
public:
    XServer() {
        m_process.start(QStringLiteral("Xvfb"),
                        {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        if (!m_process.waitForStarted(5000))
            return;
        const QDeadlineTimer deadline(10000);
        while (!m_process.canReadLine() && !deadline.hasExpired())
            m_process.waitForReadyRead(200);
        const QByteArray number = m_process.readLine().trimmed();
        if (!number.isEmpty())
            m_display = QStringLiteral(":") + QString::fromLatin1(number);
    }
    ~XServer() {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(1000);
    }
    const QString& display() const { return m_display; }

    /// The window list of the server, with each window's name.
    QString windowTree() const {
        QProcess list;
        list.start(QStringLiteral("xwininfo"), {"-root", "-tree", "-display", m_display});
        list.waitForFinished(5000);
        return QString::fromUtf8(list.readAllStandardOutput());
    }

private:
    QProcess m_process;
    QString m_display;
};

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
            QStandardPaths::findExecutable("xwininfo").isEmpty())
            GTEST_SKIP() << "needs Xvfb and xwininfo (x11-utils)";
        ASSERT_TRUE(std::filesystem::exists(kProgram)) << kProgram;
        std::filesystem::copy_file(kProgram, programFolder.file("tembrix"));
        std::filesystem::copy_file(kEnglish, programFolder.file("English.lng"));
    }

    /// Runs the program (by default the copy) until a top-level window named
    /// `title` appears (or 30 s pass).
    bool runUntilTitle(const QString& title, std::string path = {}) {
        if (path.empty())
            path = programFolder.file("tembrix");
        XServer server;
        if (server.display().isEmpty()) {
            ADD_FAILURE() << "Xvfb did not start";
            return false;
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", server.display());
        environment.insert("XDG_CONFIG_HOME",
                           QString::fromStdString(settingsFolder.path().string()));
        environment.insert("XDG_DATA_HOME", QString::fromStdString(settingsFolder.file("data")));
        environment.insert("QT_QPA_PLATFORM", "xcb");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QString::fromStdString(path), {});
        bool seen = program.waitForStarted(5000);
        const QString quoted = '"' + title + '"';
        const QDeadlineTimer deadline(30000);
        while (seen && !server.windowTree().contains(quoted)) {
            if (deadline.hasExpired() || program.state() != QProcess::Running)
                seen = false;
            else
                QThread::msleep(200);
        }
        if (!seen)
            ADD_FAILURE() << "no window " << quoted.toStdString() << ":\n"
                          << server.windowTree().toStdString()
                          << program.readAllStandardError().toStdString();
        program.kill();
        program.waitForFinished(3000);
        return seen;
    }

    void chooseLanguage(const std::string& path) {
        std::filesystem::create_directories(settingsFolder.path() / "Tembrix");
        settingsFolder.write("Tembrix/Tembrix.conf", "[FILES]\nLNG=" + path + "\n");
    }

    TempFolder programFolder;
    TempFolder settingsFolder;
};

/// The program installed by the install test, started through its link in
/// <prefix>/bin; its program folder is <prefix>/lib/tembrix.
class InstalledProgram : public Program {
protected:
    void SetUp() override {
        const char* prefix = std::getenv("TEMBRIX_INSTALLED_PREFIX");
        if (prefix == nullptr)
            GTEST_SKIP() << "run by install_test";
        Program::SetUp();
        link = std::string(prefix) + "/bin/tembrix";
        folder = std::string(prefix) + "/lib/tembrix";
        userFolder = settingsFolder.file("data/Tembrix");
    }

    std::string link;
    std::string folder;
    std::string userFolder; ///< where the installed program keeps its own files
};

} // namespace

TEST_F(Program, FirstStartWritesTheFrenchTemplateAndShowsFrench) {
    EXPECT_TRUE(runUntilTitle("TEMBRIX CONVERTOR"));
    EXPECT_EQ(TempFolder::read(programFolder.file("Francais.lng")),
              TempFolder::read(kGoldenFrench));
    // Start-up never writes the setting.
    EXPECT_FALSE(std::filesystem::exists(settingsFolder.path() / "Tembrix" / "Tembrix.conf"));
}

TEST_F(Program, TheSavedLanguageIsAppliedAfterTheFrenchExport) {
    chooseLanguage(programFolder.file("English.lng"));
    EXPECT_TRUE(runUntilTitle("TEMBRIX CONVERTER"));
    EXPECT_EQ(TempFolder::read(programFolder.file("Francais.lng")),
              TempFolder::read(kGoldenFrench));
}

// Installed, the program writes only into the user's data folder, even as root.
TEST_F(InstalledProgram, FindsItsFolderThroughTheLinkAndWritesOnlyForTheUser) {
    EXPECT_TRUE(runUntilTitle("TEMBRIX CONVERTOR", link));
    EXPECT_FALSE(std::filesystem::exists(folder + "/Francais.lng"));
    EXPECT_EQ(TempFolder::read(userFolder + "/Francais.lng"), TempFolder::read(kGoldenFrench));
    chooseLanguage(folder + "/English.lng");
    EXPECT_TRUE(runUntilTitle("TEMBRIX CONVERTER", link));
}

TEST_F(InstalledProgram, AFrenchFileThatCannotBeWrittenIsNoObstacle) {
    // A folder in its place refuses the export to every user, root included.
    std::filesystem::create_directories(userFolder + "/Francais.lng");
    EXPECT_TRUE(runUntilTitle("TEMBRIX CONVERTOR", link));
    chooseLanguage(folder + "/English.lng");
    EXPECT_TRUE(runUntilTitle("TEMBRIX CONVERTER", link));
    EXPECT_TRUE(std::filesystem::is_directory(userFolder + "/Francais.lng"));
}
