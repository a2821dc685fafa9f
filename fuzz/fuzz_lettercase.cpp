// The case conversions never crash, agree with ICU's own mapping of the whole
// text (so the ASCII shortcut changes nothing), and FirstLetterCase gives the
// same answer however the text is cut after white space.
#include <unicode/ustring.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "lettercase.hpp"

namespace {

using IcuCaseMap = int32_t (*)(UChar*, int32_t, const UChar*, int32_t, const char*, UErrorCode*);

std::u16string Icu(const std::u16string& text, IcuCaseMap map) {
    std::u16string out(text.size() * 3 + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = map(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
                          reinterpret_cast<const UChar*>(text.data()),
                          static_cast<int32_t>(text.size()), "", &status);
    if (U_FAILURE(status)) std::abort();
    out.resize(static_cast<std::size_t>(n));
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Mostly ASCII letters and spaces, with any UTF-16 unit now and then.
    std::u16string text;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] >= 0xE0 && i + 2 < size) {
            text += static_cast<char16_t>(data[i + 1] | data[i + 2] << 8);
            i += 2;
        } else {
            text += static_cast<char16_t>(data[i] & 0x7F);
        }
    }

    if (morvane::toUpperCase(text) != Icu(text, u_strToUpper)) std::abort();
    const std::u16string lower = morvane::toLowerCase(text);
    if (lower != Icu(text, u_strToLower)) std::abort();

    const std::u16string whole = morvane::FirstLetterCase(text);
    morvane::FirstLetterCaser caser;
    std::u16string pieces;
    std::size_t from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u' ' || text[i] == u'\n') {
            pieces += caser.Feed(std::u16string_view(text).substr(from, i + 1 - from));
            from = i + 1;
        }
    }
    pieces += caser.Feed(std::u16string_view(text).substr(from));
    if (pieces != whole) std::abort();
    // Where every capital is one unit long, only capitals differ from lower
    // case, and each is ICU's upper case of its unit alone.
    if (whole.size() == lower.size()) {
        for (std::size_t i = 0; i < lower.size(); ++i) {
            const bool capital = i == 0 || (i >= 2 && lower[i - 1] == u' ');
            const std::u16string expected =
                capital ? Icu(std::u16string(1, lower[i]), u_strToUpper) : lower.substr(i, 1);
            if (expected.size() == 1 && whole[i] != expected[0]) std::abort();
        }
    }
    return 0;
}
