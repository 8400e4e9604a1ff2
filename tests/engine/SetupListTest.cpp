#include "SetupList.h"

#include <gtest/gtest.h>

#include <vector>

using tembrix::FileEntry;
using tembrix::forEachFileEntry;
using tembrix::ProfileIndex;
using tembrix::ReadIconEntry;
using tembrix::splitFileEntry;

namespace {

std::vector<std::string> names(const ProfileIndex& list, std::string_view section) {
    std::vector<std::string> out;
    forEachFileEntry(list, section, [&](const FileEntry& entry) { out.push_back(entry.name); });
    return out;
}

void expectFields(const FileEntry& entry, const std::string& name, const std::string& destination,
                  const std::string& registration, const std::string& shared) {
    EXPECT_EQ(entry.name, name);
    EXPECT_EQ(entry.destination, destination);
    EXPECT_EQ(entry.registration, registration);
    EXPECT_EQ(entry.shared, shared);
}

} // namespace

TEST(SplitFileEntry, TakesTheFirstFourFieldsAsTheyAre) {
    expectFields(splitFileEntry("@INVENT.EXE,$(AppPath),,,1/1/00 12:00:00 AM,1000,1.0.0"),
                 "INVENT.EXE", "$(AppPath)", "", "");
    expectFields(splitFileEntry("@GRID.DLL,$(WinSysPath),$(DLLSelfRegister),$(Shared)"), "GRID.DLL",
                 "$(WinSysPath)", "$(DLLSelfRegister)", "$(Shared)");
    expectFields(splitFileEntry("@A@B.DLL, $(AppPath) ,\"x\",y"), "AB.DLL", " $(AppPath) ", "\"x\"",
                 "y");
    expectFields(splitFileEntry("PLAIN.DLL,,,"), "PLAIN.DLL", "", "", "");
}

TEST(SplitFileEntry, LeavesMissingFieldsEmpty) {
    expectFields(splitFileEntry("@ONLY.DLL"), "ONLY.DLL", "", "", "");
    expectFields(splitFileEntry("@TWO.DLL,$(AppPath)"), "TWO.DLL", "$(AppPath)", "", "");
    expectFields(splitFileEntry("@THREE.DLL,$(AppPath),$(TLBRegister)"), "THREE.DLL", "$(AppPath)",
                 "$(TLBRegister)", "");
    expectFields(splitFileEntry(","), "", "", "", "");
}

TEST(FileWalk, StopsAtTheFirstMissingOrEmptyNumber) {
    const auto list = ProfileIndex::parse("[Setup1 Files]\r\n"
                                          "File1=@A.DLL,$(AppPath),,\r\n"
                                          "File2=@B.DLL,$(AppPath),,\r\n"
                                          "File4=@D.DLL,$(AppPath),,\r\n"
                                          "[Bootstrap Files]\r\n"
                                          "File2=@X.DLL,$(AppPath),,\r\n"
                                          "[Empty]\r\n"
                                          "File1=\r\n"
                                          "File2=@Y.DLL\r\n");
    EXPECT_EQ(names(list, "Setup1 Files"), (std::vector<std::string>{"A.DLL", "B.DLL"}));
    EXPECT_TRUE(names(list, "Bootstrap Files").empty());
    EXPECT_TRUE(names(list, "Empty").empty());
    EXPECT_TRUE(names(list, "Missing").empty());
}

TEST(FileWalk, ReadsNumbersOutOfFileOrderAndPastNine) {
    std::string text = "[S]\n";
    for (int n = 12; n >= 1; --n)
        text += "file" + std::to_string(n) + "=@F" + std::to_string(n) + "\n";
    const auto found = names(ProfileIndex::parse(text), "s");
    ASSERT_EQ(found.size(), 12u);
    EXPECT_EQ(found.front(), "F1");
    EXPECT_EQ(found.back(), "F12");
}

TEST(ReadIconEntry, ReadsTheTripleOfTheGroupSection) {
    const auto list = ProfileIndex::parse("[Inventory]\n"
                                          "Icon1=\"INVENT.EXE\"\n"
                                          "Title1=Inventory\n"
                                          "StartIn1=$(AppPath)\n"
                                          "Icon2=\"\"My App.exe\"\"\n"
                                          "Icon12=TWELVE.EXE\n");
    auto icon = ReadIconEntry(list, "Inventory", 1);
    EXPECT_EQ(icon.programFile, "INVENT.EXE");
    EXPECT_EQ(icon.caption, "Inventory");
    EXPECT_EQ(icon.workingFolder, "$(AppPath)");

    icon = ReadIconEntry(list, "inventory", 2);
    EXPECT_EQ(icon.programFile, "\"My App.exe\"");
    EXPECT_EQ(icon.caption, "");
    EXPECT_EQ(icon.workingFolder, "");

    EXPECT_EQ(ReadIconEntry(list, "Inventory", 12).programFile, "TWELVE.EXE");
    EXPECT_EQ(ReadIconEntry(list, "Inventory", 3).programFile, "");
    EXPECT_EQ(ReadIconEntry(list, "", 1).programFile, "");
}
