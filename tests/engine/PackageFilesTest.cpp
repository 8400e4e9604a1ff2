#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "MemoryFileSystem.h"
#include "Mends.h"
#include "PackageFiles.h"
#include "ScriptWriters.h"
#include "SetupListReader.h"
#include "StandInArchiveReader.h"

namespace {

using Cabinet = StandInArchiveReader::Cabinet;

// Two files and one line that the mends make a comment, which needs no file.
const std::string kList = "[Bootstrap]\r\nCabFile=App.CAB\r\nCabs=1\r\n\r\n"
                          "[Setup]\r\nTitle=App\r\n\r\n[Setup1 Files]\r\n"
                          "File1=@MSCOMCTL.OCX,$(AppPath),,,1/1/99,10,6.0\r\n"
                          "File2=@App.exe,$(AppPath),,,1/1/99,10,1.0\r\n"
                          "File3=@USER32.DLL,$(WinSysPath),,,1/1/99,10,1.0\r\n";

// The sources of the three lines when they are named as beside the list.
const std::vector<std::string> kBeside = {"MSCOMCTL.OCX", "App.exe", "USER32.DLL"};
const std::string kNoneFound = "warning: none of the 2 files that the script installs is in the "
                               "source folder or in the package: the compile will fail until "
                               "they are put there";

// The two warnings of a name in App.CAB that would leave the folder.
std::string refused(int entry, const std::string& name) {
    return "File" + std::to_string(entry) + " in [Setup1 Files]: warning: App.CAB names the file " +
           name +
           ", which would lie outside the folder it is extracted into, so it is not taken out";
}
std::string missing(int entry, const std::string& name) {
    return "File" + std::to_string(entry) + " in [Setup1 Files]: warning: " + name +
           " is neither in the source folder, nor in App.CAB: the compile will fail";
}

struct Case {
    const char* what;
    std::map<std::string, std::string> files;
    std::map<std::string, Cabinet> cabinets;
    std::vector<std::string> sources; ///< the Source of each line, in order
    std::vector<std::string> remarks; ///< the remarks about the package's files
    std::map<std::string, std::string> written = {};
    std::string list = kList;
    std::string listPath = "/pkg/SETUP.LST";
    std::string extractFolder = {};
    bool absolute = false;
    std::map<std::size_t, std::string> packed = {}; ///< a VB5 entry's compressed name, by index
    std::map<std::string, std::string> compressed = {};
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.what;
}

const Case kCases[] = {
    {"names in any letter case",
     {{"/pkg/mscomctl.ocx", "o"}, {"/pkg/APP.EXE", "e"}},
     {},
     kBeside,
     {}},
    {"a Support folder in any letter case",
     {{"/pkg/sUPPORT/MSCOMCTL.OCX", "o"}, {"/pkg/sUPPORT/app.exe", "e"}},
     {},
     {"sUPPORT\\MSCOMCTL.OCX", "sUPPORT\\App.exe", "USER32.DLL"},
     {"note: 2 files taken from sUPPORT"}},
    {"the places looked in, Support among them",
     {{"/pkg/MSCOMCTL.OCX", "o"}, {"/pkg/Support/SETUP.LST", ""}},
     {},
     kBeside,
     {"File2 in [Setup1 Files]: warning: App.exe is neither in the source folder, nor in "
      "Support, nor in App.CAB: the compile will fail"}},
    {"a list copied on its own", {}, {}, kBeside, {kNoneFound}},
    {"a cabinet, extracted into Support beside the script",
     {{"/pkg/MSCOMCTL.OCX", "o"}},
     {{"/pkg/app.cab", Cabinet{{{"APP.EXE", "exe"}, {"other.dll", "d"}}}}},
     {"MSCOMCTL.OCX", "Support\\App.exe", "USER32.DLL"},
     {"note: 1 files extracted from App.CAB into Support"},
     {{"/pkg/Support/App.exe", "exe"}}},
    {"a list in Support, its cabinet in the folder above",
     {},
     {{"/pkg/App.CAB", Cabinet{{{"MSCOMCTL.OCX", "ocx"}, {"App.exe", "exe"}}}}},
     {"Support\\MSCOMCTL.OCX", "Support\\App.exe", "USER32.DLL"},
     {"note: 2 files extracted from App.CAB into Support"},
     {{"/pkg/Support/Support/App.exe", "exe"}},
     kList,
     "/pkg/Support/SETUP.LST"},
    {"a set of two, followed by its link, a file spanning both",
     {},
     {{"/pkg/App.CAB",
       Cabinet{{{"App.exe", "e"}, {"MSCOMCTL.OCX", "first", false, true}}, "APP2.CAB"}},
      {"/pkg/App2.cab", Cabinet{{{"MSCOMCTL.OCX", "+second", true}}}}},
     {"Support\\MSCOMCTL.OCX", "Support\\App.exe", "USER32.DLL"},
     {"note: 2 files extracted from App.CAB, APP2.CAB into Support"},
     {{"/pkg/Support/MSCOMCTL.OCX", "first+second"}}},
    {"a VB5 entry's compressed copy",
     {{"/pkg/App.exe", "e"}},
     {},
     {"Support\\MSCOMCTL.OCX", "App.exe", "USER32.DLL"},
     {"note: 1 files expanded from their compressed copies into Support"},
     {{"/pkg/Support/MSCOMCTL.OCX", "expanded"}},
     kList,
     "/pkg/SETUP.LST",
     {},
     false,
     {{0, "MSCOMCTL.OC_"}},
     {{"/pkg/mscomctl.oc_", "expanded"}}},
    {"a folder of the user's, with an identical file reused and a differing one kept",
     {{"/out/App.exe", "mine"}, {"/out/MSCOMCTL.OCX", "ocx"}},
     {{"/pkg/App.CAB", Cabinet{{{"MSCOMCTL.OCX", "ocx"}, {"App.exe", "exe"}}}}},
     {"/out/MSCOMCTL.OCX", "/out/App.exe", "USER32.DLL"},
     {"note: 2 files extracted from App.CAB into /out",
      "File2 in [Setup1 Files]: warning: /out/App.exe is there already and differs from the copy "
      "in App.CAB: it is kept as it is, and the script installs it"},
     {{"/out/App.exe", "mine"}},
     kList,
     "/pkg/SETUP.LST",
     "/out"},
    {"absolute sources name the list's folder as the user gave it",
     {{"/pkg/support/MSCOMCTL.OCX", "o"}, {"/pkg/App.exe", "e"}},
     {},
     {"C:\\Build\\support\\MSCOMCTL.OCX", "C:\\Build\\App.exe", "C:\\Build\\USER32.DLL"},
     {"note: 1 files taken from C:\\Build\\support"},
     {},
     kList,
     "/pkg/SETUP.LST",
     {},
     true},
    {"a damaged cabinet names itself",
     {},
     {{"/pkg/App.CAB", {{{"App.exe", "e"}}, {}, true}}},
     kBeside,
     {"CabFile in [Bootstrap]: warning: /pkg/App.CAB: a damaged cabinet, so nothing more is "
      "taken out of it",
      kNoneFound}},
    {"names that would leave the folder are refused",
     {{"/pkg/App.exe", "e"}},
     {{"/pkg/App.CAB", Cabinet{{{"..\\up.dll", "x"}, {"C:drive.dll", "x"}, {"\\root.dll", "x"}}}}},
     {"App.exe", "..\\up.dll", "C:drive.dll", "\\root.dll"},
     {refused(2, "..\\up.dll"), missing(2, "..\\up.dll"), refused(3, "C:drive.dll"),
      missing(3, "C:drive.dll"), refused(4, "\\root.dll"), missing(4, "\\root.dll")},
     {},
     "[Bootstrap]\r\nCabFile=App.CAB\r\n[Setup1 Files]\r\nFile1=@App.exe,$(AppPath),,,\r\n"
     "File2=@..\\up.dll,$(AppPath),,,\r\nFile3=@C:drive.dll,$(AppPath),,,\r\n"
     "File4=@\\root.dll,$(AppPath),,,\r\n"},
};

class PackageFiles : public testing::TestWithParam<Case> {};

TEST_P(PackageFiles, EachFileIsFoundOrNamed) {
    const Case& c = GetParam();
    MemoryFileSystem fileSystem;
    StandInArchiveReader archives;
    fileSystem.files.insert(c.files.begin(), c.files.end());
    fileSystem.files[c.listPath] = c.list;
    for (const auto& [path, cabinet] : c.cabinets)
        archives.addCabinet(fileSystem, path, cabinet);
    for (const auto& [path, bytes] : c.compressed)
        archives.addCompressed(fileSystem, path, bytes);
    tembrix::ConversionInputs inputs;
    inputs.SetupListPath = c.listPath;
    inputs.ScriptPath = tembrix::folderOf(c.listPath) + "Setup.iss";
    inputs.SourceFolder = "C:\\Build\\";
    inputs.UseAbsoluteSource = c.absolute;
    inputs.ExtractFolder = c.extractFolder;

    tembrix::ScriptModel model;
    tembrix::ConversionFailure failure;
    ASSERT_TRUE(tembrix::readScriptModel(inputs, fileSystem, model, failure).ok());
    for (const auto& [index, name] : c.packed) {
        model.applicationFiles.items[index].packedName = {
            static_cast<std::uint32_t>(model.madeBytes.size()),
            static_cast<std::uint16_t>(name.size()), true};
        model.madeBytes += name;
    }
    tembrix::applyMends(model);
    const tembrix::FileSources sources =
        tembrix::resolvePackageFiles(model, inputs, fileSystem, archives);
    std::unique_ptr<tembrix::TextFileWriter> out;
    ASSERT_TRUE(fileSystem.createTextFile(inputs.ScriptPath, out));
    tembrix::writeScript(model, *out);
    ASSERT_TRUE(out->commit());

    // The tests' folders are spelled with "/"; Windows joins a name to them
    // with "\\", which the script's own texts use everywhere.
    const auto spelled = [](std::vector<std::string> texts) {
#ifdef _WIN32
        for (std::string& text : texts)
            std::ranges::replace(text, '/', '\\');
#endif
        return texts;
    };
    std::vector<std::string> written;
    const std::string& script = fileSystem.files[inputs.ScriptPath];
    for (std::size_t at = 0; (at = script.find("Source: ", at)) != std::string::npos;) {
        at += 8;
        written.push_back(script.substr(at, script.find(';', at) - at));
    }
    EXPECT_EQ(spelled(written), spelled(c.sources));
    std::vector<std::string> remarks;
    for (const tembrix::Diagnostic& remark : tembrix::takeSortedDiagnostics(model))
        if (remark.code >= tembrix::DiagnosticCode::FileNotFound)
            remarks.push_back(tembrix::describeDiagnostic(remark));
    EXPECT_EQ(spelled(remarks), spelled(c.remarks));
    for (const auto& [path, bytes] : c.written)
        EXPECT_EQ(fileSystem.files[path], bytes) << path;
    EXPECT_EQ(sources.inSourceFolder + sources.inSupport + sources.extracted + sources.missing,
              sources.installed);
    EXPECT_EQ(sources.failures.empty(), std::string(c.what).find("damaged") == std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Package, PackageFiles, testing::ValuesIn(kCases));

} // namespace
