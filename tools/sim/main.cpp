// tilvora-sim: plays the game without a window, one command per input line.
#include "Simulator.h"

#include <charconv>
#include <cstring>
#include <iostream>
#include <string>

namespace {

int Usage() {
    std::cerr << "usage: tilvora-sim [--seed N]\n"
                 "  N: unsigned 32-bit seed of the game's random generator (default 0).\n"
                 "  Reads commands from standard input, one per line; answers each with one "
                 "line.\n";
    return 2;
}

bool ParseSeed(const std::string& text, uint32_t& seed) {
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, seed);
    return !text.empty() && error == std::errc() && end == last;
}

} // namespace

int main(int argc, char** argv) {
    uint32_t seed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seed" && i + 1 < argc && ParseSeed(argv[i + 1], seed)) {
            ++i;
        } else if (arg.rfind("--seed=", 0) == 0 && ParseSeed(arg.substr(7), seed)) {
        } else {
            return Usage();
        }
    }
    std::ios::sync_with_stdio(false);
    tilvora::Simulator simulator(seed);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (const auto reply = simulator.Execute(line)) {
            std::cout << *reply << '\n' << std::flush;
        }
    }
    return 0;
}
