// The whole run on real descriptors: what is written where, and the status.
#include "run.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

// An unnamed file, for standard input and for what is written.
class TempFile {
public:
    explicit TempFile(const std::string& content = "") : file_(std::tmpfile()) {
        std::fwrite(content.data(), 1, content.size(), file_);
        std::fflush(file_);
        lseek(fd(), 0, SEEK_SET);
    }
    ~TempFile() { std::fclose(file_); }
    int fd() const { return fileno(file_); }
    std::string Read() const {
        std::string text;
        char buffer[4096];
        ssize_t n;
        for (off_t at = 0; (n = pread(fd(), buffer, sizeof buffer, at)) > 0; at += n) {
            text.append(buffer, static_cast<std::size_t>(n));
        }
        return text;
    }

private:
    std::FILE* file_;
};

struct Result {
    int status;
    std::string out, err;
};

Result RunWith(std::vector<const char*> args, const std::string& input) {
    TempFile in(input), out, err;
    const int status = morvane::cli::Run(args, in.fd(), out.fd(), err.fd());
    return {status, out.Read(), err.Read()};
}

struct RunRow {
    const char* name;
    std::vector<const char*> args;
    std::string input;
    int status;
    std::string out;
    std::string err;
};

class Runs : public testing::TestWithParam<RunRow> {};

TEST_P(Runs, write_answers_reasons_and_status) {
    const RunRow& row = GetParam();
    const Result result = RunWith(row.args, row.input);
    EXPECT_EQ(row.status, result.status);
    EXPECT_EQ(row.out, result.out);
    EXPECT_EQ(row.err, result.err);
}

const std::string kMalformed = "输入有误,请输入小数点和纯数字!";

INSTANTIATE_TEST_SUITE_P(
    Statuses, Runs,
    testing::Values(
        RunRow{"every_amount_converted", {"amount"}, "1\n2\n", 0, "壹元整\n贰元整\n", ""},
        RunRow{"one_amount_a_message",
               {"amount"},
               "1\nx\n2\n",
               1,
               "壹元整\n" + kMalformed + "\n贰元整\n",
               ""},
        RunRow{"empty_input_no_lines", {"amount"}, "", 0, "", ""},
        RunRow{"texts_ignore_input", {"amount", "5", "0.05"}, "x\n", 0, "伍元整\n伍分\n", ""},
        RunRow{"text_that_looks_like_option", {"amount", "-5"}, "", 1, kMalformed + "\n", ""},
        RunRow{"text_with_lf_is_one_amount", {"amount", "1\n2"}, "", 1, kMalformed + "\n", ""},
        RunRow{"invalid_text_in_amount_mode", {"amount", "\xFF"}, "", 1, kMalformed + "\n", ""},
        RunRow{"null_texts", {"-0", "upper", "a b", "c"}, "", 0, "A B\0C\0"s, ""},
        RunRow{"case_text_answers_each",
               {"capitalize", "hello world", "ΟΔΟΣ"},
               "",
               0,
               "Hello World\nΟδος\n",
               ""},
        RunRow{"case_input_nothing_added", {"upper"}, "abc\n", 0, "ABC\n", ""},
        RunRow{"case_empty_input", {"lower"}, "", 0, "", ""},
        RunRow{"case_input_invalid",
               {"upper"},
               "ab\xFF",
               2,
               "AB",
               "morvane-convert: invalid UTF-8 at byte 2\n"},
        // A bad TEXT stops the run before anything is written.
        RunRow{"case_text_invalid",
               {"lower", "A", "B\xC3"},
               "",
               2,
               "",
               "morvane-convert: invalid UTF-8 at byte 1 of TEXT 2\n"},
        RunRow{"no_mode",
               {},
               "",
               2,
               "",
               "morvane-convert: no MODE given (amount, upper, lower or capitalize); try "
               "'morvane-convert --help'\n"},
        RunRow{"unknown_option",
               {"--nul", "amount"},
               "",
               2,
               "",
               "morvane-convert: unknown option '--nul'; try 'morvane-convert --help'\n"},
        RunRow{"version", {"--version"}, "", 0, "morvane-convert " MORVANE_VERSION "\n", ""}),
    [](const auto& info) { return info.param.name; });

TEST(run, help_goes_to_output) {
    const Result result = RunWith({"--help"}, "");
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(0u, result.out.find("Usage: morvane-convert"));
    EXPECT_EQ("", result.err);
}

TEST(run, amount_lines_of_any_length_are_answered) {
    const std::string zeros((std::size_t{1} << 21) + 1, '0');
    const std::string sevens((std::size_t{1} << 21) + 1, '7');
    const Result result = RunWith({"amount"}, "1\n" + sevens + "\n" + zeros + "1.05\n");
    EXPECT_EQ(1, result.status);
    EXPECT_EQ(
        "壹元整\n"
        "对不起,你输入的数字太大了!最大数字为99999999999.99！\n"
        "壹元伍分\n",
        result.out);
    EXPECT_EQ("", result.err);
}

TEST(run, closed_output_ends_quietly) {
    std::signal(SIGPIPE, SIG_IGN);
    int pipe_fds[2];
    ASSERT_EQ(0, pipe(pipe_fds));
    close(pipe_fds[0]);
    TempFile in(std::string(1 << 20, 'a')), err;
    EXPECT_EQ(0,
              morvane::cli::Run(std::vector<const char*>{"upper"}, in.fd(), pipe_fds[1], err.fd()));
    close(pipe_fds[1]);
    EXPECT_EQ("", err.Read());
}

TEST(run, failed_write_is_an_error) {
    const int full = open("/dev/full", O_WRONLY);
    if (full < 0) GTEST_SKIP() << "no /dev/full";
    TempFile in("1\n"), err;
    EXPECT_EQ(2, morvane::cli::Run(std::vector<const char*>{"amount"}, in.fd(), full, err.fd()));
    close(full);
    EXPECT_EQ("morvane-convert: cannot write standard output: No space left on device\n",
              err.Read());
}

TEST(run, failed_read_is_an_error) {
    const int directory = open(".", O_RDONLY | O_DIRECTORY);
    ASSERT_GE(directory, 0);
    TempFile out, err;
    EXPECT_EQ(2,
              morvane::cli::Run(std::vector<const char*>{"lower"}, directory, out.fd(), err.fd()));
    close(directory);
    EXPECT_EQ("morvane-convert: cannot read standard input: Is a directory\n", err.Read());
}

}  // namespace
