#include "Mends.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "MemoryFileSystem.h"
#include "SetupListReader.h"

using tembrix::ScriptModel;

namespace {

ScriptModel read(const std::string& list) {
    MemoryFileSystem fileSystem;
    fileSystem.files["SETUP.LST"] = list;
    tembrix::ConversionInputs inputs;
    inputs.SetupListPath = "SETUP.LST";
    return tembrix::readScriptModel(inputs, fileSystem);
}

std::string firstIcon(const ScriptModel& m) {
    const tembrix::IconItem& icon = m.iconGroups.at(0).items.at(0);
    return std::string(m.text(icon.program)) + "|" + std::string(m.text(icon.arguments));
}

std::string firstFile(const ScriptModel& m) {
    const tembrix::FileItem& item = m.applicationFiles.items.at(0);
    return std::string(m.text(item.destination)) + "|" +
           std::to_string(static_cast<int>(item.place)) + "|" +
           std::to_string(static_cast<int>(item.role)) + "|" + std::to_string(m.runs.size());
}

} // namespace

// The order of the mends, checked where it matters: what a mend makes of what
// the earlier ones left, by running the table up to it.
TEST(Mends, EachSeesWhatTheEarlierOnesLeft) {
    const std::string programs = "[Setup]\r\nTitle=Loader\r\n[IconGroups]\r\nGroup0=$(Programs)\r\n"
                                 "[$(Programs)]\r\nIcon1=\"\"Stock Tool.EXE /f\"\"\r\n";
    const std::string files = "[Setup1 Files]\r\nFile1=@V.jpg,ACHTERGRONDEN,,\r\n";
    const std::string refused = "[Setup1 Files]\r\nFile1=@KERNEL32.DLL,$(WinSysPath),"
                                "$(EXESelfRegister),\r\n";
    const std::function<std::string(const ScriptModel&)> group = [](const ScriptModel& m) {
        return std::string(m.text(m.defaultGroupName));
    };
    const struct {
        const std::string& list;
        const char* upTo;
        std::function<std::string(const ScriptModel&)> seen;
        std::string expected;
    } cases[] = {
        {programs, "list rules", group, "$(Programs)"},
        {programs, "icon groups", group, "Loader"}, // overwrites what the list rules set
        {programs, "list quotes", firstIcon, "Stock Tool.EXE /f|"},
        {programs, "shortcut arguments", firstIcon, "Stock Tool.EXE|/f"},
        {files, "bare destinations", firstFile, "$(AppPath)\\ACHTERGRONDEN|0|0|0"},
        {files, "folder macros", firstFile, "$(AppPath)\\ACHTERGRONDEN|3|0|0"},
        {refused, "refused files", firstFile, "$(WinSysPath)|1|2|0"},
        {refused, "registration runs", firstFile, "$(WinSysPath)|1|2|0"}, // no run for a comment
    };
    for (const auto& c : cases) {
        ScriptModel model = read(c.list);
        ASSERT_TRUE(tembrix::applyMendsUpTo(model, c.upTo)) << c.upTo;
        EXPECT_EQ(c.seen(model), c.expected) << c.upTo;
    }
    ScriptModel model = read(files);
    EXPECT_FALSE(tembrix::applyMendsUpTo(model, "no such mend"));
}
