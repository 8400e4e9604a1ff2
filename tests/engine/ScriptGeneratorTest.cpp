#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "GeneratorSupport.h"
#include "MemoryFileSystem.h"

namespace {

// A [Files] section alone, with the worked example's other inputs.
std::string filesOf(const std::string& script) {
    const auto begin = script.find("[Files]\r\n");
    const auto end = script.find("\r\n\r\n[Icons]");
    if (begin == std::string::npos || end == std::string::npos)
        return "<no files section>";
    return script.substr(begin + 9, end + 2 - begin - 9);
}

std::string iconsOf(const std::string& script) {
    const auto begin = script.find("[Icons]\r\n");
    return begin == std::string::npos ? "<no icons section>" : script.substr(begin + 9);
}

std::string setupOf(const std::string& script) {
    const auto begin = script.find("[Setup]\r\n");
    const auto end = script.find("[Files]");
    if (begin == std::string::npos || end == std::string::npos)
        return "<no setup section>";
    return script.substr(begin + 9, end - begin - 9);
}

} // namespace

TEST(GenerateScript, WritesTheWorkedExampleByteForByte) {
    Conversion conversion;
    EXPECT_EQ(conversion.run(testData("engine/worked-example.lst")),
              testData("engine/worked-example.iss"));

    conversion.inputs.UseAbsoluteSource = true;
    EXPECT_EQ(conversion.run(), testData("engine/worked-example-absolute.iss"));
    EXPECT_TRUE(conversion.lastStatus.ok());

    conversion.inputs.UseAbsoluteSource = false;
    conversion.inputs.dialect = tembrix::ScriptDialect::Inno6;
    EXPECT_EQ(conversion.run(), testData("engine/worked-example-inno6.iss"));
}

// What the real lists and the worked example do not show of Inno Setup 6's forms.
TEST(GenerateScript, Inno6FormsHoldNoEmptyFlagsAndNoStrayBlanks) {
    Conversion conversion;
    conversion.inputs.dialect = tembrix::ScriptDialect::Inno6;
    conversion.inputs.Version = "";
    const std::string script =
        conversion.run("[Setup]\r\nTitle=App\r\nDefaultDir=$(CommonFiles)\\$(ProgramFiles)\r\n"
                       "[IconGroups]\r\nGroup0=G\r\n[G]\r\nIcon1=A.EXE\r\nIcon2=B.EXE\r\n"
                       "StartIn2=$(ProgramFiles)\\B\r\n"
                       "[Setup1 Files]\r\nFile1=@A.EXE,$(ProgramFiles)\\A,$(EXESelfRegister),\r\n"
                       "File2=@C.DLL,$(CommonFiles)\\C,$(DLLSelfRegister),\r\n"
                       "File3=@D.TXT,$(AppPath),,$(Shared)\r\n"
                       "File4=@USER32.DLL,$(WinSysPath),,\r\n");
    EXPECT_NE(script.find("AppVerName=App\r\nAppVersion=\r\nDefaultDirName={autocf}\\{autopf}\r\n"),
              std::string::npos)
        << script;
    EXPECT_EQ(filesOf(script),
              "; START VISUAL BASIC\r\n; END VISUAL BASIC\r\n"
              "Source: A.EXE; DestDir: {commonpf}\\A; Flags: promptifolder\r\n"
              "Source: C.DLL; DestDir: {commoncf}\\C; Flags: regserver promptifolder\r\n"
              "Source: D.TXT; DestDir: {app}; Flags: sharedfile\r\n"
              "; Source: USER32.DLL; DestDir: {sys}\r\n");
    EXPECT_EQ(iconsOf(script),
              "Name: {group}\\; Filename: {app}\\A.EXE; IconFilename: {app}\\A.EXE; "
              "IconIndex: 0\r\n"
              "Name: {group}\\; Filename: {app}\\B.EXE; WorkingDir: {commonpf}\\B; "
              "IconFilename: {app}\\B.EXE; IconIndex: 0\r\n"
              "\r\n[Run]\r\n"
              "Filename: {commonpf}\\A\\A.EXE; Parameters: /REGSERVER; Flags: runhidden\r\n"
              "\r\n[UninstallRun]\r\n"
              "Filename: {commonpf}\\A\\A.EXE; Parameters: /UNREGSERVER; Flags: runhidden; "
              "RunOnceId: UnregServer_A.EXE\r\n");
}

TEST(GenerateScript, SetupSectionFollowsVersionAndSetupLines) {
    Conversion conversion;
    const std::string list = "[Setup]\r\nTitle=App\r\nDefaultDir=$(ProgramFiles)\\App\r\n";
    conversion.inputs.Version = "";
    EXPECT_EQ(setupOf(conversion.run(list)), "AppName=App\r\nAppVerName=App \r\nAppVersion=\r\n"
                                             "DefaultDirName={pf}\\App\r\nDefaultGroupName=\r\n"
                                             "OutputDir=C:\\Build\\OutPut\\\r\n"
                                             "OutputBaseFilename=App\r\n\r\n\r\n");

    conversion.inputs.Version = "2.5";
    conversion.folder().write("SetupLine.txt", "Compression=lzma\r\n");
    const std::string tail = "OutputBaseFilename=App\r\n";
    std::string setup = setupOf(conversion.run(list));
    EXPECT_EQ(setup.substr(setup.find(tail) + tail.size()), "Compression=lzma\r\n\r\n\r\n");
    EXPECT_NE(setup.find("AppVerName=App 2.5\r\nAppVersion=2.5\r\n"), std::string::npos);

    // Without a line end of its own, the first empty line ends the inserted line.
    conversion.folder().write("SetupLine.txt", "SolidCompression=yes");
    setup = setupOf(conversion.run(list));
    EXPECT_EQ(setup.substr(setup.find(tail) + tail.size()), "SolidCompression=yes\r\n\r\n");
}

TEST(GenerateScript, ExtraLinesAreAppendedOnlyWhenAsked) {
    Conversion conversion;
    const std::string list = "[Setup]\r\nTitle=App\r\n";
    conversion.folder().write("AddLine.txt", "[Code]\nbytes \xE9 as they are");
    EXPECT_TRUE(conversion.run(list).ends_with("[Icons]\r\n"));

    conversion.inputs.AddExtraLines = true;
    EXPECT_TRUE(conversion.run().ends_with("[Icons]\r\n\r\n[Code]\nbytes \xE9 as they are"));

    std::filesystem::remove(conversion.inputs.ExtraLinesPath);
    EXPECT_TRUE(conversion.run().ends_with("[Icons]\r\n\r\n"));
}

