#include "amount.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <regex>
#include <string>
#include <vector>

namespace {

using morvane::IsAmountShape;
using morvane::ToTrans;

const std::u16string kEmpty(morvane::kAmountEmptyMessage);
const std::u16string kMalformed(morvane::kAmountMalformedMessage);
const std::u16string kTooLarge(morvane::kAmountTooLargeMessage);

struct Case {
    const char16_t* amount;
    std::u16string expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << '"';
    for (const char16_t* p = c.amount; *p; ++p) {
        if (*p >= 0x20 && *p < 0x7F) {
            *os << static_cast<char>(*p);
        } else {
            *os << "\\u" << std::hex << static_cast<unsigned>(*p) << std::dec;
        }
    }
    *os << '"';
}

class ToTransTable : public testing::TestWithParam<Case> {};

TEST_P(ToTransTable, converts) {
    EXPECT_EQ(GetParam().expected, ToTrans(GetParam().amount));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ToTransTable,
    testing::Values(
        Case{u"6543219870.12", u"陆拾伍亿肆仟叁佰贰拾壹万玖仟捌佰柒拾元壹角贰分"},
        Case{u"0", u"零元整"}, Case{u"00", u"零元整"}, Case{u"0.0", u"零元整"},
        Case{u"0.00", u"零元"}, Case{u"0.5", u"伍角整"}, Case{u"0.05", u"伍分"},
        Case{u"000.50", u"伍角"}, Case{u"5", u"伍元整"}, Case{u"10", u"壹拾元整"},
        Case{u"101", u"壹佰零壹元整"}, Case{u"1010", u"壹仟零壹拾元整"}, Case{u"1.05", u"壹元伍分"},
        Case{u"1.50", u"壹元伍角"}, Case{u"1.5", u"壹元伍角整"}, Case{u"1.0", u"壹元整"},
        Case{u"1.00", u"壹元"}, Case{u"10001", u"壹万零壹元整"},
        Case{u"10203", u"壹万零贰佰零叁元整"}, Case{u"100000000", u"壹亿元整"},
        Case{u"100000001", u"壹亿零壹元整"}, Case{u"100020003", u"壹亿零贰万零叁元整"},
        Case{u"600000006", u"陆亿零陆元整"}, Case{u"1000010000", u"壹拾亿零壹万元整"},
        Case{u"20000000000", u"贰佰亿元整"}, Case{u"1,234.5", u"壹仟贰佰叁拾肆元伍角整"},
        Case{u"1,234,567.89", u"壹佰贰拾叁万肆仟伍佰陆拾柒元捌角玖分"}, Case{u"1,2", u"壹拾贰元整"},
        Case{u"12,34", u"壹仟贰佰叁拾肆元整"}, Case{u"1,2345", u"壹万贰仟叁佰肆拾伍元整"},
        Case{u"0,5", u"伍元整"}, Case{u"1.234,567", u"壹元贰角叁分"},
        Case{u"12.345", u"壹拾贰元叁角肆分"}, Case{u"0.999", u"玖角玖分"},
        Case{u"1,234,5", u"壹万贰仟叁佰肆拾伍元整"},
        Case{u"99999999999.99", u"玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
        Case{u"99,999,999,999.99", u"玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
        Case{u"99999999999.990001", u"玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
        Case{u"0099999999999.99", u"玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
        Case{u"10000000000", u"壹佰亿元整"}, Case{u"10100000000", u"壹佰零壹亿元整"},
        Case{u"1000000", u"壹佰万元整"}, Case{u"100000", u"壹拾万元整"}));

INSTANTIATE_TEST_SUITE_P(
    Messages, ToTransTable,
    testing::Values(Case{u"", kEmpty}, Case{u"99999999999.991", kTooLarge},
                    Case{u"99999999999.999", kTooLarge}, Case{u"100000000000", kTooLarge},
                    Case{u"100,000,000,000", kTooLarge}, Case{u"abc", kMalformed},
                    Case{u"1.", kMalformed}, Case{u".5", kMalformed}, Case{u"1..2", kMalformed},
                    Case{u"1.2.3", kMalformed}, Case{u"12,345,6789", kMalformed},
                    Case{u" 12", kMalformed}, Case{u"12 ", kMalformed}, Case{u"-5", kMalformed},
                    Case{u"+5", kMalformed}, Case{u"1e5", kMalformed}, Case{u"１２", kMalformed},
                    Case{u"1，2", kMalformed}, Case{u"1。2", kMalformed}, Case{u"1\t2", kMalformed},
                    Case{u"12\n", kMalformed}, Case{u",", kMalformed}, Case{u"1,", kMalformed},
                    Case{u",1", kMalformed}, Case{u"1,,2", kMalformed}));

TEST(amount, messages_are_exact) {
    // Mixed ASCII and full-width punctuation, as the user has always seen them.
    EXPECT_EQ(u"转换内容不能为空!", kEmpty);
    EXPECT_EQ(u"输入有误,请输入小数点和纯数字!", kMalformed);
    EXPECT_EQ(u"对不起,你输入的数字太大了!最大数字为99999999999.99\uFF01", kTooLarge);
}

TEST(amount, embedded_nul_is_malformed) {
    EXPECT_EQ(kMalformed, ToTrans(std::u16string(u"1\0"
                                                 u"2",
                                                 3)));
}

// The shape test must accept exactly what the ECMAScript pattern accepts. Every
// text up to eight characters long over digit, comma and full stop is checked
// against the pattern run by a real ECMAScript regular-expression engine.
TEST(amount, shape_matches_ecmascript_pattern_exhaustively) {
    const std::regex pattern(R"(^((\d{1,3}(,\d{3})*(.((\d{3},)*\d{1,3}))?)|(\d+(.\d+)?))$)",
                             std::regex::ECMAScript);
    const std::string alphabet = "10,.";
    std::vector<std::string> texts{""};
    std::size_t mismatches = 0;
    for (int length = 1; length <= 8; ++length) {
        std::vector<std::string> longer;
        for (const std::string& text : texts) {
            for (char c : alphabet) longer.push_back(text + c);
        }
        texts = std::move(longer);
        for (const std::string& text : texts) {
            const std::u16string wide(text.begin(), text.end());
            const bool expected = std::regex_match(text, pattern);
            if (expected != IsAmountShape(wide)) {
                ADD_FAILURE() << '"' << text << "\" should " << (expected ? "" : "not ") << "match";
                if (++mismatches > 20) return;
            }
        }
    }
}

TEST(amount, long_input_is_answered_without_recursion) {
    constexpr std::size_t kLength = 10'000'000;
    // Plain digits: shape B, far too large.
    EXPECT_EQ(kTooLarge, ToTrans(std::u16string(kLength, u'7')));
    // Digits grouped by commas: shape A, far too large.
    std::u16string grouped = u"1";
    while (grouped.size() < kLength) grouped += u",000";
    EXPECT_EQ(kTooLarge, ToTrans(grouped));
    // A long run of zeros ahead of the amount is no value at all.
    EXPECT_EQ(u"壹元整", ToTrans(std::u16string(kLength, u'0') + u"1"));
    // Every decimal counts for the limit, however many there are.
    EXPECT_EQ(kTooLarge, ToTrans(u"99999999999.99" + std::u16string(kLength, u'9')));
    EXPECT_EQ(u"玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分",
              ToTrans(u"99999999999.99" + std::u16string(kLength, u'0') + u"1"));
    // Malformed at the very end.
    EXPECT_EQ(kMalformed, ToTrans(std::u16string(kLength, u'1') + u"."));
}

}  // namespace

namespace {

// Every non-ASCII character reaches the reader as a byte from 0x80 up.
std::u16string ReadInPieces(std::u16string_view text, std::size_t piece) {
    std::string bytes;
    for (char16_t c : text) bytes += c < 0x80 ? static_cast<char>(c) : '\xFF';
    morvane::AmountReader reader;
    for (std::size_t i = 0; i < bytes.size(); i += piece) {
        reader.Feed(std::string_view(bytes).substr(i, piece));
    }
    return reader.Answer();
}

// The reader answers every text of the tables as ToTrans does, however the text
// is cut into pieces.
TEST_P(ToTransTable, read_in_pieces) {
    const std::u16string_view amount = GetParam().amount;
    for (const std::size_t piece : {1, 2, 3, 7, 64}) {
        EXPECT_EQ(GetParam().expected, ReadInPieces(amount, piece)) << "pieces of " << piece;
    }
}

TEST(amount_reader, non_ascii_bytes_are_malformed) {
    morvane::AmountReader reader;
    reader.Feed("12\xEF\xBC\x91");  // 12 and a full-width 1
    EXPECT_EQ(kMalformed, reader.Answer());
    reader.Reset();
    reader.Feed("\xFF");
    EXPECT_EQ(kMalformed, reader.Answer());
    reader.Reset();
    EXPECT_EQ(kEmpty, reader.Answer());
}

// Long texts near the limit, where every decimal decides which double the text
// reads as. The limit's double lies halfway to the next at
// 99999999999.99001312255859375, and a tie rounds up (to the even neighbour).
TEST(amount_reader, long_texts_agree_with_ToTrans) {
    const std::u16string kMax = u"玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分";
    const std::u16string zeros(100'000, u'0');
    const std::u16string nines(100'000, u'9');
    const struct {
        std::u16string text;
        std::u16string expected;
    } cases[] = {
        {u"99999999999.99001312255859375", kTooLarge},
        {u"99999999999.99001312255859374" + nines, kMax},
        {u"99999999999.99001312255859375" + zeros, kTooLarge},
        {u"99999999999.99001312255859375" + zeros + u"1", kTooLarge},
        {u"99999999999.99001312255859374" + zeros + u"1", kMax},
        {u"99999999999.99" + zeros + u"1", kMax},
        {u"99999999999.99" + nines, kTooLarge},
        {zeros + u"99999999999.99" + zeros, kMax},
        {u"99,999,999,999.99" + zeros, kMalformed},  // grouped, so at most three decimals
        {zeros + u"1" + zeros, kTooLarge},
        {zeros + u"1.05" + zeros, u"壹元伍分"},
        {u"1," + zeros.substr(0, 3) + u"," + zeros.substr(0, 4), kMalformed},
        {zeros + u"..", kMalformed},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(expected, ToTrans(text)) << text.size() << " characters";
        EXPECT_EQ(expected, ReadInPieces(text, 4096)) << text.size() << " characters";
    }
}

}  // namespace
