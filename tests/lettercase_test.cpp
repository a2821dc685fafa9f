#include "lettercase.hpp"

#include <gtest/gtest.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <string>

namespace {

using morvane::FirstLetterCase;
using morvane::toLowerCase;
using morvane::toUpperCase;

struct Row {
    const char* name;
    std::u16string text, upper, lower, capitalized;
};

class LetterCaseTable : public testing::TestWithParam<Row> {};

TEST_P(LetterCaseTable, upper) {
    EXPECT_EQ(GetParam().upper, toUpperCase(GetParam().text));
}
TEST_P(LetterCaseTable, lower) {
    EXPECT_EQ(GetParam().lower, toLowerCase(GetParam().text));
}
TEST_P(LetterCaseTable, capitalized) {
    EXPECT_EQ(GetParam().capitalized, FirstLetterCase(GetParam().text));
}

// Feeding the text in pieces that end after white space gives the same answer
// as the whole text at once, whether a piece goes in as UTF-16 or, being pure
// ASCII, as bytes.
TEST_P(LetterCaseTable, capitalized_in_pieces) {
    const std::u16string& text = GetParam().text;
    morvane::FirstLetterCaser caser;
    std::u16string out;
    auto feed = [&](std::u16string_view piece) {
        const bool ascii =
            std::all_of(piece.begin(), piece.end(), [](char16_t c) { return c < 0x80; });
        if (!ascii) {
            out += caser.Feed(piece);
            return;
        }
        const std::string bytes(piece.begin(), piece.end());
        std::string capitalized(bytes.size(), '?');
        caser.FeedAscii(bytes, capitalized.data());
        out.append(capitalized.begin(), capitalized.end());
    };
    std::size_t from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u' ' || text[i] == u'\n' || text[i] == u'\t') {
            feed(std::u16string_view(text).substr(from, i + 1 - from));
            from = i + 1;
        }
    }
    feed(std::u16string_view(text).substr(from));
    EXPECT_EQ(GetParam().capitalized, out);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LetterCaseTable,
    testing::Values(
        Row{"plain", u"hello world", u"HELLO WORLD", u"hello world", u"Hello World"},
        Row{"inverted", u"hELLO wORLD", u"HELLO WORLD", u"hello world", u"Hello World"},
        Row{"shouting", u"the QUICK brown fox", u"THE QUICK BROWN FOX", u"the quick brown fox",
            u"The Quick Brown Fox"},
        Row{"one_leading_space", u" hello world", u" HELLO WORLD", u" hello world",
            u" hello World"},
        Row{"two_leading_spaces", u"  hello", u"  HELLO", u"  hello", u"  Hello"},
        Row{"two_inner_spaces", u"hello  world", u"HELLO  WORLD", u"hello  world", u"Hello  World"},
        Row{"trailing_space", u"hello world ", u"HELLO WORLD ", u"hello world ", u"Hello World "},
        Row{"crlf", u"hello\r\nworld", u"HELLO\r\nWORLD", u"hello\r\nworld", u"Hello\r\nworld"},
        Row{"tab", u"hello\tworld", u"HELLO\tWORLD", u"hello\tworld", u"Hello\tworld"},
        Row{"hyphen", u"hello-world", u"HELLO-WORLD", u"hello-world", u"Hello-world"},
        Row{"apostrophe", u"o'neil", u"O'NEIL", u"o'neil", u"O'neil"},
        Row{"leading_digit", u"1st place", u"1ST PLACE", u"1st place", u"1st Place"},
        Row{"chinese", u"中文 abc", u"中文 ABC", u"中文 abc", u"中文 Abc"},
        Row{"one_letter", u"a", u"A", u"a", u"A"}, Row{"single_space", u" ", u" ", u" ", u" "},
        Row{"empty", u"", u"", u"", u""},
        Row{"ideographic_space", u"a\u3000b", u"A\u3000B", u"a\u3000b", u"A\u3000b"},
        Row{"no_break_space", u"a\u00A0b c", u"A\u00A0B C", u"a\u00A0b c", u"A\u00A0b C"},
        // Full case mappings that change the length of the text.
        Row{"sharp_s", u"ß a", u"SS A", u"ß a", u"SS A"},
        Row{"sharp_s_mid_text", u"straße ßtraße x", u"STRASSE SSTRASSE X", u"straße ßtraße x",
            u"Straße SStraße X"},
        Row{"ligature", u"ﬁne ﬁsh", u"FINE FISH", u"ﬁne ﬁsh", u"FIne FIsh"},
        Row{"dotted_capital_i", u"\u0130 x", u"\u0130 X", u"i\u0307 x", u"I\u0307 X"},
        // Root locale: no Turkish or Lithuanian rules.
        Row{"dotless_i", u"ı i", u"I I", u"ı i", u"I I"},
        Row{"final_sigma", u"ΟΔΟΣ ΣΑ", u"ΟΔΟΣ ΣΑ", u"οδος σα", u"Οδος Σα"},
        Row{"final_sigma_after_ascii", u"bΣ x aΣ'", u"BΣ X AΣ'", u"bς x aς'", u"Bς X Aς'"},
        Row{"accents_and_cyrillic", u"éCOLE МОСКВА ｆｕｌｌ", u"ÉCOLE МОСКВА ＦＵＬＬ",
            u"école москва ｆｕｌｌ", u"École Москва Ｆｕｌｌ"},
        // A lone surrogate has no case; a capital is set per code unit, so a
        // letter outside the BMP keeps its case at the start of a word.
        Row{"lone_surrogate", u"\xD801 a", u"\xD801 A", u"\xD801 a", u"\xD801 A"},
        Row{"supplementary", u"\U00010428 \U00010400", u"\U00010400 \U00010400",
            u"\U00010428 \U00010428", u"\U00010428 \U00010428"},
        Row{"embedded_nul", std::u16string(u"ab\0 cd", 6), std::u16string(u"AB\0 CD", 6),
            std::u16string(u"ab\0 cd", 6), std::u16string(u"Ab\0 Cd", 6)}),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

TEST(lettercase, long_ascii_and_mixed_text_round_trip) {
    std::u16string ascii;
    std::u16string mixed;
    for (int i = 0; i < 100'000; ++i) {
        ascii += u"The quick brown Fox ";
        mixed += u"Ärger über Σίσυφος ";
    }
    EXPECT_EQ(toLowerCase(ascii), toLowerCase(toUpperCase(ascii)));
    const std::u16string lower = toLowerCase(mixed);
    EXPECT_EQ(lower.size(), mixed.size());
    EXPECT_EQ(u"ärger über σίσυφος ", lower.substr(lower.size() - 19));
    EXPECT_EQ(u"Ärger Über Σίσυφος ", FirstLetterCase(mixed).substr(19, 19));
}

}  // namespace

namespace {

// Every UTF-16 code unit takes as its capital exactly ICU's full upper case of
// that unit alone, the shortcut for units that cannot grow included.
TEST(lettercase, capital_of_every_unit_is_icus_upper_case) {
    for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
        const char16_t c = static_cast<char16_t>(unit);
        std::u16string expected(4, u'\0');
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length =
            u_strToUpper(reinterpret_cast<UChar*>(expected.data()), 4,
                         reinterpret_cast<const UChar*>(&c), 1, "", &status);
        ASSERT_TRUE(U_SUCCESS(status));
        expected.resize(static_cast<std::size_t>(length));
        ASSERT_EQ(expected, morvane::CapitalOf(c)) << "U+" << std::hex << unit;
    }
}

}  // namespace
