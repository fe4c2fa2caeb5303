#!/usr/bin/env bash
# brellow-cli --any-format on MP3 lessons of 10 and 60 minutes, beside
# `ffmpeg -i SRC -ac 1 OUT.wav`: the same decoder, writing half the bytes.
# Brellow runs with its default for MP3 (--threshold auto) and with the
# fixed --threshold -20. Alternates the three run by run and gives the
# medians and peak memory.
# Not part of the tests.
#
#   bench/any-format.sh [BUILD_DIR] [WORK_DIR]      RUNS=n (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."

source bench/common.sh
# As a phone or a podcast would record it: 44.1 kHz stereo MP3 at 128 kbit/s.
for minutes in 10 60; do
    src="$work/lesson-${minutes}min.mp3"
    if [ ! -f "$src" ]; then
        lesson "$work/lesson-${minutes}min.pcm.wav" "$minutes" -r 44100 -c 2
        ffmpeg -nostdin -v error -y -i "$work/lesson-${minutes}min.pcm.wav" -b:a 128k "$src"
        rm -f "$work/lesson-${minutes}min.pcm.wav"
    fi
done

for minutes in 10 60; do
    src="$work/lesson-${minutes}min.mp3"
    out="$work/out-$minutes"
    rm -rf "$out" && mkdir -p "$out"
    b=() x=() f=()
    for ((i = 0; i < runs; i++)); do
        b+=("$(seconds_of "$cli" --any-format "$src" "$out")")
        x+=("$(seconds_of "$cli" --any-format --threshold -20 "$src" "$out")")
        f+=("$(seconds_of ffmpeg -nostdin -v error -y -i "$src" -ac 1 "$out/ffmpeg.wav")")
    done
    bm=$(printf '%s\n' "${b[@]}" | median)
    xm=$(printf '%s\n' "${x[@]}" | median)
    fm=$(printf '%s\n' "${f[@]}" | median)
    printf '\n## %d-minute MP3 lesson: %s bytes in; median of %d runs\n' "$minutes" "$(stat -c %s "$src")" "$runs"
    printf '| | time | peak memory | bytes out |\n|---|---|---|---|\n'
    printf '| brellow-cli --any-format (auto) | %.3f s | %s MB | %s |\n' "$bm" \
        "$(peak_mb "$cli" --any-format "$src" "$out")" "$(stat -c %s "$out/lesson-${minutes}min.WAV")"
    printf '| brellow-cli --any-format --threshold -20 | %.3f s | %s MB | %s |\n' "$xm" \
        "$(peak_mb "$cli" --any-format --threshold -20 "$src" "$out")" "$(stat -c %s "$out/lesson-${minutes}min.WAV")"
    printf '| ffmpeg -i SRC -ac 1 OUT.wav | %.3f s | %s MB | %s |\n' "$fm" \
        "$(peak_mb ffmpeg -nostdin -v error -y -i "$src" -ac 1 "$out/ffmpeg.wav")" "$(stat -c %s "$out/ffmpeg.wav")"
    awk -v b="$bm" -v x="$xm" -v f="$fm" 'BEGIN { printf "\nBrellow/FFmpeg %.2f with auto, %.2f with -20\n", b / f, x / f }'
done
