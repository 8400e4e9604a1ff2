#include "SetupList.h"

#include <gtest/gtest.h>

#include <vector>

using tembrix::FileEntry;
using tembrix::forEachFileEntry;
using tembrix::ProfileIndex;
using tembrix::splitFileEntry;

namespace {

std::vector<std::string> names(const ProfileIndex& list, std::string_view section) {
    std::vector<std::string> out;
    forEachFileEntry(list, section,
                     [&](const FileEntry& entry, std::string_view) { out.push_back(entry.name); });
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
