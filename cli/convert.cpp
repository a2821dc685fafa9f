#include "convert.hpp"

#include <unicode/uchar.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "amount.hpp"
#include "lettercase.hpp"
#include "utf8.hpp"

namespace morvane::cli {
namespace {

bool IsAmountMessage(std::u16string_view answer) {
    return answer == kAmountEmptyMessage || answer == kAmountMalformedMessage ||
           answer == kAmountTooLargeMessage;
}

// Answers are handed to the sink in blocks of about this size.
constexpr std::size_t kFlushSize = std::size_t{256} << 10;

const std::string& MalformedMessageUtf8() {
    static const std::string message = [] {
        std::string text;
        EncodeUtf8(kAmountMalformedMessage, text);
        return text;
    }();
    return message;
}

const std::array<bool, 128>& AsciiBoundaries() {
    static const std::array<bool, 128> table = [] {
        std::array<bool, 128> t{};
        for (char32_t c = 0; c < 128; ++c) t[c] = IsCaseBoundary(c);
        return t;
    }();
    return table;
}

// Output kept until it is worth a write, and the failure that stops a run.
class BufferedConverter : public Converter {
public:
    bool Feed(std::string_view bytes) final {
        if (stopped()) return false;
        Take(bytes);
        Emit();
        return !stopped();
    }

    bool Finish() final {
        if (stopped()) return false;
        End();
        Emit();
        return !stopped();
    }

protected:
    explicit BufferedConverter(Sink& sink) : sink_(sink) {}

    virtual void Take(std::string_view bytes) = 0;
    virtual void End() = 0;

    bool stopped() const { return failure_.kind != Failure::Kind::kNone; }

    // Hands the buffered answers to the sink; also those written before a
    // failure of the input, which end the output.
    bool Emit() {
        if (failure_.kind == Failure::Kind::kOutput) return false;
        if (out_.empty()) return true;
        if (!sink_.Write(out_)) {
            failure_.kind = Failure::Kind::kOutput;
            return false;
        }
        out_.clear();
        return true;
    }

    std::string out_;

private:
    Sink& sink_;
};

// Every record is one amount. A record is held until its end is seen, up to
// the limit; a longer one is read in pieces by the core's AmountReader, which
// gives the same answer in bounded memory.
class AmountConverter final : public BufferedConverter {
public:
    AmountConverter(const Settings& settings, Sink& sink)
        : BufferedConverter(sink),
          null_records_(settings.null_records),
          terminator_(settings.null_records ? '\0' : '\n'),
          limit_(settings.amount_limit),
          answer_end_(settings.null_records ? '\0' : '\n') {}

    void Take(std::string_view bytes) override {
        while (!bytes.empty()) {
            const void* hit = std::memchr(bytes.data(), terminator_, bytes.size());
            if (hit == nullptr) {
                Carry(bytes);
                break;
            }
            const std::size_t end =
                static_cast<std::size_t>(static_cast<const char*>(hit) - bytes.data());
            if (carrying_) {
                Carry(bytes.substr(0, end));
                EndCarried(true);
            } else {
                Answer(bytes.substr(0, end), true);
            }
            bytes.remove_prefix(end + 1);
            if (out_.size() >= kFlushSize && !Emit()) return;
        }
    }

    void End() override {
        // A last record without its terminator still counts; no bytes, no record.
        if (carrying_) EndCarried(false);
    }

private:
    // `terminated`: the record ended with its terminator, not with the input.
    void Answer(std::string_view record, bool terminated) {
        if (record.size() > limit_) {
            ReadLong(record);
            EndLong(terminated);
            return;
        }
        // In lines, a CR right before the LF belongs to the line end.
        if (!null_records_ && terminated && !record.empty() && record.back() == '\r') {
            record.remove_suffix(1);
        }
        if (AppendAmountAnswer(record, scratch_, out_)) answered_with_message_ = true;
        out_ += answer_end_;
    }

    void Carry(std::string_view bytes) {
        if (bytes.empty()) return;
        carrying_ = true;
        if (long_) {
            ReadLong(bytes);
        } else if (carry_.size() + bytes.size() > limit_) {
            long_ = true;
            ReadLong(carry_);
            ReadLong(bytes);
            carry_.clear();
        } else {
            carry_ += bytes;
        }
    }