TEST(GenerateScript, RuntimeBlockComesFromBootstrapFilesWhenAsked) {
    Conversion conversion;
    const std::string list = "[Bootstrap Files]\r\n"
                             "File1=@MDAC_TYP.EXE,$(WinSysPath),,\r\n"
                             "File2=@VB6STKIT.DLL,$(WinSysPathSysFile),,,6/19/09 8:51:40 PM\r\n";
    EXPECT_EQ(filesOf(conversion.run(list)),
              "; START VISUAL BASIC \r\n"
              "Source: MDAC_TYP.EXE; DestDir: {sys}; Flags: restartreplace uninsneveruninstall "
              "sharedfile ; CopyMode: alwaysskipifsameorolder\r\n"
              "Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall "
              "sharedfile ; CopyMode: alwaysskipifsameorolder\r\n"
              "; END VISUAL BASIC\r\n");
    EXPECT_EQ(conversion.run().find("[Run]"), std::string::npos);

    conversion.inputs.IncludeRuntimeFiles = false;
    EXPECT_EQ(filesOf(conversion.run()), "");

    conversion.inputs.IncludeRuntimeFiles = true;
    EXPECT_EQ(filesOf(conversion.run("[Setup]\r\nTitle=App\r\n[Bootstrap Files]\r\n")),
              "; START VISUAL BASIC \r\n; END VISUAL BASIC\r\n");
}

// A VB5 list: the installed name is the source, a quoted title may hold
// commas, and the old setup program's uninstaller has no line.
const std::string kVb5List =
    "[BootStrap]\r\n[Files]\r\n"
    "File1=1,,A.ex_,A.EXE,$(AppPath)\\bin,,,4/10/1999 0:34:02,1,1.0,\"\",\"App, the game\","
    "\"$(AppPath)\\bin\\A.EXE /x\"\r\n"
    "File2=1,,st5unst.ex_,ST5UNST.EXE,$(WinPath),,$(Shared),1/1/1997,1,5.0,\"\",\"\",\"\"\r\n"
    "File3=1,,C.ex_,C.EXE,$(WinPath),,,1/1/1999,1,1.0,\"\",\"Tool\",\"$(WinPath)\\C.EXE\"\r\n"
    "[Setup]\r\nTitle=App\r\nDefProgramGroup=$(Programs)\r\n";

TEST(GenerateScript, Vb5ListsGiveTheirFilesAndShortcuts) {
    Conversion conversion;
    conversion.inputs.IncludeRuntimeFiles = false;
    const std::string script = conversion.run(kVb5List);
    EXPECT_EQ(filesOf(script),
              "Source: A.EXE; DestDir: {app}\\bin; Flags: ; CopyMode: alwaysskipifsameorolder\r\n"
              "Source: C.EXE; DestDir: {win}; Flags: ; CopyMode: alwaysskipifsameorolder\r\n");
    EXPECT_TRUE(iconsOf(script).starts_with(
        "Name: {commonprograms}\\App, the game; Filename: {app}\\bin\\A.EXE; Parameters: /x;"
        "WorkingDir: {app}\\bin; IconFilename: {app}\\bin\\A.EXE; IconIndex: 0\r\n"));
}

TEST(GenerateScript, DataAccessInstallerNeedsItsExactName) {
    Conversion conversion;
    conversion.inputs.IncludeRuntimeFiles = false;
    std::string script = conversion.run("[Setup1 Files]\r\n"
                                        "File1=@mdac_typ.exe,$(AppPath),,\r\n");
    EXPECT_EQ(filesOf(script), "Source: mdac_typ.exe; DestDir: {app}; Flags: ; CopyMode: "
                               "alwaysskipifsameorolder\r\n");
    EXPECT_EQ(script.find("[Run]"), std::string::npos);

    script = conversion.run("[Setup1 Files]\r\n"
                            "File1=@MDAC_TYP.EXE,$(AppPath),$(DLLSelfRegister),$(Shared)\r\n"
                            "File2=@M@DAC_TYP.EXE\r\n");
    const std::string line =
        "Source: Mdac_typ.exe; DestDir: {tmp}; CopyMode: normal; Flags: deleteafterinstall\r\n";
    EXPECT_EQ(filesOf(script), line + line);
    EXPECT_TRUE(script.ends_with("[Icons]\r\n\r\n[Run]\r\nFilename: {tmp}\\Mdac_typ.exe; "
                                 "WorkingDir: {tmp}; Parameters: /q\r\n"));
}

TEST(GenerateScript, ApplicationLinesTakeCopyModeFromTheRawRegistration) {
    Conversion conversion;
    conversion.inputs.IncludeRuntimeFiles = false;
    EXPECT_EQ(filesOf(conversion.run("[Setup1 Files]\r\n"
                                     "File1=@A.EXE,$(AppPath),$(EXESelfRegister),\r\n"
                                     "File2=@B.OCX,$(WinSysPath),$(dllselfregister),$(Shared)\r\n"
                                     "File3=@C.TLB,$(CommonFiles)\\X,$(TLBRegister),\r\n"
                                     "File4=@ARIAL.TTF,$(Font),,$(Shared)\r\n"
                                     "File5=@D;E.DAT,$(CommonFilesSys),,\r\n")),
              "Source: A.EXE; DestDir: {app}; Flags: ; CopyMode: normal\r\n"
              "Source: B.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal\r\n"
              "Source: C.TLB; DestDir: {cf}\\X; Flags: regtypelib ; CopyMode: normal\r\n"
              "Source: ARIAL.TTF; DestDir: {fonts}; Flags: sharedfile ; CopyMode: "
              "alwaysskipifsameorolder\r\n"
              "Source: D;E.DAT; DestDir: {cf}\\System; Flags: ; CopyMode: "
              "alwaysskipifsameorolder\r\n");
}

TEST(GenerateScript, IconsComeFromEveryGroupUntilTheFirstEmptyProgram) {
    Conversion conversion;
    std::string script =
        conversion.run("[IconGroups]\r\nGroup0=Tools\r\nGroup1=Other\r\n"
                       "[Tools]\r\n"
                       "Icon1=\"A.EXE\"\r\nTitle1=First\r\nStartIn1=$(AppPath)\\Bin\r\n"
                       "Icon2=B.EXE\r\n"
                       "Icon4=D.EXE\r\nTitle4=Skipped\r\n"
                       "[Other]\r\nIcon1=OTHER.EXE\r\n");
    EXPECT_EQ(iconsOf(script), "Name: {group}\\First; Filename: {app}\\A.EXE;WorkingDir: "
                               "{app}\\Bin; IconFilename: {app}\\A.EXE; IconIndex: 0\r\n"
                               "Name: {group}\\; Filename: {app}\\B.EXE;WorkingDir: ; "
                               "IconFilename: {app}\\B.EXE; IconIndex: 0\r\n"
                               "Name: {commonprograms}\\Other\\; Filename: {app}\\OTHER.EXE;"
                               "WorkingDir: ; IconFilename: {app}\\OTHER.EXE; IconIndex: 0\r\n");
    EXPECT_NE(script.find("DefaultGroupName=Tools\r\n"), std::string::npos);

    script = conversion.run("[Setup]\r\nTitle=T\r\n[Tools]\r\nIcon1=A.EXE\r\n");
    EXPECT_NE(script.find("DefaultGroupName=\r\n"), std::string::npos);
    EXPECT_TRUE(script.ends_with("\r\n[Icons]\r\n"));

    // An empty program ends the walk, also when it is an empty pair of quotes.
    for (const char* empty : {"", "\"\"", "''"})
        EXPECT_EQ(iconsOf(conversion.run(
                      "[IconGroups]\r\nGroup0=Tools\r\n[Tools]\r\nIcon1=" + std::string(empty) +
                      "\r\nTitle1=Has a title\r\nIcon2=B.EXE\r\n")),
                  "")
            << empty;
}

