// morvane-convert: the conversions of Morvane for scripts and batch work.
#include <csignal>
#include <span>

#include "run.hpp"

int main(int argc, char** argv) {
    // A closed pipe is seen as EPIPE and ends the run quietly.
    std::signal(SIGPIPE, SIG_IGN);
    return morvane::cli::Run(std::span<const char* const>(argv + 1, argc > 0 ? argc - 1 : 0), 0, 1,
                             2);
}
