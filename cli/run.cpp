#include "run.hpp"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "convert.hpp"
#include "options.hpp"
#include "utf8.hpp"

#ifndef MORVANE_VERSION
#error "MORVANE_VERSION must be defined by the build"
#endif

namespace morvane::cli {
namespace {

constexpr std::size_t kReadSize = std::size_t{512} << 10;

void WaitFor(int fd, short events) {
    pollfd p{fd, events, 0};
    while (poll(&p, 1, -1) < 0 && errno == EINTR) {
    }
}

// Writes straight to a descriptor; a reader that went away (EPIPE) is told
// apart from a failing write.
class FdSink final : public Sink {
public:
    explicit FdSink(int fd) : fd_(fd) {}

    bool Write(std::string_view bytes) override {
        if (closed_ || error_ != 0) return false;
        while (!bytes.empty()) {
            const ssize_t n = write(fd_, bytes.data(), bytes.size());
            if (n >= 0) {
                bytes.remove_prefix(static_cast<std::size_t>(n));
            } else if (errno == EINTR) {
            } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
                WaitFor(fd_, POLLOUT);
            } else {
                if (errno == EPIPE) {
                    closed_ = true;
                } else {
                    error_ = errno;
                }
                return false;
            }
        }
        return true;
    }

    bool closed() const { return closed_; }
    int error() const { return error_; }

private:
    const int fd_;
    bool closed_ = false;
    int error_ = 0;
};

void Report(int fd, std::string_view reason) {
    std::string line = "morvane-convert: ";
    line += reason;
    line += '\n';
    FdSink(fd).Write(line);
}

// The status once the answers are written, or the report of a failed write.
// A reader that has seen enough and gone (EPIPE) is no failure: the status is
// that of the answers written until then.
int Finished(const FdSink& output, bool message, int error) {
    if (output.error() != 0) {
        Report(error,
               std::string("cannot write standard output: ") + std::strerror(output.error()));
        return kExitError;
    }
    return message ? kExitMessage : kExitConverted;
}

int ConvertTexts(const Options& options, FdSink& output, int error) {
    const char end = options.null_records ? '\0' : '\n';
    if (options.mode == Mode::kAmount) {
        std::string out;
        std::u16string scratch;
        bool message = false;
        for (const std::string_view text : options.texts) {
            message |= AppendAmountAnswer(text, scratch, out);
            out += end;
            if (out.size() >= kReadSize) {
                if (!output.Write(out)) break;
                out.clear();
            }
        }
        output.Write(out);
        return Finished(output, message, error);
    }

    // Every TEXT is checked before any is answered: a bad one stops the run
    // with nothing written.
    std::u16string scratch;
    for (std::size_t k = 0; k < options.texts.size(); ++k) {
        scratch.clear();
        const std::size_t bad = DecodeUtf8(options.texts[k], scratch);
        if (bad != kNoError) {
            Report(error, "invalid UTF-8 at byte " + std::to_string(bad) + " of TEXT " +
                              std::to_string(k + 1));
            return kExitError;
        }
    }
    const Settings settings{.mode = options.mode};
    for (const std::string_view text : options.texts) {
        const auto converter = Converter::Create(settings, output);
        if (!converter->Feed(text) || !converter->Finish() || !output.Write({&end, 1})) break;
    }
    return Finished(output, false, error);
}

int ConvertInput(const Options& options, int input, FdSink& output, int error) {
    const Settings settings{.mode = options.mode, .null_records = options.null_records};
    const auto converter = Converter::Create(settings, output);
    const auto buffer = std::make_unique<char[]>(kReadSize);
    int read_error = 0;
    for (;;) {
        const ssize_t n = read(input, buffer.get(), kReadSize);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                WaitFor(input, POLLIN);
                continue;
            }
            read_error = errno;
            break;
        }
        if (n == 0) {
            converter->Finish();
            break;
        }
        // Answers leave as soon as their input is in, so that a program on
        // the other end of a pipe can talk to this one line by line.
        if (!converter->Feed({buffer.get(), static_cast<std::size_t>(n)})) break;
    }

    const bool message = converter->answered_with_message();
    if (output.closed() || output.error() != 0) return Finished(output, message, error);
    if (read_error != 0) {
        Report(error, std::string("cannot read standard input: ") + std::strerror(read_error));
        return kExitError;
    }
    const Failure& failure = converter->failure();
    if (failure.kind != Failure::Kind::kNone) {
        Report(error, Describe(failure));
        return kExitError;
    }
    return Finished(output, message, error);
}

}  // namespace

int Run(std::span<const char* const> args, int input, int output, int error) {
    const Options options = ParseArguments(args);
    FdSink out(output);
    switch (options.action) {
        case Options::Action::kUsageError:
            Report(error, options.error);
            return kExitError;
        case Options::Action::kHelp:
            out.Write(HelpText());
            return Finished(out, false, error);
        case Options::Action::kVersion:
            out.Write("morvane-convert " MORVANE_VERSION "\n");
            return Finished(out, false, error);
        case Options::Action::kConvert:
            break;
    }
    if (!options.texts.empty()) return ConvertTexts(options, out, error);
    return ConvertInput(options, input, out, error);
}

}  // namespace morvane::cli