TEST(GenerateScript, ReplacesAnEarlierScriptWholly) {
    Conversion conversion;
    conversion.folder().write("Setup.iss", std::string(100000, 'q'));
    const std::string script = conversion.run("[Setup]\r\nTitle=App\r\n");
    EXPECT_TRUE(script.starts_with(kScriptHeader));
    EXPECT_EQ(script.find("qq"), std::string::npos);
    // The list, the lines and the script, no temporary file.
    EXPECT_EQ(conversion.folder().entryCount(), 3u);
}

// The four mends that make real setup lists compile.
TEST(CompileMends, SystemFilesTheCompilerRefusesBecomeComments) {
    Conversion conversion;
    const std::string files =
        filesOf(conversion.run("[Bootstrap Files]\r\n"
                               "File1=@msvbvm60.dll,$(WinSysPathSysFile),$(DLLSelfRegister),\r\n"
                               "File2=@Kernel32.dll,$(WinSysPath),,\r\n"
                               "[Setup1 Files]\r\n"
                               "File1=@RICHED32.DLL,$(WinSysPath)\\,,\r\n"
                               "File2=@sub\\@shlwapi.dll,$(WinSysPath),,$(Shared)\r\n"
                               "File3=@USER32.DLL,$(AppPath),,\r\n"
                               "File4=@STDOLE2.TLB,$(AppPath),$(TLBRegister),\r\n"
                               "File5=@OLEAUT32.DLL,$(AppPath),,\r\n"
                               "File6=@MSVBVM60.DLL,$(WinSysPath)\\Sub,$(DLLSelfRegister),\r\n"
                               "File7=@USER32.DLL.BAK,$(WinSysPath),,\r\n"));
    EXPECT_EQ(files,
              "; START VISUAL BASIC \r\n"
              "Source: msvbvm60.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall "
              "regserver sharedfile ; CopyMode: alwaysskipifsameorolder\r\n"
              "; Source: Kernel32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall ; "
              "CopyMode: alwaysskipifsameorolder\r\n"
              "; END VISUAL BASIC\r\n"
              "; Source: RICHED32.DLL; DestDir: {sys}\\; Flags: ; CopyMode: "
              "alwaysskipifsameorolder\r\n"
              "; Source: sub\\shlwapi.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: "
              "alwaysskipifsameorolder\r\n"
              "Source: USER32.DLL; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder\r\n"
              "; Source: STDOLE2.TLB; DestDir: {app}; Flags: regtypelib ; CopyMode: normal\r\n"
              "Source: OLEAUT32.DLL; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder\r\n"
              "; Source: MSVBVM60.DLL; DestDir: {sys}\\Sub; Flags: regserver ; CopyMode: normal\r\n"
              "Source: USER32.DLL.BAK; DestDir: {sys}; Flags: sharedfile ; CopyMode: "
              "alwaysskipifsameorolder\r\n");
}

TEST(CompileMends, InstallerBaseNameLosesCharactersThatFileNamesCannotHold) {
    Conversion conversion;
    const std::string setup =
        setupOf(conversion.run("[Setup]\r\nTitle=A\\B/C:D*E?F\"G<H>I|J K;\xE9\r\n"));
    EXPECT_NE(setup.find("AppName=A\\B/C:D*E?F\"G<H>I|J K;\xE9\r\n"), std::string::npos);
    EXPECT_NE(setup.find("AppVerName=A\\B/C:D*E?F\"G<H>I|J K;\xE9 1.0\r\n"), std::string::npos);
    EXPECT_NE(setup.find("OutputBaseFilename=A_B_C_D_E_F_G_H_I_J K;\xE9\r\n"), std::string::npos);
}

TEST(GenerateScript, TheChosenInstallerNameBecomesTheBaseFilename) {
    const struct {
        const char* chosen;
        const char* written;
    } rows[] = {
        {"", "App"},        // nothing chosen: the title
        {"App.exe", "App"}, // the proposal gives today's line
        {"MonSetup.EXE", "MonSetup"},
        {"Mon:Setup.Exe", "Mon_Setup"},
        {"Setup.exe.exe", "Setup.exe"},
        {"Setup.msi", "Setup.msi"},
        {".exe", "App"},
        {"Caf\xE9", "Caf\xE9"},
    };
    Conversion conversion;
    for (const auto& row : rows) {
        conversion.inputs.installerName = row.chosen;
        EXPECT_NE(setupOf(conversion.run("[Setup]\r\nTitle=App\r\n"))
                      .find("\r\nOutputBaseFilename=" + std::string(row.written) + "\r\n"),
                  std::string::npos)
            << row.chosen;
    }
}

TEST(DeriveInputs, ProposalsFollowTheListsFolderTitleAndTheProgramsFolder) {
#ifdef _WIN32
    const std::string separator = "\\";
#else
    const std::string separator = "/";
#endif
    TempFolder folder;
    const std::string list = folder.file("SETUP.LST");
    MemoryFileSystem memory; // the list is read through the file system, not from the disk
    memory.files[list] = "[Setup]\r\nTitle= Caf\xE9 \r\n";
    const std::string base = folder.path().string() + separator;
    const tembrix::DerivedInputs derived =
        tembrix::deriveInputs(list, folder.path().string(), memory);
    EXPECT_EQ(derived.sourceFolder, base);
    EXPECT_EQ(derived.scriptPath, base + "Setup.iss");
    EXPECT_EQ(derived.outputDir, base + "OutPut" + separator);
    EXPECT_EQ(derived.version, "1.0");
    EXPECT_EQ(derived.setupLinesPath, base + "SetupLine.txt");
    EXPECT_EQ(derived.extraLinesPath, base + "AddLine.txt");
    EXPECT_EQ(derived.installerName, "Caf\xE9.exe");

    // A bare name of a missing list, and no program folder at all.
    const tembrix::DerivedInputs bare = tembrix::deriveInputs("missing.lst", "", memory);
    EXPECT_EQ(bare.scriptPath, "Setup.iss");
    EXPECT_EQ(bare.outputDir, "OutPut" + separator);
    EXPECT_EQ(bare.setupLinesPath, "");
    EXPECT_EQ(bare.installerName, ".exe");
}

