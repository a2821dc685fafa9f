// morvane-convert from its arguments to its exit status, on file descriptors,
// so that it can be run whole inside a test.
#pragma once

#include <span>

namespace morvane::cli {

// Exit statuses.
inline constexpr int kExitConverted = 0;
inline constexpr int kExitMessage = 1;
inline constexpr int kExitError = 2;

// Reads `input` when no TEXT is given, writes answers to `output` and reasons
// to `error`. `args` leaves out the program name. A closed `output` (EPIPE)
// ends the run quietly; the caller ignores SIGPIPE.
int Run(std::span<const char* const> args, int input, int output, int error);

}  // namespace morvane::cli
