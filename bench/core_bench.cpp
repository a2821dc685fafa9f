// Throughput of the conversions, one core.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "amount.hpp"
#include "lettercase.hpp"

namespace {

// The worked examples a user meets: typical amounts, groupings and refusals.
constexpr std::array<std::u16string_view, 24> kAmounts = {u"6543219870.12",
                                                          u"0",
                                                          u"0.05",
                                                          u"1.05",
                                                          u"10",
                                                          u"101",
                                                          u"1010",
                                                          u"10203",
                                                          u"100020003",
                                                          u"1000010000",
                                                          u"20000000000",
                                                          u"1,234.5",
                                                          u"1,234,567.89",
                                                          u"12,34",
                                                          u"1.234,567",
                                                          u"12.345",
                                                          u"0.999",
                                                          u"99999999999.99",
                                                          u"99999999999.991",
                                                          u"100000000000",
                                                          u"",
                                                          u"abc",
                                                          u"1..2",
                                                          u" 12"};

void BM_ToTrans(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(morvane::ToTrans(kAmounts[i]));
        i = (i + 1) % kAmounts.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ToTrans);

std::u16string Repeat(std::u16string_view unit, std::size_t bytes) {
    std::u16string text;
    while (text.size() * 2 < bytes) text += unit;
    return text;
}

const std::u16string kAscii = Repeat(
    u"The quick brown fox jumps over the lazy dog. Pack MY box with 5 dozen jugs!\n", 1 << 22);
// Latin with accents, Greek, Cyrillic, Chinese and ASCII words in one text.
const std::u16string kMixed = Repeat(
    u"Ärger über Straßen; Σίσυφος ΟΔΟΣ; Москва и Киев; 中文 文本 abc DEF; "
    u"École ﬁne ÇA VA\n",
    1 << 22);

void BM_Case(benchmark::State& state, std::u16string (*convert)(std::u16string_view),
             const std::u16string* text) {
    for (auto _ : state) benchmark::DoNotOptimize(convert(*text));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text->size() * 2));
}

BENCHMARK_CAPTURE(BM_Case, upper_ascii, &morvane::toUpperCase, &kAscii);
BENCHMARK_CAPTURE(BM_Case, lower_ascii, &morvane::toLowerCase, &kAscii);
BENCHMARK_CAPTURE(BM_Case, capitalize_ascii, &morvane::FirstLetterCase, &kAscii);
BENCHMARK_CAPTURE(BM_Case, upper_mixed, &morvane::toUpperCase, &kMixed);
BENCHMARK_CAPTURE(BM_Case, lower_mixed, &morvane::toLowerCase, &kMixed);
BENCHMARK_CAPTURE(BM_Case, capitalize_mixed, &morvane::FirstLetterCase, &kMixed);

}  // namespace
