// The built morvane-convert, run as a user runs it: arguments, standard input,
// and what comes out on standard output, standard error and the exit status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

// A named file in the temporary folder, removed at the end.
class TempPath {
public:
    explicit TempPath(const std::string& content = "") {
        const char* dir = std::getenv("TMPDIR");
        path_ = std::string(dir != nullptr ? dir : "/tmp") + "/morvane-convert-test-XXXXXX";
        const int fd = mkstemp(path_.data());
        EXPECT_GE(fd, 0);
        EXPECT_EQ(static_cast<ssize_t>(content.size()), write(fd, content.data(), content.size()));
        close(fd);
    }
    ~TempPath() { unlink(path_.c_str()); }
    const char* c_str() const { return path_.c_str(); }
    std::string Read() const {
        std::ifstream file(path_, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

private:
    std::string path_;
};

struct Result {
    int status;
    std::string out, err;
};

pid_t Spawn(const std::vector<std::string>& args, posix_spawn_file_actions_t* actions) {
    std::vector<char*> argv;
    std::string program = MORVANE_CONVERT;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    EXPECT_EQ(0, posix_spawn(&pid, MORVANE_CONVERT, actions, nullptr, argv.data(), environ));
    return pid;
}

int Wait(pid_t pid) {
    int raw = 0;
    EXPECT_EQ(pid, waitpid(pid, &raw, 0));
    EXPECT_TRUE(WIFEXITED(raw)) << "ended by signal " << WTERMSIG(raw);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

Result Convert(const std::vector<std::string>& args, const std::string& input = "") {
    TempPath in(input), out, err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_TRUNC, 0);
    const pid_t pid = Spawn(args, &actions);
    posix_spawn_file_actions_destroy(&actions);
    const int status = Wait(pid);
    return {status, out.Read(), err.Read()};
}

TEST(program, help_lists_usage_and_exits_0) {
    const Result result = Convert({"--help"});
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(0u, result.out.find("Usage: morvane-convert [OPTION...] MODE [TEXT...]\n"));
    EXPECT_NE(std::string::npos, result.out.find("-0, --null"));
    EXPECT_EQ("", result.err);
}

TEST(program, version) {
    const Result result = Convert({"-V"});
    EXPECT_EQ(0, result.status);
    EXPECT_EQ("morvane-convert " MORVANE_VERSION "\n", result.out);
}

TEST(program, converts_amount_text) {
    const Result result = Convert({"amount", "6543219870.12"});
    EXPECT_EQ(0, result.status);
    EXPECT_EQ("陆拾伍亿肆仟叁佰贰拾壹万玖仟捌佰柒拾元壹角贰分\n", result.out);
    EXPECT_EQ("", result.err);
}

TEST(program, amount_minus_five_is_a_text_not_an_option) {
    const Result result = Convert({"amount", "-5"});
    EXPECT_EQ(1, result.status);
    EXPECT_EQ("输入有误,请输入小数点和纯数字!\n", result.out);
    EXPECT_EQ("", result.err);
}

TEST(program, converts_standard_input) {
    EXPECT_EQ("壹元整\n伍角整\n", Convert({"amount"}, "1\r\n0.5").out);
    const Result result = Convert({"capitalize"}, "the QUICK brown fox\nΟΔΟΣ");
    EXPECT_EQ(0, result.status);
    EXPECT_EQ("The Quick Brown Fox\nοδος", result.out);
}

TEST(program, invalid_utf8_exits_2_with_reason) {
    const Result result = Convert({"upper"}, "ab\xFF");
    EXPECT_EQ(2, result.status);
    EXPECT_EQ("AB", result.out);
    EXPECT_EQ("morvane-convert: invalid UTF-8 at byte 2\n", result.err);
}

TEST(program, usage_error_exits_2) {
    const Result result = Convert({});
    EXPECT_EQ(2, result.status);
    EXPECT_EQ("", result.out);
    EXPECT_EQ(0u, result.err.find("morvane-convert: no MODE given"));
}

// Like `morvane-convert amount < big | head -1`: the reader goes away early.
TEST(program, closed_pipe_ends_quietly) {
    std::string lines;
    for (int i = 0; i < 200000; ++i) lines += "1,234.5\n";
    TempPath in(lines), err;
    int pipe_fds[2];
    ASSERT_EQ(0, pipe(pipe_fds));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_TRUNC, 0);
    const pid_t pid = Spawn({"amount"}, &actions);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_fds[1]);
    char first[16];
    EXPECT_EQ(static_cast<ssize_t>(sizeof first), read(pipe_fds[0], first, sizeof first));
    close(pipe_fds[0]);
    EXPECT_EQ(0, Wait(pid));
    EXPECT_EQ("", err.Read());
}

}  // namespace