    void EndCarried(bool terminated) {
        carrying_ = false;
        if (long_) {
            long_ = false;
            EndLong(terminated);
        } else {
            Answer(carry_, terminated);
            carry_.clear();
        }
    }

    // Hands bytes of a long record to the reader, holding back a CR at the
    // end of a piece until it is known whether the line ends right after it.
    void ReadLong(std::string_view bytes) {
        if (bytes.empty()) return;
        if (held_cr_) reader_.Feed("\r");
        held_cr_ = !null_records_ && bytes.back() == '\r';
        if (held_cr_) bytes.remove_suffix(1);
        reader_.Feed(bytes);
    }

    void EndLong(bool terminated) {
        // A CR right before the LF belongs to the line end; one that ends the
        // input is a character of the amount.
        if (held_cr_ && !terminated) reader_.Feed("\r");
        held_cr_ = false;
        const std::u16string answer = reader_.Answer();
        reader_.Reset();
        EncodeUtf8(answer, out_);
        out_ += answer_end_;
        if (IsAmountMessage(answer)) answered_with_message_ = true;
    }

    const bool null_records_;
    const char terminator_;
    const std::size_t limit_;
    const char answer_end_;
    bool carrying_ = false;  // bytes of an unfinished record were seen
    std::string carry_;
    bool long_ = false;  // the unfinished record is over the limit
    bool held_cr_ = false;
    AmountReader reader_;
    std::u16string scratch_;
};

// The whole input (or each record) is one text. It is mapped a piece at a
// time; a piece ends right after a character at which no case mapping looks
// across (IsCaseBoundary: white space, digits, most punctuation, Chinese
// characters), so the pieces together give exactly the answer for the whole
// text. Only when a whole window holds no such character is the text cut at a
// character boundary anyway; final sigma is then the one mapping that may see
// less than the whole text at that cut. forced_cuts() counts such cuts.
class CaseConverter final : public BufferedConverter {
public:
    CaseConverter(const Settings& settings, Sink& sink)
        : BufferedConverter(sink),
          mode_(settings.mode),
          null_records_(settings.null_records),
          window_(std::max<std::size_t>(settings.window, 8)) {}

    void Take(std::string_view bytes) override {
        for (;;) {
            const std::size_t nul = null_records_ ? bytes.find('\0') : std::string_view::npos;
            if (nul == std::string_view::npos) {
                Append(bytes);
                break;
            }
            Append(bytes.substr(0, nul));
            EndText();
            if (stopped()) return;
            out_ += '\0';
            ++offset_;
            bytes.remove_prefix(nul + 1);
        }
    }

    void End() override {
        // Without -0 the input is one text, even an empty one; with -0 a last
        // record without NUL counts when it holds any byte.
        if (!null_records_ || in_text_) {
            EndText();
            if (!stopped() && null_records_) out_ += '\0';
        }
    }

private:
    void Append(std::string_view bytes) {
        if (!bytes.empty()) in_text_ = true;
        while (!bytes.empty() && !stopped()) {
            const std::size_t take = std::min(bytes.size(), window_);
            pending_ += bytes.substr(0, take);
            bytes.remove_prefix(take);
            Drain();
        }
    }

    // Maps every piece of the pending bytes that can be cut off exactly.
    void Drain() {
        while (!stopped()) {
            const std::size_t end = std::min(pending_.size(), window_);
            std::size_t cut = LastBoundary(searched_, end);
            if (cut == 0) {
                if (pending_.size() < window_) {
                    searched_ = end;
                    return;
                }
                cut = window_ - IncompleteTail(std::string_view(pending_).substr(0, window_));
                ++forced_cuts_;
            }
            Map(std::string_view(pending_).substr(0, cut));
            pending_.erase(0, cut);
            searched_ = 0;
            if (out_.size() >= kFlushSize && !Emit()) return;
        }
    }

    void EndText() {
        if (!pending_.empty() && !stopped()) Map(pending_);
        pending_.clear();
        searched_ = 0;
        caser_.Reset();
        in_text_ = false;
    }

