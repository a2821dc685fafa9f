// Start-up time to the window shown, and peak memory, of morvane against the
// smallest Qt Widgets program, measured alternately in the same run.
//
//   ui_startup_bench [RUNS]
//
// Runs on the platform that the environment selects; without a display, on
// Qt's offscreen platform.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double milliseconds;
    long peakKilobytes;
};

// Starts `program`, reads the moment it reports its window shown, and takes
// its peak resident memory from the kernel once it has ended.
bool Measure(const std::string& program, Sample& sample) {
    int out[2];
    if (pipe(out) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string reported;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) reported.append(buffer, n);
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        reported.empty()) {
        return false;
    }
    const long long shown = std::atoll(reported.c_str());
    sample.milliseconds =
        static_cast<double>(shown - std::chrono::nanoseconds(start.time_since_epoch()).count()) /
        1e6;
    sample.peakKilobytes = usage.ru_maxrss;
    return true;
}

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
        std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const std::filesystem::path here = std::filesystem::canonical("/proc/self/exe").parent_path();
    const std::string programs[] = {(here / "ui_startup_minimal").string(),
                                    (here / "ui_startup_morvane").string()};

    std::vector<double> times[2];
    std::vector<long> peaks[2];
    // Alternating, after one unmeasured start of each to warm the caches, so
    // that both see the same state of the machine.
    for (int run = -1; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            Sample sample{};
            if (!Measure(programs[which], sample)) {
                std::fprintf(stderr, "%s did not report its window\n", programs[which].c_str());
                return 1;
            }
            if (run < 0) continue;
            times[which].push_back(sample.milliseconds);
            peaks[which].push_back(sample.peakKilobytes);
        }
    }

    const double time[2] = {Median(times[0]), Median(times[1])};
    const long peak[2] = {Median(peaks[0]), Median(peaks[1])};
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, median of %d starts\n", platform != nullptr ? platform : "default",
                runs);
    std::printf("%-28s %10s %14s\n", "", "shown (ms)", "peak RSS (KB)");
    std::printf("%-28s %10.1f %14ld\n", "minimal Qt Widgets program", time[0], peak[0]);
    std::printf("%-28s %10.1f %14ld\n", "morvane", time[1], peak[1]);
    const double timeRatio = time[1] / time[0];
    const double peakRatio = static_cast<double>(peak[1]) / static_cast<double>(peak[0]);
    std::printf("ratio: start-up %.2fx, peak memory %.2fx (limit 1.25x): %s\n", timeRatio,
                peakRatio, timeRatio <= 1.25 && peakRatio <= 1.25 ? "within" : "OVER");
    return 0;
}
