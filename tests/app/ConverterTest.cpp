// Runs the real converter, as build servers do: its exit codes, standard
// streams and signals. What it converts is tested on its library (tests/convert).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ConverterArguments.h"
#include "TempFolder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;

namespace {

struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;
};

#ifdef _WIN32
std::wstring wide(const std::string& text) {
    std::wstring out(text.size(), L'\0');
    out.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                            static_cast<int>(out.size()))));
    return out;
}

// One argument as the C run time splits a command line: backslashes count
// only in front of a quote.
std::wstring quotedArgument(const std::wstring& arg) {
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        out.push_back(c);
    }
    out.append(2 * backslashes, L'\\');
    return out + L"\"";
}

// Runs the program with its output in two files; the exit code, or -1.
int runProgram(const std::string& program, const std::vector<std::string>& args,
               const std::string& out, const std::string& err) {
    std::wstring command = quotedArgument(wide(program));
    for (const auto& arg : args)
        command += L" " + quotedArgument(wide(arg));
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const auto create = [&](const std::string& path) {
        return CreateFileW(wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = create(out);
    startup.hStdError = create(err);
    PROCESS_INFORMATION process{};
    DWORD code = static_cast<DWORD>(-1);
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    return static_cast<int>(code);
}
#else
std::string quoted(const std::string& arg) {
    std::string out = "'";
    for (char c : arg)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}
#endif

class Converter {
public:
    explicit Converter(std::string program = TEMBRIX_CONVERTER) : m_program(std::move(program)) {}

    // `environment` goes in front of the command: "NAME=value " ... (POSIX shell only)
    Result run(const std::vector<std::string>& args, const std::string& environment = "") const {
        Result result;
#ifdef _WIN32
        (void)environment;
        result.exitCode = runProgram(m_program, args, m_io.file("out"), m_io.file("err"));
#else
        std::string command = environment + quoted(m_program);
        for (const auto& arg : args)
            command += " " + quoted(arg);
        command += " >" + quoted(m_io.file("out")) + " 2>" + quoted(m_io.file("err"));
        const int status = std::system(command.c_str());
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        result.out = TempFolder::read(m_io.file("out"));
        result.err = TempFolder::read(m_io.file("err"));
        return result;
    }

private:
    std::string m_program;
    TempFolder m_io;
};

// One line on standard error that names the given text.
void expectOneErrorLine(const Result& result, const std::string& mentioned) {
    EXPECT_TRUE(result.out.empty());
    EXPECT_TRUE(result.err.starts_with("tembrix-convert: ")) << result.err;
    EXPECT_TRUE(result.err.ends_with("\n"));
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    EXPECT_NE(result.err.find(mentioned), std::string::npos) << result.err;
}

} // namespace

TEST(Converter, UsageErrorsExitWithTwo) {
    const Converter converter;
    // The converter's own messages, whole: other tools match them.
    const std::string several = "-o names one script, but several setup lists are given; each "
                                "script is written beside its list";
    struct Row {
        std::vector<std::string> args;
        std::string message;
    };
    for (const Row& row : std::vector<Row>{
             {{}, "no setup list given"},
             {{"--bogus", "SETUP.LST"}, "unknown option '--bogus'"},
             {{"a.lst", "b.lst", "-o", "x.iss"}, several},
             {{"--recursive", ".", "-o", "x.iss"}, several},
             {{"--recursive"}, "option '--recursive' needs a value"},
             {{"--recursive="}, "the folder given with --recursive is empty"},
             {{"SETUP.LST", "-o"}, "option '-o' needs a value"},
             {{"SETUP.LST", "--app-version"}, "option '--app-version' needs a value"},
             {{"SETUP.LST", "-o", ""}, "the script's name given with -o is empty"},
             {{""}, "the setup list's name is empty"},
             {{"SETUP.LST", "--report", "r.txt"},
              "--report names its form by its extension: .html, .md or .json, or \"-\" for JSON on "
              "standard output; not 'r.txt'"},
             {{"SETUP.LST", "--report", "-", "-o", "-"},
              "the script and the report cannot both go to standard output"},
             {{"SETUP.LST", "--jobs", "0"},
              "--jobs needs a number of compiles from 1 to 9999, not '0'"},
             {{"SETUP.LST", "--jobs=2x"},
              "--jobs needs a number of compiles from 1 to 9999, not '2x'"},
             {{"SETUP.LST", "--jobs"}, "option '--jobs' needs a value"},
             {{"SETUP.LST", "--check", "-o", "-"},
              "--check cannot compile a script written to standard output"},
         }) {
        const Result result = converter.run(row.args);
        EXPECT_EQ(result.exitCode, 2) << result.err;
        expectOneErrorLine(result, "--help");
        EXPECT_EQ(result.err, "tembrix-convert: " + row.message + " (try --help)\n");
    }
    const Result help = converter.run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: tembrix-convert [options] SETUP.LST...\n"));
    EXPECT_NE(help.out.find("--absolute-source"), std::string::npos);
    // Each option's line of its own, as the manual page is made from them.
    for (const char* option :
         {"--recursive FOLDER", "-o, --output PATH", "--app-version TEXT", "--output-dir TEXT",
          "--absolute-source", "--source-folder TEXT", "--no-runtime", "--setup-lines PATH",
          "--add-lines PATH", "--installer-name NAME", "--inno6", "--check", "--iscc COMMAND",
          "-q, --quiet", "-h, --help"})
        EXPECT_NE(help.out.find("\n  " + std::string(option) + " "), std::string::npos) << option;
    EXPECT_EQ(converter.run({"-h"}).out, help.out);
    const Result version = converter.run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.starts_with("tembrix-convert "));
}

