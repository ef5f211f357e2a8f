#include <gtest/gtest.h>

#include "scenario/script.h"

namespace velondo::scenario {
namespace {

TEST(ScenarioLanguage, TokenizesQuotedTextsWithEscapesAndComments) {
    std::string error;
    auto words = Tokenize(R"(expect lblVarie(13).Caption = "Ci \"rivediamo\" \\ ..." # note)",
                          &error);
    EXPECT_TRUE(error.empty());
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[1], "lblVarie(13).Caption");
    EXPECT_EQ(words[3], R"(Ci "rivediamo" \ ...)");
    Tokenize(R"(type "Mario)", &error);
    EXPECT_EQ(error, "unterminated text");
}

TEST(ScenarioLanguage, ParsesTargets) {
    Target t;
    ASSERT_TRUE(ParseTarget("lblTasto(37).MouseDown", &t));
    EXPECT_EQ(t.name, "lblTasto");
    EXPECT_EQ(t.index, 37);
    EXPECT_EQ(t.member, "MouseDown");
    ASSERT_TRUE(ParseTarget("NoteTotali", &t));
    EXPECT_EQ(t.index, -1);
    EXPECT_TRUE(t.member.empty());
    EXPECT_FALSE(ParseTarget("lblTasto(x).Click", &t));
    EXPECT_FALSE(ParseTarget("lblTasto(3", &t));
}

struct ValueCase {
    const char* expected;
    const char* actual;
    bool same;
};

TEST(ScenarioLanguage, ComparesNumbersAsNumbersAndTextsExactly) {
    const ValueCase cases[] = {
        {"12040", "12040.0", true},  {"675", "675", true},       {"1.3333", "1.3334", false},
        {"0,7692308", "0.7692308", false},  // a comma is text: the display format matters
        {"DO", "do", false},          {"", "", true},             {"13", "13 ", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameValue(c.expected, c.actual), c.same) << c.expected << " vs " << c.actual;
}

}  // namespace
}  // namespace velondo::scenario
