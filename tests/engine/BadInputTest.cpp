#include <gtest/gtest.h>

#include <filesystem>

#include "GeneratorSupport.h"

#include "OrdinaryUser.h"

namespace fs = std::filesystem;

namespace {

// What every list without values gives, with the runtime block on.
const std::string kEmptyScript = kScriptHeader + crlf("[Setup]\n"
                                                      "AppName=\n"
                                                      "AppVerName= 1.0\n"
                                                      "AppVersion=1.0\n"
                                                      "DefaultDirName=\n"
                                                      "DefaultGroupName=\n"
                                                      "OutputDir=C:\\Build\\OutPut\\\n"
                                                      "OutputBaseFilename=\n"
                                                      "\n"
                                                      "\n"
                                                      "[Files]\n"
                                                      "; START VISUAL BASIC \n"
                                                      "; END VISUAL BASIC\n"
                                                      "\n"
                                                      "[Icons]\n");

const std::string kSmallList = "[Setup]\nTitle=App\n[Setup1 Files]\nFile1=@A.DLL,$(AppPath),,\n";

} // namespace

// A list that cannot be read, or a file of neither layout, is refused with
// its path and why, and nothing is written, not even a temporary file; a
// list of empty sections is still a list.
TEST(BadSetupList, UnreadableOrForeignFilesAreRefusedAndEmptyListsAccepted) {
    const std::string notAList =
        ": not a setup list: it has no [Setup1 Files], [Bootstrap Files], [IconGroups] or [Setup] "
        "Title of the Package and Deployment Wizard, nor the [Files] of the VB5 Setup Wizard>";
    std::string noise;
    for (int i = 0; i < 4096; ++i)
        noise.push_back(static_cast<char>((i * 7919) % 256));
    const std::pair<std::string, std::string> cases[] = {
        {"", notAList},
        {noise, notAList},
        {"Dear user,\r\nthis is a letter.\r\n", notAList},
        {"[Setup]\r\nAppName=App\r\n[Files]\r\nSource: A.DLL; DestDir: {app}\r\n", notAList},
        {"[Setup1 Files]\r\n", ""}, // accepted: the empty script
        {"[IconGroups]\r\n", ""},
        {"[Setup]\r\nTitle=\r\n", ""},
        {"[BootStrap]\r\n[Files]\r\n", ""}};
    for (const auto& [list, failure] : cases) {
        Conversion conversion;
        EXPECT_EQ(conversion.run(list),
                  failure.empty() ? kEmptyScript
                                  : "<failed: " + conversion.inputs.SetupListPath + failure);
        EXPECT_EQ(conversion.folder().entryCount(), failure.empty() ? 3u : 2u) << failure;
    }
    Conversion missing;
    EXPECT_EQ(missing.run(), "<failed: " + missing.inputs.SetupListPath +
                                 ": cannot be read: No such file or directory>");
#ifndef _WIN32
    asOrdinaryUser([] {
        Conversion locked;
        locked.folder().write("SETUP.LST", kSmallList);
        fs::permissions(locked.inputs.SetupListPath, fs::perms::none);
        EXPECT_EQ(locked.run(), "<failed: " + locked.inputs.SetupListPath +
                                    ": cannot be read: Permission denied>");
        EXPECT_EQ(locked.folder().entryCount(), 2u);
    });
#endif
}

TEST(BadSetupList, NulByteEndsTheValueItStandsIn) {
    Conversion conversion;
    const std::string list =
        std::string("[Setup]\r\nTitle=Ab\0cd\r\n", 22) + "DefaultDir=C:\\X\r\n";
    const std::string script = conversion.run(list);
    EXPECT_NE(script.find("AppName=Ab\r\n"), std::string::npos);
    EXPECT_NE(script.find("DefaultDirName=C:\\X\r\n"), std::string::npos);
}

TEST(BadSetupList, AnyLineEndAndUtf16AreRead) {
    Conversion conversion;
    const std::string expected = conversion.run(crlf(kSmallList));
    ASSERT_NE(expected.find("Source: A.DLL; DestDir: {app};"), std::string::npos);
    EXPECT_EQ(conversion.run(kSmallList), expected);

    std::string crOnly = kSmallList;
    for (char& c : crOnly)
        if (c == '\n')
            c = '\r';
    EXPECT_EQ(conversion.run(crOnly), expected);

    std::string utf16 = "\xFF\xFE";
    for (char c : crlf(kSmallList)) {
        utf16.push_back(c);
        utf16.push_back('\0');
    }
    EXPECT_EQ(conversion.run(utf16), expected);
    EXPECT_EQ(conversion.run("\xEF\xBB\xBF" + crlf(kSmallList)), expected);
}

