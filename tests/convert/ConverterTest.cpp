// The converter's work called directly: what its options put into the script,
// what it reports, and how a batch goes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ConverterArguments.h"
#include "OrdinaryUser.h"
#include "TempFolder.h"
#include "tembrix/convert/Converter.h"
#include "tembrix/convert/TerminalLine.h"
#include "tembrix/platform/CodePage.h"

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
Result convert(std::vector<std::string> args, const Progress& progress = {}) {
    Result result;
    const TempFolder scratch;
    std::replace(args.begin(), args.end(), std::string(kStandardOutput), scratch.file("out"));
    Options options;
    const auto error = parseArguments(args, options);
    EXPECT_FALSE(error) << *error;
    options.programFolder = scratch.path().string();
    result.exitCode = runConversions(
        options, *createConverterFileSystem(),
        [&result](std::string_view lines) { result.err += lines; }, progress);
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

    // A folder that the script's code page cannot spell is refused, not written as "?".
    const std::string korean = "D:\\\xED\x95\x9C\\";
    const std::string notHeld = korean + " has a character that the code page " +
                                std::to_string(tembrix::systemCodePage()) + " cannot hold\n";
    struct Row {
        std::vector<std::string> args;
        std::string err;
    };
    for (const Row& row : std::vector<Row>{
             {{"--output-dir", korean}, "the output folder (--output-dir) " + notHeld},
             {{"--absolute-source", "--source-folder", korean},
              "the source folder (--source-folder) " + notHeld},
         }) {
        std::vector<std::string> args = {list, "-o", folder.file("refused.iss")};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const Result refused = convert(args);
        EXPECT_EQ(refused.exitCode, 3);
        EXPECT_EQ(refused.err, "tembrix-convert: not converted: " + row.err);
        EXPECT_FALSE(fs::exists(folder.file("refused.iss")));
    }
    EXPECT_EQ(convert({list, "-o", "-", "--source-folder", korean}).exitCode, 0); // not written
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

// Without the parts that change from run to run: the time and the seconds.
std::string stable(std::string report) {
    for (const std::string key : {"\"generated\": \"", "\"seconds\": "})
        for (std::size_t at = report.find(key); at != std::string::npos;
             at = report.find(key, at + 1)) {
            const std::size_t from = at + key.size();
            report.erase(from, report.find_first_of("\",\n", from) - from);
        }
    return report;
}

TEST(Converter, ReportOfABatchInEachFormWithCompilesInParallel) {
    TempFolder shelf;
    std::vector<std::string> lists;
    const auto add = [&](const std::string& folder, const std::string& bytes) {
        fs::create_directories(shelf.file(folder));
        lists.push_back(shelf.write(folder + "/SETUP.LST", bytes));
    };
    add("0-slow/Package", "[Setup]\r\nTitle=Slow\r\n"); // finishes last with several jobs
    add("1-broken", "[Setup]\r\nTitle=Broken\r\n");
    add("2-hostile", "[Setup]\r\nTitle=<script>alert(1)</script> & \"\xC9t\xE9\"\r\n");
    for (const auto& entry : fs::directory_iterator(std::string(TEMBRIX_TEST_DATA_DIR) + "/corpus"))
        if (entry.path().extension() == ".lst" && !entry.path().stem().string().starts_with("vb5-"))
            add("corpus/" + entry.path().stem().string(),
                data("corpus/" + entry.path().filename().string()));
    std::sort(lists.begin() + 3, lists.end()); // as the search gives them
    const std::string root = shelf.path().string();
    std::vector<std::string> progress;
    const auto record = [&progress](std::string_view line) { progress.emplace_back(line); };
    const auto run = [&](const std::string& report, const std::string& jobs) {
        return convert({"--recursive", root, "--check", "--iscc", TEMBRIX_STANDIN_COMPILER,
                        "--jobs", jobs, "--report", shelf.file(report)},
                       record);
    };

    const Result one = run("one.json", "1");
    EXPECT_EQ(one.exitCode, 4) << one.err;
    EXPECT_TRUE(one.err.starts_with(lists[0] + ": iscc: Warning: Line 3: stand-in warning\n" +
                                    lists[0] + ": written and compiled\n" + lists[1] +
                                    ": iscc: Error on line 6 in Setup.iss: broken \xC3\xA9.\n"))
        << one.err;
    EXPECT_EQ(progress.front(), "Converting 1/11: 0-slow" +
                                    std::string(1, fs::path::preferred_separator) + "Package" +
                                    std::string(1, fs::path::preferred_separator) + "SETUP.LST");
    EXPECT_EQ(progress.back(), "");
    EXPECT_NE(std::ranges::find(progress, "Compiling 1/11: " + lists[0].substr(root.size() + 1)),
              progress.end());
    // The order, the lines and the exit status do not depend on the jobs.
    const Result many = run("many.json", "4");
    EXPECT_EQ(many.exitCode, one.exitCode);
    EXPECT_EQ(many.err, one.err);
    const std::string json = TempFolder::read(shelf.file("one.json"));
    std::string other = TempFolder::read(shelf.file("many.json"));
    other.replace(other.find("\"4\""), 3, "\"1\"");
    other.replace(other.find("many.json"), 9, "one.json");
    EXPECT_EQ(stable(other), stable(json));

    // The corpus lists lie without their files: each is warned of once.
    EXPECT_NE(json.find("\"summary\": {\"lists\": 11, \"written\": 11, \"withWarnings\": 8, "
                        "\"compiled\": 10, \"notCompiled\": 1, \"missingFiles\": 537}"),
              std::string::npos)
        << json;
    for (const std::string part :
         {"\"title\": \"<script>alert(1)</script> & \\\"\xC3\x89t\xC3\xA9\\\"\"",
          "\"errors\": [{\"line\": 6, \"text\": \"Error on line 6 in Setup.iss: broken "
          "\xC3\xA9.\"}, "
          "{\"line\": 0, \"text\": \"Compile aborted.\"}]",
          "\"version\": \"Stand-in 6.4\"", "\"code\": \"ProtectedSystemFile\", \"lists\": ",
          "\"title\": \"Ordem de Servi\xC3\xA7o\""})
        EXPECT_NE(json.find(part), std::string::npos) << part;
    std::size_t at = 0;
    for (const std::string& list : lists) { // in the batch's order
        std::string path;                   // as JSON writes it, with Windows' separators escaped
        for (const char c : list.substr(root.size() + 1))
            path.append(c == '\\' ? "\\\\" : std::string(1, c));
        at = json.find("\"path\": \"" + path + "\"", at);
        EXPECT_NE(at, std::string::npos) << list;
    }

    ASSERT_EQ(run("r.html", "2").exitCode, 4);
    const std::string page = TempFolder::read(shelf.file("r.html"));
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(
        page.find("&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;\xC3\x89t\xC3\xA9&quot;"),
        std::string::npos);
    EXPECT_EQ(page.find("<script>alert"), std::string::npos);
    EXPECT_EQ(page.find("http"), std::string::npos); // nothing from the network
    ASSERT_EQ(run("r.md", "2").exitCode, 4);
    const std::string markdown = TempFolder::read(shelf.file("r.md"));
    EXPECT_TRUE(markdown.starts_with("# Tembrix conversion report\n")) << markdown;
    EXPECT_NE(markdown.find("| 11 | 11 | 8 | 10 | 1 | 537 |"), std::string::npos) << markdown;
    EXPECT_NE(markdown.find("\\<script\\>alert(1)\\</script\\> \\& \""), std::string::npos);

    // A report that cannot be written fails the run; the scripts stay.
    fs::remove(shelf.file("0-slow/Package/Setup.iss"));
    const Result unwritten = convert({lists[0], "--report", shelf.file("no/such/folder/r.json")});
    EXPECT_EQ(unwritten.exitCode, 1);
    EXPECT_TRUE(unwritten.err.starts_with("tembrix-convert: cannot write the report " +
                                          shelf.file("no/such/folder/r.json")))
        << unwritten.err;
    EXPECT_TRUE(fs::exists(shelf.file("0-slow/Package/Setup.iss")));
}

TEST(Converter, ProgressLineOnlyOnATerminalAndNeverAcrossALine) {
    std::string terminal, pipe;
    TerminalLine shown([&terminal](std::string_view bytes) { terminal += bytes; }, true, 24);
    TerminalLine hidden([&pipe](std::string_view bytes) { pipe += bytes; }, false, 24);
    for (TerminalLine* line : {&shown, &hidden}) {
        line->progress("Converting 1/2: A/SETUP.LST");
        line->lines("A/SETUP.LST: written\n");
        line->progress("Converting 2/2: B");
        line->progress("");
    }
    EXPECT_EQ(pipe, "A/SETUP.LST: written\n");
    const std::string cut = "Converting 1/2: ....LST"; // 23 columns
    const std::string blank = "\r" + std::string(23, ' ') + "\r";
    EXPECT_EQ(terminal, "\r" + cut + blank + "A/SETUP.LST: written\n\r" + cut +
                            "\rConverting 2/2: B      " + blank);
}

// A package's folder or setup.exe stands for its list; its files are found in
// Support; a cabinet that cannot be read is an error that names it.
TEST(Converter, APackageChoosesItsListAndAccountsForItsFiles) {
    const std::string list = "[Bootstrap]\r\nCabFile=App.CAB\r\n[Setup]\r\nTitle=App\r\n"
                             "[Setup1 Files]\r\nFile1=@App.exe,$(AppPath),,,\r\n";
    struct Case {
        std::string files; ///< besides the list, in the package's folder, "|" between them
        std::string listPath;
        std::string argument;
        int exitCode;
        std::string script; ///< where the script is written
        std::string source; ///< its Source
        std::string remark; ///< a part of the report
    };
    const Case cases[] = {
        {"sUPPORT/app.exe", "SETUP.LST", "", 0, "Setup.iss", "sUPPORT\\App.exe",
         "SETUP.LST: note: 1 files taken from sUPPORT\n"},
        {"support/App.exe|SETUP.EXE", "support/Setup.lst", "SETUP.EXE", 0, "support/Setup.iss",
         "App.exe", ""},
        {"App.CAB", "SETUP.LST", "", kPackageIncomplete, "Setup.iss", "App.exe", "App.CAB"},
    };
    for (const Case& c : cases) {
        TempFolder package;
        for (std::size_t at = 0; at < c.files.size();) {
            const std::string file = c.files.substr(at, c.files.find('|', at) - at);
            at += file.size() + 1;
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
