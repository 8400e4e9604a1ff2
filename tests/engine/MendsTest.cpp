#include "Mends.h"

#include <gtest/gtest.h>

#include <string>

#include "MemoryFileSystem.h"
#include "SetupListReader.h"

namespace {

// The group name, the first icon's program and arguments, the first file's
// destination, place and role, and the count of [Run] lines.
std::string seen(const tembrix::ScriptModel& m) {
    std::string out(m.text(m.defaultGroupName));
    const auto add = [&out](auto... parts) { ((out += '|', out += parts), ...); };
    for (const tembrix::IconGroup& group : m.iconGroups)
        for (const tembrix::IconItem& icon : group.items)
            add(m.text(icon.program), m.text(icon.arguments));
    for (const tembrix::FileItem& item : m.applicationFiles.items)
        add(m.text(item.destination), std::to_string(static_cast<int>(item.place)) +
                                          std::to_string(static_cast<int>(item.role)));
    add(std::to_string(m.runs.size()));
    return out;
}

} // namespace

// The order of the mends, checked where it matters: what a mend makes of what
// the earlier ones left, by running the table up to it.
TEST(Mends, EachSeesWhatTheEarlierOnesLeft) {
    const std::string icons = "[Setup]\r\nTitle=Loader\r\n[IconGroups]\r\nGroup0=$(Programs)\r\n"
                              "[$(Programs)]\r\nIcon1=\"\"Stock Tool.EXE /f\"\"\r\n";
    const std::string bare = "[Setup1 Files]\r\nFile1=@V.jpg,ACHTERGRONDEN,,\r\n";
    const std::string refused = "[Setup1 Files]\r\nFile1=@KERNEL32.DLL,$(WinSysPath),"
                                "$(EXESelfRegister),\r\n";
    const struct {
        const std::string& list;
        const char* upTo;
        const char* expected;
    } cases[] = {
        {icons, "list rules", "$(Programs)|\"Stock Tool.EXE /f\"||0"},
        {icons, "list quotes", "$(Programs)|Stock Tool.EXE /f||0"},
        {icons, "shortcut arguments", "$(Programs)|Stock Tool.EXE|/f|0"},
        {icons, "icon groups", "Loader|Stock Tool.EXE|/f|0"}, // over what the list rules set
        {bare, "bare destinations", "|$(AppPath)\\ACHTERGRONDEN|00|0"},
        {bare, "folder macros", "|$(AppPath)\\ACHTERGRONDEN|30|0"},
        {refused, "refused files", "|$(WinSysPath)|12|0"},
        {refused, "registration runs", "|$(WinSysPath)|12|0"}, // no run for a comment
    };
    for (const auto& c : cases) {
        MemoryFileSystem fileSystem;
        fileSystem.files["SETUP.LST"] = c.list;
        tembrix::ConversionInputs inputs;
        inputs.SetupListPath = "SETUP.LST";
        tembrix::ScriptModel model;
        tembrix::ConversionFailure failure;
        ASSERT_TRUE(tembrix::readScriptModel(inputs, fileSystem, model, failure).ok()) << c.upTo;
        ASSERT_TRUE(tembrix::applyMendsUpTo(model, c.upTo)) << c.upTo;
        EXPECT_EQ(seen(model), c.expected) << c.upTo;
        EXPECT_FALSE(tembrix::applyMendsUpTo(model, "no such mend"));
    }
}
