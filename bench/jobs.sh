#!/usr/bin/env bash
# Folder runs side by side: a folder of 8 spoken lessons (1 minute each,
# mono ADPCM) to Opus practice files, and the same folder to exact WAV files,
# with --jobs 1, 2 and, where the machine has them, more; then the peak
# memory of a plain --any-format run, with and without FFmpeg's filter
# library loaded beside it (as every such run loaded it before the time
# stretcher had a module of its own), beside ffmpeg on the same job.
# Not part of the tests.
#
#   bench/jobs.sh [BUILD_DIR] [WORK_DIR]      RUNS=n (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."

source bench/common.sh
folder="$work/lessons"
mkdir -p "$folder"
for i in 1 2 3 4 5 6 7 8; do
    lesson "$folder/lesson$i.wav" 1
done

jobs=(1 2)
[ "$(nproc)" -gt 2 ] && jobs+=("$(nproc)")
for what in opus wav; do
    options=()
    [ "$what" = opus ] && options=(--output-format opus)
    declare -A times=()
    for ((r = 0; r < runs; r++)); do # alternated, so that a busy moment hits every count alike
        for n in "${jobs[@]}"; do
            rm -rf "$work/out" && mkdir -p "$work/out"
            times[$n]+="$(seconds_of "$cli" "${options[@]}" --jobs "$n" "$folder" "$work/out") "
        done
    done
    printf '\n## 8 lessons of 1 minute to %s; median of %d runs\n| --jobs | time | against --jobs 1 |\n|---|---|---|\n' "$what" "$runs"
    one=$(printf '%s\n' ${times[1]} | median)
    for n in "${jobs[@]}"; do
        m=$(printf '%s\n' ${times[$n]} | median)
        awk -v n="$n" -v m="$m" -v one="$one" 'BEGIN { printf "| %s | %.3f s | %.2f |\n", n, m, m / one }'
    done
    unset times
done

# One MP3 lesson of 10 minutes, as in bench/any-format.sh.
src="$work/lesson-10min.mp3"
if [ ! -f "$src" ]; then
    lesson "$work/lesson-10min.pcm.wav" 10 -r 44100 -c 2
    ffmpeg -nostdin -v error -y -i "$work/lesson-10min.pcm.wav" -b:a 128k "$src"
    rm -f "$work/lesson-10min.pcm.wav"
fi
filters=$(ldconfig -p | awk '/libavfilter\.so\./ { f = $NF } END { print f }')
printf '\n## Peak memory of a plain --any-format run of the 10-minute MP3, %d runs each\n' "$runs"
printf '| | peak memory, each run (MB) |\n|---|---|\n'
for how in plain filters ffmpeg; do
    peaks=()
    for ((r = 0; r < runs; r++)); do
        rm -rf "$work/out" && mkdir -p "$work/out"
        case $how in
        plain) peaks+=("$(peak_mb "$cli" --any-format "$src" "$work/out")") ;;
        filters) peaks+=("$(LD_PRELOAD="$filters" peak_mb "$cli" --any-format "$src" "$work/out")") ;;
        ffmpeg) peaks+=("$(peak_mb ffmpeg -nostdin -v error -y -i "$src" -ac 1 "$work/out/ffmpeg.wav")") ;;
        esac
    done
    printf '| %s | %s |\n' "$how" "${peaks[*]}"
done