TEST(CompileMends, IconProgramLosesTheListsOwnQuotes) {
    Conversion conversion;
    const std::string icons = iconsOf(
        conversion.run("[IconGroups]\r\nGroup0=G\r\n[G]\r\n"
                       "Icon1=\"\"My App.exe\"\"\r\nTitle1=My App\r\nStartIn1=$(AppPath)\r\n"
                       "Icon2=\"\"\"\"\r\nTitle2=Empty\r\n"
                       "Icon3=\"\"x\r\nTitle3=Half\r\n"
                       "Icon4='\"Q\"'\r\n"));
    EXPECT_EQ(icons, "Name: {group}\\My App; Filename: {app}\\My App.exe;WorkingDir: {app}; "
                     "IconFilename: {app}\\My App.exe; IconIndex: 0\r\n"
                     "Name: {group}\\Empty; Filename: {app}\\;WorkingDir: ; "
                     "IconFilename: {app}\\; IconIndex: 0\r\n"
                     "Name: {group}\\Half; Filename: {app}\\; Parameters: x;WorkingDir: ; "
                     "IconFilename: {app}\\; IconIndex: 0\r\n"
                     "Name: {group}\\; Filename: {app}\\Q;WorkingDir: ; "
                     "IconFilename: {app}\\Q; IconIndex: 0\r\n");
}

TEST(CompileMends, SectionsOfTheSameNameAreSearchedInFileOrder) {
    Conversion conversion;
    const std::string script = conversion.run("[IconGroups]\r\nGroup0=Setup \r\n"
                                              "[Setup ]\r\nIcon1=\"\"Game X.exe\"\"\r\n"
                                              "Title1=Setup\r\nStartIn1=$(AppPath)\r\n"
                                              "[Setup]\r\nTitle=AutoRun\r\nIcon1=ignored.exe\r\n");
    EXPECT_NE(script.find("AppName=AutoRun\r\n"), std::string::npos);
    EXPECT_NE(script.find("DefaultGroupName=Setup\r\n"), std::string::npos);
    EXPECT_EQ(iconsOf(script), "Name: {group}\\Setup; Filename: {app}\\Game X.exe;WorkingDir: "
                               "{app}; IconFilename: {app}\\Game X.exe; IconIndex: 0\r\n");
}

TEST(CompileMends, Utf8ByteOrderMarkDoesNotHideTheFirstSection) {
    Conversion conversion;
    const std::string script = conversion.run("\xEF\xBB\xBF[Setup]\r\nTitle=App\r\n");
    EXPECT_NE(script.find("AppName=App\r\n"), std::string::npos);
    EXPECT_EQ(script.find("\xEF\xBB\xBF"), std::string::npos);
}

// The mends that make installers do what the setup list says, each built from
// lines of a real list. Each expectation runs from its first line to the end of
// the script.
struct InstallMend {
    const char* what;
    std::string list;
    std::string expected;
    std::vector<std::string> described; // the notes that report the mends
};

void PrintTo(const InstallMend& mend, std::ostream* out) {
    *out << mend.what;
}

class InstallMends : public testing::TestWithParam<InstallMend> {};

TEST_P(InstallMends, ScriptEndsAsExpected) {
    Conversion conversion;
    const std::string script = conversion.run(GetParam().list);
    const std::string& expected = GetParam().expected;
    const auto from = script.find(expected.substr(0, expected.find("\r\n")));
    EXPECT_EQ(from == std::string::npos ? script : script.substr(from), expected);
    EXPECT_EQ(conversion.describedDiagnostics(), GetParam().described);
}

const std::string kTitled = "[Setup]\r\nTitle=App\r\n";
const std::string kNoIcons = "\r\n[Icons]\r\n";

