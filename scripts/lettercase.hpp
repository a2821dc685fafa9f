// Letter case of English (and any other) text, with the locale-independent
// Unicode case mappings: "ß" upper-cases to "SS", a final sigma lower-cases to
// "ς", and characters without case are left alone. Positions count UTF-16 code
// units.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

std::u16string toUpperCase(std::u16string_view text);
std::u16string toLowerCase(std::u16string_view text);

// The same for pure ASCII held as bytes, which needs no UTF-16: `out`
// receives text.size() bytes.
void toUpperCaseAscii(std::string_view text, char* out) noexcept;
void toLowerCaseAscii(std::string_view text, char* out) noexcept;

// Lower case, with a capital at the start of the text and after every space
// (U+0020 only) that is not the first character. Each capital is the full
// upper-case form of one UTF-16 code unit.
std::u16string FirstLetterCase(std::u16string_view text);

// The capital FirstLetterCase gives one UTF-16 code unit: its full upper-case
// form, which may be longer ("ß" gives "SS"); a lone surrogate stays as it is.
std::u16string CapitalOf(char16_t unit);

// FirstLetterCase for text that arrives in pieces. Feeding the pieces of a text
// in order gives exactly FirstLetterCase of the whole text, provided each piece
// ends right after a character that is neither cased nor case-ignorable (white
// space, digits, most punctuation, Chinese characters) or at the end of the
// text, so that no case mapping looks across a piece boundary.
class FirstLetterCaser {
public:
    std::u16string Feed(std::u16string_view piece);
    // The same for a piece of pure ASCII held as bytes, which needs no UTF-16:
    // `out` receives piece.size() bytes. Both kinds of piece mix in one text.
    void FeedAscii(std::string_view piece, char* out) noexcept;
    // Starts a new text.
    void Reset() noexcept { state_ = State::kStart; }

private:
    enum class State { kStart, kInText, kAfterSpace };
    State state_ = State::kStart;
};

}  // namespace morvane
