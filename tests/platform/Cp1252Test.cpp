#include "tembrix/platform/Cp1252.h"

#include <gtest/gtest.h>

using tembrix::cp1252FromUtf8;
using tembrix::utf8FromCp1252;

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(all)), all);
    EXPECT_EQ(utf8FromCp1252("ex\xE9" "cut\x80"), "ex\u00E9cut\u20AC");
}

TEST(Cp1252, CharactersThePageLacksAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(cp1252FromUtf8("Pr\u00E9c\u00E9dent \u0153 \u2019"), "Pr\xE9" "c\xE9" "dent \x9C \x92");
    EXPECT_EQ(cp1252FromUtf8("\u4E2D\U0001F600"), "??");
    EXPECT_EQ(cp1252FromUtf8("a\xC3"), "a?");
    EXPECT_EQ(cp1252FromUtf8("\xE9t\xE9"), "?t?");
    // Overlong forms and surrogates are malformed: C0 80 must not become a NUL.
    EXPECT_EQ(cp1252FromUtf8("a\xC0\x80" "b\xED\xA0\x80"), "a?b?");
    EXPECT_TRUE(tembrix::isUtf8("Pr\u00E9c\u00E9dent \U0001F600"));
    EXPECT_FALSE(tembrix::isUtf8("a\xC0\x80"));
    EXPECT_FALSE(tembrix::isUtf8("caf\xE9"));
}
