#!/usr/bin/env bash
# Builds the two fuzzers with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build/fuzz: the ADPCM source on its own, and
# the whole conversion into memory. Replays the kept findings of each, then
# fuzzes each for half the time on a scratch copy of the seed corpus. Exits
# non-zero on any crash, leak, timeout or sanitizer report; the input that
# caused it is left in build/fuzz/artifacts.
#
#   FUZZ_SECONDS  how long to fuzz in all (default 60)
#   FUZZ_JOBS     build jobs (default: all cores)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
jobs=${FUZZ_JOBS:-$(nproc)}
dir=build/fuzz
targets=(adpcm_source conversion)

CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRELLOW_BUILD_FUZZ=ON -DBRELLOW_BUILD_TESTS=OFF -DBRELLOW_BUILD_UI=OFF \
    -DBRELLOW_WERROR=ON >/dev/null
cmake --build "$dir" --target "${targets[@]/%/_fuzzer}" -j "$jobs"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$dir/artifacts"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for target in "${targets[@]}"; do
    fuzzer=$dir/fuzz/${target}_fuzzer
    options=(-rss_limit_mb=2048 -timeout=10 -max_len=8192 -dict=fuzz/adpcm.dict
        -artifact_prefix="$dir/artifacts/$target-")

    kept=(tests/data/fuzz-regressions/${target//_/-}/*)
    if [ -e "${kept[0]}" ]; then
        echo "== $target: replaying ${#kept[@]} kept findings"
        "$fuzzer" "${options[@]}" "${kept[@]}"
    fi

    echo "== $target: fuzzing for $((seconds / ${#targets[@]})) s"
    mkdir -p "$scratch/$target"
    cp fuzz/corpus/* "$scratch/$target/"
    "$fuzzer" "${options[@]}" -max_total_time=$((seconds / ${#targets[@]})) \
        -print_final_stats=1 "$scratch/$target"
done