INSTANTIATE_TEST_SUITE_P(
    RealLists, InstallMends,
    testing::Values(
        InstallMend{"CommonFilesSysIsTheSystemFolderOfCommonFiles",
                    kTitled +
                        "[Setup1 Files]\r\n"
                        "File1=@msado15.dll,$(CommonFilesSys)\\ADO,$(DLLSelfRegister),$(Shared),"
                        "4/14/08 12:00:00 AM,520192,2.81.1132.0\r\n",
                    "Source: msado15.dll; DestDir: {cf}\\System\\ADO; Flags: regserver sharedfile "
                    "; CopyMode: normal\r\n" +
                        kNoIcons,
                    {"File1 in [Setup1 Files]: note: the folder macro $(CommonFilesSys) is "
                     "translated as the Common Files\\System folder"}},
        InstallMend{"DLLSelfRegisterExRegistersInAnyLetterCase",
                    kTitled + "[Setup1 Files]\r\n"
                              "File1=@MSCAL.OCX,$(WinSysPath),$(DLLSelfRegisterEx),$(Shared),"
                              "4/12/20 4:21:59 AM,89600,8.0.0.5007\r\n"
                              "File2=@MSCAL.OCX,$(WinSysPath),$(dllselfregisterex),$(Shared)\r\n",
                    "Source: MSCAL.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: "
                    "normal\r\nSource: MSCAL.OCX; DestDir: {sys}; Flags: regserver sharedfile ; "
                    "CopyMode: normal\r\n" +
                        kNoIcons,
                    {"File1 in [Setup1 Files]: note: $(DLLSelfRegisterEx) registers the file as "
                     "$(DLLSelfRegister) does",
                     "File2 in [Setup1 Files]: note: $(DLLSelfRegisterEx) registers the file as "
                     "$(DLLSelfRegister) does"}},
        InstallMend{"TypeLibraryMarkedForDllRegistrationIsRegisteredAsTypeLibrary",
                    kTitled +
                        "[Setup1 Files]\r\n"
                        "File1=@msado25.tlb,$(CommonFilesSys)\\ADO,$(DLLSelfRegister),$(Shared),"
                        "4/14/08 12:00:00 AM,69632,2.81.1132.0\r\n"
                        "File2=@MSADO20.TLB,$(WinSysPath),$(DLLSelfRegisterEx),$(Shared)\r\n"
                        "File3=@msado28.tlb,$(WinSysPath),,$(Shared),12/7/19 3:07:53 AM,70656,"
                        "6.2.19041.1\r\n"
                        "File4=@msado28.tlb.dll,$(WinSysPath),$(DLLSelfRegister),\r\n"
                        "File5=@dte80a.olb,$(CommonFiles)\\Designer,$(DLLSelfRegister),$(Shared),"
                        "2/17/00 12:00:00 AM,167936,8.0.0.9238\r\n",
                    "Source: msado25.tlb; DestDir: {cf}\\System\\ADO; Flags: regtypelib "
                    "sharedfile ; CopyMode: normal\r\n"
                    "Source: MSADO20.TLB; DestDir: {sys}; Flags: regtypelib sharedfile ; "
                    "CopyMode: normal\r\n"
                    "Source: msado28.tlb; DestDir: {sys}; Flags: sharedfile ; CopyMode: "
                    "alwaysskipifsameorolder\r\n"
                    "Source: msado28.tlb.dll; DestDir: {sys}; Flags: regserver sharedfile ; "
                    "CopyMode: normal\r\n"
                    "Source: dte80a.olb; DestDir: {cf}\\Designer; Flags: regtypelib sharedfile ; "
                    "CopyMode: normal\r\n" +
                        kNoIcons,
                    {"File1 in [Setup1 Files]: note: msado25.tlb is a type library, so it is "
                     "registered with regtypelib; regserver would fail and roll the installation "
                     "back",
                     "File1 in [Setup1 Files]: note: the folder macro $(CommonFilesSys) is "
                     "translated as the Common Files\\System folder",
                     "File2 in [Setup1 Files]: note: MSADO20.TLB is a type library, so it is "
                     "registered with regtypelib; regserver would fail and roll the installation "
                     "back",
                     "File4 in [Setup1 Files]: note: msado28.tlb.dll goes into the system folder, "
                     "which other programs share: it is marked sharedfile, so the uninstall "
                     "removes it only when no program counts on it",
                     "File5 in [Setup1 Files]: note: dte80a.olb is a type library, so it is "
                     "registered with regtypelib; regserver would fail and roll the installation "
                     "back"}},
        InstallMend{"ProgramsGroupIsTheStartMenusProgramsFolder",
                    "[IconGroups]\r\nGroup0=$(programs)\r\nPrivateGroup0=-1\r\n"
                    "Parent0=$(Programs)\r\n[$(Programs)]\r\nIcon1=\"Loader.exe\"\r\n"
                    "Title1=Loader\r\nStartIn1=$(AppPath)\r\n"
                    "[Setup]\r\nTitle=Stock Loader\r\n"
                    "[Setup1 Files]\r\nFile1=@Loader.exe,$(AppPath),,\r\n",
                    "DefaultGroupName=Stock Loader\r\nOutputDir=C:\\Build\\OutPut\\\r\n"
                    "OutputBaseFilename=Stock Loader\r\n\r\n\r\n[Files]\r\n"
                    "; START VISUAL BASIC \r\n; END VISUAL BASIC\r\n"
                    "Source: Loader.exe; DestDir: {app}; Flags: ; CopyMode: "
                    "alwaysskipifsameorolder\r\n\r\n[Icons]\r\n"
                    "Name: {commonprograms}\\Loader; Filename: {app}\\Loader.exe;WorkingDir: "
                    "{app}; IconFilename: {app}\\Loader.exe; IconIndex: 0\r\n",
                    {"Group0 in [IconGroups]: note: $(programs) is the Start menu's Programs "
                     "folder itself: the shortcuts go there, and DefaultGroupName is the title"}},
        InstallMend{
            "ShortcutArgumentsBecomeParameters",
            kTitled + "[IconGroups]\r\nGroup0=Loader\r\n[Loader]\r\n"
                      "Icon1=\"Loader.exe /X\"\r\nTitle1=Loader\r\nStartIn1=$(AppPath)\r\n"
                      "Icon2=\"\"Stock Tool.EXE   /f \"a;b\"\"\"\r\nTitle2=Tool\r\n"
                      "Icon3=Report.exe\r\nTitle3=Report\r\n"
                      "Icon4=\"Loader.exe  \"\r\nTitle4=Blank\r\n"
                      "[Setup1 Files]\r\nFile1=@Loader.exe,$(AppPath),,\r\n"
                      "File2=@Stock Tool.EXE,$(AppPath),,\r\nFile3=@Report.exe,$(AppPath),,\r\n",
            "Name: {group}\\Loader; Filename: {app}\\Loader.exe; Parameters: /X;WorkingDir: "
            "{app}; IconFilename: {app}\\Loader.exe; IconIndex: 0\r\n"
            "Name: {group}\\Tool; Filename: {app}\\Stock Tool.EXE; Parameters: "
            "\"/f \"\"a;b\"\"\";WorkingDir: ; IconFilename: {app}\\Stock Tool.EXE; "
            "IconIndex: 0\r\n"
            "Name: {group}\\Report; Filename: {app}\\Report.exe;WorkingDir: ; "
            "IconFilename: {app}\\Report.exe; IconIndex: 0\r\n"
            "Name: {group}\\Blank; Filename: {app}\\Loader.exe;WorkingDir: ; "
            "IconFilename: {app}\\Loader.exe; IconIndex: 0\r\n",
            {"Icon1 in [Loader]: note: the arguments /X are passed as Parameters; the "
             "shortcut's program is Loader.exe",
             "Icon2 in [Loader]: note: the list's own quotes around the program are "
             "removed: Stock Tool.EXE   /f \"a;b\"",
             "Icon2 in [Loader]: note: the arguments /f \"a;b\" are passed as Parameters; "
             "the shortcut's program is Stock Tool.EXE"}},
        InstallMend{"SelfRegisteringProgramRunsWithRegserver",
                    kTitled + "[Setup1 Files]\r\n"
                              "File1=@APILOAD.EXE,$(WinSysPath),$(EXESelfRegister),$(Shared),"
                              "1/16/97 12:00:00 AM,78848,5.0.0.3716\r\n"
                              "File2=@Tools\\@Agent.exe,$(AppPath)\\Bin\\,$(exeselfregister),\r\n",
                    "Source: APILOAD.EXE; DestDir: {sys}; Flags: uninsneveruninstall sharedfile ; "
                    "CopyMode: normal\r\n"
                    "Source: Tools\\Agent.exe; DestDir: {app}\\Bin\\; Flags: ; CopyMode: "
                    "normal\r\n" +
                        kNoIcons +
                        "\r\n[Run]\r\n"
                        "Filename: {sys}\\APILOAD.EXE; Parameters: /REGSERVER; Flags: runhidden\r\n"
                        "Filename: {app}\\Bin\\Agent.exe; Parameters: /REGSERVER; Flags: "
                        "runhidden\r\n"
                        "\r\n[UninstallRun]\r\n"
                        "Filename: {app}\\Bin\\Agent.exe; Parameters: /UNREGSERVER; Flags: "
                        "runhidden; RunOnceId: UnregServer_Agent.exe\r\n",
                    {"File1 in [Setup1 Files]: note: APILOAD.EXE registers itself: [Run] starts it "
                     "with /REGSERVER; in the system folder it may serve other programs, so the "
                     "uninstall neither removes nor unregisters it",
                     "File2 in [Setup1 Files]: note: Agent.exe registers itself: [Run] starts it "
                     "with /REGSERVER, and [UninstallRun] with /UNREGSERVER before the uninstall "
                     "removes it"}},
        InstallMend{
            "RegFileIsMergedIntoTheRegistry",
            kTitled + "[Setup1 Files]\r\n"
                      "File1=@0.REG,$(AppPath),0.REG,,6/20/17 12:50:12 PM,162,0.0.0.0\r\n"
                      "File2=@crdeploy.reg,$(AppPath),,$(Shared),5/21/03 1:36:18 PM,162,0.0.0.0\r\n"
                      "File3=@Setup.reg,$(AppPath)\\Data,setup.Reg,\r\n",
            "Source: 0.REG; DestDir: {app}; Flags: ; CopyMode: normal\r\n"
            "Source: crdeploy.reg; DestDir: {app}; Flags: sharedfile ; CopyMode: "
            "alwaysskipifsameorolder\r\n"
            "Source: Setup.reg; DestDir: {app}\\Data; Flags: ; CopyMode: normal\r\n" +
                kNoIcons +
                "\r\n[Run]\r\n"
                "Filename: {win}\\regedit.exe; Parameters: \"/s \"\"{app}\\0.REG\"\"\"; "
                "Flags: runhidden\r\n"
                "Filename: {win}\\regedit.exe; Parameters: \"/s \"\"{app}\\Data\\setup.Reg"
                "\"\"\"; Flags: runhidden\r\n",
            {"File1 in [Setup1 Files]: note: 0.REG is merged into the registry by regedit "
             "in [Run]",
             "File3 in [Setup1 Files]: note: setup.Reg is merged into the registry by "
             "regedit in [Run]"}},
        InstallMend{"RunLinesFollowTheDataAccessInstallerInFileOrder",
                    kTitled + "[Bootstrap Files]\r\n"
                              "File1=@Agent.exe,$(WinSysPath),$(EXESelfRegister),\r\n"
                              "File2=@KERNEL32.DLL,$(WinSysPath),k.reg,\r\n"
                              "[Setup1 Files]\r\n"
                              "File1=@0.REG,$(AppPath),0.REG,\r\n"
                              "File2=@MDAC_TYP.EXE,$(AppPath),,$(Shared)\r\n"
                              "File3=@APILOAD.EXE,$(WinSysPath),$(EXESelfRegister),$(Shared)\r\n",
                    "[Run]\r\nFilename: {tmp}\\Mdac_typ.exe; WorkingDir: {tmp}; Parameters: /q\r\n"
                    "Filename: {sys}\\Agent.exe; Parameters: /REGSERVER; Flags: runhidden\r\n"
                    "Filename: {win}\\regedit.exe; Parameters: \"/s \"\"{app}\\0.REG\"\"\"; "
                    "Flags: runhidden\r\n"
                    "Filename: {sys}\\APILOAD.EXE; Parameters: /REGSERVER; Flags: runhidden\r\n",
                    {"File1 in [Bootstrap Files]: note: Agent.exe registers itself: [Run] starts "
                     "it with /REGSERVER; in the system folder it may serve other programs, so the "
                     "uninstall neither removes nor unregisters it",
                     "File2 in [Bootstrap Files]: note: KERNEL32.DLL is a Windows system file that "
                     "Inno Setup refuses to install; its line is now a comment",
                     "File1 in [Setup1 Files]: note: 0.REG is merged into the registry by regedit "
                     "in [Run]",
                     "File3 in [Setup1 Files]: note: APILOAD.EXE registers itself: [Run] starts it "
                     "with /REGSERVER; in the system folder it may serve other programs, so the "
                     "uninstall neither removes nor unregisters it"}},
        InstallMend{"BareFolderIsBelowTheApplicationsAndADriveIsSaid",
                    kTitled + "[Setup1 Files]\r\n"
                              "File1=@VLIEGTUIG.jpg,ACHTERGRONDEN,,,6/12/03 10:18:22 AM,40817,"
                              "0.0.0.0\r\nFile2=@CHAT.EXE,C:\\CHAT,,\r\n",
                    "Source: VLIEGTUIG.jpg; DestDir: {app}\\ACHTERGRONDEN; Flags: ; CopyMode: "
                    "alwaysskipifsameorolder\r\nSource: CHAT.EXE; DestDir: C:\\CHAT; Flags: ; "
                    "CopyMode: alwaysskipifsameorolder\r\n" +
                        kNoIcons,
                    {"File1 in [Setup1 Files]: note: the destination ACHTERGRONDEN names a folder "
                     "alone, which Setup would take from its own current folder, so the file goes "
                     "below the application's folder: {app}\\ACHTERGRONDEN",
                     "File2 in [Setup1 Files]: warning: the destination C:\\CHAT begins with the "
                     "drive C:, so Setup fails where that drive does not exist"}},
        InstallMend{"FolderNamesEndingInADotAreWrittenAsWindowsMakesThem",
                    "[Setup]\r\nTitle=Dise\xF1o.\r\nDefaultDir=$(ProgramFiles)\\Dise\xF1o.\r\n"
                    "[IconGroups]\r\nGroup0=Dise\xF1o.\r\nGroup1=Extras.\r\n[Dise\xF1o.]\r\n"
                    "Icon1=\"Diseno.exe\"\r\nTitle1=Dise\xF1o.\r\nStartIn1=$(AppPath)\r\n"
                    "[Extras.]\r\nIcon1=Diseno.exe\r\nTitle1=..\\Ejemplos .\\Diseno.\r\n"
                    "[Setup1 Files]\r\nFile1=@Diseno.exe,$(AppPath),,,3/2/05 9:14:36 AM,1376256,"
                    "1.0.0.0\r\n",
                    "DefaultDirName={pf}\\Dise\xF1o\r\nDefaultGroupName=Dise\xF1o\r\n"
                    "OutputDir=C:\\Build\\OutPut\\\r\nOutputBaseFilename=Dise\xF1o.\r\n\r\n\r\n"
                    "[Files]\r\n; START VISUAL BASIC \r\n; END VISUAL BASIC\r\n"
                    "Source: Diseno.exe; DestDir: {app}; Flags: ; CopyMode: "
                    "alwaysskipifsameorolder\r\n\r\n[Icons]\r\n"
                    "Name: {group}\\Dise\xF1o.; Filename: {app}\\Diseno.exe;WorkingDir: {app}; "
                    "IconFilename: {app}\\Diseno.exe; IconIndex: 0\r\n"
                    "Name: {commonprograms}\\Extras\\..\\Ejemplos\\Diseno.; Filename: "
                    "{app}\\Diseno.exe;WorkingDir: ; IconFilename: {app}\\Diseno.exe; "
                    "IconIndex: 0\r\n",
                    {"DefaultDir in [Setup]: note: Windows drops the dot or blank that ends the "
                     "folder name \"Dise\xF1o.\", so the script writes it \"Dise\xF1o\", as "
                     "Windows makes it",
                     "Group0 in [IconGroups]: note: Windows drops the dot or blank that ends the "
                     "folder name \"Dise\xF1o.\", so the script writes it \"Dise\xF1o\", as "
                     "Windows makes it",
                     "Group1 in [IconGroups]: note: Windows drops the dot or blank that ends the "
                     "folder name \"Extras.\", so the script writes it \"Extras\", as Windows "
                     "makes it",
                     "Title1 in [Extras.]: note: Windows drops the dot or blank that ends the "
                     "folder name \"Ejemplos .\", so the script writes it \"Ejemplos\", as "
                     "Windows makes it"}},
        // What makes an installer's whole life right among other programs.
        InstallMend{
            "SystemFileStaysSharedAndIsNeverRemoved",
            kTitled + "[Setup1 Files]\r\n"
                      "File1=@MSJET35.DLL,$(WinSysPathSysFile),$(DLLSelfRegister),,"
                      "4/27/98 12:00:00 AM,1046800,3.51.2026.0\r\n"
                      "File2=@msrepl35.dll,$(WinSysPathSysFile),,$(Shared)\r\n",
            "Source: MSJET35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall "
            "regserver sharedfile ; CopyMode: normal\r\n"
            "Source: msrepl35.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall "
            "sharedfile ; CopyMode: alwaysskipifsameorolder\r\n" +
                kNoIcons,
            {"File1 in [Setup1 Files]: note: MSJET35.DLL is a system file: it is shared, "
             "replaced at the next start when in use, and never removed by the uninstall",
             "File2 in [Setup1 Files]: note: msrepl35.dll is a system file: it is shared, "
             "replaced at the next start when in use, and never removed by the uninstall"}},
        InstallMend{"QuotedProgramWithArgumentsAndEveryIconGroup",
                    kTitled + "[IconGroups]\r\nGroup0=Syn\r\nGroup1=$(Start Menu)\r\n"
                              "Group2=Extras\r\n[Syn]\r\nIcon1=\"SYN.EXE\" /config ;x\r\n"
                              "Title1=Syn\r\n[$(Start Menu)]\r\nIcon1=\"SYN.EXE\"\r\n"
                              "Title1=Syn\r\n[Extras]\r\nIcon1=SYN.EXE\r\nTitle1=Syn\r\n"
                              "[Setup1 Files]\r\nFile1=@SYN.EXE,$(AppPath),,\r\n",
                    "Name: {group}\\Syn; Filename: {app}\\SYN.EXE; Parameters: \"/config ;x\";"
                    "WorkingDir: ; IconFilename: {app}\\SYN.EXE; IconIndex: 0\r\n"
                    "Name: {commonstartmenu}\\Syn; Filename: {app}\\SYN.EXE;WorkingDir: ; "
                    "IconFilename: {app}\\SYN.EXE; IconIndex: 0\r\n"
                    "Name: {commonprograms}\\Extras\\Syn; Filename: {app}\\SYN.EXE;WorkingDir: ; "
                    "IconFilename: {app}\\SYN.EXE; IconIndex: 0\r\n",
                    {"Group1 in [IconGroups]: note: $(Start Menu) is the Start menu itself: the "
                     "group's shortcuts go there",
                     "Icon1 in [Syn]: note: the list's own quotes around the program are removed: "
                     "SYN.EXE",
                     "Icon1 in [Syn]: note: the arguments /config ;x are passed as Parameters; the "
                     "shortcut's program is SYN.EXE"}},
        InstallMend{"WhatIsNotCarriedOverIsSaid",
                    kTitled + "[Licenses]\r\nLicense1=1234-5678, {C1A8AF25-1257-101B-8FB0}\r\n"
                              "[Setup1 Files]\r\nFile1=@B.VBR,$(AppPath),$(Remote),\r\n"
                              "File2=@C.VBL,$(AppPath),$(vblregister),\r\n",
                    "Source: B.VBR; DestDir: {app}; Flags: ; CopyMode: normal\r\n"
                    "Source: C.VBL; DestDir: {app}; Flags: ; CopyMode: normal\r\n" +
                        kNoIcons,
                    {"License1 in [Licenses]: warning: the control licence is not carried over: "
                     "the installer does not add it to the registry",
                     "File1 in [Setup1 Files]: warning: B.VBR is a remote server ($(Remote)): the "
                     "installer copies it but does not register it",
                     "File2 in [Setup1 Files]: warning: C.VBL is a licence file ($(VBLRegister)): "
                     "the installer copies it but does not register the licence"}}),
    [](const testing::TestParamInfo<InstallMend>& info) { return std::string(info.param.what); });

