#!/usr/bin/env bash
# brellow-cli --output-format mp3 and opus on the 10-minute lesson, beside
# ffmpeg encoding Brellow's own WAV output of it with the same encoder and
# bit rate. Alternates the two run by run; gives medians and peak memory.
# Not part of the tests.
#
#   bench/encode.sh [BUILD_DIR] [WORK_DIR]      RUNS=n (default 3)
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${RUNS:-3}
source bench/common.sh
# The 10-minute lesson of the whole-file benchmark.
src="$work/speech-10min.wav"
lesson "$src" 10
out="$work/encode"
rm -rf "$out" && mkdir -p "$out"
"$cli" "$src" "$out" 2>/dev/null
wav="$out/speech-10min.WAV"

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
