#!/usr/bin/env bash
# Peak memory of brellow-cli --any-format across source rates from 8 kHz to
# 384 kHz: a 10-minute FLAC lesson at each rate, written as WAV and encoded
# as FLAC, MP3 and Opus (which resample to a rate they take). Then how long
# the refusals of issue-sized hostile files take. Not part of the tests.
#
#   bench/rates.sh [BUILD_DIR] [WORK_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

source bench/common.sh
rates=(8000 16000 22050 44100 48000 96000 192000 384000)
lesson "$work/rates.pcm.wav" 10 -r 22050 -c 1

printf '\n10-minute lesson; peak memory (MB) of one run\n\n| source rate | FLAC bytes | WAV | FLAC | MP3 | Opus |\n|---|---|---|---|---|---|\n'
for rate in "${rates[@]}"; do
    src="$work/lesson-$rate.flac"
    [ -f "$src" ] || ffmpeg -nostdin -v error -y -i "$work/rates.pcm.wav" -ar "$rate" "$src"
    out="$work/rates-out"
    rm -rf "$out" && mkdir -p "$out"
    row="| $rate Hz | $(stat -c %s "$src") | $(peak_mb "$cli" --any-format "$src" "$out")"
    for format in flac mp3 opus; do
        row+=" | $(peak_mb "$cli" --any-format --output-format "$format" "$src" "$out")"
    done
    echo "$row |"
done

# Refusals: a 1 Hz WAV of 4 KB, and the hostile containers of the tests.
hostile="$work/hostile"
rm -rf "$hostile" && mkdir -p "$hostile/out"
{
    printf 'RIFF\xa4\x0f\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x01\x00\x00\x00\x02\x00\x00\x00\x02\x00\x10\x00data\x80\x0f\x00\x00'
    head -c 4000 /dev/zero
} >"$hostile/slow.wav"
printf 'ffconcat version 1.0\nfile slow.wav\n' >"$hostile/ffconcat.mp3"
printf '#EXTM3U\n#EXT-X-TARGETDURATION:10\n#EXTINF:10,\nhttp://127.0.0.1:9/a.ts\n#EXT-X-ENDLIST\n' >"$hostile/hls.m3u8"
printf 'v=0\r\nc=IN IP4 127.0.0.1\r\nm=audio 5004 RTP/AVP 0\r\n' >"$hostile/lesson.sdp"
printf '\n| refused | options | time | peak memory |\n|---|---|---|---|\n'
for case in "slow.wav --any-format" "slow.wav --any-format --output-format opus" \
    "ffconcat.mp3 --any-format" "hls.m3u8 --any-format" "lesson.sdp --any-format"; do
    read -r file options <<<"$case"
    # shellcheck disable=SC2086
    printf '| %s | %s | %s s | %s MB |\n' "$file" "$options" \
        "$(seconds_of "$cli" $options "$hostile/$file" "$hostile/out")" \
        "$(peak_mb "$cli" $options "$hostile/$file" "$hostile/out")"
done
