// ToTrans answers every text with a result or one of its three messages, its
// shape test agrees with an ECMAScript regular-expression engine, and the
// reader that takes a text in pieces gives the same answer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>

#include "amount.hpp"

namespace {

bool IsWord(char16_t c) {
    constexpr std::u16string_view kWords = u"零壹贰叁肆伍陆柒捌玖拾佰仟万亿元角分整";
    return kWords.find(c) != std::u16string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The bytes become UTF-16 code units; odd bytes narrow toward the amount
    // alphabet so that valid shapes turn up often.
    std::u16string text;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        if ((b >= '0' && b <= '9') || b == ',' || b == '.' || b == '\n' || b == ' ') {
            text += static_cast<char16_t>(b);
        } else if (b < 0xF0) {
            constexpr char kAlphabet[] = "0123456789,.";
            text += static_cast<char16_t>(kAlphabet[b % 12]);
        } else if (i + 2 < size) {
            text += static_cast<char16_t>(data[i + 1] | data[i + 2] << 8);
            i += 2;
        }
    }

    const std::u16string answer = morvane::ToTrans(text);
    const bool message = answer == morvane::kAmountEmptyMessage ||
                         answer == morvane::kAmountMalformedMessage ||
                         answer == morvane::kAmountTooLargeMessage;
    if (!message) {
        if (answer.empty()) std::abort();
        for (char16_t c : answer) {
            if (!IsWord(c)) std::abort();
        }
    }

    // Read in pieces, the same text gets the same answer. A non-ASCII
    // character reaches the reader as a byte from 0x80 up.
    std::string bytes;
    for (char16_t c : text) bytes += c < 0x80 ? static_cast<char>(c) : '\xFF';
    const std::size_t piece = size > 0 ? 1 + data[0] % 16 : 1;
    morvane::AmountReader reader;
    for (std::size_t i = 0; i < bytes.size(); i += piece) {
        reader.Feed(std::string_view(bytes).substr(i, piece));
    }
    if (reader.Answer() != answer) std::abort();

    if (text.size() <= 40) {
        static const std::regex pattern(
            R"(^((\d{1,3}(,\d{3})*(.((\d{3},)*\d{1,3}))?)|(\d+(.\d+)?))$)", std::regex::ECMAScript);
        // Compared on the texts that pass the character test, which runs first.
        std::string narrow;
        for (char16_t c : text) {
            if (c >= 0x80) return 0;
            narrow += static_cast<char>(c);
        }
        if (narrow.find_first_not_of("0123456789,.") == std::string::npos &&
            std::regex_match(narrow, pattern) != morvane::IsAmountShape(text)) {
            std::abort();
        }
    }
    return 0;
}