TEST(Converter, MissingOrFolderSetupListExitsWithOne) {
    const Converter converter;
    TempFolder folder;
    const std::string missing = folder.file("SETUP.LST");
    Result result = converter.run({missing});
    EXPECT_EQ(result.exitCode, 1);
    expectOneErrorLine(result, missing);
    result = converter.run({folder.path().string()});
    EXPECT_EQ(result.exitCode, 1);
    expectOneErrorLine(result, folder.path().string());
    EXPECT_EQ(folder.entryCount(), 0u);
    // A file that is no setup list writes nothing either (the engine says why).
    const std::string foreign = folder.write("SETUP.LST", "\x89PNG\r\n\x1a\n");
    result = converter.run({foreign});
    EXPECT_EQ(result.exitCode, 1);
    expectOneErrorLine(result, foreign + ": not a setup list: it has no [Setup1 Files], "
                                         "[Bootstrap Files], [IconGroups] or [Setup] Title of the "
                                         "Package and Deployment Wizard, nor the [Files] of the "
                                         "VB5 Setup Wizard");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(Converter, WritesTheExampleToStandardOutputOrBesideTheList) {
    const Converter converter;
    const std::string example =
        std::string(TEMBRIX_SOURCE_DIR) + "/examples/Inventory/Support/SETUP.LST";
    const Result printed = converter.run(withFixed({example, "-o", "-"}));
    EXPECT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(printed.out, data("engine/worked-example.iss")); // the example is the worked one
    // The example's list lies alone, without its files.
    EXPECT_EQ(printed.err, example +
                               ": warning: none of the 6 files that the script installs is in "
                               "the source folder or in the package: the compile will fail until "
                               "they are put there\n" +
                               example +
                               ": File3 in [Setup1 Files]: note: INVENT.EXE registers "
                               "itself: [Run] starts it with /REGSERVER, and [UninstallRun] with "
                               "/UNREGSERVER before the uninstall removes it\n");
    EXPECT_EQ(converter.run(withFixed({example, "--inno6", "-o", "-"})).out,
              data("engine/worked-example-inno6.iss"));

    TempFolder folder;
    fs::copy_file(example, folder.file("SETUP.LST"));
    const Result written = converter.run(
        {folder.file("SETUP.LST"), "--setup-lines", "/nonexistent", "--add-lines", "/nonexistent"});
    EXPECT_EQ(written.exitCode, 0) << written.err;
    EXPECT_TRUE(written.out.empty());
    EXPECT_NE(written.err.find("warning: the file of [Setup] lines /nonexistent cannot be read"),
              std::string::npos);
    EXPECT_NE(written.err.find("warning: the file of lines to append /nonexistent cannot be read"),
              std::string::npos);
    const std::string script = TempFolder::read(folder.file("Setup.iss"));
    const std::string separator{fs::path::preferred_separator};
    const std::string base = fs::absolute(folder.path()).lexically_normal().string() + separator;
    EXPECT_NE(script.find("\r\nOutputDir=" + base + "OutPut" + separator + "\r\n"),
              std::string::npos)
        << script;
    EXPECT_NE(script.find("\r\nAppVersion=1.0\r\n"), std::string::npos);
    EXPECT_NE(script.find("\r\n; START VISUAL BASIC \r\n"), std::string::npos);
    EXPECT_NE(script.find("\r\nSource: GRID.DLL;"), std::string::npos);
    EXPECT_EQ(folder.entryCount(), 2u);
}

#ifndef _WIN32 // the stand-in is a POSIX shell script, found through PATH and ISCC
// A stand-in for Inno Setup's compiler: it records its folder and arguments,
// warns, and fails for a script whose application is named Broken.
class StandInCompiler {
public:
    StandInCompiler() {
        fs::create_directory(m_folder.file("bin"));
        m_folder.write(
            "bin/ISCC",
            "#!/bin/sh\n"
            "printf '%s|%s\\n' \"$PWD\" \"$*\" >>'" +
                m_folder.file("calls") +
                "'\n"
                "if grep -q '^AppName=Broken' \"$1\"; then\n"
                "  printf 'Error on line 6 in %s: broken.\\r\\nCompile aborted.\\r\\n' \"$1\"\n"
                "  exit 2\n"
                "fi\n"
                "echo 'Compiler engine version: stand-in'\n"
                "echo 'Warning: stand-in warning'\n");
        fs::permissions(path(), fs::perms::owner_all);
    }
    std::string path() const { return m_folder.file("bin/ISCC"); }
    std::string folder() const { return m_folder.file("bin"); }
    // Each call as "folder|arguments", and forgets them.
    std::string calls() const {
        const std::string calls = TempFolder::read(m_folder.file("calls"));
        fs::remove(m_folder.file("calls"));
        return calls;
    }

private:
    TempFolder m_folder;
};

TEST(Converter, CheckCompilesEachScriptInItsFolderWithTheCompilerFound) {
    const Converter converter;
    const StandInCompiler iscc;
    TempFolder work;
    fs::create_directories(work.file("good"));
    fs::create_directories(work.file("bad"));
    const std::string good = work.write("good/SETUP.LST", "[Setup]\r\nTitle=App\r\n");
    const std::string bad =
        work.write("bad/SETUP.LST",
                   "[Setup]\r\nTitle=Broken\r\n[Setup1 Files]\r\nFile1=@A.exe,$(AppPath),,,\r\n");
    const std::string noCompilerOnPath = "ISCC= PATH=/usr/bin:/bin ";
    const std::string noProgram = work.write("no-program", "not a program\n");
    fs::permissions(noProgram, fs::perms::owner_all);
    struct Case {
        std::vector<std::string> args;
        std::string environment;
        int exitCode;
        std::string message; ///< the whole of standard error, after the prefix
    };
    const std::string notFound = "--check: cannot find the compiler ", none = work.file("none");
    for (const Case& c : std::vector<Case>{
             {{"--iscc", iscc.path()}, noCompilerOnPath, 0, ""},
             {{}, "ISCC='" + iscc.path() + "' PATH=/usr/bin:/bin ", 0, ""},
             {{}, "ISCC= PATH='" + iscc.folder() + "':/usr/bin:/bin ", 0, ""},
             {{"--iscc", "ISCC"}, "PATH='" + iscc.folder() + "':/usr/bin:/bin ", 0, ""},
             {{"--iscc", none},
              "ISCC='" + iscc.path() + "' ",
              2,
              notFound + "given with --iscc, '" + none + "' (try --help)"},
             {{},
              "ISCC='" + none + "' PATH='" + iscc.folder() + "' ",
              2,
              notFound + "named by $ISCC, '" + none + "' (try --help)"},
             {{},
              noCompilerOnPath,
              2,
              notFound + "ISCC (on PATH; give it with --iscc or $ISCC) (try --help)"},
             {{"-o", "-"},
              "ISCC='" + iscc.path() + "' ",
              2,
              "--check cannot compile a script written to standard output (try --help)"},
             {{"--iscc", noProgram},
              noCompilerOnPath,
              4,
              good + ": written, but the compiler " + noProgram + " could not be started in " +
                  work.file("good") + "/: Exec format error"},
         }) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {good, "--check"});
        const Result result = converter.run(args, c.environment);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.environment << result.err;
        if (c.exitCode == 0) {
            EXPECT_EQ(result.err, good + ": iscc: Warning: stand-in warning\n");
            EXPECT_EQ(iscc.calls(), work.file("good") + "|Setup.iss\n");
        } else {
            EXPECT_EQ(result.err, "tembrix-convert: " + c.message + "\n");
        }
    }

    const Result failed = converter.run({bad, "--check", "--iscc", iscc.path()});
    EXPECT_EQ(failed.exitCode, 4);
    // How many files are missing comes before the compiler's first error.
    EXPECT_EQ(failed.err, bad +
                              ": warning: none of the 1 files that the script installs is in the "
                              "source folder or in the package: the compile will fail until they "
                              "are put there\n" +
                              bad + ": 1 file that the script installs is missing\n" + bad +
                              ": iscc: Error on line 6 in Setup.iss: broken.\n" + bad +
                              ": iscc: Compile aborted.\ntembrix-convert: " + bad +
                              ": written, but " + work.file("bad/Setup.iss") +
                              " did not compile (the compiler's exit status 2)\n");
    EXPECT_EQ(iscc.calls(), work.file("bad") + "|Setup.iss\n");

    const Result batch = converter.run({"--recursive", work.path().string(), "--check", "-q"},
                                       "ISCC='" + iscc.path() + "' ");
    EXPECT_EQ(batch.exitCode, 4);
    EXPECT_TRUE(batch.err.ends_with(
        good + ": iscc: Warning: stand-in warning\n" + good +
        ": written and compiled\ntembrix-convert: 2 setup lists: 2 written, 0 failed; 1 compiled, "
        "1 did not compile\n"))
        << batch.err;
    // The compiles run at once, so they may start in either order.
    const std::string calls = iscc.calls();
    const std::string badCall = work.file("bad") + "|Setup.iss\n";
    const std::string goodCall = work.file("good") + "|Setup.iss\n";
    EXPECT_TRUE(calls == badCall + goodCall || calls == goodCall + badCall) << calls;
}
#endif

