#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "scenario/script.h"

namespace velondo::scenario {
namespace {

TEST(ScenarioLanguage, TokenizesQuotedTextsWithEscapesAndComments) {
    std::string error;
    auto words =
        Tokenize(R"(expect lblVarie(13).Caption = "Ci \"rivediamo\" \\ ..." # note)", &error);
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
        {"12040", "12040.0", true},
        {"675", "675", true},
        {"1.3333", "1.3334", false},
        {"0,7692308", "0.7692308", false},  // a comma is text: the display format matters
        {"DO", "do", false},
        {"", "", true},
        {"13", "13 ", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameValue(c.expected, c.actual), c.same) << c.expected << " vs " << c.actual;
}

TEST(ScenarioLanguage, ReadsColoursAsTheWindowStoresThem) {
    std::string error;
    auto words = Tokenize("expect lblSfondiB(0).BackColor = rgb(255, 192, 192) # pink", &error);
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(words,
              (std::vector<std::string>{"expect", "lblSfondiB(0).BackColor", "=", "12632319"}));
    EXPECT_EQ(Tokenize("set ColoreIndex = rgb(0,0,255)", &error).back(), "16711680");
    Tokenize("x = rgb(256, 0, 0)", &error);
    EXPECT_EQ(error, "bad colour rgb(256, 0, 0)");
}

TEST(ScenarioLanguage, ReadsNumbersOnlyFromWholeWords) {
    EXPECT_EQ(WholeNumber("900"), 900);
    EXPECT_EQ(WholeNumber("-3"), -3);
    EXPECT_FALSE(WholeNumber("abc"));
    EXPECT_FALSE(WholeNumber("9x"));
    EXPECT_FALSE(WholeNumber(""));
    EXPECT_EQ(RealNumber("12.5"), 12.5);
    EXPECT_FALSE(RealNumber("1,5"));
}

// Scripts written to a temporary folder, read back with includes and repeats.
class ScriptFiles : public ::testing::Test {
protected:
    void Write(const std::string& name, const std::string& text) {
        std::filesystem::create_directories((dir / name).parent_path());
        std::ofstream(dir / name) << text;
    }
    std::vector<std::string> Commands(const std::string& name, std::string* error) {
        std::vector<std::string> out;
        for (const Line& l : ReadScript((dir / name).string(), error)) out.push_back(l.words[0]);
        return out;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("velondo-script-test-" + std::to_string(::getpid()));
};

TEST_F(ScriptFiles, UnrollsRepeatsAndReadsIncludesInPlace) {
    Write("parts/b.vsc", "repeat 2\nb\nend\n");
    Write("main.vsc", "a\nrepeat 2\ninclude \"parts/b.vsc\"\nc\nend\nrepeat 0\nnever\nend\nd\n");
    std::string error;
    EXPECT_EQ(Commands("main.vsc", &error),
              (std::vector<std::string>{"a", "b", "b", "c", "b", "b", "c", "d"}));
    EXPECT_TRUE(error.empty()) << error;
    // Included lines keep their own file and number for the messages.
    auto lines = ReadScript((dir / "main.vsc").string(), &error);
    EXPECT_EQ(lines[1].number, 2);
    EXPECT_EQ(lines[1].file, (dir / "parts/b.vsc").string());
}

struct BadScript {
    const char* name;
    const char* text;
    const char* error;  // the end of the message
};

TEST_F(ScriptFiles, RefusesBrokenBlocksAndIncludes) {
    const BadScript cases[] = {
        {"open_repeat", "a\nrepeat 2\nb\n", "open_repeat.vsc:2: repeat without end"},
        {"lone_end", "a\nend\n", "lone_end.vsc:2: end without repeat"},
        {"bad_count", "repeat many\nend\n", "bad_count.vsc:1: repeat needs a count of 0 … 10000"},
        {"missing", "include \"nothere.vsc\"\n", "nothere.vsc"},
        {"self", "include \"self.vsc\"\n", "self.vsc:1: includes nested too deep"},
    };
    for (const auto& c : cases) {
        Write(std::string(c.name) + ".vsc", c.text);
        std::string error;
        EXPECT_TRUE(Commands(std::string(c.name) + ".vsc", &error).empty()) << c.name;
        EXPECT_TRUE(error.ends_with(c.error)) << c.name << ": " << error;
    }
}

}  // namespace
}  // namespace velondo::scenario
