#include <gtest/gtest.h>

#include <string>

#include "storage/line_format.h"

namespace velondo::storage {
namespace {

template <class T>
std::string CaseName(const ::testing::TestParamInfo<T>& info) {
    return info.param.name;
}

TEST(Windows1252, EveryByteReadsBackToItself) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = FromWindows1252(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(ToWindows1252(utf8), all);
}

TEST(Windows1252, ItalianLettersAndTheEuroAreSingleBytes) {
    EXPECT_EQ(ToWindows1252("Perdò più €"), std::string("Perd\xF2 pi\xF9 \x80"));
    EXPECT_EQ(FromWindows1252("Perd\xF2"), "Perdò");
    EXPECT_EQ(ToWindows1252("漢"), std::nullopt);
    EXPECT_FALSE(FitsWindows1252("Ω"));
    EXPECT_TRUE(FitsWindows1252("Ñandú “sì”"));
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string text;
};
class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};
TEST_P(DecodeTest, GivesTheUtf8Text) {
    EXPECT_EQ(DecodeFileText(GetParam().bytes), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Files, DecodeTest,
    ::testing::Values(DecodeCase{"ascii", "\"Mario\"\r\n", "\"Mario\"\r\n"},
                      DecodeCase{"windows_1252", "\"Niccol\xF2\"\r\n", "\"Niccolò\"\r\n"},
                      DecodeCase{"utf8", "\"Niccol\xC3\xB2\"\n", "\"Niccolò\"\n"},
                      DecodeCase{"utf8_with_mark", "\xEF\xBB\xBF\"\xC3\xA8\"", "\"è\""},
                      // Bytes that look like UTF-8 once but break later: the whole file is 8-bit.
                      DecodeCase{"mixed_is_windows_1252", "\xC3\xB2 \xF2", "Ã² ò"}),
    CaseName<DecodeCase>);

struct SplitCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};
class SplitTest : public ::testing::TestWithParam<SplitCase> {};
TEST_P(SplitTest, GivesTheLines) { EXPECT_EQ(SplitLines(GetParam().text), GetParam().lines); }
INSTANTIATE_TEST_SUITE_P(
    Files, SplitTest,
    ::testing::Values(SplitCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
                      SplitCase{"lf", "a\nb\n", {"a", "b"}},
                      SplitCase{"no_final_end", "a\r\nb", {"a", "b"}},
                      SplitCase{"mixed_ends", "a\nb\r\nc", {"a", "b", "c"}},
                      SplitCase{"empty_lines_count", "\"\"\r\n\r\nx\r\n", {"\"\"", "", "x"}},
                      SplitCase{"empty_file", "", {}}),
    CaseName<SplitCase>);

struct LineCase {
    const char* name;
    std::string line;
    std::optional<std::string> text;
    std::optional<bool> flag;
    std::optional<long long> integer;
};
class LineTest : public ::testing::TestWithParam<LineCase> {};
TEST_P(LineTest, ReadsAsItsKindOnly) {
    const LineCase& c = GetParam();
    EXPECT_EQ(ParseTextLine(c.line), c.text);
    EXPECT_EQ(ParseFlagLine(c.line), c.flag);
    EXPECT_EQ(ParseIntegerLine(c.line), c.integer);
}
INSTANTIATE_TEST_SUITE_P(
    Lines, LineTest,
    ::testing::Values(
        LineCase{"text", "\"Mario, Rossi\"", "Mario, Rossi", {}, {}},
        LineCase{"empty_text", "\"\"", "", {}, {}},
        LineCase{"quoted_number_is_text", "\"13\"", "13", {}, {}},
        LineCase{"missing_closing_quote", "\"Mario", {}, {}, {}},
        LineCase{"quote_inside", "\"Ma\"rio\"", {}, {}, {}},
        LineCase{"lone_quote", "\"", {}, {}, {}}, LineCase{"true", "#TRUE#", {}, true, {}},
        LineCase{"false", "#FALSE#", {}, false, {}},
        LineCase{"lowercase_flag", "#true#", {}, {}, {}},
        LineCase{"colour", "16777215", {}, {}, 16777215}, LineCase{"negative", "-5", {}, {}, -5},
        LineCase{"plus_sign", "+5", {}, {}, {}}, LineCase{"trailing_blank", "5 ", {}, {}, {}},
        LineCase{"empty_line", "", {}, {}, {}}),
    CaseName<LineCase>);

TEST(LineWriter, WritesWindows1252WithCrLfAfterEveryLine) {
    LineWriter w;
    w.text("Mario, Rossi");
    w.text("Niccolò");
    w.text("");
    w.flag(true);
    w.flag(false);
    w.integer(12648447);
    EXPECT_EQ(w.lines(), 6);
    EXPECT_EQ(w.bytes(),
              "\"Mario, Rossi\"\r\n\"Niccol\xF2\"\r\n\"\"\r\n#TRUE#\r\n#FALSE#\r\n12648447\r\n");
}

TEST(LineWriter, NeverWritesALineItCouldNotReadBack) {
    LineWriter w;
    w.text("Il \"Re\"\r\ndel 漢");
    EXPECT_EQ(w.bytes(), "\"Il 'Re'  del ?\"\r\n");
    LineReader r = LineReader::FromBytes(w.bytes());
    EXPECT_EQ(r.text(), "Il 'Re'  del ?");
    r.expectEnd();
    EXPECT_TRUE(r.ok());
}

struct NameCase {
    const char* name;
    std::string typed;
    std::string kept;
};
class FitNameTest : public ::testing::TestWithParam<NameCase> {};
TEST_P(FitNameTest, KeepsWhatTheFormatHolds) {
    EXPECT_EQ(FitName(GetParam().typed), GetParam().kept);
}
INSTANTIATE_TEST_SUITE_P(
    Names, FitNameTest,
    ::testing::Values(NameCase{"plain", "Mario", "Mario"},
                      NameCase{"double_quote_becomes_apostrophe", "Il \"Re\"", "Il 'Re'"},
                      NameCase{"accents_kept", "Niccolò Paganini", "Niccolò Paganini"},
                      NameCase{"thirty_characters_kept", std::string(30, 'a'),
                               std::string(30, 'a')},
                      NameCase{"thirty_one_cut", std::string(31, 'a'), std::string(30, 'a')},
                      // Thirty characters, not thirty bytes: "ò" is two bytes in the program.
                      NameCase{"accented_cut_by_characters", std::string(29, 'a') + "òò",
                               std::string(29, 'a') + "ò"},
                      NameCase{"foreign_letter_dropped", "Ωmega", "mega"},
                      NameCase{"line_break_dropped", "Ma\nrio", "Mario"}),
    CaseName<NameCase>);

struct ReadProblemCase {
    const char* name;
    std::string bytes;
    int line;
    std::string what;
};
class LineReaderTest : public ::testing::TestWithParam<ReadProblemCase> {};
// Reads a text, a flag and an integer 1..7, then the end.
TEST_P(LineReaderTest, NamesTheFirstBadLine) {
    LineReader r = LineReader::FromBytes(GetParam().bytes);
    r.text();
    r.flag();
    r.integer(1, 7);
    r.expectEnd();
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.problem()->line, GetParam().line);
    EXPECT_EQ(r.problem()->what, GetParam().what);
}
INSTANTIATE_TEST_SUITE_P(
    Problems, LineReaderTest,
    ::testing::Values(
        ReadProblemCase{"flag_where_text", "#TRUE#\r\n#TRUE#\r\n3\r\n", 1,
                        "atteso un testo tra virgolette"},
        ReadProblemCase{"text_where_flag", "\"a\"\r\n\"b\"\r\n3\r\n", 2, "atteso #TRUE# o #FALSE#"},
        ReadProblemCase{"out_of_range", "\"a\"\r\n#TRUE#\r\n8\r\n", 3, "atteso un numero da 1 a 7"},
        ReadProblemCase{"too_short", "\"a\"\r\n#TRUE#\r\n", 3,
                        "il file finisce prima: manca un numero"},
        ReadProblemCase{"too_long", "\"a\"\r\n#TRUE#\r\n3\r\n4\r\n", 4,
                        "righe in più: il file dovrebbe finire alla riga 3"},
        ReadProblemCase{"line_over_4096_bytes",
                        "\"" + std::string(4095, 'a') + "\"\r\n#TRUE#\r\n3\r\n", 1,
                        "riga troppo lunga (più di 4096 byte)"},
        // The first problem wins over later ones.
        ReadProblemCase{"first_of_two", "x\r\ny\r\n9\r\n", 1, "atteso un testo tra virgolette"}),
    CaseName<ReadProblemCase>);

