// The converter's work called directly: what its options put into the script,
// what it reports, and how a batch goes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ConverterArguments.h"
#include "TempFolder.h"
#include "tembrix/convert/Converter.h"

namespace fs = std::filesystem;
using namespace tembrix::convert;

namespace {

struct Result {
    int exitCode = -1;
    std::string out; ///< the script written to "-"
    std::string err; ///< the report
};

// As the program runs, with a program folder that holds no SetupLine.txt;
// what it writes to standard output ("-") goes to a file here.
Result convert(std::vector<std::string> args) {
    Result result;
    const TempFolder scratch;
    std::replace(args.begin(), args.end(), std::string(kStandardOutput), scratch.file("out"));
    Options options;
    const auto error = parseArguments(args, options);
    EXPECT_FALSE(error) << *error;
    options.programFolder = scratch.path().string();
    result.exitCode = runConversions(options, *createConverterFileSystem(),
                                     [&result](std::string_view lines) { result.err += lines; });
    result.out = TempFolder::read(scratch.file("out"));
    return result;
}

} // namespace

TEST(Converter, OptionsReachTheScript) {
    TempFolder folder;
    const std::string list = folder.write("SETUP.LST", data("engine/worked-example.lst"));
    folder.write("extra-setup.txt", "Compression=lzma\r\n");
    folder.write("extra-end.txt", "[Code]\r\n");
    const Result result =
        convert({list, "--output=" + folder.file("out.iss"), "--app-version", "", "--no-runtime",
                 "--absolute-source", "--source-folder", "D:\\Pkg\\", "--output-dir=D:\\Out\\",
                 "--setup-lines", folder.file("extra-setup.txt"), "--add-lines",
                 folder.file("extra-end.txt")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string script = TempFolder::read(folder.file("out.iss"));
    EXPECT_NE(script.find("AppVerName=Inventory \r\nAppVersion=\r\n"), std::string::npos);
    EXPECT_NE(script.find("OutputDir=D:\\Out\\\r\nOutputBaseFilename=Inventory\r\n"
                          "Compression=lzma\r\n\r\n\r\n[Files]\r\nSource: D:\\Pkg\\Mdac_typ.exe;"),
              std::string::npos)
        << script;
    EXPECT_EQ(script.find("VISUAL BASIC"), std::string::npos);
    EXPECT_TRUE(script.ends_with("RunOnceId: UnregServer_INVENT.EXE\r\n\r\n[Code]\r\n"));

    // Texts for the script are Windows-1252; the command line is UTF-8 here.
    ASSERT_EQ(convert({list, "-o", folder.file("out.iss"), "--app-version", "1.0 \xC3\xA9t\xC3\xA9",
                       "--installer-name", "Mon \xC3\xA9t\xC3\xA9.EXE"})
                  .exitCode,
              0);
    const std::string texts = TempFolder::read(folder.file("out.iss"));
    EXPECT_NE(texts.find("AppVersion=1.0 \xE9t\xE9\r\n"), std::string::npos);
    EXPECT_NE(texts.find("\r\nOutputBaseFilename=Mon \xE9t\xE9\r\n"), std::string::npos);
}

TEST(Converter, ReportsEachMendUnlessQuiet) {
    TempFolder folder;
    const std::string list =
        folder.write("SETUP.LST", "[Setup]\r\nTitle=\xC9t\xE9 A/B\r\n[Setup1 "
                                  "Files]\r\nFile1=@USER32.DLL,$(WinSysPath),,\r\n");
    const Result reported = convert({list, "-o", "-"});
    EXPECT_EQ(reported.exitCode, 0);
    EXPECT_EQ(reported.err,
              list +
                  ": Title in [Setup]: note: characters that a file name cannot hold are "
                  "replaced by \"_\" in OutputBaseFilename: \xC3\x89t\xC3\xA9 A_B\n" +
                  list +
                  ": File1 in [Setup1 Files]: note: USER32.DLL is a Windows system file "
                  "that Inno Setup refuses to install; its line is now a comment\n");
    for (const char* quiet : {"-q", "--quiet"}) {
        const Result silent = convert({list, quiet, "-o", "-"});
        EXPECT_EQ(silent.exitCode, 0);
        EXPECT_EQ(silent.out, reported.out);
        EXPECT_TRUE(silent.err.empty()) << silent.err;
    }
}

TEST(Converter, BatchConvertsEachListOnceBesideItselfAndKeepsGoing) {
    TempFolder root;
    for (const char* folder : {"A/Support", "b", "E", "c/SETUP.LST"}) // c holds a folder named so
        fs::create_directories(root.file(folder));
    const std::string list = "[Setup]\r\nTitle=App\r\n";
    const std::string a = root.write("A/Support/SETUP.LST", list);
    const std::string b =
        root.write("b/setup.lst", list + "[Setup1 Files]\r\nFile1=@USER32.DLL,$(WinSysPath),,\r\n");
    const std::string e = root.write("E/Setup.Lst", list);
    fs::create_directory(root.file("E/Setup.iss")); // its script cannot be written
    root.write("b/SETUP.LST.bak", list);
    const std::string missing = root.file("missing.lst");

    const std::string other = root.write("b/other.lst", list); // its script would be b's

    const Result result = convert({missing, b, "--recursive", root.path().string(), "--quiet",
                                   root.file("b/../b/setup.lst"), other});
    EXPECT_EQ(result.exitCode, 3); // the highest of 1, 0, 3, 0, 3
    // Each list once, the given ones first; letter case does not order them (b before E).
    const std::string expectedStart = missing + ": no such setup list\n" + b + ": written\n" +
                                      other + ": not converted: its script " +
                                      root.file("b/Setup.iss") + " is the one written for " + b +
                                      "\n" + a + ": written\n" + e + ": cannot write the script " +
                                      root.file("E/Setup.iss") + ": ";
    EXPECT_TRUE(result.err.starts_with(expectedStart)) << result.err;
    EXPECT_TRUE(result.err.ends_with("\ntembrix-convert: 5 setup lists: 2 written, 3 failed\n"))
        << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 6);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(TempFolder::read(root.file("A/Support/Setup.iss")),
              convert({a, "-o", "-"}).out); // as if converted alone
    EXPECT_TRUE(fs::exists(root.file("b/Setup.iss")));

    // Without --quiet the mends come before the list's own line; no list at all is a failure.
    const Result reported = convert({"--recursive", root.file("b"), "--recursive", root.file("c")});
    EXPECT_EQ(reported.exitCode, 1);
    EXPECT_EQ(reported.err, "tembrix-convert: " + root.file("c") +
                                ": no setup list (SETUP.LST) below this folder\n" + b +
                                ": File1 in [Setup1 Files]: note: USER32.DLL is a Windows system "
                                "file that Inno Setup refuses to install; its line is now a "
                                "comment\n" +
                                b +
                                ": written\ntembrix-convert: 1 setup list: 1 written, 0 failed\n");
}

TEST(Converter, ScriptOverTheSetupListReadsTheListFirst) {
    TempFolder folder;
    const std::string list = folder.write("SETUP.LST", data("engine/worked-example.lst"));
    const Result result = convert(withFixed({list, "-o", list}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(TempFolder::read(list), data("engine/worked-example.iss"));
    EXPECT_EQ(folder.entryCount(), 1u);
}

// A package's folder or setup.exe stands for its list; its files are found in
// Support; a cabinet that cannot be read is an error that names it.
TEST(Converter, APackageChoosesItsListAndAccountsForItsFiles) {
    const std::string list = "[Bootstrap]\r\nCabFile=App.CAB\r\n[Setup]\r\nTitle=App\r\n"
                             "[Setup1 Files]\r\nFile1=@App.exe,$(AppPath),,,\r\n";
    struct Case {
        std::vector<std::string> files; ///< besides the list, in the package's folder
        std::string listPath;
        std::string argument;
        int exitCode;
        std::string script; ///< where the script is written
        std::string source; ///< its Source
        std::string remark; ///< a part of the report
    };
    const Case cases[] = {
        {{"sUPPORT/app.exe"},
         "SETUP.LST",
         "",
         0,
         "Setup.iss",
         "sUPPORT\\App.exe",
         "SETUP.LST: note: 1 files taken from sUPPORT\n"},
        {{"support/App.exe", "SETUP.EXE"},
         "support/Setup.lst",
         "SETUP.EXE",
         0,
         "support/Setup.iss",
         "App.exe",
         ""},
        {{"App.CAB"}, "SETUP.LST", "", kPackageIncomplete, "Setup.iss", "App.exe", "App.CAB"},
    };
    for (const Case& c : cases) {
        TempFolder package;
        for (const std::string& file : c.files) {
            fs::create_directories(fs::path(package.file(file)).parent_path());
            package.write(file, "not a cabinet");
        }
        fs::create_directories(fs::path(package.file(c.listPath)).parent_path());
        package.write(c.listPath, list);
        const Result result = convert({package.file(c.argument), "-o", package.file(c.script)});
        EXPECT_EQ(result.exitCode, c.exitCode) << c.listPath << result.err;
        EXPECT_NE(TempFolder::read(package.file(c.script)).find("Source: " + c.source + ";"),
                  std::string::npos)
            << c.listPath;
        EXPECT_NE(result.err.find(c.remark), std::string::npos) << result.err;
    }

    Options options;
    ASSERT_FALSE(parseArguments({"SETUP.LST", "--extract-to", "files"}, options));
    EXPECT_EQ(conversionInputs(options, "SETUP.LST", *createConverterFileSystem()).ExtractFolder,
              fs::absolute("files").lexically_normal().string());
}