namespace {

// Hands out writers that fail, to see that a write error reaches the caller.
class FailingFileSystem final : public tembrix::FileSystem {
public:
    class Writer final : public tembrix::TextFileWriter {
    public:
        void write(std::string_view) override {}
        void writeLine(std::string_view) override {}
        tembrix::Status commit() override {
            return tembrix::Status::failure("/out/Setup.iss: No space left on device");
        }
    };
    bool fileExists(const std::string&) const override { return true; }
    std::optional<std::string> readAll(const std::string& path) const override {
        reads.push_back(path);
        return std::string("[Setup]\r\nTitle=App\r\n");
    }
    tembrix::Status createTextFile(const std::string&,
                                   std::unique_ptr<tembrix::TextFileWriter>& writer) override {
        writer = std::make_unique<Writer>();
        return tembrix::Status::success();
    }
    std::optional<std::vector<tembrix::FolderEntry>> listFolder(const std::string&) const override {
        return std::nullopt;
    }
    tembrix::Status createFolder(const std::string&) override { return tembrix::Status::success(); }
    mutable std::vector<std::string> reads;
};

} // namespace

TEST(GenerateScript, ReportsAWriteErrorAndReadsOnlyWhatItNeeds) {
    FailingFileSystem fileSystem;
    tembrix::ConversionInputs inputs;
    inputs.SetupListPath = "list";
    inputs.ScriptPath = "/out/Setup.iss";
    inputs.SetupLinesPath = "setup-lines";
    inputs.ExtraLinesPath = "extra-lines";
    const tembrix::Status status = tembrix::GenerateScript(inputs, fileSystem);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.reason(), "/out/Setup.iss: No space left on device");
    // Each input is read once; the extra lines only when asked.
    EXPECT_EQ(fileSystem.reads, (std::vector<std::string>{"list", "setup-lines"}));
}

