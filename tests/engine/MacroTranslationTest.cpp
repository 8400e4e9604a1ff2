#include "tembrix/engine/MacroTranslation.h"

#include <gtest/gtest.h>

using tembrix::RegistrationFlag;
using tembrix::TranslateFolderMacros;

TEST(TranslateFolderMacros, ReplacesEveryKnownMacroWhereverItStands) {
    EXPECT_EQ(TranslateFolderMacros("$(AppPath)"), "{app}");
    EXPECT_EQ(TranslateFolderMacros("$(WinPath)"), "{win}");
    EXPECT_EQ(TranslateFolderMacros("$(Font)"), "{fonts}");
    EXPECT_EQ(TranslateFolderMacros("$(WinSysPath)"), "{sys}");
    EXPECT_EQ(TranslateFolderMacros("$(WinSysPathSysFile)"), "{sys}");
    EXPECT_EQ(TranslateFolderMacros("$(ProgramFiles)\\Inventory"), "{pf}\\Inventory");
    EXPECT_EQ(TranslateFolderMacros("$(CommonFiles)\\Shared"), "{cf}\\Shared");
    EXPECT_EQ(TranslateFolderMacros("$(MSDAOPath)"), "{dao}");
    EXPECT_EQ(TranslateFolderMacros("$(CommonFilesSys)\\ADO"), "{cf}\\System\\ADO");
    EXPECT_EQ(TranslateFolderMacros("$(AppPath)\\Data\\$(AppPath)"), "{app}\\Data\\{app}");
    EXPECT_EQ(TranslateFolderMacros("x$(WinPath)$(Font)y"), "x{win}{fonts}y");
}

TEST(TranslateFolderMacros, KeepsEverythingElse) {
    EXPECT_EQ(TranslateFolderMacros(""), "");
    EXPECT_EQ(TranslateFolderMacros("$(CommonFilesSystem)"), "$(CommonFilesSystem)");
    EXPECT_EQ(TranslateFolderMacros("$(appPath)"), "$(appPath)");
    EXPECT_EQ(TranslateFolderMacros("C:\\Tools"), "C:\\Tools");
    EXPECT_EQ(TranslateFolderMacros("$(AppPath"), "$(AppPath");
    EXPECT_EQ(TranslateFolderMacros("$($(AppPath)"), "$({app}");
    EXPECT_EQ(TranslateFolderMacros("$(Win$(AppPath))"), "$(Win{app})");
    EXPECT_EQ(TranslateFolderMacros("$$(Font)))"), "${fonts}))");
}

TEST(RegistrationFlag, MatchesTheWholeValueWithoutLetterCase) {
    EXPECT_EQ(RegistrationFlag("$(DLLSelfRegister)"), "regserver ");
    EXPECT_EQ(RegistrationFlag("$(dllSelfRegister)"), "regserver ");
    EXPECT_EQ(RegistrationFlag("$(tlbregister)"), "regtypelib ");
    EXPECT_EQ(RegistrationFlag("$(TLBRegister)"), "regtypelib ");
    EXPECT_EQ(RegistrationFlag("$(EXESelfRegister)"), "");
    EXPECT_EQ(RegistrationFlag("$(Remote)"), "");
    EXPECT_EQ(RegistrationFlag("$(VBLRegister)"), "");
    EXPECT_EQ(RegistrationFlag("$(DLLSelfRegisterEx)"), "regserver ");
    EXPECT_EQ(RegistrationFlag(" $(DLLSelfRegister)"), "");
    EXPECT_EQ(RegistrationFlag(""), "");
}
