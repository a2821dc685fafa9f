// Amount in words: an amount in figures becomes the capital-figure form used on
// Chinese cheques and invoices.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

// The three answers for input that is not a usable amount.
inline constexpr std::u16string_view kAmountEmptyMessage = u"转换内容不能为空!";
inline constexpr std::u16string_view kAmountMalformedMessage = u"输入有误,请输入小数点和纯数字!";
inline constexpr std::u16string_view kAmountTooLargeMessage =
    u"对不起,你输入的数字太大了!最大数字为99999999999.99！";

// True when `text` has one of the two accepted amount shapes: digits grouped in
// threes by commas with an optional tail, or two runs of digits joined by one
// separator. Any other character fails. Linear time, constant space.
bool IsAmountShape(std::u16string_view text) noexcept;

// Turns an amount written in figures into words (壹仟贰佰元整 ...), or returns one
// of the three messages above. Never throws except std::bad_alloc.
std::u16string ToTrans(std::u16string_view text);

// ToTrans for a text that arrives in pieces, in bounded memory however long the
// text is: feeding the pieces of a text in order and then asking for the answer
// gives exactly ToTrans of the whole text. Pieces are bytes; a byte from 0x80
// up stands for a character outside the amount alphabet, as every non-ASCII
// character is.
class AmountReader {
public:
    void Feed(std::string_view piece) noexcept;
    std::u16string Answer() const;
    // Starts a new text.
    void Reset() noexcept { *this = AmountReader(); }

private:
    // Integer digits beyond eleven are too large whatever they are, and no
    // decimal digit past the 32nd can change which double the text reads as
    // near the limit, only whether a non-zero one follows.
    static constexpr std::size_t kIntegerDigits = 12;
    static constexpr std::size_t kDecimalDigits = 32;

    bool empty_ = true;
    std::uint32_t live_ = 1;  // the shape automaton, at its start
    bool leading_ = true;     // still inside the leading zeros
    bool stop_ = false;       // the full stop was seen
    std::string integer_;
    std::string decimals_;
    bool sticky_ = false;  // a non-zero decimal beyond those kept
};

}  // namespace morvane
