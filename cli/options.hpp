// The command line of morvane-convert: [OPTION...] MODE [TEXT...].
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert.hpp"

namespace morvane::cli {

struct Options {
    enum class Action { kConvert, kHelp, kVersion, kUsageError };
    Action action = Action::kUsageError;
    Mode mode = Mode::kAmount;
    bool null_records = false;
    // Given after MODE; none means standard input.
    std::vector<std::string_view> texts;
    // For kUsageError: the one-line reason.
    std::string error;
};

// `args` leaves out the program name. Options stand only before MODE, so
// everything after MODE is TEXT, "-5" included.
Options ParseArguments(std::span<const char* const> args);

// What --help prints.
std::string_view HelpText();

}  // namespace morvane::cli
