#include "tembrix/platform/ProfileFile.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

#ifndef _WIN32
#include <sys/stat.h>

#include "OrdinaryUser.h"
#endif

using tembrix::ProfileIndex;
using tembrix::ReadProfileString;
using tembrix::StoreProfileString;

namespace {

std::string lookup(const std::string& bytes, std::string_view section, std::string_view key,
                   std::string_view defaultValue = "<default>") {
    return ProfileIndex::parse(bytes).read(section, key, defaultValue);
}

} // namespace

TEST(ProfileRead, NamesCompareWithoutCaseOrSurroundingBlanks) {
    const std::string ini = "[SETUP]\r\nTITLE=Inventory\r\n[ Icon Group ]\r\nIcon1=A.EXE\r\n"
                            "[\xC9t\xE9]\r\nCl\xE9=accent\r\n";
    EXPECT_EQ(lookup(ini, "Setup", "Title"), "Inventory");
    EXPECT_EQ(lookup(ini, "  setup ", " title  "), "Inventory");
    EXPECT_EQ(lookup(ini, "icon group", "ICON1"), "A.EXE");
    EXPECT_EQ(lookup(ini, "\xE9t\xC9", "CL\xC9"), "accent"); // é/É fold in Windows-1252
    EXPECT_EQ(lookup(ini, "Setup", "Missing"), "<default>");
    EXPECT_EQ(lookup(ini, "Missing", "Title"), "<default>");
}

TEST(ProfileRead, ValuesLoseBlanksAndOnePairOfMatchingQuotes) {
    const std::string ini = "[S]\n"
                            "Title=  Inventory  \n"
                            "Icon1=\"INVENT.EXE\"\n"
                            "Icon2=\"\"My App.exe\"\"\n"
                            "Single='x'\n"
                            "Mixed=\"x'\n"
                            "Lone=\"\n"
                            "Nothing=\"\"\n"
                            "NothingSingle=''\n"
                            "Inner=\"  kept  \"\n"
                            "Empty=\n"
                            "Tab=\tvalue\t\x1A\n";
    EXPECT_EQ(lookup(ini, "S", "Title"), "Inventory");
    EXPECT_EQ(lookup(ini, "S", "Icon1"), "INVENT.EXE");
    EXPECT_EQ(lookup(ini, "S", "Icon2"), "\"My App.exe\"");
    EXPECT_EQ(lookup(ini, "S", "Single"), "x");
    EXPECT_EQ(lookup(ini, "S", "Mixed"), "\"x'");
    EXPECT_EQ(lookup(ini, "S", "Lone"), "\"");
    EXPECT_EQ(lookup(ini, "S", "Nothing"), ""); // a pair with nothing between goes too
    EXPECT_EQ(lookup(ini, "S", "NothingSingle"), "");
    EXPECT_EQ(lookup(ini, "S", "Inner"), "  kept  ");
    EXPECT_EQ(lookup(ini, "S", "Empty"), ""); // present and empty: not the default
    EXPECT_EQ(lookup(ini, "S", "Tab"), "value");
}

TEST(ProfileRead, ValuesAndDefaultsAreCutTo254Bytes) {
    const std::string longText(300, 'x');
    const std::string ini =
        "[S]\nLong=" + longText + "\nQuoted=\"" + std::string(254, 'q') + "\"\n";
    EXPECT_EQ(lookup(ini, "S", "Long"), std::string(254, 'x'));
    // Quotes go first, then the cut: all 254 inner characters survive.
    EXPECT_EQ(lookup(ini, "S", "Quoted"), std::string(254, 'q'));
    EXPECT_EQ(lookup(ini, "S", "None", longText), std::string(254, 'x'));
    EXPECT_EQ(lookup(ini, "S", "None", "text   "), "text");
    EXPECT_EQ(lookup(ini, "S", "None", "\"quoted\""), "\"quoted\"");
    EXPECT_EQ(lookup(ini, "S", "None", std::string(250, 'd') + "      z"), std::string(250, 'd'));
}

