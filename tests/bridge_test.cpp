#include "bridge.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using morvane::AmountScript;
using morvane::CaseScript;
using morvane::RunScriptFunction;

TEST(bridge, runs_each_named_function) {
    EXPECT_EQ(u"壹元伍分", RunScriptFunction(AmountScript, "ToTrans", u"1.05"));
    EXPECT_EQ(u"ABC", RunScriptFunction(CaseScript, "toUpperCase", u"aBc"));
    EXPECT_EQ(u"abc", RunScriptFunction(CaseScript, "toLowerCase", u"aBc"));
    EXPECT_EQ(u"Ab Cd", RunScriptFunction(CaseScript, "FirstLetterCase", u"aB cD"));
}

struct Unknown {
    const morvane::Script* script;
    const char* name;
};

void PrintTo(const Unknown& u, std::ostream* os) {
    *os << (u.script == &AmountScript ? "AmountScript" : "CaseScript") << " \"" << u.name << '"';
}

class UnknownName : public testing::TestWithParam<Unknown> {};

TEST_P(UnknownName, gives_empty_text) {
    EXPECT_EQ(u"", RunScriptFunction(*GetParam().script, GetParam().name, u"hello 1"));
}

// Names are exact and case-sensitive, and each script knows only its own.
INSTANTIATE_TEST_SUITE_P(
    Names, UnknownName,
    testing::Values(Unknown{&AmountScript, ""}, Unknown{&AmountScript, "totrans"},
                    Unknown{&AmountScript, "ToTrans "}, Unknown{&AmountScript, "toUpperCase"},
                    Unknown{&CaseScript, ""}, Unknown{&CaseScript, "ToUpperCase"},
                    Unknown{&CaseScript, "firstLetterCase"}, Unknown{&CaseScript, "ToTrans"}));

TEST(bridge, empty_text_reaches_the_function) {
    EXPECT_EQ(u"转换内容不能为空!", RunScriptFunction(AmountScript, "ToTrans", u""));
    EXPECT_EQ(u"", RunScriptFunction(CaseScript, "toUpperCase", u""));
    EXPECT_EQ(u"", RunScriptFunction(CaseScript, "FirstLetterCase", u""));
}

TEST(bridge, text_stays_whole_and_unchanged) {
    // Characters no legacy code page holds, and an embedded U+0000, come back intact.
    const std::u16string text(u"a\0b \U0001F600 ς ж", 10);
    const std::u16string before = text;
    EXPECT_EQ(std::u16string(u"A\0B \U0001F600 Σ Ж", 10),
              RunScriptFunction(CaseScript, "toUpperCase", text));
    EXPECT_EQ(before, text);
}

TEST(bridge, calls_keep_nothing) {
    const std::u16string first = RunScriptFunction(CaseScript, "FirstLetterCase", u"x y");
    EXPECT_EQ(first, RunScriptFunction(CaseScript, "FirstLetterCase", u"x y"));
}

}  // namespace