TEST(BadSetupList, OverlongValuesAreCutAndShortEntriesPadded) {
    Conversion conversion;
    conversion.inputs.IncludeRuntimeFiles = false;
    const std::string title(300, 'T');
    const std::string script = conversion.run("[Setup]\r\nTitle=" + title +
                                              "\r\n[Setup1 Files]\r\n"
                                              "File1=@ONE.DLL\r\n"
                                              "File2=@TWO.DLL,$(AppPath)\r\n"
                                              "File3=@THREE.DLL,$(AppPath),$(DLLSelfRegister)\r\n");
    const std::string cut(254, 'T');
    EXPECT_NE(script.find("AppName=" + cut + "\r\nAppVerName=" + cut + " 1.0\r\n"),
              std::string::npos);
    EXPECT_NE(script.find("OutputBaseFilename=" + cut + "\r\n"), std::string::npos);
    EXPECT_NE(
        script.find("[Files]\r\n"
                    "Source: ONE.DLL; DestDir: ; Flags: ; CopyMode: alwaysskipifsameorolder\r\n"
                    "Source: TWO.DLL; DestDir: {app}; Flags: ; CopyMode: "
                    "alwaysskipifsameorolder\r\n"
                    "Source: THREE.DLL; DestDir: {app}; Flags: regserver ; CopyMode: normal\r\n"
                    "\r\n"),
        std::string::npos);
}

TEST(BadSetupList, FiftyMegabyteSingleLineIsReadWithoutHarm) {
    Conversion conversion;
    std::string list = "[Setup]\r\nTitle=";
    list.append(50u << 20, 'x');
    EXPECT_NE(conversion.run(list).find("AppName=" + std::string(254, 'x') + "\r\n"),
              std::string::npos);
    // The same line without any line end or section at all is no list.
    EXPECT_FALSE(conversion.run(std::string(50u << 20, '[')).starts_with(";"));
}

TEST(BadScriptPath, FailureNamesThePathAndKeepsTheEarlierScript) {
    Conversion conversion;
    conversion.folder().write("SETUP.LST", kSmallList);

    conversion.inputs.ScriptPath = conversion.folder().file("missing/Setup.iss");
    EXPECT_EQ(conversion.run().rfind("<failed: " + conversion.inputs.ScriptPath + ": ", 0), 0u);
    EXPECT_FALSE(fs::exists(conversion.folder().file("missing")));

    // A file where the folder should be.
    conversion.inputs.ScriptPath = conversion.folder().file("SETUP.LST/Setup.iss");
    EXPECT_FALSE(conversion.run().starts_with(";"));

    conversion.inputs.ScriptPath = conversion.folder().path().string();
    EXPECT_FALSE(conversion.run().starts_with(";"));
    conversion.inputs.ScriptPath = "";
    EXPECT_FALSE(conversion.run().starts_with(";"));

    EXPECT_EQ(conversion.folder().entryCount(), 2u); // the lines file, nothing left behind
#ifndef _WIN32
    asOrdinaryUser([] {
        Conversion locked;
        locked.folder().write("SETUP.LST", kSmallList);
        const std::string folder = locked.folder().file("locked");
        fs::create_directory(folder);
        locked.folder().write("locked/Setup.iss", "earlier script");
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        locked.inputs.ScriptPath = folder + "/Setup.iss";
        EXPECT_FALSE(locked.run().starts_with(";"));
        fs::permissions(folder, fs::perms::owner_all);
        EXPECT_EQ(TempFolder::read(locked.inputs.ScriptPath), "earlier script");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    });
#endif
}

TEST(BadScriptPath, ScriptOverItsOwnInputsReadsThemFirst) {
    Conversion conversion;
    conversion.folder().write("SETUP.LST", kSmallList);
    conversion.inputs.ScriptPath = conversion.inputs.SetupListPath;
    const std::string script = conversion.run();
    EXPECT_NE(script.find("AppName=App\r\n"), std::string::npos);
    EXPECT_NE(script.find("Source: A.DLL;"), std::string::npos);

    // The script also replaces the setup-lines file, whose earlier text is inserted.
    conversion.folder().write("SETUP.LST", kSmallList);
    conversion.folder().write("SetupLine.txt", "Compression=zip\r\n");
    conversion.inputs.ScriptPath = conversion.inputs.SetupLinesPath;
    EXPECT_NE(conversion.run().find("OutputBaseFilename=App\r\nCompression=zip\r\n\r\n\r\n[Files]"),
              std::string::npos);

    conversion.inputs.AddExtraLines = true;
    conversion.folder().write("AddLine.txt", "[Code]\r\n");
    conversion.inputs.ScriptPath = conversion.inputs.ExtraLinesPath;
    EXPECT_TRUE(conversion.run().ends_with("[Icons]\r\n\r\n[Code]\r\n"));
}
