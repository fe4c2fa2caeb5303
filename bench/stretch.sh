#!/usr/bin/env bash
# The time stretchers on offer side by side (bench/StretchBench.cpp): quality
# on speech at tempo 0.6 and 0.8, speed at 22.05 and 44.1 kHz, and ffmpeg's
# own atempo on the 10-minute MP3 lesson as the yardstick; then the peak
# memory of our stretcher on one phrase of 1, 10 and 60 minutes.
# Not part of the tests.
#
#   bench/stretch.sh [BUILD_DIR] [WORK_DIR]      RUNS=n (default 5), for the ffmpeg timings
set -euo pipefail
cd "$(dirname "$0")/.."

source bench/common.sh
cmake -S . -B "$build" -DBRELLOW_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target brellow_stretch_bench >/dev/null
tool="$build/bench/brellow_stretch_bench"

# Speech: espeak-ng's voices (a man's, a woman's, German), and a man's recorded
# voice, the channel names that alsa-utils speaks.
sentences=("en|The quick brown fox jumps over the lazy dog. Would you like a cup of coffee?"
    "en+f3|Where is the railway station, please? It is on the left."
    "de|Ich möchte gern ein Zimmer für zwei Nächte reservieren.")
voice=(/usr/share/sounds/alsa/{Front_Center,Front_Left,Front_Right,Rear_Center,Rear_Left,Rear_Right,Side_Left,Side_Right}.wav)
raw() { # OUT RATE IN...: 16-bit mono samples at RATE
    local out=$1 rate=$2
    shift 2
    sox -D "$@" -r "$rate" -c 1 -b 16 -e signed-integer -t raw "$out"
}
for rate in 22050 44100; do
    espeak=()
    for i in "${!sentences[@]}"; do
        [ -f "$work/espeak$i.wav" ] || espeak-ng -v "${sentences[$i]%%|*}" -s 160 -w "$work/espeak$i.wav" "${sentences[$i]#*|}"
        raw "$work/espeak$i-$rate.raw" "$rate" "$work/espeak$i.wav"
        espeak+=("$work/espeak$i-$rate.raw")
    done
    raw "$work/voice-$rate.raw" "$rate" "${voice[@]}"
    for tempo in 0.6 0.8; do
        printf '\n### espeak-ng, %d Hz, tempo %s\n\n' "$rate" "$tempo"
        "$tool" quality "$rate" "$tempo" "${espeak[@]}"
        printf '\n### Recorded voice, %d Hz, tempo %s\n\n' "$rate" "$tempo"
        "$tool" quality "$rate" "$tempo" "$work/voice-$rate.raw"
    done
done

# Speed: two minutes of the tests' spoken material, at 0.75.
lesson "$work/speech-2min.wav" 2
for rate in 22050 44100; do
    raw "$work/speech-2min-$rate.raw" "$rate" "$work/speech-2min.wav"
    printf '\n### Speed, 2 minutes at %d Hz, tempo 0.75; median of 3\n\n' "$rate"
    "$tool" speed "$rate" 0.75 "$work/speech-2min-$rate.raw"
done

# The yardstick: the 10-minute MP3 lesson of bench/any-format.sh, decoded
# alone and decoded through atempo.
src="$work/lesson-10min.mp3"
if [ ! -f "$src" ]; then
    lesson "$work/lesson-10min.pcm.wav" 10 -r 44100 -c 2
    ffmpeg -nostdin -v error -y -i "$work/lesson-10min.pcm.wav" -b:a 128k "$src"
    rm -f "$work/lesson-10min.pcm.wav"
fi
d=() a=() m=()
for ((i = 0; i < runs; i++)); do
    d+=("$(seconds_of ffmpeg -nostdin -v error -i "$src" -f null -)")
    a+=("$(seconds_of ffmpeg -nostdin -v error -i "$src" -af atempo=0.75 -f null -)")
    m+=("$(seconds_of ffmpeg -nostdin -v error -i "$src" -af aformat=channel_layouts=mono,atempo=0.75 -f null -)")
done
printf '\n### ffmpeg on the 10-minute MP3 lesson (44.1 kHz stereo); median of %d\n\n' "$runs"
printf '| command | seconds |\n|---|---|\n'
printf '| ffmpeg -i SRC -f null - | %.3f |\n' "$(printf '%s\n' "${d[@]}" | median)"
printf '| ffmpeg -i SRC -af atempo=0.75 -f null - | %.3f |\n' "$(printf '%s\n' "${a[@]}" | median)"
printf '| ffmpeg -i SRC -af aformat=channel_layouts=mono,atempo=0.75 -f null - | %.3f |\n' "$(printf '%s\n' "${m[@]}" | median)"

printf '\n### Our stretcher on one long phrase, 44.1 kHz, tempo 0.75\n\n'
for minutes in 1 10 60; do
    "$tool" memory 44100 0.75 "$minutes"
done
