#include <gtest/gtest.h>

#include "GeneratorSupport.h"

// Real setup lists and their reviewed scripts, in both dialects, converted with
// the worked example's inputs (OutputDir C:\Build\OutPut\, version 1.0,
// run-time files).
class CorpusTest : public testing::TestWithParam<const char*> {};

TEST_P(CorpusTest, ScriptMatchesTheReviewedGoldenFile) {
    const std::string name = GetParam();
    Conversion conversion;
    const std::string script = conversion.run(testData("corpus/" + name + ".lst"));
    ASSERT_TRUE(conversion.lastStatus.ok()) << conversion.lastStatus.reason();
    EXPECT_EQ(script, testData("corpus/" + name + ".iss"));

    conversion.inputs.dialect = tembrix::ScriptDialect::Inno6;
    EXPECT_EQ(conversion.run(), testData("corpus/" + name + ".inno6.iss"));
}

INSTANTIATE_TEST_SUITE_P(RealLists, CorpusTest,
                         testing::Values("doubled-quote-icon-accented-cp1252",
                                         "exeselfregister-winpath-commonfiles-90-files",
                                         "group-named-setup-trailing-space",
                                         "korean-cp949-176-files",
                                         "mdac-113-files-reg-file-lowercase-macro",
                                         "mdac-spanish-localized-privategroup-falso",
                                         "no-icongroups-bootstrap-stkit-only",
                                         "two-icongroups-start-menu", "vb5-drive-folder-42-files",
                                         "vb5-audio-folders-80-files"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });
