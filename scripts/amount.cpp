#include "amount.hpp"

#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

namespace morvane {
namespace {

constexpr std::array<char16_t, 10> kDigitWords = {u'零', u'壹', u'贰', u'叁', u'肆',
                                                  u'伍', u'陆', u'柒', u'捌', u'玖'};
// Place within a group of four; place 0 writes nothing.
constexpr std::array<char16_t, 4> kPlaceWords = {0, u'拾', u'佰', u'仟'};
// Group of four digits counted from the right; group 0 writes nothing.
constexpr std::array<char16_t, 3> kGroupWords = {0, u'万', u'亿'};
constexpr std::array<char16_t, 2> kDecimalWords = {u'角', u'分'};
constexpr char16_t kYuan = u'元';
constexpr char16_t kWhole = u'整';

// The largest amount that can be written, 9.999999999999E10. Everything above
// it is refused, compared as doubles so that every decimal given counts.
constexpr double kLimit = 9.999999999999E10;

constexpr bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The accepted shapes as a small nondeterministic automaton, run with all of
// its live states at once so that long input costs linear time and no stack:
//   A: d{1,3} (,ddd)* ( X (ddd,)* d{1,3} )?
//   B: d+ ( X d+ )?
// where X is any one of the three allowed characters (digit, comma, full stop).
enum State : unsigned {
    kStart,
    // A: one to three leading digits,
    kHead1,
    kHead2,
    kHead3,
    // then ",ddd" blocks,
    kGroup0,
    kGroup1,
    kGroup2,
    kGroup3,
    // then, after X, "ddd," blocks and one to three digits.
    kTail0,
    kTail1,
    kTail2,
    kTail3,
    // B: digits, X, digits.
    kRun,
    kRunSep,
    kRun2,
};

constexpr std::uint32_t Bit(unsigned s) {
    return 1u << s;
}

constexpr std::uint32_t kAccepting = Bit(kHead1) | Bit(kHead2) | Bit(kHead3) | Bit(kGroup3) |
                                     Bit(kTail1) | Bit(kTail2) | Bit(kTail3) | Bit(kRun) |
                                     Bit(kRun2);
// States after which the head of shape A is complete, so X or ",ddd" may follow.
constexpr std::uint32_t kHeadDone = Bit(kHead1) | Bit(kHead2) | Bit(kHead3) | Bit(kGroup3);

std::uint32_t Step(std::uint32_t live, char16_t c) noexcept {
    std::uint32_t next = 0;
    if (live & kHeadDone) next |= Bit(kTail0);  // X matches any allowed character
    if (live & Bit(kRun)) next |= Bit(kRunSep);
    if (IsDigit(c)) {
        if (live & Bit(kStart)) next |= Bit(kHead1) | Bit(kRun);
        if (live & Bit(kHead1)) next |= Bit(kHead2);
        if (live & Bit(kHead2)) next |= Bit(kHead3);
        if (live & Bit(kGroup0)) next |= Bit(kGroup1);
        if (live & Bit(kGroup1)) next |= Bit(kGroup2);
        if (live & Bit(kGroup2)) next |= Bit(kGroup3);
        if (live & Bit(kTail0)) next |= Bit(kTail1);
        if (live & Bit(kTail1)) next |= Bit(kTail2);
        if (live & Bit(kTail2)) next |= Bit(kTail3);
        if (live & Bit(kRun)) next |= Bit(kRun);
        if (live & (Bit(kRunSep) | Bit(kRun2))) next |= Bit(kRun2);
    } else if (c == u',') {
        if (live & kHeadDone) next |= Bit(kGroup0);
        if (live & Bit(kTail3)) next |= Bit(kTail0);
    } else if (c != u'.') {
        return 0;
    }
    return next;
}

void AppendIntegerWords(std::u16string& out, std::string_view digits) {
    const std::size_t length = digits.size();
    unsigned zeros = 0;  // zeros in a row; one 零 stands for the whole run
    for (std::size_t d = 0; d < length; ++d) {
        const std::size_t p = length - d - 1;
        const unsigned digit = static_cast<unsigned>(digits[d] - '0');
        const std::size_t place = p % 4;
        if (digit == 0) {
            ++zeros;
        } else {
            if (zeros > 0) out += kDigitWords[0];
            zeros = 0;
            out += kDigitWords[digit];
            if (place != 0) out += kPlaceWords[place];
        }
        // A group word is written once its group holds a non-zero digit.
        if (place == 0 && zeros < 4 && p / 4 != 0) out += kGroupWords[p / 4];
    }
    out += kYuan;
}

}  // namespace

static_assert(Bit(kStart) == 1, "AmountReader starts its automaton as 1");

bool IsAmountShape(std::u16string_view text) noexcept {
    std::uint32_t live = Bit(kStart);
    for (char16_t c : text) {
        live = Step(live, c);
        if (live == 0) return false;
    }
    return (live & kAccepting) != 0;
}

std::u16string ToTrans(std::u16string_view text) {
    if (text.empty()) return std::u16string(kAmountEmptyMessage);
    if (!IsAmountShape(text)) return std::u16string(kAmountMalformedMessage);

    // Commas only group digits; leading zeros carry no value. What is left is
    // plain ASCII: digits and at most one full stop with a digit on each side.
    std::string number;
    number.reserve(text.size());
    for (char16_t c : text) {
        if (c == u',') continue;
        if (c == u'0' && number.empty()) continue;
        number += static_cast<char>(c);
    }

    const std::size_t stop = number.find('.');
    const std::string_view integer = std::string_view(number).substr(0, stop);

    // Fewer than eleven integer digits stay below the limit and more than eleven
    // exceed it whatever the decimals; only eleven needs the exact reading.
    if (integer.size() > 11) return std::u16string(kAmountTooLargeMessage);
    if (integer.size() == 11) {
        double value = 0;
        const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                               std::chars_format::fixed);
        if (ec == std::errc::result_out_of_range || value > kLimit) {
            return std::u16string(kAmountTooLargeMessage);
        }
    }

