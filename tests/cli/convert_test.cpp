#include "convert.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "amount.hpp"
#include "lettercase.hpp"
#include "utf8.hpp"

namespace {

using morvane::cli::Converter;
using morvane::cli::Failure;
using morvane::cli::Mode;
using morvane::cli::Settings;
using morvane::cli::StringSink;

using namespace std::string_literals;

std::string Utf8(std::u16string_view text) {
    std::string out;
    morvane::cli::EncodeUtf8(text, out);
    return out;
}

const std::string kEmpty = Utf8(morvane::kAmountEmptyMessage);
const std::string kMalformed = Utf8(morvane::kAmountMalformedMessage);
const std::string kTooLarge = Utf8(morvane::kAmountTooLargeMessage);

struct Outcome {
    std::string output;
    Failure::Kind failure = Failure::Kind::kNone;
    std::uint64_t offset = 0;
    bool message = false;
    std::uint64_t forced_cuts = 0;
};

// Reads of these sizes, repeated; none means one read of everything.
struct Split {
    const char* name;
    std::vector<std::size_t> sizes;
};

const std::vector<Split> kSplits = {
    {"one_read", {}},
    {"bytes", {1}},
    {"pairs", {2}},
    {"threes", {3}},
    {"sevens", {7}},
    {"uneven", {5, 1, 11, 2, 64}},
    {"large_then_small", {4096, 1}},
};

Outcome Convert(const Settings& settings, std::string_view input, const Split& split) {
    StringSink sink;
    const auto converter = Converter::Create(settings, sink);
    std::size_t k = 0;
    bool running = true;
    while (running && !input.empty()) {
        const std::size_t size =
            split.sizes.empty() ? input.size() : split.sizes[k++ % split.sizes.size()];
        const std::string_view piece = input.substr(0, size);
        input.remove_prefix(piece.size());
        running = converter->Feed(piece);
    }
    if (running) converter->Finish();
    const Failure& f = converter->failure();
    return {sink.text, f.kind, f.offset, converter->answered_with_message(),
            converter->forced_cuts()};
}

// Every split gives the same outcome, which is returned.
Outcome ConvertEverySplit(const Settings& settings, std::string_view input) {
    const Outcome first = Convert(settings, input, kSplits[0]);
    for (const Split& split : kSplits) {
        SCOPED_TRACE(split.name);
        const Outcome other = Convert(settings, input, split);
        EXPECT_EQ(first.output, other.output);
        EXPECT_EQ(first.failure, other.failure);
        EXPECT_EQ(first.offset, other.offset);
        EXPECT_EQ(first.message, other.message);
    }
    return first;
}

// ---------------------------------------------------------------- amounts

struct AmountRow {
    const char* name;
    std::string input;
    std::string answers;
    bool message;
    bool null_records = false;
};

class AmountLines : public testing::TestWithParam<AmountRow> {};

TEST_P(AmountLines, every_record_gets_one_answer_in_order) {
    const AmountRow& row = GetParam();
    const Outcome outcome =
        ConvertEverySplit({.mode = Mode::kAmount, .null_records = row.null_records}, row.input);
    EXPECT_EQ(row.answers, outcome.output);
    EXPECT_EQ(row.message, outcome.message);
    EXPECT_EQ(Failure::Kind::kNone, outcome.failure);
}

INSTANTIATE_TEST_SUITE_P(
    Records, AmountLines,
    testing::Values(
        AmountRow{"in_order", "1\n0.5\n1.05\n", "壹元整\n伍角整\n壹元伍分\n", false},
        AmountRow{"crlf", "12\r\n1.5\r\n", "壹拾贰元整\n壹元伍角整\n", false},
        AmountRow{"last_line_without_lf", "1\n2", "壹元整\n贰元整\n", false},
        AmountRow{"no_bytes_no_line", "", "", false},
        AmountRow{"empty_line", "\n", kEmpty + "\n", true},
        AmountRow{"empty_line_between", "1\n\n2\n", "壹元整\n" + kEmpty + "\n贰元整\n", true},
        AmountRow{"crlf_alone_is_empty", "\r\n", kEmpty + "\n", true},
        // Only a CR right before LF belongs to the line end.
        AmountRow{"cr_at_end_of_input", "12\r", kMalformed + "\n", true},
        AmountRow{"cr_inside", "1\r2\n", kMalformed + "\n", true},
        AmountRow{"two_crs", "12\r\r\n", kMalformed + "\n", true},
        AmountRow{"nul_is_a_character_in_lines", "1\0\n"s, kMalformed + "\n", true},
        AmountRow{"full_width_digits", "１２\n", kMalformed + "\n", true},
        AmountRow{"invalid_utf8_then_amount", "\xFF\xFE\n5\n", kMalformed + "\n伍元整\n", true},
        AmountRow{"too_large", "100000000000\n", kTooLarge + "\n", true},
        AmountRow{"sign", "-5\n", kMalformed + "\n", true},
        AmountRow{"null_records",
                  "1\0"
                  "2"s,
                  "壹元整\0贰元整\0"s, false, true},
        AmountRow{"null_trailing", "5\0"s, "伍元整\0"s, false, true},
        AmountRow{"null_empty_record", "\0"s, kEmpty + "\0"s, true, true},
        AmountRow{"null_keeps_lf_and_cr",
                  "1\n\0"
                  "2\r\0"s,
                  kMalformed + "\0"s + kMalformed + "\0"s, true, true},
        AmountRow{"null_no_bytes", "", "", false, true}),
    [](const auto& info) { return info.param.name; });

struct LongRow {
    const char* name;
    std::string input;
    std::string answers;
    bool null_records = false;
};

class AmountOverLimit : public testing::TestWithParam<LongRow> {};

// A record longer than the records held whole is read in pieces, and gets the
// answer it would get if it were held whole.
TEST_P(AmountOverLimit, is_answered_as_if_held_whole) {
    const LongRow& row = GetParam();
    for (const std::size_t limit : {std::size_t{8}, std::size_t{1} << 20}) {
        SCOPED_TRACE(limit);
        const Settings settings{
            .mode = Mode::kAmount, .null_records = row.null_records, .amount_limit = limit};
        const Outcome outcome = ConvertEverySplit(settings, row.input);
        EXPECT_EQ(row.answers, outcome.output);
        EXPECT_EQ(Failure::Kind::kNone, outcome.failure);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, AmountOverLimit,
    testing::Values(LongRow{"at_limit", "12345678\n", "壹仟贰佰叁拾肆万伍仟陆佰柒拾捌元整\n"},
                    LongRow{"letter_at_end", "123456789a\n5\n", kMalformed + "\n伍元整\n"},
                    LongRow{"letter_at_start", "a123456789\n5", kMalformed + "\n伍元整\n"},
                    LongRow{"cr_inside", "12345\r6789\n", kMalformed + "\n"},
                    LongRow{"cr_at_end_of_input", "123456789\r", kMalformed + "\n"},
                    LongRow{"grouped", "5\n1,234,567.89\n6\n",
                            "伍元整\n壹佰贰拾叁万肆仟伍佰陆拾柒元捌角玖分\n陆元整\n"},
                    LongRow{"too_large_before_crlf", "123456789012\r\n", kTooLarge + "\n"},
                    LongRow{"leading_zeros_at_end_of_input", "5\n0000000001.05",
                            "伍元整\n壹元伍分\n"},
                    LongRow{"null_cr_is_a_character", "123456789\r\0"s, kMalformed + "\0"s, true},
                    LongRow{"null_digits",
                            "1\0"
                            "0000000000.5\0"s,
                            "壹元整\0伍角整\0"s, true}),
    [](const auto& info) { return info.param.name; });

TEST(amount_answer, marks_messages_only) {
    std::u16string scratch;
    std::string out;
    EXPECT_FALSE(morvane::cli::AppendAmountAnswer("6543219870.12", scratch, out));
    EXPECT_EQ("陆拾伍亿肆仟叁佰贰拾壹万玖仟捌佰柒拾元壹角贰分", out);
    for (const char* amount : {"", "abc", "99999999999.991", "\xE4\xB8\xAD", "\xFF"}) {
        SCOPED_TRACE(amount);
        EXPECT_TRUE(morvane::cli::AppendAmountAnswer(amount, scratch, out));
    }
}

// ------------------------------------------------------------ letter case

std::string WholeText(Mode mode, std::string_view text) {
    std::u16string utf16;
    EXPECT_EQ(morvane::cli::kNoError, morvane::cli::DecodeUtf8(text, utf16));
    switch (mode) {
        case Mode::kUpper:
            return Utf8(morvane::toUpperCase(utf16));
        case Mode::kLower:
            return Utf8(morvane::toLowerCase(utf16));
        default:
            return Utf8(morvane::FirstLetterCase(utf16));
    }
}

constexpr Mode kCaseModes[] = {Mode::kUpper, Mode::kLower, Mode::kCapitalize};

struct TextRow {
    const char* name;
    std::string text;
};

class CaseText : public testing::TestWithParam<TextRow> {};

// Mapped a piece at a time, in small windows and any reads, the text gets
// exactly the answer for the whole text.
TEST_P(CaseText, in_pieces_equals_whole_text) {
    const std::string& text = GetParam().text;
    for (const Mode mode : kCaseModes) {
        for (const std::size_t window : {16, 64, 512 << 10}) {
            SCOPED_TRACE(testing::Message()
                         << "mode " << static_cast<int>(mode) << " window " << window);
            const Outcome outcome = ConvertEverySplit({.mode = mode, .window = window}, text);
            EXPECT_EQ(WholeText(mode, text), outcome.output);
            EXPECT_EQ(0u, outcome.forced_cuts);
            EXPECT_EQ(Failure::Kind::kNone, outcome.failure);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CaseText,
    testing::Values(
        TextRow{"ascii", "hello world, the QUICK brown fox  jumps\n  over\tthe lazy DOG "},
        TextRow{"leading_space", " hello world"}, TextRow{"two_leading_spaces", "  hello wORLD"},
        TextRow{"trailing_spaces", "hello   "},
        // Final sigma looks at the letters around it, past apostrophes and
        // full stops but not past digits or spaces.
        TextRow{"final_sigma", "ΟΔΟΣ ΣΑ ΟΔΟΣ. ΟΔΟΣ1ΣΑ Σ ΑΣ'Σ ΑΣ'Α ΣΣ"},
        TextRow{"chinese_without_spaces", "中文中文中文ABC中文ΟΔΟΣ中文ΣΑ中文中文中文中文"},
        TextRow{"longer_capitals", "straße ßtraße ﬁne ŉ ǰ ΐ"},
        TextRow{"outside_bmp", "\U00010428\U00010400 abc \U00010400x"},
        TextRow{"ascii_and_accents", "abc déf ghi ÉCOLE x y z École ab cd ef gh ÀB"},
        TextRow{"space_at_piece_ends", "éé aaaaaaaaaaaaa éé aaaaaaaaaaa a éé"},
        TextRow{"embedded_nul", "a\0b c\0 d"s}, TextRow{"only_spaces", "    "},
        TextRow{"crlf", "one\r\ntwo\r\n"}, TextRow{"empty", ""}),
    [](const auto& info) { return info.param.name; });

TEST(case_records, each_null_record_is_a_text_of_its_own) {
    const std::string input = "hello world\0ΟΔΟΣ\0 x\0\0last"s;
    const Outcome outcome =
        ConvertEverySplit({.mode = Mode::kCapitalize, .null_records = true, .window = 16}, input);
    EXPECT_EQ("Hello World\0Οδος\0 x\0\0Last\0"s, outcome.output);
}

TEST(case_records, no_record_without_bytes) {
    EXPECT_EQ("", ConvertEverySplit({.mode = Mode::kUpper, .null_records = true}, "").output);
    EXPECT_EQ("A\0"s,
              ConvertEverySplit({.mode = Mode::kUpper, .null_records = true}, "a\0"s).output);
}

// A window without any boundary is cut between characters, never inside one.
TEST(case_window, without_boundary_is_cut_between_characters) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += "Éa\U00010400";  // 1 + 2 + 4 bytes
    for (const Mode mode : kCaseModes) {
        for (const std::size_t window : {8, 9, 10, 11}) {
            const Outcome outcome = ConvertEverySplit({.mode = mode, .window = window}, text);
            EXPECT_GT(outcome.forced_cuts, 0u);
            EXPECT_EQ(WholeText(mode, text), outcome.output);
        }
    }
}

struct InvalidRow {
    const char* name;
    Mode mode;
    std::string input;
    std::uint64_t offset;  // in the whole input
    std::string answer;    // of what comes before
    bool null_records = false;
};

class CaseInvalid : public testing::TestWithParam<InvalidRow> {};

// Invalid UTF-8 stops the run at its first bad byte; what comes before it is
// answered as if the text ended there.
TEST_P(CaseInvalid, stops_at_first_bad_byte) {
    const InvalidRow& row = GetParam();
    for (const std::size_t window : {16, 512 << 10}) {
        SCOPED_TRACE(window);
        const Outcome outcome = ConvertEverySplit(
            {.mode = row.mode, .null_records = row.null_records, .window = window}, row.input);
        EXPECT_EQ(Failure::Kind::kInvalidUtf8, outcome.failure);
        EXPECT_EQ(row.offset, outcome.offset);
        EXPECT_EQ(row.answer, outcome.output);
    }
}

const std::string kWords = "hello world hello world hello world ";

INSTANTIATE_TEST_SUITE_P(
    Inputs, CaseInvalid,
    testing::Values(InvalidRow{"first_byte", Mode::kUpper,
                               "\x80"
                               "abc",
                               0, ""},
                    InvalidRow{"overlong", Mode::kUpper, "ab\xC0\x80", 2, "AB"},
                    InvalidRow{"surrogate", Mode::kUpper, "ab\xED\xA0\x80", 2, "AB"},
                    InvalidRow{"above_max", Mode::kUpper, "ab\xF4\x90\x80\x80", 2, "AB"},
                    InvalidRow{"cut_short_by_end", Mode::kUpper, "ab\xE4\xB8", 2, "AB"},
                    InvalidRow{"cut_short_by_ascii", Mode::kUpper, "ab\xE4\xB8 cd", 2, "AB"},
                    InvalidRow{"sigma_before_bad_byte_ends_text", Mode::kLower, "ΟΔΟΣ\xFF", 8,
                               "οδος"},
                    InvalidRow{"after_many_pieces", Mode::kCapitalize, kWords + "\xFF" + kWords, 36,
                               "Hello World Hello World Hello World "},
                    InvalidRow{"in_later_record", Mode::kUpper, "ab\0c\xFF"s, 4, "AB\0C"s, true},
                    InvalidRow{"cut_short_by_nul", Mode::kUpper, "ab\xC3\0"s, 2, "AB", true}),
    [](const auto& info) { return info.param.name; });

// The cut rule rests on these: a mapping looks across white space, digits or
// Chinese characters never; across letters, apostrophes, full stops and
// combining marks it may.
TEST(case_boundary, follows_case_properties) {
    for (const char32_t c :
         {U' ', U'\n', U'\t', U'\r', U'\0', U'0', U'9', U',', U'-', U'!', U'中', U'\u3000'}) {
        EXPECT_TRUE(morvane::cli::IsCaseBoundary(c)) << static_cast<unsigned>(c);
    }
    for (const char32_t c : {U'a', U'Z', U'\'', U'.', U':', U'^', U'`', U'Σ', U'é', U'\u0301',
                             U'\u00AD', U'ʰ', U'\U00010400'}) {
        EXPECT_FALSE(morvane::cli::IsCaseBoundary(c)) << static_cast<unsigned>(c);
    }
}

}  // namespace
