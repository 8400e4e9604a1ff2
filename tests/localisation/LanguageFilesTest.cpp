#include "tembrix/localisation/MODTranslate.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "FakeForm1.h"
#include "TempFolder.h"
#include "tembrix/localisation/Form1Controls.h"

using tembrix::MODTranslate;

namespace {

const std::string kGoldenFrancais =
    std::string(TEMBRIX_TEST_DATA_DIR) + "/localisation/Francais.lng";
const std::string kEnglish = std::string(TEMBRIX_SOURCE_DIR) + "/localisation/English.lng";

struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

// The [section] and key=value lines of a file in order; every line must end in CR LF.
std::vector<Entry> entriesOf(const std::string& text) {
    std::vector<Entry> entries;
    std::string section;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = text.find("\r\n", begin);
        EXPECT_NE(end, std::string::npos) << "last line without CR LF";
        if (end == std::string::npos)
            break;
        const std::string line = text.substr(begin, end - begin);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "bare CR or LF: " << line;
        begin = end + 2;
        if (line.empty())
            continue;
        if (line.front() == '[') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const std::size_t equals = line.find('=');
        EXPECT_NE(equals, std::string::npos) << line;
        entries.push_back({section, line.substr(0, equals), line.substr(equals + 1)});
    }
    return entries;
}

std::string valueOf(const std::vector<Entry>& entries, const std::string& key) {
    for (const Entry& e : entries)
        if (e.key == key)
            return e.value;
    return "<missing>";
}

} // namespace

TEST(StartupExport, WritesTheGoldenFrancaisIntoAnEmptyFolder) {
    const std::string golden = TempFolder::read(kGoldenFrancais);
    ASSERT_FALSE(golden.empty());
    TempFolder folder;
    const std::string file = folder.file("Francais.lng");

    // Twice, as at two starts: the second export finds the file and rewrites it alike.
    for (int start = 0; start < 2; ++start) {
        FakeForm1 window;
        MODTranslate translate;
        translate.ExportFormTexts(window, file);
        translate.LoadDefaultMessages();
        translate.ExportMessages(file);
        EXPECT_EQ(TempFolder::read(file), golden) << "start " << start;
        EXPECT_EQ(folder.entryCount(), 1u) << "no temporary file left behind";
    }

    // A language applied before a later start does not reach the template.
    FakeForm1 window;
    MODTranslate translate;
    translate.ApplyLanguage(window, kEnglish);
    ASSERT_EQ(window.caption("BTend"), "Finish");
    FakeForm1 freshWindow;
    translate.ExportFormTexts(freshWindow, file);
    translate.LoadDefaultMessages();
    translate.ExportMessages(file);
    EXPECT_EQ(TempFolder::read(file), golden);
}

TEST(StartupExport, GoldenHoldsTheExpectedShape) {
    const std::string golden = TempFolder::read(kGoldenFrancais);
    const std::vector<Entry> entries = entriesOf(golden);
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.front().key, "Form.Caption");
    EXPECT_EQ(valueOf(entries, "frame(0).Caption"), "ETAPE 01");
    EXPECT_EQ(valueOf(entries, "BTnext.Caption"), "Suivant >");
    EXPECT_EQ(valueOf(entries, "msg3"), "Fichier ex\xE9"
                                        "cutable final");
    EXPECT_EQ(valueOf(entries, "chkAbsPath.Caption").back(), ' ');
    EXPECT_EQ(valueOf(entries, "lblStep02(3).Caption").front(), ' ');
    for (const char* keyless : {"FileLNG", "Picture1", "txtLST", "txtPath", "cmdChooseLST",
                                "cmdEdit", "txtOuputExe", "MNlangueChoice(1)"})
        for (const Entry& e : entries)
            EXPECT_NE(e.key.rfind(std::string(keyless) + ".", 0), 0u) << e.key;
    EXPECT_EQ(entries.back().section, "MSG");
    EXPECT_EQ(entries.back().key, "msg6");
}

TEST(EnglishLanguageFile, TranslatesEveryKeyOfTheTemplate) {
    const std::vector<Entry> french = entriesOf(TempFolder::read(kGoldenFrancais));
    const std::vector<Entry> english = entriesOf(TempFolder::read(kEnglish));
    ASSERT_EQ(english.size(), french.size());
    std::set<std::string> seen;
    for (std::size_t i = 0; i < english.size(); ++i) {
        EXPECT_EQ(english[i].section, french[i].section) << english[i].key;
        EXPECT_EQ(english[i].key, french[i].key);
        EXPECT_FALSE(english[i].value.empty()) << english[i].key;
        EXPECT_TRUE(seen.insert(english[i].section + "/" + english[i].key).second)
            << "twice: " << english[i].key;
    }
    for (const char* kept : {"MNlangueChoice(0).Caption", "abSite.Caption", "LBLmail.Caption"})
        EXPECT_EQ(valueOf(english, kept), valueOf(french, kept)) << kept;
    EXPECT_NE(valueOf(english, "Form.Caption"), valueOf(french, "Form.Caption"));
    EXPECT_NE(valueOf(english, "msg6"), valueOf(french, "msg6"));
    for (const char* button : {"BTend", "BTnext", "BTlast", "BTcancel", "BThelp"})
        EXPECT_LE(valueOf(english, std::string(button) + ".Caption").size(), 10u) << button;
}

TEST(ControlTable, NamesEveryKeyOnce) {
    std::set<std::pair<std::string, int>> seen;
    for (const tembrix::ControlSpec& spec : tembrix::form1Controls()) {
        EXPECT_TRUE(seen.insert({std::string(spec.name), spec.index}).second) << spec.name;
        EXPECT_TRUE(spec.hasCaption || spec.caption.empty()) << spec.name;
        EXPECT_TRUE(spec.hasToolTip || spec.toolTip.empty()) << spec.name;
        EXPECT_EQ(spec.hasToolTip, spec.name.substr(0, 2) != "MN") << spec.name;
        EXPECT_EQ(spec.hasCaption, spec.name.substr(0, 3) != "txt" && spec.name != "FileLNG" &&
                                       spec.name != "Picture1")
            << spec.name;
    }
}

TEST(LanguageListing, ListsLngFilesSortedWithoutLetterCase) {
    TempFolder folder;
    EXPECT_TRUE(tembrix::listLanguageFiles(folder.file("absent")).empty());
    EXPECT_TRUE(tembrix::listLanguageFiles("").empty());
    EXPECT_TRUE(tembrix::listLanguageFiles(folder.path().string()).empty());

    folder.write("Francais.lng", "");
    EXPECT_EQ(tembrix::listLanguageFiles(folder.path().string()),
              std::vector<std::string>{"Francais.lng"});

    folder.write("English.LNG", "");
    EXPECT_EQ(tembrix::listLanguageFiles(folder.path().string()),
              (std::vector<std::string>{"English.LNG", "Francais.lng"}));

    folder.write("deutsch.Lng", "");
    folder.write("Notes.txt", "");
    folder.write("Old.lng.bak", "");
    folder.write("lng", "");
    std::filesystem::create_directory(folder.path() / "Folder.lng");
    EXPECT_EQ(tembrix::listLanguageFiles(folder.path().string()),
              (std::vector<std::string>{"deutsch.Lng", "English.LNG", "Francais.lng"}));
}