TEST(ProfileRead, LineEndsOfEveryKindAndStrayLines) {
    EXPECT_EQ(lookup("[S]\rA=1\rB=2\r", "S", "B"), "2");
    EXPECT_EQ(lookup("[S]\nA=1\nB=2", "S", "B"), "2");
    EXPECT_EQ(lookup("[S]\r\n\r\n\n\rA=1\r\n", "S", "A"), "1");
    EXPECT_EQ(lookup("A=before\n[S]\nA=1\n", "S", "A"), "1");
    EXPECT_EQ(lookup("A=before\n", "", "A"), "<default>"); // no section: not reachable
    // A ";" comment is an entry whose name begins with ";".
    EXPECT_EQ(lookup("[S]\n;A=1\nA=2\n", "S", "A"), "2");
    EXPECT_EQ(lookup("[S]\n;A=1\n", "S", ";A"), "1");
    // A line without "=" hides a later line of that name, and gives the default.
    EXPECT_EQ(lookup("[S]\nA\nA=2\n", "S", "A"), "<default>");
    // "[S" without "]" stays in the section before it.
    EXPECT_EQ(lookup("[S]\n[T\nB=2\n", "S", "B"), "2");
    // The name ends at the last "]"; the rest of the line is ignored.
    EXPECT_EQ(lookup("[S] ; note\nB=2\n", "S", "B"), "2");
    EXPECT_EQ(lookup("[a]b]\nB=2\n", "a]b", "B"), "2");
    EXPECT_EQ(lookup("[S]\nK = a = b \n", "S", "K"), "a = b");
}

TEST(ProfileRead, FirstKeyWinsAcrossSectionsOfTheSameName) {
    const std::string ini = "[Setup]\nTitle=First\nTitle=Second\n"
                            "[Setup ]\nIcon1=\"\"Pong.exe\"\"\nTitle=Third\n"
                            "[SETUP]\nIcon1=later\nExtra=found\n";
    EXPECT_EQ(lookup(ini, "Setup", "Title"), "First");
    EXPECT_EQ(lookup(ini, "Setup", "Icon1"), "\"Pong.exe\"");
    EXPECT_EQ(lookup(ini, "Setup", "Extra"), "found");
    const auto repeated = ProfileIndex::parse(ini);
    EXPECT_EQ(repeated.sectionCount(" setup"), 3u);
    EXPECT_EQ(repeated.sectionCount("Bootstrap"), 0u);
    EXPECT_FALSE(repeated.foundUnderLaterHeader("Setup", "Title"));
    EXPECT_TRUE(repeated.foundUnderLaterHeader("Setup", "Icon1"));
    EXPECT_TRUE(repeated.foundUnderLaterHeader("Setup", "Extra"));
    EXPECT_FALSE(repeated.foundUnderLaterHeader("Setup", "Missing"));

    // Walking in file order must still find the first line of a repeated key.
    const auto index = ProfileIndex::parse("[S]\nA=1\nB=2\nA=3\n[T]\nA=4\n");
    EXPECT_EQ(index.read("S", "A", ""), "1");
    EXPECT_EQ(index.read("S", "B", ""), "2");
    EXPECT_EQ(index.read("S", "A", ""), "1");
    EXPECT_EQ(index.read("T", "A", ""), "4");
    EXPECT_EQ(index.read("S", "C", "none"), "none");
    EXPECT_EQ(index.read("s", "b", ""), "2");
}

