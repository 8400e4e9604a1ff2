#include "tembrix/platform/Cp1252.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "tembrix/platform/CodePage.h"
#include "tembrix/platform/ProfileFile.h"

using tembrix::cp1252FromUtf8;
using tembrix::utf8FromCp1252;

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(all)), all);
    EXPECT_EQ(utf8FromCp1252("ex\xE9"
                             "cut\x80"),
              "ex\u00E9cut\u20AC");
}

TEST(Cp1252, CharactersThePageLacksAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(cp1252FromUtf8("Pr\u00E9c\u00E9dent \u0153 \u2019"), "Pr\xE9"
                                                                   "c\xE9"
                                                                   "dent \x9C \x92");
    EXPECT_EQ(cp1252FromUtf8("\u4E2D\U0001F600"), "??");
    EXPECT_EQ(cp1252FromUtf8("a\xC3"), "a?");
    EXPECT_EQ(cp1252FromUtf8("\xE9t\xE9"), "?t?");
    // Overlong forms and surrogates are malformed: C0 80 must not become a NUL.
    EXPECT_EQ(cp1252FromUtf8("a\xC0\x80"
                             "b\xED\xA0\x80"),
              "a?b?");
    EXPECT_TRUE(tembrix::isUtf8("Pr\u00E9c\u00E9dent \U0001F600"));
    EXPECT_FALSE(tembrix::isUtf8("a\xC0\x80"));
    EXPECT_FALSE(tembrix::isUtf8("caf\xE9"));
}

TEST(Cp1252, LetterCaseFoldsForEveryLetterPairOfThePageAndNothingElse) {
    // Written out rather than computed, so that a slip in the fold table shows.
    const std::string capitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\x8A\x8C\x8E\x9F"
                                 "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF"
                                 "\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD\xDE";
    const std::string smalls = "abcdefghijklmnopqrstuvwxyz\x9A\x9C\x9E\xFF"
                               "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"
                               "\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD\xFE";
    ASSERT_EQ(capitals.size(), smalls.size());
    std::string every;
    std::string expected;
    for (int c = 0; c < 256; ++c) {
        every.push_back(static_cast<char>(c));
        const auto at = capitals.find(static_cast<char>(c));
        expected.push_back(at == std::string::npos ? static_cast<char>(c) : smalls[at]);
    }
    EXPECT_EQ(tembrix::lowerCased(every), expected);
    EXPECT_TRUE(tembrix::equalsIgnoringCase(capitals, smalls));
    EXPECT_FALSE(tembrix::equalsIgnoringCase("\xD7\xDF", "\xF7\xFF")); // × ÷ and ß ÿ are no pairs
    // The profile reader folds alike: a group "Zoo Tools" finds its section "[zoo tools]".
    const auto index = tembrix::ProfileIndex::parse("[" + smalls + "]\n" + smalls + "=found\n");
    EXPECT_EQ(index.read(capitals, capitals, "missing"), "found");
}

// Paths go into a script in the system's code page, whole or not at all: the
// table holds for the two pages it knows (under Wine LC_ALL=ru_RU.UTF-8 gives 1251).
TEST(Cp1252, PathsInTheSystemsCodePageOrNotAtAll) {
    const unsigned page = tembrix::systemCodePage();
    if (page != 1252 && page != 1251)
        GTEST_SKIP() << "no column for code page " << page;
    using Bytes = std::optional<std::string>;
    struct Row {
        std::string utf8;
        Bytes in1252, in1251;
    };
    for (const Row& row : std::vector<Row>{
             {"C:\\Setup\\ ?", "C:\\Setup\\ ?", "C:\\Setup\\ ?"},
             {"D:\\Caf\u00E9\\", "D:\\Caf\xE9\\", std::nullopt},
             {"D:\\\u0414\u0430\u043D\u043D\u044B\u0435\\", std::nullopt,
              "D:\\\xC4\xE0\xED\xED\xFB\xE5\\"},
             {"\u0153 \u20AC", "\x9C \x80", std::nullopt},
             {"\u0101", std::nullopt, std::nullopt}, // no best fit "a"
             {"\U0001F600", std::nullopt, std::nullopt},
             {"a\xC0\xBF", std::nullopt, std::nullopt}, // an overlong "?"
         }) {
        const Bytes& expected = page == 1252 ? row.in1252 : row.in1251;
        EXPECT_EQ(tembrix::systemCodePageFromUtf8(row.utf8), expected) << row.utf8;
        if (expected) {
            EXPECT_EQ(tembrix::utf8FromSystemCodePage(*expected), row.utf8);
        }
    }
}
