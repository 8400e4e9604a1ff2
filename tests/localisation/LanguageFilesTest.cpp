#include "tembrix/localisation/DiagnosticTexts.h"
#include "tembrix/localisation/MODTranslate.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "FakeForm1.h"
#include "TempFolder.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/ProfileFile.h"

using tembrix::MODTranslate;

namespace {

const std::string kGoldenFrancais =
    std::string(TEMBRIX_TEST_DATA_DIR) + "/localisation/Francais.lng";
const std::string kEnglish = std::string(TEMBRIX_SOURCE_DIR) + "/localisation/English.lng";

struct Entry {
    std::string key;
    std::string value;
};

// The key=value lines of a file in order, section lines as keys without a
// value; every line must end in CR LF.
std::vector<Entry> entriesOf(const std::string& text) {
    std::vector<Entry> entries;
    EXPECT_TRUE(text.size() >= 2 && text.substr(text.size() - 2) == "\r\n");
    for (std::size_t begin = 0, end; (end = text.find("\r\n", begin)) != std::string::npos;
         begin = end + 2) {
        const std::string line = text.substr(begin, end - begin);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "bare CR or LF: " << line;
        const std::size_t equals = line.find('=');
        if (!line.empty())
            entries.push_back({line.substr(0, equals), equals == std::string::npos
                                                           ? std::string()
                                                           : line.substr(equals + 1)});
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

TEST(StartupExport, WritesTheGoldenFrancaisAndAppliesItBack) {
    using tembrix::cp1252FromUtf8;
    const std::string golden = TempFolder::read(kGoldenFrancais);
    ASSERT_FALSE(golden.empty());
    // A translator's editor may have saved the file as UTF-8 with a mark: it stays UTF-8.
    const std::string mark = "\xEF\xBB\xBF";
    const std::pair<std::string, std::string> cases[] = {
        {"", golden}, {mark, mark + tembrix::utf8FromCp1252(golden)}};
    for (const auto& [before, after] : cases) {
        TempFolder folder;
        const std::string file = folder.file("Francais.lng");
        if (!before.empty())
            folder.write("Francais.lng", before);
        // Twice, as at two starts: the second export finds the file and rewrites it alike.
        for (int start = 0; start < 2; ++start) {
            FakeForm1 window;
            MODTranslate translate;
            translate.ExportFormTexts(window, file);
            translate.LoadDefaultMessages();
            translate.ExportMessages(file);
            tembrix::ExportDiagnosticTexts(file);
            EXPECT_EQ(TempFolder::read(file), after) << "start " << start;
            EXPECT_EQ(folder.entryCount(), 1u) << "no temporary file left behind";
            translate.ApplyLanguage(window, file);
            EXPECT_EQ(window.caption("BTlast"), cp1252FromUtf8("< Précédent")) << start;
            EXPECT_EQ(translate.GetMessageText("msg3"), cp1252FromUtf8("Fichier exécutable final"));
        }
    }
}

TEST(EnglishLanguageFile, TranslatesEveryKeyOfTheTemplate) {
    const std::vector<Entry> french = entriesOf(TempFolder::read(kGoldenFrancais));
    std::vector<Entry> english = entriesOf(TempFolder::read(kEnglish));
    // Beyond the template's keys, English names its Qt language.
    EXPECT_EQ(valueOf(english, "QtLocale"), "en");
    std::erase_if(english, [](const Entry& e) { return e.key == "QtLocale"; });
    ASSERT_EQ(english.size(), french.size());
    std::set<std::string> seen;
    for (std::size_t i = 0; i < english.size(); ++i) {
        EXPECT_EQ(english[i].key, french[i].key);
        EXPECT_EQ(english[i].value.empty(), english[i].key.front() == '[') << english[i].key;
        EXPECT_TRUE(seen.insert(english[i].key).second) << "twice: " << english[i].key;
    }
    for (const char* kept : {"MNlangueChoice(0).Caption", "abSite.Caption", "LBLmail.Caption"})
        EXPECT_EQ(valueOf(english, kept), valueOf(french, kept)) << kept;
    EXPECT_NE(valueOf(english, "Form.Caption"), valueOf(french, "Form.Caption"));
    EXPECT_NE(valueOf(english, "msg6"), valueOf(french, "msg6"));
    for (const char* button : {"BTend", "BTnext", "BTlast", "BTcancel", "BThelp"})
        EXPECT_LE(valueOf(english, std::string(button) + ".Caption").size(), 10u) << button;
}

// Both languages take the same arguments for each remark and frame it alike;
// a file without [DIAG] gives the built-in French. Warnings come first.
// English.lng says what the table of remarks says.
TEST(DiagnosticTexts, EachRemarkReadsInTheWindowsLanguageWarningsFirst) {
    using namespace tembrix;
    for (std::size_t code = 0; code < kDiagnosticCodeCount; ++code) {
        const auto c = static_cast<DiagnosticCode>(code);
        EXPECT_EQ(ReadProfileString(kEnglish, "DIAG", std::string(diagnosticName(c)), ""),
                  englishDiagnosticTemplate(c));
    }
    for (const auto& [key, french] : builtinDiagnosticTexts()) {
        EXPECT_LE(french.size(), 254u) << key;
        const std::string english = ReadProfileString(kEnglish, "DIAG", key, "");
        for (const char* argument : {"%1", "%2", "%3"})
            EXPECT_EQ(french.find(argument) == std::string::npos,
                      english.find(argument) == std::string::npos)
                << key << " " << argument;
    }
    const Diagnostics remarks = {
        {DiagnosticKind::Note, DiagnosticCode::SelfRegisterEx, "Setup1 Files", "File3", {}},
        {DiagnosticKind::Warning,
         DiagnosticCode::DefaultFolderOnDrive,
         "Setup",
         "DefaultDir",
         {"D:\\App", "D:"}},
        {DiagnosticKind::Warning, DiagnosticCode::NoProgram, "", "Icon2", {}}};
    const std::vector<std::string> french = {
        cp1252FromUtf8("Attention : [Setup] DefaultDir : le dossier par défaut D:\\App commence "
                       "par le lecteur D:, l'installation échoue là où ce lecteur n'existe pas"),
        cp1252FromUtf8(
            "Attention : Icon2 : ne nomme aucun programme : le raccourci ne mène nulle part"),
        "Note : [Setup1 Files] File3 : $(DLLSelfRegisterEx) enregistre le fichier comme le fait "
        "$(DLLSelfRegister)"};
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {kGoldenFrancais, french},
        {"/no/such/language.lng", french},
        {kEnglish,
         {"Warning: [Setup] DefaultDir: the default folder D:\\App begins with the drive D:, so "
          "Setup fails where that drive does not exist",
          "Warning: Icon2: names no program, so the shortcut points to nothing",
          "Note: [Setup1 Files] File3: $(DLLSelfRegisterEx) registers the file as "
          "$(DLLSelfRegister) does"}}};
    for (const auto& [file, lines] : cases) {
        MODTranslate translate;
        translate.setCurrentLanguageFile(file);
        EXPECT_EQ(diagnosticLines(translate, remarks), lines) << file;
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

    // Letter case orders only names that are otherwise alike, capitals first.
    folder.write("zulu.lng", "");
    folder.write("Zulu.LNG", "");
    folder.write("yankee.lng", "");
    std::vector<std::string> expected{"deutsch.Lng", "English.LNG", "Francais.lng",
                                      "yankee.lng",  "Zulu.LNG",    "zulu.lng"};
#ifdef _WIN32
    expected.erase(expected.begin() + 4); // one file there, which keeps its first name
#endif
    EXPECT_EQ(tembrix::listLanguageFiles(folder.path().string()), expected);
}

TEST(LanguageFiles, QtLocaleComesFromTheFileElseFromTheFrenchName) {
    TempFolder folder;
    const struct {
        const char* name;
        const char* content; // nullptr: no such file
        const char* expected;
    } cases[] = {
        {"Deutsch.lng", "[MSG]\r\nmsg1=Ziel\r\nQTLOCALE = de_AT \r\n", "de_AT"},
        {"Deutsch.lng", "[Form1]\r\nQtLocale=de\r\n[MSG]\r\nmsg1=Ziel\r\n", ""},
        {"Deutsch.lng", "[MSG]\r\nQtLocale=\r\n", ""},
        {"Deutsch.lng", nullptr, ""},
        {"Francais.lng", "[MSG]\r\nmsg1=Fichier ISS cible\r\n", "fr"},
        {"FRANCAIS.LNG", nullptr, "fr"}, // the built-in texts are kept
        {"Francais.lng", "[MSG]\r\nQtLocale=fr_CA\r\n", "fr_CA"},
        {"Francais.lng.old", nullptr, ""},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(folder.file(c.name));
        if (c.content)
            folder.write(c.name, c.content);
        EXPECT_EQ(tembrix::qtLocaleOf(folder.file(c.name)), c.expected)
            << c.name << " " << (c.content ? c.content : "(none)");
    }
    EXPECT_EQ(tembrix::qtLocaleOf(kEnglish), "en");
}
