#include "utf8.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using morvane::cli::DecodeUtf8;
using morvane::cli::EncodeUtf8;
using morvane::cli::IncompleteTail;
using morvane::cli::kNoError;

using namespace std::string_literals;

TEST(utf8, round_trip_at_every_length_boundary) {
    const std::u16string text =
        u"\u0000\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFF\U00010000\U0010FFFF"s;
    std::string bytes;
    EncodeUtf8(text, bytes);
    EXPECT_EQ(std::string("\0\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF"
                          "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF",
                          26),
              bytes);
    std::u16string back;
    EXPECT_EQ(kNoError, DecodeUtf8(bytes, back));
    EXPECT_EQ(text, back);
}

TEST(utf8, unpaired_surrogate_is_written_as_replacement) {
    std::string bytes;
    EncodeUtf8(
        u"a\xD800"
        u"b\xDC00",
        bytes);
    EXPECT_EQ(
        "a\xEF\xBF\xBD"
        "b\xEF\xBF\xBD",
        bytes);
}

struct Bad {
    const char* name;
    std::string bytes;
    std::size_t offset;  // of the first byte of no well-formed character
};

class IllFormed : public testing::TestWithParam<Bad> {};

TEST_P(IllFormed, is_found_at_its_first_byte) {
    std::u16string out;
    EXPECT_EQ(GetParam().offset, DecodeUtf8(GetParam().bytes, out));
    // What came before is decoded.
    std::u16string before;
    DecodeUtf8(GetParam().bytes.substr(0, GetParam().offset), before);
    EXPECT_EQ(before, out);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, IllFormed,
    testing::Values(Bad{"stray_continuation", "ab\x80", 2}, Bad{"overlong_two", "a\xC0\x80", 1},
                    Bad{"overlong_two_c1", "a\xC1\xBF", 1},
                    Bad{"overlong_three", "a\xE0\x9F\xBF", 1},
                    Bad{"overlong_four", "a\xF0\x8F\xBF\xBF", 1},
                    Bad{"surrogate", "\xE4\xB8\xAD\xED\xA0\x80", 3},
                    Bad{"above_max", "a\xF4\x90\x80\x80", 1}, Bad{"f5", "a\xF5\x80\x80\x80", 1},
                    Bad{"ff", "abcdefghij\xFF", 10}, Bad{"cut_short_by_ascii", "a\xE4\xB8z", 1},
                    Bad{"cut_short_by_end", "a\xF0\x9F\x98", 1},
                    Bad{"lead_after_lead", "\xC3\xC3\xA9", 0}),
    [](const auto& info) { return info.param.name; });

TEST(utf8, incomplete_tail_counts_only_characters_that_can_still_be_completed) {
    EXPECT_EQ(0u, IncompleteTail(""));
    EXPECT_EQ(0u, IncompleteTail("abc"));
    EXPECT_EQ(0u, IncompleteTail("\xC3\xA9"));
    EXPECT_EQ(1u, IncompleteTail("a\xC3"));
    EXPECT_EQ(2u, IncompleteTail("a\xE4\xB8"));
    EXPECT_EQ(3u, IncompleteTail("\xF0\x9F\x98"));
    EXPECT_EQ(0u, IncompleteTail("\xF0\x9F\x98\x80"));
    // Already ill-formed: nothing to wait for.
    EXPECT_EQ(0u, IncompleteTail("a\xE0\x80"));
    EXPECT_EQ(0u, IncompleteTail("a\xED\xA0"));
    EXPECT_EQ(0u, IncompleteTail("\x80\x80\x80"));
}

}  // namespace
