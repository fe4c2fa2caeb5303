#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once as built for
# use, once under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# bounded fuzzing run. Warnings are errors here.
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export CTEST_OUTPUT_ON_FAILURE=1

build() { # name, cmake options...
    local dir="build/$1"
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRELLOW_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

echo "== Code format"
find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror

echo "== Build and test"
build test
ctest --test-dir build/test -j "$jobs"

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
build sanitize -DBRELLOW_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
    ctest --test-dir build/sanitize -j "$jobs"

if [ -x tools/fuzz.sh ]; then
    echo "== Fuzzing"
    ./tools/fuzz.sh
fi
