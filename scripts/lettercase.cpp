#include "lettercase.hpp"

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utypes.h>

#include <algorithm>
#include <climits>
#include <new>
#include <utility>
#include <vector>

namespace morvane {
namespace {

using IcuCaseMap = int32_t (*)(UChar*, int32_t, const UChar*, int32_t, const char*, UErrorCode*);

// The root locale: ECMAScript's case mapping ignores the user's language, so
// Turkish dotless i and friends never come into play.
constexpr const char* kRootLocale = "";

constexpr bool IsAscii(char16_t c) {
    return c < 0x80;
}

template <typename Char>
constexpr Char AsciiUpper(Char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<Char>(c - 32) : c;
}
template <typename Char>
constexpr Char AsciiLower(Char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<Char>(c + 32) : c;
}

std::size_t AsciiPrefix(std::u16string_view text) {
    // Checked a block at a time: the common English text never leaves this loop.
    std::size_t i = 0;
    constexpr std::size_t kBlock = 16;
    for (; i + kBlock <= text.size(); i += kBlock) {
        char16_t bits = 0;
        for (std::size_t k = 0; k < kBlock; ++k) bits |= text[i + k];
        if (bits >= 0x80) break;
    }
    while (i < text.size() && IsAscii(text[i])) ++i;
    return i;
}

// Appends ICU's full case mapping of `text`, which may be longer than `text`
// (at most three code units for one).
void AppendIcu(std::u16string& out, std::u16string_view text, IcuCaseMap map) {
    // ICU counts in int32_t; a text beyond that is mapped in pieces that end
    // after white space, where no mapping depends on its neighbours.
    constexpr std::size_t kMaxPiece = INT32_MAX / 3;
    while (text.size() > kMaxPiece) {
        std::size_t cut = kMaxPiece;
        while (cut > 1 && !u_isUWhiteSpace(text[cut - 1])) --cut;
        if (cut <= 1) cut = kMaxPiece;
        AppendIcu(out, text.substr(0, cut), map);
        text.remove_prefix(cut);
    }
    const std::size_t start = out.size();
    // Text grows little if at all (a "ß" here and there); room for more is
    // made only when ICU asks for it, not three times the text on every call.
    auto run = [&](std::size_t capacity, UErrorCode& status) {
        out.resize(start + capacity);
        return map(reinterpret_cast<UChar*>(out.data() + start), static_cast<int32_t>(capacity),
                   reinterpret_cast<const UChar*>(text.data()), static_cast<int32_t>(text.size()),
                   kRootLocale, &status);
    };
    UErrorCode status = U_ZERO_ERROR;
    int32_t written = run(text.size() + text.size() / 4 + 16, status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        status = U_ZERO_ERROR;
        written = run(static_cast<std::size_t>(written), status);
    }
    if (status == U_MEMORY_ALLOCATION_ERROR) throw std::bad_alloc();
    // Any other failure would be ICU's own; keep the text rather than lose it.
    if (U_FAILURE(status)) {
        out.resize(start);
        out.append(text);
        return;
    }
    out.resize(start + static_cast<std::size_t>(written));
}

template <char16_t (*AsciiMap)(char16_t)>
std::u16string MapCase(std::u16string_view text, IcuCaseMap icu) {
    std::u16string out;
    std::size_t ascii = AsciiPrefix(text);
    if (ascii < text.size()) {
        // Final sigma also looks back past letters and case-ignorable marks
        // ("bΣ" is "bς"), so ICU is given the ASCII word before the first
        // non-ASCII unit too.
        while (ascii > 0 && (u_hasBinaryProperty(text[ascii - 1], UCHAR_CASED) ||
                             u_hasBinaryProperty(text[ascii - 1], UCHAR_CASE_IGNORABLE))) {
            --ascii;
        }
    }
    out.resize(ascii);
    std::transform(text.begin(), text.begin() + ascii, out.begin(), AsciiMap);
    if (ascii < text.size()) {
        // Mixed text goes to ICU whole from there on: final sigma looks at its
        // neighbours, so the text is not cut into runs.
        AppendIcu(out, text.substr(ascii), icu);
    }
    return out;
}

// The units whose full upper case may differ from their simple one, and so
// may be longer than one unit ("ß", "ŉ", "ǰ", Greek with iota subscript,
// ligatures). Every other unit upper-cases to exactly one unit; a test checks
// both against ICU for all 65536 units.
constexpr bool MayGrowInUpperCase(char16_t c) {
    return c == 0x00DF || c == 0x0149 || c == 0x01F0 || c == 0x0390 || c == 0x03B0 || c == 0x0587 ||
           (c >= 0x1E96 && c <= 0x1E9A) || (c >= 0x1F50 && c <= 0x1FFF) ||
           (c >= 0xFB00 && c <= 0xFB17);
}

char16_t SimpleUpper(char16_t c) {
    return static_cast<char16_t>(u_toupper(c));
}

}  // namespace

std::u16string toUpperCase(std::u16string_view text) {
    return MapCase<AsciiUpper<char16_t>>(text, u_strToUpper);
}

std::u16string toLowerCase(std::u16string_view text) {
    return MapCase<AsciiLower<char16_t>>(text, u_strToLower);
}

void toUpperCaseAscii(std::string_view text, char* out) noexcept {
    std::transform(text.begin(), text.end(), out, AsciiUpper<char>);
}

void toLowerCaseAscii(std::string_view text, char* out) noexcept {
    std::transform(text.begin(), text.end(), out, AsciiLower<char>);
}

std::u16string CapitalOf(char16_t unit) {
    if (IsAscii(unit)) return std::u16string(1, AsciiUpper(unit));
    if (!MayGrowInUpperCase(unit)) return std::u16string(1, SimpleUpper(unit));
    std::u16string capital;
    AppendIcu(capital, std::u16string_view(&unit, 1), u_strToUpper);
    return capital;
}

std::u16string FirstLetterCaser::Feed(std::u16string_view piece) {
    std::u16string text = toLowerCase(piece);
    const std::size_t n = text.size();
    if (n == 0) return text;

    // Capitals are set in place; the rare one longer than its unit ("ß"
    // becomes "SS") is noted and spliced in at the end.
    std::vector<std::pair<std::size_t, std::u16string>> longer;
    auto capitalize = [&](std::size_t i) {
        const char16_t c = text[i];
        if (IsAscii(c)) {
            text[i] = AsciiUpper(c);
        } else if (!MayGrowInUpperCase(c)) {
            text[i] = SimpleUpper(c);
        } else if (std::u16string capital = CapitalOf(c); capital.size() == 1) {
            text[i] = capital[0];
        } else {
            longer.emplace_back(i, std::move(capital));
        }
    };

    std::size_t from = 0;
    if (state_ != State::kInText) {
        capitalize(0);
        // A space at the very start of the text is no word break.
        if (state_ == State::kStart) from = 1;
    }
    state_ = State::kInText;
    for (;;) {
        const std::size_t space = text.find(u' ', from);
        if (space == std::u16string::npos) break;
        if (space + 1 == n) {
            state_ = State::kAfterSpace;
            break;
        }
        capitalize(space + 1);
        from = space + 1;
    }
    if (longer.empty()) return text;

    // The text grows in place from its end, each stretch moved once, so that
    // positions stay those of the lower-cased text.
    std::size_t grown = n;
    for (const auto& [at, capital] : longer) grown += capital.size() - 1;
    text.resize(grown);
    std::size_t write = grown;
    std::size_t read = n;
    for (auto it = longer.rbegin(); it != longer.rend(); ++it) {
        const auto& [at, capital] = *it;
        const std::size_t stretch = read - at - 1;
        write -= stretch;
        std::char_traits<char16_t>::move(&text[write], &text[at + 1], stretch);
        write -= capital.size();
        std::char_traits<char16_t>::copy(&text[write], capital.data(), capital.size());
        read = at;
    }
    return text;
}

void FirstLetterCaser::FeedAscii(std::string_view piece, char* out) noexcept {
    const std::size_t n = piece.size();
    if (n == 0) return;
    const char* in = piece.data();
    // One branch-free pass that the compiler vectorises: a unit after a space
    // takes its capital, every other unit its small letter.
    out[0] = AsciiLower(in[0]);
    for (std::size_t i = 1; i < n; ++i) {
        out[i] = in[i - 1] == ' ' ? AsciiUpper(in[i]) : AsciiLower(in[i]);
    }
    if (state_ != State::kInText) out[0] = AsciiUpper(in[0]);
    // A space at the very start of the text is no word break.
    if (state_ == State::kStart && n > 1 && in[0] == ' ') out[1] = AsciiLower(in[1]);
    const bool first_only = state_ == State::kStart && n == 1;
    state_ = (in[n - 1] == ' ' && !first_only) ? State::kAfterSpace : State::kInText;
}

std::u16string FirstLetterCase(std::u16string_view text) {
    FirstLetterCaser caser;
    return caser.Feed(text);
}

}  // namespace morvane
