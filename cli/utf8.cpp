#include "utf8.hpp"

#include <cstdint>
#include <cstring>

namespace morvane::cli {
namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

constexpr bool IsContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// The length of the character that `lead` begins, 0 for a byte that begins
// none (a continuation byte, C0, C1, F5 to FF).
constexpr std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xC2) return 0;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    if (lead < 0xF5) return 4;
    return 0;
}

// The allowed range of the byte after `lead`; it rules out overlong forms,
// surrogates and values above U+10FFFF. Later bytes are any continuation byte.
constexpr bool SecondByteFits(unsigned char lead, unsigned char second) {
    switch (lead) {
        case 0xE0:
            return second >= 0xA0 && second <= 0xBF;
        case 0xED:
            return second >= 0x80 && second <= 0x9F;
        case 0xF0:
            return second >= 0x90 && second <= 0xBF;
        case 0xF4:
            return second >= 0x80 && second <= 0x8F;
        default:
            return IsContinuation(second);
    }
}

// The length of the well-formed character at the start of `s`, or 0.
std::size_t WellFormedLength(const unsigned char* s, std::size_t available) {
    const std::size_t length = SequenceLength(s[0]);
    if (length == 0 || length > available) return 0;
    if (length == 1) return 1;
    if (!SecondByteFits(s[0], s[1])) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (!IsContinuation(s[k])) return 0;
    }
    return length;
}

char32_t CodePoint(const unsigned char* s, std::size_t length) {
    switch (length) {
        case 1:
            return s[0];
        case 2:
            return (char32_t{s[0]} & 0x1F) << 6 | (s[1] & 0x3F);
        case 3:
            return (char32_t{s[0]} & 0x0F) << 12 | (char32_t{s[1]} & 0x3F) << 6 | (s[2] & 0x3F);
        default:
            return (char32_t{s[0]} & 0x07) << 18 | (char32_t{s[1]} & 0x3F) << 12 |
                   (char32_t{s[2]} & 0x3F) << 6 | (s[3] & 0x3F);
    }
}

}  // namespace

bool IsAscii(std::string_view bytes) noexcept {
    const char* p = bytes.data();
    std::size_t n = bytes.size();
    std::uint64_t bits = 0;
    for (; n >= 32; p += 32, n -= 32) {
        std::uint64_t w[4];
        std::memcpy(w, p, sizeof w);
        if ((w[0] | w[1] | w[2] | w[3]) & kHighBits) return false;
    }
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t w;
        std::memcpy(&w, p, sizeof w);
        bits |= w;
    }
    for (; n > 0; ++p, --n) bits |= static_cast<unsigned char>(*p);
    return (bits & kHighBits) == 0;
}

std::size_t DecodeUtf8(std::string_view bytes, std::u16string& out) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    // At most one unit per byte; shrunk to what was written at the end.
    const std::size_t base = out.size();
    out.resize(base + n);
    char16_t* o = out.data() + base;
    std::size_t i = 0;
    std::size_t error = kNoError;
    while (i < n) {
        // Runs of ASCII, the common case, eight bytes at a time.
        while (i + 8 <= n) {
            std::uint64_t w;
            std::memcpy(&w, s + i, sizeof w);
            if (w & kHighBits) break;
            for (int k = 0; k < 8; ++k) o[k] = s[i + k];
            o += 8;
            i += 8;
        }
        if (i == n) break;
        const unsigned char b = s[i];
        if (b < 0x80) {
            *o++ = b;
            ++i;
        } else if (b >= 0xC2 && b < 0xE0 && i + 1 < n && IsContinuation(s[i + 1])) {
            *o++ = static_cast<char16_t>((b & 0x1F) << 6 | (s[i + 1] & 0x3F));
            i += 2;
        } else if (b >= 0xE0 && b < 0xF0 && i + 2 < n && SecondByteFits(b, s[i + 1]) &&
                   IsContinuation(s[i + 2])) {
            *o++ = static_cast<char16_t>((b & 0x0F) << 12 | (s[i + 1] & 0x3F) << 6 |
                                         (s[i + 2] & 0x3F));
            i += 3;
        } else if (WellFormedLength(s + i, n - i) == 4) {
            const char32_t c = CodePoint(s + i, 4);
            *o++ = static_cast<char16_t>(0xD7C0 + (c >> 10));
            *o++ = static_cast<char16_t>(0xDC00 | (c & 0x3FF));
            i += 4;
        } else {
            error = i;
            break;
        }
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return error;
}

void EncodeUtf8(std::u16string_view text, std::string& out) {
    const std::size_t base = out.size();
    out.resize(base + 3 * text.size());
    auto* o = reinterpret_cast<unsigned char*>(out.data() + base);
    const char16_t* t = text.data();
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        // Runs of ASCII four units at a time.
        while (i + 4 <= n) {
            std::uint64_t w;
            std::memcpy(&w, t + i, sizeof w);
            if (w & 0xFF80FF80FF80FF80ull) break;
            for (int k = 0; k < 4; ++k) o[k] = static_cast<unsigned char>(t[i + k]);
            o += 4;
            i += 4;
        }
        if (i == n) break;
        char32_t c = t[i++];
        if (c < 0x80) {
            *o++ = static_cast<unsigned char>(c);
            continue;
        }
        if (c < 0x800) {
            *o++ = static_cast<unsigned char>(0xC0 | c >> 6);
            *o++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
            continue;
        }
        if (c >= 0xD800 && c <= 0xDFFF) {
            if (c <= 0xDBFF && i < n && t[i] >= 0xDC00 && t[i] <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (t[i++] - 0xDC00);
                *o++ = static_cast<unsigned char>(0xF0 | c >> 18);
                *o++ = static_cast<unsigned char>(0x80 | (c >> 12 & 0x3F));
                *o++ = static_cast<unsigned char>(0x80 | (c >> 6 & 0x3F));
                *o++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
                continue;
            }
            c = 0xFFFD;
        }
        *o++ = static_cast<unsigned char>(0xE0 | c >> 12);
        *o++ = static_cast<unsigned char>(0x80 | (c >> 6 & 0x3F));
        *o++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
    }
    out.resize(static_cast<std::size_t>(reinterpret_cast<char*>(o) - out.data()));
}

std::size_t IncompleteTail(std::string_view bytes) noexcept {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t back = 1; back <= 3 && back <= n; ++back) {
        const unsigned char b = s[n - back];
        if (IsContinuation(b)) continue;
        const std::size_t length = SequenceLength(b);
        if (length <= back) return 0;
        // Cut short, but only a character that could still be completed.
        if (back >= 2 && !SecondByteFits(b, s[n - back + 1])) return 0;
        return back;
    }
    return 0;
}

char32_t DecodeCharEndingAt(std::string_view bytes, std::size_t end, std::size_t& start) noexcept {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t lead = end;
    while (lead > 0 && end - lead < 4) {
        --lead;
        if (!IsContinuation(s[lead])) break;
    }
    if (lead == end || IsContinuation(s[lead])) return static_cast<char32_t>(-1);
    const std::size_t length = WellFormedLength(s + lead, end - lead);
    if (length != end - lead) return static_cast<char32_t>(-1);
    start = lead;
    return CodePoint(s + lead, length);
}

}  // namespace morvane::cli
