// The conversions of morvane-convert on a stream of bytes: the input arrives
// in pieces of any size and the answers leave in bounded blocks, so a run takes
// bounded memory however large the input, and where reads happen to split the
// input never changes an answer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace morvane::cli {

enum class Mode {
    kAmount,      // every record is one amount: ToTrans
    kUpper,       // toUpperCase
    kLower,       // toLowerCase
    kCapitalize,  // FirstLetterCase
};

struct Settings {
    Mode mode = Mode::kAmount;
    // Records end with NUL instead of LF, and every answer with NUL; in the
    // case modes each record is then a text of its own.
    bool null_records = false;
    // The case modes map the text a window at a time; memory grows with it.
    std::size_t window = std::size_t{512} << 10;
    // The longest amount record held in memory, in bytes; a longer one is
    // read in pieces, with the same answer.
    std::size_t amount_limit = std::size_t{1} << 20;
};

// Where the answers go.
class Sink {
public:
    virtual ~Sink() = default;
    // Takes the next bytes of output; false when no more can be taken.
    virtual bool Write(std::string_view bytes) = 0;
};

class StringSink final : public Sink {
public:
    bool Write(std::string_view bytes) override {
        text += bytes;
        return true;
    }
    std::string text;
};

// Why a run stopped before the end of its input.
struct Failure {
    enum class Kind {
        kNone,
        kInvalidUtf8,  // case modes: `offset` is the first bad byte of the whole input
        kOutput,       // the sink took no more
    };
    Kind kind = Kind::kNone;
    std::uint64_t offset = 0;
};

// The one-line reason for a failure, without the program's name.
std::string Describe(const Failure& failure);

class Converter {
public:
    static std::unique_ptr<Converter> Create(const Settings& settings, Sink& sink);
    virtual ~Converter() = default;

    // Takes the next bytes of the input and writes every answer that they
    // complete. False once the run has stopped; see failure().
    virtual bool Feed(std::string_view bytes) = 0;
    // Ends the input: answers what is left. False when the run has stopped.
    virtual bool Finish() = 0;

    const Failure& failure() const { return failure_; }
    // True when some amount was answered with one of the three messages.
    bool answered_with_message() const { return answered_with_message_; }
    // Case modes: how often a window held no place where the text could be
    // cut without a case mapping looking across the cut (see convert.cpp).
    std::uint64_t forced_cuts() const { return forced_cuts_; }

protected:
    Failure failure_;
    bool answered_with_message_ = false;
    std::uint64_t forced_cuts_ = 0;
};

// Appends the answer of ToTrans for one amount given as UTF-8 bytes; true when
// the answer is one of its messages. `scratch` is reused between calls.
bool AppendAmountAnswer(std::string_view amount, std::u16string& scratch, std::string& out);

// True when a case mapping never looks across a cut right after `c`: it has
// no case and is not skipped over when a mapping looks at the letters next to
// a letter (final sigma).
bool IsCaseBoundary(char32_t c) noexcept;

}  // namespace morvane::cli
