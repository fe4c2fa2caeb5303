#!/usr/bin/env bash
# CPU time and peak memory of `brellow-cli --any-format` with its default
# detector beside `ffmpeg -i SRC -f null -` (decoding alone), on a clean MP3
# lesson and on the same lesson with brown noise 10 and 0 dB under the speech
# (at 0 dB auto runs the speech network throughout); and the network's speed on one
# core: the lesson's length over the CPU time --detector speech adds to
# --detector level. Not part of the tests.
#
#   bench/speech-speed.sh [BUILD_DIR] [WORK_DIR]      RUNS=n (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."

source bench/common.sh
minutes=${MINUTES:-10}
clean="$work/speed-clean.mp3"
lesson "$work/speed.wav" "$minutes" -r 44100 -c 1
[ -f "$clean" ] || ffmpeg -nostdin -v error -y -i "$work/speed.wav" -ac 2 -b:a 128k "$clean"
db() { sox "$1" -n stats 2>&1 | awk '/RMS lev dB/ { print $4 }'; }
for below in 10 0; do # brown noise this many dB under the speech
    noisy="$work/speed-brown$below.mp3"
    [ -f "$noisy" ] && continue
    sox -R -n -r 44100 -c 1 -b 16 "$work/brown.wav" synth "$(soxi -D "$work/speed.wav")" brownnoise vol 0.5
    gain=$(awk -v s="$(db "$work/speed.wav")" -v b="$below" -v n="$(db "$work/brown.wav")" 'BEGIN { print s - b - n }')
    sox -m "$work/speed.wav" "|sox $work/brown.wav -p vol ${gain}dB" "$work/noisy.wav"
    ffmpeg -nostdin -v error -y -i "$work/noisy.wav" -ac 2 -b:a 128k "$noisy"
done
length=$(soxi -D "$work/speed.wav")

cpu() { # command...: user + system seconds and peak MB of one run, on core 0
    taskset -c 0 /usr/bin/time -f '%U %S %M' "$@" 2>&1 >/dev/null | tail -1 |
        awk '{ printf "%.3f %.1f\n", $1 + $2, $3 / 1024 }'
}
out="$work/speed-out"
printf '| source | run | CPU time | peak memory |\n|---|---|---|---|\n'
for src in "$clean" "$work/speed-brown10.mp3" "$work/speed-brown0.mp3"; do
    declare -A t=() m=()
    for ((i = 0; i < runs; i++)); do
        for how in default level speech ffmpeg; do
            rm -rf "$out" && mkdir -p "$out"
            case $how in
            default) r=$(cpu "$cli" --any-format "$src" "$out") ;;
            ffmpeg) r=$(cpu ffmpeg -nostdin -v error -i "$src" -f null -) ;;
            *) r=$(cpu "$cli" --any-format --detector "$how" "$src" "$out") ;;
            esac
            t[$how]+="${r% *} " m[$how]=${r#* }
        done
    done
    for how in default level speech ffmpeg; do
        eval "med_$how=$(tr ' ' '\n' <<<"${t[$how]}" | grep . | median)"
        printf '| %s | %s | %s s | %s MB |\n' "$(basename "$src")" "$how" "$(eval echo \$med_$how)" "${m[$how]}"
    done
    awk -v d="$med_default" -v f="$med_ffmpeg" -v s="$med_speech" -v l="$med_level" -v n="$length" \
        -v dm="${m[default]}" -v fm="${m[ffmpeg]}" 'BEGIN {
        printf "\n%s: default/ffmpeg CPU %.2f, memory %.2f; network %.0f x real time on one core\n\n",
            ARGV[1], d / f, dm / fm, n / (s - l) }' "$(basename "$src")"
    unset t m
done
