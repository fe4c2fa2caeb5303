#!/usr/bin/env bash
# Practice recipes on the 10-minute MP3 lesson: brellow-cli --passes 0.75,1
# --output-format mp3, beside the two ffmpeg commands that do the same work
# (encoding Brellow's own WAV output of the recipe to MP3 at the same bit
# rate, and stretching the lesson with atempo=0.75), run by run. Then peak
# memory for lessons of 10 and 60 minutes, and for one phrase of 10 minutes
# (a tone with no quiet in it). Not part of the tests.
#
#   bench/passes.sh [BUILD_DIR] [WORK_DIR]      RUNS=n (default 3)
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${RUNS:-3}
source bench/common.sh
for minutes in 10 60; do
    src="$work/lesson-${minutes}min.mp3"
    if [ ! -f "$src" ]; then
        lesson "$work/lesson-${minutes}min.pcm.wav" "$minutes" -r 44100 -c 2
        ffmpeg -nostdin -v error -y -i "$work/lesson-${minutes}min.pcm.wav" -b:a 128k "$src"
        rm -f "$work/lesson-${minutes}min.pcm.wav"
    fi
done
phrase="$work/phrase-10min.flac"
[ -f "$phrase" ] || sox -n -r 44100 -c 1 "$phrase" synth 600 sine 220 vol 0.5

src="$work/lesson-10min.mp3"
out="$work/passes"
rm -rf "$out" && mkdir -p "$out"
recipe=(--any-format --passes 0.75,1)
"$cli" "${recipe[@]}" "$src" "$out" 2>/dev/null
wav="$out/lesson-10min.WAV"
b=() e=() s=()
for ((i = 0; i < runs; i++)); do
    b+=("$(seconds_of "$cli" "${recipe[@]}" --output-format mp3 "$src" "$out")")
    e+=("$(seconds_of ffmpeg -nostdin -v error -y -i "$wav" -c:a libmp3lame -b:a 64k "$out/ffmpeg.mp3")")
    s+=("$(seconds_of ffmpeg -nostdin -v error -y -i "$src" -af atempo=0.75 -f null -)")
done
bm=$(printf '%s\n' "${b[@]}" | median)
em=$(printf '%s\n' "${e[@]}" | median)
sm=$(printf '%s\n' "${s[@]}" | median)
printf '\n## --passes 0.75,1 --output-format mp3, 10-minute MP3 lesson; median of %d runs\n' "$runs"
printf '| command | time |\n|---|---|\n'
printf '| brellow-cli %s --output-format mp3 | %.2f s |\n' "${recipe[*]}" "$bm"
printf '| ffmpeg encoding its WAV output (%s bytes) to MP3 at 64k | %.2f s |\n' "$(stat -c %s "$wav")" "$em"
printf '| ffmpeg -af atempo=0.75 -f null | %.2f s |\n' "$sm"
awk -v b="$bm" -v e="$em" -v s="$sm" 'BEGIN { printf "\nBrellow / (encode + stretch) = %.2f\n", b / (e + s) }'

printf '\n## Peak memory, --passes 0.75,1 --output-format mp3\n| recording | peak memory |\n|---|---|\n'
for minutes in 10 60; do
    printf '| %d-minute lesson | %s MB |\n' "$minutes" \
        "$(peak_mb "$cli" "${recipe[@]}" --output-format mp3 "$work/lesson-${minutes}min.mp3" "$out")"
done
printf '| one 10-minute phrase | %s MB |\n' \
    "$(peak_mb "$cli" "${recipe[@]}" --output-format mp3 "$phrase" "$out")"