TEST(LineReader, ReadsTextsAsASaveWouldWriteThem) {
    // Control characters inside the quotes come back as blanks, as a save writes them,
    // so that a text read and saved reads back the same. 4096 bytes are still a line.
    const std::string longest = "\"" + std::string(4094, 'a') + "\"";
    using namespace std::string_literals;
    LineReader r = LineReader::FromBytes("\"Ro\0ss\ri\"\r\n\"a\x81\x62\"\r\n"s + longest);
    EXPECT_EQ(r.text(), "Ro ss i");
    EXPECT_EQ(r.text(), "a b");
    EXPECT_EQ(r.text(), std::string(4094, 'a'));
    r.expectEnd();
    EXPECT_TRUE(r.ok());
}

TEST(LineReader, ReadsQuotedNumbersAndChoices) {
    LineReader r = LineReader::FromBytes("\"13\"\n\"Inseriti\"\n\"x\"");
    EXPECT_EQ(r.numberText(1, 20), 13);
    EXPECT_EQ(r.oneOf({"Inseriti", "No"}), "Inseriti");
    r.oneOf({"Inseriti", "No"});
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.problem()->line, 3);
    EXPECT_EQ(r.problem()->what, "atteso \"Inseriti\" o \"No\"");
}

}  // namespace
}  // namespace velondo::storage
