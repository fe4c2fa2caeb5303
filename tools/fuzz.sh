#!/usr/bin/env bash
# Builds the ADPCM source fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build/fuzz, replays the kept findings, then
# fuzzes for a bounded time on a scratch copy of the seed corpus. Exits non-zero
# on any crash, leak, timeout or sanitizer report; the input that caused it is
# left in build/fuzz/artifacts.
#
#   FUZZ_SECONDS  how long to fuzz (default 60)
#   FUZZ_JOBS     build jobs (default: all cores)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
jobs=${FUZZ_JOBS:-$(nproc)}
dir=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRELLOW_BUILD_FUZZ=ON -DBRELLOW_BUILD_TESTS=OFF -DBRELLOW_BUILD_UI=OFF \
    -DBRELLOW_WERROR=ON >/dev/null
cmake --build "$dir" --target adpcm_source_fuzzer -j "$jobs"

fuzzer=$dir/fuzz/adpcm_source_fuzzer
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp fuzz/corpus/* "$scratch/"
mkdir -p "$dir/artifacts"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

options=(-rss_limit_mb=2048 -timeout=10 -max_len=4096 -dict=fuzz/adpcm.dict
    -artifact_prefix="$dir/artifacts/")

regressions=(tests/data/fuzz-regressions/*)
if [ -e "${regressions[0]}" ]; then
    echo "== Replaying ${#regressions[@]} kept findings"
    "$fuzzer" "${options[@]}" "${regressions[@]}"
fi

echo "== Fuzzing for ${seconds} s"
"$fuzzer" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 "$scratch"