TEST(Converter, SetupLinesDefaultToTheProgramsFolder) {
    TempFolder programFolder;
    const std::string program = programFolder.file(fs::path(TEMBRIX_CONVERTER).filename().string());
    fs::copy_file(TEMBRIX_CONVERTER, program);
    programFolder.write("SetupLine.txt", "PrivilegesRequired=admin\r\n");
    TempFolder work;
    const std::string list = work.write("SETUP.LST", "[Setup]\r\nTitle=App\r\n");
    const Result result = Converter(program).run({list, "-o", "-"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(
        result.out.find("OutputBaseFilename=App\r\nPrivilegesRequired=admin\r\n\r\n\r\n[Files]"),
        std::string::npos)
        << result.out;
}

TEST(Converter, UnwritableScriptExitsWithThreeAndKeepsTheEarlierOne) {
    const Converter converter;
    TempFolder folder;
    const std::string list = folder.write("SETUP.LST", "[Setup]\r\nTitle=App\r\n");
    const std::string missing = folder.file("no/such/folder/Setup.iss");
    Result result = converter.run({list, "-o", missing});
    EXPECT_EQ(result.exitCode, 3);
    expectOneErrorLine(result, missing);

    fs::create_directory(folder.file("Setup.iss"));
    result = converter.run({list});
    EXPECT_EQ(result.exitCode, 3);
    expectOneErrorLine(result, folder.file("Setup.iss"));
    EXPECT_TRUE(fs::is_directory(folder.file("Setup.iss")));
    EXPECT_EQ(folder.entryCount(), 2u);
}

#ifndef _WIN32 // through a POSIX shell
TEST(Converter, FailedStandardOutputExitsWithThree) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    TempFolder folder;
    const std::string list = folder.write("SETUP.LST", data("engine/worked-example.lst"));
    const std::string command = std::string(TEMBRIX_CONVERTER) + " '" + list +
                                "' -o - >/dev/full 2>'" + folder.file("err") + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
    EXPECT_EQ(
        TempFolder::read(folder.file("err")),
        "tembrix-convert: cannot write the script to standard output: No space left on device\n");
}

TEST(Converter, ReaderThatStopsEarlyGivesExitThreeNotASignal) {
    TempFolder folder;
    std::string list = "[Setup]\r\nTitle=Big\r\n[Setup1 Files]\r\n";
    for (int n = 1; n <= 5000; ++n) // far more than a pipe holds
        list += "File" + std::to_string(n) + "=@F" + std::to_string(n) + ".DLL,$(AppPath),,\r\n";
    const std::string path = folder.write("SETUP.LST", list);
    const std::string command = "( " + quoted(TEMBRIX_CONVERTER) + " " + quoted(path) + " -o - 2>" +
                                quoted(folder.file("err")) + "; echo $? >" +
                                quoted(folder.file("code")) + " ) | head -c 1 >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(TempFolder::read(folder.file("code")), "3\n");
    EXPECT_EQ(TempFolder::read(folder.file("err")),
              "tembrix-convert: cannot write the script to standard output: Broken pipe\n");
}

#endif
