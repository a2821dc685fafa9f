// morvane-convert's streaming: however the input is split into reads, the
// answers, the failure and the status are those of one read of everything;
// and where no window had to be cut blindly, the answers are exactly those of
// the conversions run on each whole record.
//
// Byte 0 chooses the mode (bits 0-1), NUL records (bit 2), the window or the
// amount limit (bits 3-4) and whether amounts get a small limit (bit 5);
// byte 1 seeds the read sizes; the rest is the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "amount.hpp"
#include "convert.hpp"
#include "lettercase.hpp"
#include "utf8.hpp"

namespace {

using morvane::cli::Converter;
using morvane::cli::Failure;
using morvane::cli::Mode;
using morvane::cli::Settings;

struct Outcome {
    std::string output;
    Failure failure;
    bool message = false;
    std::uint64_t forced_cuts = 0;
};

Outcome Convert(const Settings& settings, std::string_view input, std::uint32_t seed) {
    morvane::cli::StringSink sink;
    const auto converter = Converter::Create(settings, sink);
    bool running = true;
    while (running && !input.empty()) {
        std::size_t size = input.size();
        if (seed != 0) {
            seed ^= seed << 13;
            seed ^= seed >> 17;
            seed ^= seed << 5;
            size = 1 + seed % 23;
        }
        const std::string_view piece = input.substr(0, size);
        input.remove_prefix(piece.size());
        running = converter->Feed(piece);
    }
    if (running) converter->Finish();
    return {sink.text, converter->failure(), converter->answered_with_message(),
            converter->forced_cuts()};
}

std::u16string MapCase(Mode mode, std::u16string_view text) {
    switch (mode) {
        case Mode::kUpper:
            return morvane::toUpperCase(text);
        case Mode::kLower:
            return morvane::toLowerCase(text);
        default:
            return morvane::FirstLetterCase(text);
    }
}

// The answers of whole records, written the simple way.
Outcome Reference(const Settings& settings, std::string_view input) {
    Outcome expected;
    const char end = settings.null_records ? '\0' : '\n';
    std::size_t at = 0;
    if (settings.mode == Mode::kAmount) {
        std::u16string scratch;
        while (at < input.size()) {
            std::size_t stop = input.find(end, at);
            const bool terminated = stop != std::string_view::npos;
            if (!terminated) stop = input.size();
            std::string_view record = input.substr(at, stop - at);
            if (!settings.null_records && terminated && !record.empty() && record.back() == '\r') {
                record.remove_suffix(1);
            }
            expected.message |= morvane::cli::AppendAmountAnswer(record, scratch, expected.output);
            expected.output += end;
            at = stop + 1;
        }
        return expected;
    }
    // Without NUL records the input is one text, even an empty one.
    while (!settings.null_records || at < input.size()) {
        std::size_t stop = settings.null_records ? input.find('\0', at) : std::string_view::npos;
        if (stop == std::string_view::npos) stop = input.size();
        std::u16string text;
        const std::size_t bad = morvane::cli::DecodeUtf8(input.substr(at, stop - at), text);
        morvane::cli::EncodeUtf8(MapCase(settings.mode, text), expected.output);
        if (bad != morvane::cli::kNoError) {
            expected.failure = {Failure::Kind::kInvalidUtf8, at + bad};
            return expected;
        }
        if (!settings.null_records) break;
        expected.output += '\0';
        at = stop + 1;
    }
    return expected;
}

bool Same(const Outcome& a, const Outcome& b) {
    return a.output == b.output && a.failure.kind == b.failure.kind &&
           a.failure.offset == b.failure.offset && a.message == b.message;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const unsigned choice = data[0];
    const auto seed = static_cast<std::uint32_t>(data[1]) * 2654435761u | 1u;
    const std::string_view input(reinterpret_cast<const char*>(data) + 2, size - 2);

    Settings settings;
    settings.mode = static_cast<Mode>(choice & 3);
    settings.null_records = (choice & 4) != 0;
    const std::size_t scale = (choice >> 3) & 3;
    settings.window = std::size_t{8} << scale;
    const bool small_limit = (choice & 32) != 0;
    if (small_limit) settings.amount_limit = 4 + 8 * scale;

    const Outcome whole = Convert(settings, input, 0);
    const Outcome split = Convert(settings, input, seed);
    if (!Same(whole, split) || whole.forced_cuts != split.forced_cuts) std::abort();

    // Amount records over the small limit are read in pieces, and must still
    // get the answers of whole records.
    const bool exact = settings.mode == Mode::kAmount || whole.forced_cuts == 0;
    if (exact && !Same(whole, Reference(settings, input))) std::abort();
    return 0;
}
