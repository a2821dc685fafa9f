// Amount in words: an amount in figures becomes the capital-figure form used on
// Chinese cheques and invoices.
#pragma once

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

}  // namespace morvane