TEST(ProfileRead, EncodingsAndBinaryBytes) {
    // A UTF-8 byte-order mark does not hide the first section.
    EXPECT_EQ(lookup("\xEF\xBB\xBF[Setup]\r\nTitle=T\r\n", "Setup", "Title"), "T");
    // UTF-16LE is read as Windows-1252, with '?' for characters the page lacks.
    const std::u16string wide = u"[Setup]\r\nTitle=Caf\u00E9 \u20AC \u4E2D\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char16_t unit : wide) {
        utf16.push_back(static_cast<char>(unit & 0xFF));
        utf16.push_back(static_cast<char>(unit >> 8));
    }
    EXPECT_EQ(lookup(utf16, "Setup", "Title"), "Caf\xE9 \x80 ?");
    // A NUL ends the name or the value it stands in.
    EXPECT_EQ(lookup(std::string("[S]\nA=ab\0cd\n", 12), "S", "A"), "ab");
    EXPECT_EQ(lookup(std::string("[S]\nK\0junk=v\n", 13), "S", "K"), "v");
    // Bytes outside ASCII pass unchanged; 0xA0 is not a blank.
    EXPECT_EQ(lookup("[S]\nA=\xA0\xE9\xA0\n", "S", "A"), "\xA0\xE9\xA0");
    // Garbage of every byte value parses without harm.
    std::string noise;
    for (int i = 0; i < 4096; ++i)
        noise.push_back(static_cast<char>((i * 37) & 0xFF));
    EXPECT_EQ(lookup(noise + "\n[S]\nA=1\n", "S", "A"), "1");
}

TEST(ProfileRead, MissingFileOrFolderGivesTheDefault) {
    TempFolder folder;
    EXPECT_EQ(ReadProfileString(folder.file("none.ini"), "S", "K", "dflt  "), "dflt");
    EXPECT_EQ(ReadProfileString(folder.path().string(), "S", "K", "d"), "d");
    EXPECT_EQ(ReadProfileString("", "S", "K", "d"), "d");
    const auto path = folder.write("a.ini", "[S]\r\nK=v\r\n");
    EXPECT_EQ(ReadProfileString(path, "s", "k", "d"), "v");
}

TEST(ProfileStore, CreatesReplacesAndAppendsKeepingEveryOtherByte) {
    TempFolder folder;
    const auto path = folder.file("lang.lng");
    ASSERT_TRUE(StoreProfileString(path, "Form1", "Form.Caption", "TITLE"));
    ASSERT_TRUE(StoreProfileString(path, "Form1", "BTnext.Caption", "Suivant >"));
    ASSERT_TRUE(StoreProfileString(path, "MSG", "msg1", "Fichier ISS cible"));
    EXPECT_EQ(TempFolder::read(path),
              "[Form1]\r\nForm.Caption=TITLE\r\nBTnext.Caption=Suivant >\r\n"
              "\r\n[MSG]\r\nmsg1=Fichier ISS cible\r\n");
    // A key of another letter case is replaced in place; a new key joins its
    // section, not the end of the file.
    ASSERT_TRUE(StoreProfileString(path, "FORM1", "btnext.caption", "Next >"));
    ASSERT_TRUE(StoreProfileString(path, "form1", "BTend.Caption", " Finish "));
    EXPECT_EQ(TempFolder::read(path),
              "[Form1]\r\nForm.Caption=TITLE\r\nbtnext.caption=Next >\r\n"
              "BTend.Caption= Finish \r\n\r\n[MSG]\r\nmsg1=Fichier ISS cible\r\n");
    EXPECT_EQ(ReadProfileString(path, "Form1", "BTnext.Caption", ""), "Next >");
}

TEST(ProfileStore, ABatchLeavesTheFileAsOneStorePerKeyWould) {
    TempFolder folder;
    const std::string start = "[MSG]\r\nmsg2=old\r\n[Other]\r\nx=1\r\n";
    const auto one = folder.write("one.lng", start);
    const auto batch = folder.write("batch.lng", start);
    const std::vector<std::pair<std::string, std::string>> entries = {
        {"msg1", "a"}, {"MSG2", "b"}, {"msg1", "c"}, {"msg3", ""}};
    for (const auto& [key, value] : entries)
        ASSERT_TRUE(StoreProfileString(one, "MSG", key, value));
    ASSERT_TRUE(tembrix::StoreProfileStrings(batch, "msg", entries));
    EXPECT_EQ(TempFolder::read(batch), TempFolder::read(one));
    // An empty key is refused; the others are still stored.
    EXPECT_FALSE(tembrix::StoreProfileStrings(batch, "MSG", {{" ", "x"}, {"msg4", "d"}}));
    EXPECT_EQ(ReadProfileString(batch, "MSG", "msg4", ""), "d");
}