// Every mend and every suspicious entry is reported once, naming its entry.
TEST(Diagnostics, EachMendAndSuspiciousEntryIsReportedOnce) {
    struct Case {
        std::string list;
        std::vector<std::string> described;
        bool runtime = true;
        std::string linesFile = {}; // both files of lines, when not the fixture's
    };
    const std::string setup = "[Setup]\r\nTitle=App\r\n";
    const std::vector<Case> cases = {
        {setup, {}},
        {setup + "[Bootstrap Files]\r\nFile1=@sub\\Kernel32.dll,$(WinSysPath),,\r\n"
                 "[Setup1 Files]\r\nFile1=@A.EXE,$(AppPath),,\r\nFile2=@STDOLE2.TLB,$(AppPath),"
                 "$(TLBRegister),\r\n",
         {"File1 in [Bootstrap Files]: note: Kernel32.dll is a Windows system file that Inno "
          "Setup refuses to install; its line is now a comment",
          "File2 in [Setup1 Files]: note: STDOLE2.TLB is registered only in the system folder, "
          "which Inno Setup insists on; its line is now a comment"}},
        {"[Setup]\r\nTitle=A/B: C\r\n",
         {"Title in [Setup]: note: characters that a file name cannot hold are replaced by \"_\" "
          "in OutputBaseFilename: A_B_ C"}},
        {setup + "[IconGroups]\r\nGroup0=G\r\n[G]\r\nIcon1=\"\"My App.exe\"\"\r\n"
                 "Icon2=bin\\Tool.exe\r\nIcon3=\"\"\"\"\r\n"
                 "[Setup1 Files]\r\nFile1=@my app.EXE,$(AppPath)\\,,\r\n"
                 "File2=@TOOL.EXE,$(AppPath)\\Bin,,\r\n",
         {"Icon1 in [G]: note: the list's own quotes around the program are removed: My App.exe",
          "Icon3 in [G]: note: the list's own quotes around the program are removed: ",
          "Icon3 in [G]: warning: names no program, so the shortcut points to nothing"}},
        {"[IconGroups]\r\nGroup0=G \r\n[G ]\r\nIcon1=A.EXE\r\n[Setup]\r\nTitle=App\r\n"
         "[G]\r\nTitle1=Later\r\n[Setup1 Files]\r\nFile1=@A.EXE,$(AppPath),,\r\n",
         {"Title1 in [G]: note: found in a second section [G] of the same name, and used"}},
        {"[Setup]\r\n[Setup]\r\nTitle=App\r\nDefaultDir=$(Programs)\\App\r\n"
         "[Setup1 Files]\r\nFile1=@A.DLL,$(AppPath)\r\nFile2=@B.DLL,$(WinSysPath),,$(Shared)\r\n"
         "File3=@C.DLL,$(Start Menu)\\ADO,,\r\n",
         {"Title in [Setup]: note: found in a second section [Setup] of the same name, and used",
          "DefaultDir in [Setup]: note: found in a second section [Setup] of the same name, and "
          "used",
          "DefaultDir in [Setup]: warning: the folder macro $(Programs) is unknown and is left as "
          "it is",
          "File1 in [Setup1 Files]: warning: has 2 fields where a file entry has four; the "
          "missing ones are taken as empty",
          "File3 in [Setup1 Files]: warning: the folder macro $(Start Menu) is unknown and is "
          "left as it is"}},
        {"[IconGroups]\r\nGroup0=G\r\n[G]\r\nIcon1=GAME.EXE\r\nStartIn1=$(AppPath)$(Bad)\r\n"
         "[Bootstrap Files]\r\nFile1=@GAME.EXE,$(AppPath),,\r\n"
         "[Setup1 Files]\r\nFile1=@MDAC_TYP.EXE,$(AppPath),,\r\nFile2=@GAME.EXE,$(WinPath),,\r\n",
         {"[Setup]: warning: the list has no [Setup] section, so the script names no application "
          "and no installer",
          "Icon1 in [G]: warning: the program GAME.EXE is not among the files that the list "
          "installs in {app}, so the shortcut points to nothing",
          "StartIn1 in [G]: warning: the folder macro $(Bad) is unknown and is left as it is"},
         false}, // run-time files that are not written do not count as installed
        {setup + "[Setup1 Files]\r\nFile1=@A.DLL\r\n",
         {"File1 in [Setup1 Files]: warning: has 1 field where a file entry has four; the missing "
          "ones are taken as empty"}},
        // More folders than the cache of translations holds.
        {setup + "[Setup1 Files]\r\nFile1=@A,$(AppPath)\\1,,\r\nFile2=@A,$(AppPath)\\2,,\r\n"
                 "File3=@A,$(AppPath)\\3,,\r\nFile4=@A,$(AppPath)\\4,,\r\n"
                 "File5=@A,$(AppPath)\\5,,\r\nFile6=@A,$(AppPath)\\6,,\r\n"
                 "File7=@A,$(AppPath)\\7,,\r\nFile8=@A,$(AppPath)\\8,,\r\n"
                 "File9=@A,$(Bad)\\A,,\r\n",
         {"File9 in [Setup1 Files]: warning: the folder macro $(Bad) is unknown and is left as it "
          "is"}},
        {"[Setup]\r\nDefaultDir=$(ProgramFiles)\\$($(AppPath)\r\n",
         {"Title in [Setup]: warning: missing or empty, so the script names no application and "
          "no installer"}},
        {setup + "DefaultDir=UserInterface\\bin\r\n",
         {"DefaultDir in [Setup]: warning: the default folder UserInterface\\bin is relative, so "
          "Setup installs beside itself, wherever it is started"}},
        {setup + "DefaultDir=D:\\AcordeSv\\DSMS\r\n",
         {"DefaultDir in [Setup]: warning: the default folder D:\\AcordeSv\\DSMS begins with the "
          "drive D:, so Setup fails where that drive does not exist"}},
        {setup +
             "[IconGroups]\r\nGroup0=G\r\n[G]\r\nIcon1=A.EXE\r\nStartIn1=$(AppPath)\\Data\r\n"
             "Icon2=A.EXE\r\nStartIn2=$(AppPath)\\bin\\\r\nIcon3=A.EXE\r\nStartIn3=$(WinPath)\r\n"
             "[Setup1 Files]\r\nFile1=@A.EXE,$(AppPath),,\r\n"
             "File2=@X.DLL,$(AppPath)\\BIN\\Sub,,\r\nFile3=@Y.DAT,$(AppPath)\\Databank,,\r\n",
         {"StartIn1 in [G]: warning: the working folder {app}\\Data is below {app}, but no file is "
          "installed there, so the shortcut starts in a folder that does not exist"}},
        {setup +
             "[Setup1 Files]\r\nFile1=@A.DLL,$(AppPath),$(DLLRegister),\r\n"
             "File2=@B.VBR,$(AppPath),$(Remote),\r\nFile3=@C.OCX,$(AppPath),$(vblregister),\r\n",
         {"File1 in [Setup1 Files]: warning: the registration $(DLLRegister) is neither a known "
          "macro nor a .reg file, so the file is copied but not registered",
          "File2 in [Setup1 Files]: warning: B.VBR is a remote server ($(Remote)): the installer "
          "copies it but does not register it",
          "File3 in [Setup1 Files]: warning: C.OCX is a licence file ($(VBLRegister)): the "
          "installer copies it but does not register the licence"}},
        {setup,
         {"warning: the file of [Setup] lines no-such-lines.txt cannot be read, so nothing is "
          "inserted",
          "warning: the file of lines to append no-such-lines.txt cannot be read, so nothing is "
          "appended"},
         true,
         "no-such-lines.txt"},
        // A VB5 list's remarks name its own entries.
        {kVb5List,
         {"DefProgramGroup in [Setup]: note: $(Programs) is the Start menu's Programs folder "
          "itself: the shortcuts go there, and DefaultGroupName is the title",
          "File1 in [Files]: note: the arguments /x are passed as Parameters; the shortcut's "
          "program is bin\\A.EXE",
          "File3 in [Files]: warning: the program $(WinPath)\\C.EXE is not among the files that "
          "the list installs in {app}, so the shortcut points to nothing"}},
    };
    for (const Case& c : cases) {
        Conversion conversion;
        conversion.inputs.IncludeRuntimeFiles = c.runtime;
        if (!c.linesFile.empty()) {
            conversion.inputs.SetupLinesPath = conversion.inputs.ExtraLinesPath = c.linesFile;
            conversion.inputs.AddExtraLines = true;
        }
        conversion.run(c.list);
        ASSERT_TRUE(conversion.lastStatus.ok()) << conversion.lastStatus.reason();
        EXPECT_EQ(conversion.describedDiagnostics(), c.described) << c.list;
    }
}
