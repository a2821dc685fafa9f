#include "program.hpp"

int main(int argc, char** argv) {
    return morvane::RunProgram(argc, argv);
}
