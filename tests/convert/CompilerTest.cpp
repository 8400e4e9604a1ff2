// The compile check as the wizard calls it: the compiler's result, messages
// and installer, in a folder whose name is not ASCII.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "tembrix/convert/Compiler.h"
#include "tembrix/platform/NativePath.h"

using namespace tembrix::convert;
using Kind = CompilerMessage::Kind;

TEST(Compiler, MessagesAndInstallerFromTheOutput) {
    struct Row {
        std::string line;
        bool kept;
        Kind kind;
        int number;
    };
    for (const Row& row : std::vector<Row>{
             {"Error on line 6 in C:\\Pkg\\Setup.iss: Unknown constant.", true, Kind::Error, 6},
             {"Warning: Line 12: The directive is obsolete.", true, Kind::Warning, 12},
             {"Warning: stand-in warning", true, Kind::Warning, 0},
             {"Compile aborted.", true, Kind::Error, 0},
             {"Error on line 99999999999 in x: overflow", true, Kind::Error, 0},
             {"Compiler engine version: 6.4.1", false, Kind::Error, 0},
             {"Reading file (line 3)", false, Kind::Error, 0},
         }) {
        const std::vector<CompilerMessage> messages = compilerMessages({"Preprocessing", row.line});
        ASSERT_EQ(messages.size(), row.kept ? 1u : 0u) << row.line;
        if (row.kept) {
            EXPECT_EQ(messages[0].kind, row.kind) << row.line;
            EXPECT_EQ(messages[0].line, row.number) << row.line;
            EXPECT_EQ(messages[0].text, row.line);
        }
    }
    const std::string named = "Successful compile (1.2 sec). Resulting Setup program filename is:";
    for (const auto& [banner, major] :
         std::vector<std::pair<std::string, int>>{{"Inno Setup 6 Command-Line Compiler", 6},
                                                  {"Inno Setup 5 Command-Line Compiler", 5},
                                                  {"Inno Setup Preprocessor", 0},
                                                  {"Compiler engine version: Inno Setup 6.4.1", 0}})
        EXPECT_EQ(compilerMajorVersion({"", banner, "Usage: iscc"}), major) << banner;
    EXPECT_EQ(installerOf({named, "C:\\Out\\setup.exe"}), "C:\\Out\\setup.exe");
    EXPECT_EQ(installerOf({named + " C:\\Out\\a.exe"}), "C:\\Out\\a.exe");
    EXPECT_EQ(installerOf({named}), "");
    EXPECT_EQ(installerOf({"Successful compile (1.2 sec)."}), "");
    EXPECT_EQ(compilerVersion({"Inno Setup 5 Command-Line Compiler", "Copyright"}),
              "Inno Setup 5 Command-Line Compiler");
    EXPECT_EQ(compilerVersion({"Compile aborted."}), "");
}

TEST(Compiler, CompilesInTheScriptsFolderEvenWhenItsNameIsNotAscii) {
    TempFolder work;
    const std::string folder = tembrix::utf8Path(work.path()) + "/Donn\xC3\xA9"
                                                                "es";
    std::filesystem::create_directory(tembrix::nativePath(folder));
    const std::string script = folder + "/Setup.iss";
    const auto writeScript = [&](const std::string& appName) {
        std::ofstream(tembrix::nativePath(script), std::ios::binary) << "AppName=" << appName;
    };
    const char separator = char(std::filesystem::path::preferred_separator);

    EXPECT_EQ(compilerMajorVersion(std::string(TEMBRIX_STANDIN_COMPILER)), 6);
    EXPECT_EQ(compilerMajorVersion(work.file("no-such-compiler")), 0);
    writeScript("App");
    CompileResult result = compileScript(TEMBRIX_STANDIN_COMPILER, script);
    EXPECT_TRUE(result.compiled) << result.failure;
    EXPECT_EQ(result.exitCode, 0);
    ASSERT_EQ(result.lines.size(), 5u);
    EXPECT_TRUE(result.lines[0].starts_with("Stand-in in ")) << result.lines[0];
    EXPECT_TRUE(result.lines[0].ends_with(separator + std::string("Donn\xC3\xA9"
                                                                  "es|Setup.iss")))
        << result.lines[0];
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].line, 3);
    EXPECT_EQ(result.installerPath, result.lines[4]);
    EXPECT_EQ(compilerVersion(result.lines), "Stand-in 6.4");
    EXPECT_TRUE(result.installerPath.ends_with("es" + std::string(1, separator) + "Output" +
                                               separator + "setup.exe"))
        << result.installerPath;

    writeScript("Broken");
    result = compileScript(TEMBRIX_STANDIN_COMPILER, script);
    EXPECT_FALSE(result.compiled);
    EXPECT_EQ(result.exitCode, 2);
    ASSERT_EQ(result.messages.size(), 2u);
    EXPECT_EQ(result.messages[0].text, "Error on line 6 in Setup.iss: broken \u00E9.");
    EXPECT_EQ(result.messages[0].line, 6);
    EXPECT_TRUE(result.installerPath.empty());

    // A compiler that hangs is stopped, with what it started, when its time is
    // up or when asked to stop, and the call comes back.
    writeScript("Sleepy");
    struct Stop {
        std::chrono::seconds allowed;
        bool asked;
        std::string failure;
    };
    for (const Stop& row : {Stop{std::chrono::seconds(2), false, "did not finish within 2 s"},
                            Stop{std::chrono::seconds(60), true, "was stopped"}}) {
        std::stop_source stop;
        const auto start = std::chrono::steady_clock::now();
        std::jthread asker([&] {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            if (row.asked)
                stop.request_stop();
        });
        result = compileScript(TEMBRIX_STANDIN_COMPILER, script, row.allowed, stop.get_token());
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
        EXPECT_EQ(result.timedOut, !row.asked);
        EXPECT_EQ(result.stopped, row.asked);
        EXPECT_FALSE(result.compiled);
        EXPECT_EQ(result.exitCode, -1);
        EXPECT_EQ(result.failure, row.failure);
        EXPECT_EQ(result.lines.size(), 2u); // what it wrote before it hung
        std::this_thread::sleep_for(std::chrono::milliseconds(3500));
        EXPECT_FALSE(std::filesystem::exists(tembrix::nativePath(folder + "/outlived")));
    }

    result = compileScript(work.file("no-such-compiler"), script);
    EXPECT_FALSE(result.compiled);
    EXPECT_EQ(result.exitCode, -1);
    EXPECT_FALSE(result.failure.empty());
}
