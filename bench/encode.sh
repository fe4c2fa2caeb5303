#!/usr/bin/env bash
# brellow-cli --output-format mp3 and opus on the 10-minute lesson, beside
# ffmpeg encoding Brellow's own WAV output of it with the same encoder and
# bit rate. Alternates the two run by run; gives medians and peak memory.
# Not part of the tests.
#
#   bench/encode.sh [BUILD_DIR] [WORK_DIR]      RUNS=n (default 3)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
work=${2:-$(mktemp -d "${TMPDIR:-/var/tmp}/brellow-bench.XXXXXX")}
runs=${RUNS:-3}
cli="$build/src/cli/brellow-cli"

./tools/deps.sh
if [ ! -x "$cli" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBRELLOW_BUILD_TESTS=OFF -DBRELLOW_BUILD_UI=OFF >/dev/null
    cmake --build "$build" -j "$(nproc)" --target brellow-cli
fi
mkdir -p "$work"

# The 10-minute lesson of the whole-file benchmark: the tests' spoken
# material, repeated, as mono ADPCM at 22050 Hz.
src="$work/speech-10min.wav"
if [ ! -f "$src" ]; then
    sox -D tests/data/example.wav "$work/example.pcm.wav"
    repeats=$(awk -v s="$(soxi -D "$work/example.pcm.wav")" 'BEGIN { printf "%d", 600 / s }')
    sox -D "$work/example.pcm.wav" -r 22050 -c 1 -e ms-adpcm "$src" repeat "$repeats"
fi
out="$work/encode"
rm -rf "$out" && mkdir -p "$out"
"$cli" "$src" "$out" 2>/dev/null
wav="$out/speech-10min.WAV"

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
printf '\n10-minute lesson, %s bytes of WAV output; median of %d runs\n\n' "$(stat -c %s "$wav")" "$runs"
printf '| format | brellow-cli (decode, pauses, encode) | ffmpeg (encode the WAV) | Brellow/FFmpeg | peak memory, Brellow | peak memory, ffmpeg | bytes out |\n'
printf '|---|---|---|---|---|---|---|\n'
for format in mp3 opus; do
    case $format in
    mp3) encoder=(-c:a libmp3lame -b:a 64k) ;;
    opus) encoder=(-c:a libopus -b:a 32k -application voip) ;;
    esac
    b=() f=()
    for ((i = 0; i < runs; i++)); do
        b+=("$(seconds_of "$cli" --output-format "$format" "$src" "$out")")
        f+=("$(seconds_of ffmpeg -nostdin -v error -y -i "$wav" "${encoder[@]}" "$out/ffmpeg.$format")")
    done
    bm=$(printf '%s\n' "${b[@]}" | median)
    fm=$(printf '%s\n' "${f[@]}" | median)
    printf '| %s | %.2f s | %.2f s | %.2f | %s MB | %s MB | %s |\n' "$format" "$bm" "$fm" \
        "$(awk -v b="$bm" -v f="$fm" 'BEGIN { print b / f }')" \
        "$(peak_mb "$cli" --output-format "$format" "$src" "$out")" \
        "$(peak_mb ffmpeg -nostdin -v error -y -i "$wav" "${encoder[@]}" "$out/ffmpeg.$format")" \
        "$(stat -c %s "$out/speech-10min.$format")"
done
