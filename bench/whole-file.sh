#!/usr/bin/env bash
# Whole-file timings on long spoken recordings: brellow-cli beside a plain
# FFmpeg decode, a plain sox decode and dd writing as many bytes as Brellow's
# output holds, all to the same disk. Not part of the tests.
#
#   bench/whole-file.sh [BUILD_DIR] [WORK_DIR]
#
# BASELINE=path/to/another/brellow-cli adds that build to the same runs, for
# telling a change's cost from the machine's drift.
set -euo pipefail
cd "$(dirname "$0")/.."

source bench/common.sh
for minutes in 10 60; do
    lesson "$work/speech-${minutes}min.wav" "$minutes"
done

for minutes in 10 60; do
    src="$work/speech-${minutes}min.wav"
    out="$work/out-$minutes"
    rm -rf "$out" && mkdir -p "$out"
    "$cli" "$src" "$out" 2>/dev/null
    bytes=$(stat -c %s "$out/speech-${minutes}min.WAV")
    blocks=$(( (bytes + 1048575) / 1048576 ))

    declare -A t=()
    for ((i = 0; i < runs; i++)); do # alternating, so that drift hits all alike
        t[brellow]+="$(seconds_of "$cli" "$src" "$out") "
        if [ -n "${BASELINE:-}" ]; then
            t[baseline]+="$(seconds_of "$BASELINE" "$src" "$out") "
        fi
        t[ffmpeg]+="$(seconds_of ffmpeg -nostdin -v error -y -i "$src" -c:a pcm_s16le "$out/ffmpeg.wav") "
        t[sox]+="$(seconds_of sox "$src" -e signed-integer "$out/sox.wav") "
        t[dd]+="$(seconds_of dd if=/dev/zero of="$out/dd.bin" bs=1M count="$blocks") "
    done
    b=$(echo "${t[brellow]}" | tr ' ' '\n' | grep . | median)
    f=$(echo "${t[ffmpeg]}" | tr ' ' '\n' | grep . | median)
    s=$(echo "${t[sox]}" | tr ' ' '\n' | grep . | median)
    d=$(echo "${t[dd]}" | tr ' ' '\n' | grep . | median)
    peak=$(peak_mb "$cli" "$src" "$out")
    printf '\n## %d-minute recording: %s bytes in, %s bytes out, median of %d runs\n' \
        "$minutes" "$(stat -c %s "$src")" "$bytes" "$runs"
    printf '| brellow-cli | ffmpeg decode | sox decode | dd (same bytes) |\n|---|---|---|---|\n'
    printf '| %.3f s | %.3f s | %.3f s | %.3f s |\n' "$b" "$f" "$s" "$d"
    awk -v b="$b" -v f="$f" -v s="$s" -v d="$d" -v p="$peak" 'BEGIN {
        printf "\nBrellow/FFmpeg %.2f, Brellow/sox %.2f, Brellow/dd %.2f, peak memory %.1f MB\n",
               b / f, b / s, b / d, p }'
    if [ -n "${BASELINE:-}" ]; then
        o=$(echo "${t[baseline]}" | tr ' ' '\n' | grep . | median)
        awk -v b="$b" -v o="$o" 'BEGIN { printf "Baseline %.3f s; this build/baseline %.3f\n", o, b / o }'
    fi
    unset t
done
