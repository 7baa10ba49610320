#!/usr/bin/env bash
# Builds Tilvora and runs the whole test suite: the normal build, then the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, then a short run of every fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy QTEST_FUNCTION_TIMEOUT=120000

echo "== build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== sanitizers (address, undefined)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTILVORA_SANITIZE=ON \
    -DTILVORA_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"

if [ -d fuzz ]; then
    echo "== fuzz smoke"
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DTILVORA_FUZZ=ON -DTILVORA_BENCH=OFF >/dev/null
    cmake --build build-fuzz -j"$jobs" --target tilvora_fuzzers
    scripts/fuzz-smoke.sh build-fuzz "${FUZZ_SECONDS:-20}"
fi
echo "all tests passed"
