#include "options.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using morvane::cli::Mode;
using morvane::cli::Options;
using Action = Options::Action;

struct ArgsRow {
    const char* name;
    std::vector<const char*> args;
    Action action;
    Mode mode = Mode::kAmount;
    bool null_records = false;
    std::vector<std::string> texts = {};
    const char* error = "";  // part of the reason
};

class Arguments : public testing::TestWithParam<ArgsRow> {};

TEST_P(Arguments, parse) {
    const ArgsRow& row = GetParam();
    const Options options = morvane::cli::ParseArguments(row.args);
    EXPECT_EQ(row.action, options.action);
    EXPECT_NE(std::string::npos, options.error.find(row.error)) << options.error;
    if (row.action != Action::kConvert) return;
    EXPECT_EQ(row.mode, options.mode);
    EXPECT_EQ(row.null_records, options.null_records);
    EXPECT_EQ(row.texts, std::vector<std::string>(options.texts.begin(), options.texts.end()));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Arguments,
    testing::Values(
        ArgsRow{"amount_from_input", {"amount"}, Action::kConvert},
        ArgsRow{"each_mode_upper", {"upper", "x"}, Action::kConvert, Mode::kUpper, false, {"x"}},
        ArgsRow{"each_mode_lower", {"lower"}, Action::kConvert, Mode::kLower},
        ArgsRow{"each_mode_capitalize", {"capitalize"}, Action::kConvert, Mode::kCapitalize},
        ArgsRow{"short_null", {"-0", "amount"}, Action::kConvert, Mode::kAmount, true},
        ArgsRow{"long_null", {"--null", "upper"}, Action::kConvert, Mode::kUpper, true},
        ArgsRow{
            "end_of_options", {"--", "amount", "1"}, Action::kConvert, Mode::kAmount, false, {"1"}},
        // After MODE everything is TEXT.
        ArgsRow{"text_like_option",
                {"amount", "-5", "--help", "-0"},
                Action::kConvert,
                Mode::kAmount,
                false,
                {"-5", "--help", "-0"}},
        ArgsRow{"empty_text", {"upper", ""}, Action::kConvert, Mode::kUpper, false, {""}},
        ArgsRow{"short_help", {"-h"}, Action::kHelp},
        ArgsRow{"help_before_mode", {"-0", "--help", "amount"}, Action::kHelp},
        ArgsRow{"short_version", {"-V"}, Action::kVersion},
        ArgsRow{"long_version", {"--version", "bogus"}, Action::kVersion},
        ArgsRow{"nothing", {}, Action::kUsageError, Mode::kAmount, false, {}, "no MODE given"},
        ArgsRow{"only_options", {"-0"}, Action::kUsageError, Mode::kAmount, false, {}, "--help"},
        ArgsRow{"unknown_mode",
                {"Upper"},
                Action::kUsageError,
                Mode::kAmount,
                false,
                {},
                "unknown mode 'Upper'"},
        ArgsRow{"unknown_option",
                {"-x", "amount"},
                Action::kUsageError,
                Mode::kAmount,
                false,
                {},
                "unknown option '-x'"},
        ArgsRow{"option_bundle",
                {"-0h", "amount"},
                Action::kUsageError,
                Mode::kAmount,
                false,
                {},
                "unknown option '-0h'"},
        ArgsRow{"lone_dash_is_no_mode",
                {"-"},
                Action::kUsageError,
                Mode::kAmount,
                false,
                {},
                "unknown mode '-'"}),
    [](const auto& info) { return info.param.name; });

TEST(help, names_every_mode_and_option) {
    const std::string_view help = morvane::cli::HelpText();
    EXPECT_EQ(0u, help.find("Usage: morvane-convert [OPTION...] MODE [TEXT...]\n"));
    for (const char* word : {"  amount ", "  upper ", "  lower ", "  capitalize ", "-0, --null",
                             "-h, --help", "-V, --version", "Exit status:"}) {
        EXPECT_NE(std::string_view::npos, help.find(word)) << word;
    }
}

}  // namespace
