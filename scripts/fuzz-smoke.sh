#!/usr/bin/env bash
# Runs every fuzzer of a fuzz build for a short time; any crash fails the run.
set -euo pipefail
build=${1:?build folder}
seconds=${2:-20}
shopt -s nullglob
for fuzzer in "$build"/bin/fuzz_*; do
    corpus=$(mktemp -d)
    seeds="fuzz/seeds/$(basename "$fuzzer")"
    [ -d "$seeds" ] && cp "$seeds"/* "$corpus"/
    echo "fuzzing $(basename "$fuzzer") for ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -artifact_prefix="$build/" \
        "$corpus" 2>&1 | tail -n 3
    rm -rf "$corpus"
done
