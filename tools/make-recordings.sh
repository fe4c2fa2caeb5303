#!/usr/bin/env bash
# Makes the spoken test recordings in tests/data (or the folder given): espeak-ng
# speaks a few sentences with a silence after each, and sox encodes them as
# mono Microsoft ADPCM at 22050 Hz with 512-byte blocks, the only kind of
# source Brellow takes. Dither is off (-D), so running it again gives the same
# bytes as long as espeak-ng and sox are the same versions.
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-tests/data}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

gap=0.8 # seconds of silence after each sentence: well above the 0.3 s a phrase end needs

# speak NAME VOICE SENTENCE...: one PCM file per sentence, each followed by silence,
# joined into $work/NAME.wav.
speak() {
    local name=$1 voice=$2
    shift 2
    local parts=() i=0
    for sentence in "$@"; do
        espeak-ng -v "$voice" -s 160 -w "$work/$name-$i.raw.wav" "$sentence"
        sox -D "$work/$name-$i.raw.wav" "$work/$name-$i.wav" pad 0 "$gap"
        parts+=("$work/$name-$i.wav")
        i=$((i + 1))
    done
    sox -D "${parts[@]}" "$work/$name.wav"
}

encode() { # PCM input, ADPCM output, extra sox effects...
    local in=$1 target=$2
    shift 2
    sox -D "$in" -r 22050 -c 1 -e ms-adpcm "$target" "$@"
}

u16() { od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '; }
u32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }
id4() { dd if="$1" bs=1 skip="$2" count=4 status=none; }

# The layout the header walk insists on: fmt (50 bytes, 7 pairs), fact (4), data, nothing between.
check() {
    local f=$1
    [ "$(id4 "$f" 0)" = RIFF ] && [ "$(id4 "$f" 8)" = WAVE ] || { echo "$f: not RIFF/WAVE" >&2; exit 1; }
    [ "$(id4 "$f" 12)" = "fmt " ] && [ "$(u32 "$f" 16)" = 50 ] || { echo "$f: fmt chunk is not 50 bytes" >&2; exit 1; }
    [ "$(u16 "$f" 20)" = 2 ] && [ "$(u16 "$f" 22)" = 1 ] || { echo "$f: not mono ADPCM" >&2; exit 1; }
    [ "$(u32 "$f" 24)" = 22050 ] || { echo "$f: rate is not 22050" >&2; exit 1; }
    [ "$(u16 "$f" 32)" = 512 ] && [ "$(u16 "$f" 38)" = 1012 ] || { echo "$f: blocks are not 512 bytes / 1012 samples" >&2; exit 1; }
    [ "$(u16 "$f" 40)" = 7 ] || { echo "$f: coefficient count is not 7" >&2; exit 1; }
    [ "$(id4 "$f" 70)" = fact ] && [ "$(u32 "$f" 74)" = 4 ] || { echo "$f: no 4-byte fact chunk after fmt" >&2; exit 1; }
    [ "$(id4 "$f" 82)" = data ] || { echo "$f: no data chunk after fact" >&2; exit 1; }
    local samples data
    samples=$(u32 "$f" 78)
    data=$(u32 "$f" 86)
    [ $((data % 512)) = 0 ] && [ $((90 + data)) = "$(stat -c %s "$f")" ] || { echo "$f: data is not whole blocks to the end" >&2; exit 1; }
    printf '%-28s %6d samples  %4d blocks  last block %4d of 1012 samples  %7d bytes\n' \
        "$f" "$samples" $((data / 512)) $((samples - (data / 512 - 1) * 1012)) "$(stat -c %s "$f")"
}

speak english en-us \
    "Good morning. My name is Anna." \
    "I would like a cup of coffee, please." \
    "Where is the train station?"
encode "$work/english.wav" "$out/english.wav"

speak german de \
    "Guten Tag. Wie geht es Ihnen?" \
    "Ich lerne seit einem Jahr Deutsch." \
    "Das Wetter ist heute sehr schön."
encode "$work/german.wav" "$out/german.wav"

# Cut to a whole number of blocks, so the fact count ends exactly on a block boundary.
speak french fr-fr \
    "Bonjour, je m'appelle Paul." \
    "Je voudrais un billet pour Paris, s'il vous plaît."
total=$(soxi -s "$work/french.wav")
encode "$work/french.wav" "$out/french-whole-blocks.wav" trim 0 "$((total / 1012 * 1012))s"

# The bundled example the README points to: about twenty seconds, two voices.
speak example-a en-gb \
    "Welcome to the example recording." \
    "After every phrase you hear a pause as long as the phrase." \
    "Use the pause to say the phrase again." \
    "Take your time and listen carefully."
speak example-b en-us+f3 \
    "Now a second voice reads two more sentences." \
    "That is the end of the example. Goodbye."
sox -D "$work/example-a.wav" "$work/example-b.wav" "$work/example.wav"
encode "$work/example.wav" "$out/example.wav"

for f in "$out/english.wav" "$out/german.wav" "$out/french-whole-blocks.wav" "$out/example.wav"; do
    check "$f"
done
