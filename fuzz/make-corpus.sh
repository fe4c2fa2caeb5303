#!/usr/bin/env bash
# Rebuilds the seed corpus from the committed recordings: a few blocks of each
# (the fuzzer needs the shape, not the length) and headers cut at chunk edges.
set -euo pipefail
cd "$(dirname "$0")/.."
data=tests/data
out=fuzz/corpus
rm -rf "$out"
mkdir -p "$out"
head -c $((90 + 4 * 512)) "$data/example.wav" >"$out/example-4-blocks.wav"
head -c $((90 + 512 + 300)) "$data/german.wav" >"$out/german-partial-block.wav"
head -c $((90 + 512)) "$data/french-whole-blocks.wav" >"$out/french-1-block.wav"
for cut in 12 20 42 70 82 90; do
    head -c "$cut" "$data/english.wav" >"$out/english-header-$cut.wav"
done

# A wide fmt chunk that puts the fact and data heads at the very end of the
# 1024-byte header buffer, so that mutated sizes reach across its edge.
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))\\x$(printf %02x $(($1 >> 16 & 255)))\\x$(printf %02x $(($1 >> 24 & 255)))"; }
{
    printf 'RIFF'
    le32 $((1016 + 512))
    printf 'WAVEfmt '
    le32 984
    dd if="$data/english.wav" bs=1 skip=20 count=50 status=none
    head -c 934 /dev/zero
    printf 'fact'
    le32 4
    le32 1012
    printf 'data'
    le32 512
    dd if="$data/english.wav" bs=1 skip=$((90 + 512 * 20)) count=512 status=none
} >"$out/wide-fmt-at-buffer-end.wav"

# Eight blocks at 100 samples a second, so that pauses fall within a few blocks.
{
    printf 'RIFF'
    le32 $((82 + 8 * 512))
    dd if="$data/english.wav" bs=1 skip=8 count=16 status=none
    le32 100
    dd if="$data/english.wav" bs=1 skip=28 count=58 status=none
    le32 $((8 * 512))
    dd if="$data/english.wav" bs=1 skip=90 count=$((8 * 512)) status=none
} >"$out/english-8-blocks-at-100-hz.wav"

# Short recordings in a container of each demuxer that FFmpeg's libraries
# may use (no other is ever opened), for the way through them.
media() { # name, ffmpeg output options
    ffmpeg -nostdin -v error -y -i "$data/english.wav" -ss 1 -t 0.12 -ar 8000 ${2} "$out/$1"
}
media pcm-stereo.wav "-ac 2 -c:a pcm_s16le"
media short.mp3 "-b:a 16k"
media short.flac "-c:a flac"
media short.ogg "-c:a libvorbis"
media short.opus "-c:a libopus -b:a 12k -ar 48000"
media short.w64 "-c:a pcm_s16le"
media short.aiff ""
media short.m4a "-c:a aac -b:a 16k"
media short.aac "-c:a aac -b:a 16k"
media short.wma "-c:a wmav2 -b:a 32k"
media short.mka "-c:a flac"
media short.webm "-c:a libopus -b:a 12k -ar 48000"
