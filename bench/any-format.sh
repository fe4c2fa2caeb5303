#!/usr/bin/env bash
# brellow-cli --any-format on MP3 lessons of 10 and 60 minutes, beside
# `ffmpeg -i SRC -ac 1 OUT.wav`: the same decoder, writing half the bytes.
# Alternates the two run by run and gives the medians and peak memory.
# Not part of the tests.
#
#   bench/any-format.sh [BUILD_DIR] [WORK_DIR]      RUNS=n (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
work=${2:-$(mktemp -d "${TMPDIR:-/var/tmp}/brellow-bench.XXXXXX")}
runs=${RUNS:-5}
cli="$build/src/cli/brellow-cli"

./tools/deps.sh
if [ ! -x "$cli" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBRELLOW_BUILD_TESTS=OFF -DBRELLOW_BUILD_UI=OFF >/dev/null
    cmake --build "$build" -j "$(nproc)" --target brellow-cli
fi
mkdir -p "$work"

# The tests' spoken material repeated to length, as a phone or a podcast
# would record it: 44.1 kHz stereo MP3 at 128 kbit/s.
sox -D tests/data/example.wav "$work/example.pcm.wav"
seconds=$(soxi -D "$work/example.pcm.wav")
for minutes in 10 60; do
    src="$work/lesson-${minutes}min.mp3"
    if [ ! -f "$src" ]; then
        repeats=$(awk -v m="$minutes" -v s="$seconds" 'BEGIN { printf "%d", m * 60 / s }')
        sox -D "$work/example.pcm.wav" "$work/long.wav" repeat "$repeats"
        ffmpeg -nostdin -v error -y -i "$work/long.wav" -ar 44100 -ac 2 -b:a 128k "$src"
        rm -f "$work/long.wav"
    fi
done

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
seconds_of() { # command...: wall seconds of one run
    local t0 t1
    t0=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    t1=$(date +%s.%N)
    awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.4f\n", b - a }'
}
peak_mb() { /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F: '/Maximum resident/ { printf "%.1f", $2 / 1024 }'; }

printf '# %s, %s cores, %s\n' "$(uname -m)" "$(nproc)" "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f1 --complement | xargs)"
for minutes in 10 60; do
    src="$work/lesson-${minutes}min.mp3"
    out="$work/out-$minutes"
    rm -rf "$out" && mkdir -p "$out"
    b=() f=()
    for ((i = 0; i < runs; i++)); do
        b+=("$(seconds_of "$cli" --any-format "$src" "$out")")
        f+=("$(seconds_of ffmpeg -nostdin -v error -y -i "$src" -ac 1 "$out/ffmpeg.wav")")
    done
    bm=$(printf '%s\n' "${b[@]}" | median)
    fm=$(printf '%s\n' "${f[@]}" | median)
    printf '\n## %d-minute MP3 lesson: %s bytes in; median of %d runs\n' "$minutes" "$(stat -c %s "$src")" "$runs"
    printf '| | time | peak memory | bytes out |\n|---|---|---|---|\n'
    printf '| brellow-cli --any-format | %.3f s | %s MB | %s |\n' "$bm" \
        "$(peak_mb "$cli" --any-format "$src" "$out")" "$(stat -c %s "$out/lesson-${minutes}min.WAV")"
    printf '| ffmpeg -i SRC -ac 1 OUT.wav | %.3f s | %s MB | %s |\n' "$fm" \
        "$(peak_mb ffmpeg -nostdin -v error -y -i "$src" -ac 1 "$out/ffmpeg.wav")" "$(stat -c %s "$out/ffmpeg.wav")"
    awk -v b="$bm" -v f="$fm" 'BEGIN { printf "\nBrellow/FFmpeg %.2f\n", b / f }'
done
