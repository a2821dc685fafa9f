// The one way the program runs a conversion: a named function of a script on
// one text.
#pragma once

#include <string>
#include <string_view>

#include "script.hpp"

namespace morvane {

// The answer of `functionName` in `script` for `text`. An unknown or empty name,
// or any failure while converting, gives an empty text: nothing is thrown and
// nothing is reported, so a caller cannot tell failure from an empty answer.
// Text stays UTF-16 throughout, embedded U+0000 included.
std::u16string RunScriptFunction(const Script& script, std::string_view functionName,
                                 std::u16string_view text) noexcept;

}  // namespace morvane
