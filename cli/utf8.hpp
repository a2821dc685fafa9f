// UTF-8 at the edges of morvane-convert: the conversions work on UTF-16, the
// command line reads and writes UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvane::cli {

inline constexpr std::size_t kNoError = std::string_view::npos;

// True when every byte is below 0x80.
bool IsAscii(std::string_view bytes) noexcept;

// Appends the UTF-16 form of `bytes` to `out`. Returns the offset of the first
// byte that does not belong to a well-formed character (a stray continuation
// byte, an overlong form, a surrogate, a value above U+10FFFF, or a character
// cut short, also by the end of `bytes`), or kNoError. On error `out` holds the
// characters before that byte.
std::size_t DecodeUtf8(std::string_view bytes, std::u16string& out);

// Appends the UTF-8 form of `text` to `out`. An unpaired surrogate, which no
// conversion of well-formed input produces, is written as U+FFFD.
void EncodeUtf8(std::u16string_view text, std::string& out);

// The number of bytes at the end of `bytes` that begin a character which is
// well-formed so far but needs more bytes: 0 to 3.
std::size_t IncompleteTail(std::string_view bytes) noexcept;

// Decodes the one character that ends right at `end`, reading back at most
// four bytes. Returns its code point and sets `start`, or returns -1 when the
// bytes before `end` do not end with a whole, well-formed character.
char32_t DecodeCharEndingAt(std::string_view bytes, std::size_t end, std::size_t& start) noexcept;

}  // namespace morvane::cli