    std::string_view decimals;
    if (stop != std::string::npos) decimals = std::string_view(number).substr(stop + 1, 2);

    std::u16string out;
    out.reserve(2 * integer.size() + 8);
    if (!integer.empty()) AppendIntegerWords(out, integer);
    for (std::size_t d = 0; d < decimals.size(); ++d) {
        const unsigned digit = static_cast<unsigned>(decimals[d] - '0');
        if (digit == 0) continue;  // a zero decimal writes nothing, not even 零
        out += kDigitWords[digit];
        out += kDecimalWords[d];
    }
    if (out.empty()) {
        out += kDigitWords[0];
        out += kYuan;
    }
    if (decimals.size() < 2) out += kWhole;
    return out;
}

void AmountReader::Feed(std::string_view piece) noexcept {
    if (!piece.empty()) empty_ = false;
    for (const char byte : piece) {
        if (live_ == 0) return;  // refused for good
        const auto c = static_cast<unsigned char>(byte);
        live_ = Step(live_, c < 0x80 ? static_cast<char16_t>(c) : u'\uFFFF');
        // The number as ToTrans reads it: no commas, no leading zeros.
        if (c == ',' || (c == '0' && leading_)) continue;
        leading_ = false;
        if (c == '.') {
            stop_ = true;
        } else if (!stop_) {
            if (integer_.size() < kIntegerDigits) integer_ += byte;
        } else if (decimals_.size() < kDecimalDigits) {
            decimals_ += byte;
        } else if (c != '0') {
            sticky_ = true;
        }
    }
}

std::u16string AmountReader::Answer() const {
    if (empty_) return std::u16string(kAmountEmptyMessage);
    if ((live_ & kAccepting) == 0) return std::u16string(kAmountMalformedMessage);
    // A short text with the same answer: the same integer part as far as it
    // matters, the same decimals as far as they matter, and one non-zero digit
    // standing for any that were dropped, so that it reads as the same double.
    std::u16string text(integer_.begin(), integer_.end());
    if (text.empty()) text = u"0";
    if (stop_) {
        text += u'.';
        text.append(decimals_.begin(), decimals_.end());
        if (sticky_) text += u'1';
    }
    return ToTrans(text);
}

}  // namespace morvane
