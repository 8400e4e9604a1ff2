#include "SetupListReader.h"

#include <gtest/gtest.h>

#include <vector>

#include "MemoryFileSystem.h"

using tembrix::FileItem;
using tembrix::ScriptModel;

namespace {

// The setup list read into a model, from memory.
ScriptModel read(const std::string& list) {
    MemoryFileSystem fileSystem;
    fileSystem.files["SETUP.LST"] = list;
    tembrix::ConversionInputs inputs;
    inputs.SetupListPath = "SETUP.LST";
    ScriptModel model;
    tembrix::ConversionFailure failure;
    const tembrix::Status read = tembrix::readScriptModel(inputs, fileSystem, model, failure);
    EXPECT_TRUE(read.ok()) << read.reason();
    return model;
}

std::vector<std::string> names(const ScriptModel& model, const tembrix::FileSection& files) {
    std::vector<std::string> out;
    for (const FileItem& item : files.items)
        out.emplace_back(model.text(item.name));
    return out;
}

void expectFields(const std::string& value, const std::string& name, const std::string& destination,
                  const std::string& registration, bool shared) {
    const ScriptModel model = read("[Setup1 Files]\r\nFile1=" + value + "\r\n");
    ASSERT_EQ(model.applicationFiles.items.size(), 1u) << value;
    const FileItem& item = model.applicationFiles.items[0];
    EXPECT_EQ(model.text(item.name), name);
    EXPECT_EQ(model.text(item.destination), destination);
    EXPECT_EQ(model.text(item.registration), registration);
    EXPECT_EQ(item.sharedMarker, shared);
}

} // namespace

TEST(SetupListReader, TakesTheFirstFourFieldsAsTheyAre) {
    expectFields("@INVENT.EXE,$(AppPath),,,1/1/00 12:00:00 AM,1000,1.0.0", "INVENT.EXE",
                 "$(AppPath)", "", false);
    expectFields("@GRID.DLL,$(WinSysPath),$(DLLSelfRegister),$(Shared)", "GRID.DLL",
                 "$(WinSysPath)", "$(DLLSelfRegister)", true);
    expectFields("@A@B.DLL, $(AppPath) ,\"x\",y", "AB.DLL", " $(AppPath) ", "\"x\"", true);
    expectFields("PLAIN.DLL,,,", "PLAIN.DLL", "", "", false);
}

TEST(SetupListReader, FileWalkStopsAtTheFirstMissingOrEmptyNumber) {
    const ScriptModel model = read("[Setup1 Files]\r\n"
                                   "File1=@A.DLL,$(AppPath),,\r\n"
                                   "File2=@B.DLL,$(AppPath),,\r\n"
                                   "File4=@D.DLL,$(AppPath),,\r\n"
                                   "[Bootstrap Files]\r\n"
                                   "File2=@X.DLL,$(AppPath),,\r\n");
    EXPECT_EQ(names(model, model.applicationFiles), (std::vector<std::string>{"A.DLL", "B.DLL"}));
    EXPECT_TRUE(names(model, model.runtimeFiles).empty());
    const ScriptModel empty = read("[Bootstrap Files]\r\nFile1=\r\nFile2=@Y.DLL\r\n");
    EXPECT_TRUE(names(empty, empty.runtimeFiles).empty());
    EXPECT_TRUE(names(empty, empty.applicationFiles).empty()); // a missing section
}

TEST(SetupListReader, ReadsNumbersOutOfFileOrderAndPastNine) {
    std::string text = "[setup1 files]\n";
    for (int n = 12; n >= 1; --n)
        text += "file" + std::to_string(n) + "=@F" + std::to_string(n) + "\n";
    const ScriptModel model = read(text);
    const auto found = names(model, model.applicationFiles);
    ASSERT_EQ(found.size(), 12u);
    EXPECT_EQ(found.front(), "F1");
    EXPECT_EQ(found.back(), "F12");
}