    // The largest cut in (from, end] right after a case boundary, or 0.
    std::size_t LastBoundary(std::size_t from, std::size_t end) const {
        const std::array<bool, 128>& ascii = AsciiBoundaries();
        std::size_t i = end;
        while (i > from) {
            const auto b = static_cast<unsigned char>(pending_[i - 1]);
            if (b < 0x80) {
                if (ascii[b]) return i;
                --i;
                continue;
            }
            std::size_t start = 0;
            const char32_t c = DecodeCharEndingAt(pending_, i, start);
            if (c == static_cast<char32_t>(-1)) {
                --i;
                continue;
            }
            if (IsCaseBoundary(c)) return i;
            i = start;
        }
        return 0;
    }

    void Map(std::string_view piece) {
        if (IsAscii(piece)) {
            MapAscii(piece);
            offset_ += piece.size();
            return;
        }
        utf16_.clear();
        const std::size_t bad = DecodeUtf8(piece, utf16_);
        // What comes before a bad byte is answered as the end of the text.
        MapUtf16();
        if (bad != kNoError) {
            failure_ = {Failure::Kind::kInvalidUtf8, offset_ + bad};
            return;
        }
        offset_ += piece.size();
    }

    void MapAscii(std::string_view piece) {
        const std::size_t base = out_.size();
        out_.resize(base + piece.size());
        char* out = out_.data() + base;
        switch (mode_) {
            case Mode::kUpper:
                toUpperCaseAscii(piece, out);
                return;
            case Mode::kLower:
                toLowerCaseAscii(piece, out);
                return;
            case Mode::kCapitalize:
            case Mode::kAmount:
                caser_.FeedAscii(piece, out);
                return;
        }
    }

    void MapUtf16() {
        if (utf16_.empty()) return;
        switch (mode_) {
            case Mode::kUpper:
                EncodeUtf8(toUpperCase(utf16_), out_);
                return;
            case Mode::kLower:
                EncodeUtf8(toLowerCase(utf16_), out_);
                return;
            case Mode::kCapitalize:
            case Mode::kAmount:
                break;
        }
        // The caser carries the capital rule across pieces, ASCII or not.
        EncodeUtf8(caser_.Feed(utf16_), out_);
    }

    const Mode mode_;
    const bool null_records_;
    const std::size_t window_;
    std::string pending_;       // input not yet mapped
    std::size_t searched_ = 0;  // pending_ holds no cut in (0, searched_]
    std::uint64_t offset_ = 0;  // input offset of pending_[0]
    bool in_text_ = false;      // a byte of the current record was seen
    std::u16string utf16_;
    FirstLetterCaser caser_;
};

}  // namespace

bool IsCaseBoundary(char32_t c) noexcept {
    const auto cp = static_cast<UChar32>(c);
    return !u_hasBinaryProperty(cp, UCHAR_CASED) && !u_hasBinaryProperty(cp, UCHAR_CASE_IGNORABLE);
}

bool AppendAmountAnswer(std::string_view amount, std::u16string& scratch, std::string& out) {
    // ToTrans refuses every character outside ASCII, so a record with any
    // byte from 0x80 up, well-formed UTF-8 or not, gets that message.
    scratch.resize(amount.size());
    unsigned bits = 0;
    for (std::size_t i = 0; i < amount.size(); ++i) {
        const auto b = static_cast<unsigned char>(amount[i]);
        bits |= b;
        scratch[i] = b;
    }
    if (bits & 0x80) {
        out += MalformedMessageUtf8();
        return true;
    }
    const std::u16string answer = ToTrans(scratch);
    EncodeUtf8(answer, out);
    return IsAmountMessage(answer);
}

std::string Describe(const Failure& failure) {
    switch (failure.kind) {
        case Failure::Kind::kNone:
            return {};
        case Failure::Kind::kInvalidUtf8:
            return "invalid UTF-8 at byte " + std::to_string(failure.offset);
        case Failure::Kind::kOutput:
            return "cannot write the output";
    }
    return {};
}

std::unique_ptr<Converter> Converter::Create(const Settings& settings, Sink& sink) {
    if (settings.mode == Mode::kAmount) return std::make_unique<AmountConverter>(settings, sink);
    return std::make_unique<CaseConverter>(settings, sink);
}

}  // namespace morvane::cli