TEST(ProfileStore, ForeignLayoutsAreKept) {
    TempFolder folder;
    const auto path = folder.write("x.ini", "; comment\n[A]\nk=1\n[B]\nz=9");
    ASSERT_TRUE(StoreProfileString(path, "B", "y", "2"));
    ASSERT_TRUE(StoreProfileString(path, "A", "k", "\xE9"));
    EXPECT_EQ(TempFolder::read(path), "; comment\n[A]\nk=\xE9\n[B]\nz=9\r\ny=2\r\n");
    // A new section after a last line without its line end: that line ends, then a blank line.
    const auto open = folder.write("open.ini", "[A]\nk=1");
    ASSERT_TRUE(StoreProfileString(open, "C", "x", "2"));
    EXPECT_EQ(TempFolder::read(open), "[A]\nk=1\r\n\r\n[C]\r\nx=2\r\n");
    // Sections of the same name: the write goes where the read looks first.
    const auto twice = folder.write("twice.ini", "[S]\r\na=1\r\n[T]\r\n[S]\r\nb=2\r\n");
    ASSERT_TRUE(StoreProfileString(twice, "S", "b", "3"));
    ASSERT_TRUE(StoreProfileString(twice, "S", "c", "4"));
    EXPECT_EQ(TempFolder::read(twice), "[S]\r\na=1\r\nc=4\r\n[T]\r\n[S]\r\nb=3\r\n");
}

TEST(ProfileStore, FilesThatAnEditorResavedKeepTheirEncoding) {
    TempFolder folder;
    // A UTF-8 mark: the key is replaced where the reader finds it, the mark stays.
    const auto marked = folder.write("utf8.lng", "\xEF\xBB\xBF[Form1]\r\nForm.Caption=Old\r\n");
    ASSERT_TRUE(StoreProfileString(marked, "Form1", "Form.Caption", "New"));
    EXPECT_EQ(TempFolder::read(marked), "\xEF\xBB\xBF[Form1]\r\nForm.Caption=New\r\n");
    // Single bytes would damage a UTF-16 file: it is refused and kept.
    const std::string wide("\xFF\xFE[\0S\0]\0\r\0\n\0", 12);
    const auto utf16 = folder.write("utf16.lng", wide);
    EXPECT_FALSE(StoreProfileString(utf16, "S", "B", "2"));
    EXPECT_EQ(TempFolder::read(utf16), wide);
}

TEST(ProfileStore, AFailedWriteChangesNothing) {
    TempFolder folder;
    EXPECT_FALSE(StoreProfileString(folder.file("missing/x.lng"), "S", "K", "V"));
    EXPECT_FALSE(StoreProfileString(folder.path().string(), "S", "K", "V"));
    EXPECT_FALSE(StoreProfileString(folder.file("x.lng"), "", "K", "V"));
    EXPECT_EQ(folder.entryCount(), 0u);
#ifndef _WIN32
    // A file that is there but cannot be read is not rewritten from nothing.
    const std::string pipe = folder.file("pipe.lng");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(StoreProfileString(pipe, "S", "K", "V"));
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    asOrdinaryUser([] {
        TempFolder own;
        const auto locked = own.write("locked.lng", "[Form1]\r\nA=1\r\n");
        std::filesystem::permissions(locked, std::filesystem::perms::owner_write);
        EXPECT_FALSE(StoreProfileString(locked, "MSG", "msg1", "x"));
        std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
        EXPECT_EQ(TempFolder::read(locked), "[Form1]\r\nA=1\r\n");
    });
#endif
}
