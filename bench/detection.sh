#!/usr/bin/env bash
# Where the pauses land: brellow-cli --any-format with --threshold -20 and
# with --threshold auto on spoken paragraphs whose sentence ends are known,
# made with espeak-ng (bench/detection-texts.txt) and turned into what
# learners' files are like: quieter and louder, with room noise, encoded.
# Not part of the tests.
#
#   bench/detection.sh [BUILD_DIR] [WORK_DIR]
#
# BUILD_DIR must be configured with -DBRELLOW_BUILD_BENCH=ON. Each run's
# figures go to WORK_DIR/detection/runs.tsv, the tables to standard output.
# FAST=1 gives brellow-cli the decoded samples as PCM WAV instead of the
# encoded file: the same samples, so the same pauses, in less time.
set -euo pipefail
cd "$(dirname "$0")/.."

source bench/common.sh
score="$build/bench/brellow_detection_score"
if [ ! -x "$score" ]; then
    cmake -S . -B "$build" -DBRELLOW_BUILD_BENCH=ON >/dev/null
    cmake --build "$build" -j "$(nproc)" --target brellow_detection_score
fi
work="$work/detection"
mkdir -p "$work/para" "$work/src" "$work/dec" "$work/out"
rate=22050
gaps=(0.55 0.8 0.45 1.0 0.6 0.9 0.5 0.7) # between sentences, in turn

db() { sox "$1" -n stats 2>&1 | awk '/RMS lev dB/ { print $4 }'; }
silence() { sox -n -r $rate -c 1 -b 16 "$1" trim 0 "$2"; }

# One paragraph: each sentence spoken alone, its silences trimmed, then laid
# end to end with known gaps. Sentence times go to sentences.txt.
paragraph() { # name voice wpm gap-scale text
    local dir="$work/para/$1" voice=$2 wpm=$3 scale=$4 text=$5
    [ -f "$dir/clean.wav" ] && return
    mkdir -p "$dir"
    local parts=() t=0.5 k=0 sentence
    silence "$dir/lead.wav" 0.5
    parts+=("$dir/lead.wav")
    : >"$dir/sentences.txt"
    while IFS= read -r sentence; do
        [ -n "$sentence" ] || continue
        espeak-ng -v "$voice" -s "$wpm" -w "$dir/raw$k.wav" "$sentence"
        sox "$dir/raw$k.wav" -r $rate "$dir/s$k.wav" silence 1 0.005 0.05% reverse silence 1 0.005 0.05% reverse
        local d gap
        d=$(soxi -D "$dir/s$k.wav")
        gap=$(awk -v g="${gaps[k % ${#gaps[@]}]}" -v s="$scale" 'BEGIN { print g * s }')
        awk -v t="$t" -v d="$d" 'BEGIN { printf "%.4f %.4f\n", t, t + d }' >>"$dir/sentences.txt"
        silence "$dir/g$k.wav" "$gap"
        parts+=("$dir/s$k.wav" "$dir/g$k.wav")
        t=$(awk -v t="$t" -v d="$d" -v g="$gap" 'BEGIN { print t + d + g }')
        k=$((k + 1))
    done < <(sed -E 's/([.?!]) +/\1\n/g' <<<"$text")
    sox "${parts[@]}" "$dir/clean.wav"
    sox $(printf "$dir/s%d.wav " $(seq 0 $((k - 1)))) "$dir/speech.wav"
}

# People reading and saying phrases, from Debian's packages: each file is a
# sentence, laid end to end with the room tone it has; the sentence runs
# from the first to the last 20 ms that stand 12 dB above its quietest.
real_paragraph() { # name gap files...
    local dir="$work/para/$1" gap=$2 k=0 t=0 f a
    shift 2
    [ -f "$dir/clean.wav" ] && return
    mkdir -p "$dir"
    local parts=()
    silence "$dir/lead.wav" 0.001
    parts+=("$dir/lead.wav")
    : >"$dir/sentences.txt"
    for f in "$@"; do
        a=()
        [[ $f == *.raw ]] && a=(-t raw -r 16000 -e signed -b 16 -c 1)
        sox "${a[@]}" "$f" -r $rate -c 1 -b 16 "$dir/s$k.wav"
        local d floor start end
        d=$(soxi -D "$dir/s$k.wav")
        floor=$(sox "$dir/s$k.wav" -n stats 2>&1 | awk '/RMS Tr dB/ { print $4 + 12 }')
        start=$(awk -v d="$d" -v l="$(sox "$dir/s$k.wav" -n silence 1 0.02 "${floor}d" stat 2>&1 | awk '/Length/ { print $3 }')" 'BEGIN { print d - l }')
        end=$(sox "$dir/s$k.wav" -n reverse silence 1 0.02 "${floor}d" stat 2>&1 | awk '/Length/ { print $3 }')
        awk -v t="$t" -v a="$start" -v b="$end" 'BEGIN { printf "%.4f %.4f\n", t + a, t + b }' >>"$dir/sentences.txt"
        sox "$dir/s$k.wav" "$dir/t$k.wav" trim "$start" =$end
        silence "$dir/g$k.wav" "$gap"
        parts+=("$dir/s$k.wav" "$dir/g$k.wav")
        t=$(awk -v t="$t" -v d="$d" -v g="$gap" 'BEGIN { print t + d + g }')
        k=$((k + 1))
    done
    sox "${parts[@]}" "$dir/clean.wav"
    sox $(printf "$dir/t%d.wav " $(seq 0 $((k - 1)))) "$dir/speech.wav"
}

# Ten minutes of a band at 120 beats a minute: a plucked note every beat,
# a kick every other one, hats on every half beat.
music_bed() { # out
    local d="$work/bed" k parts=() notes=(C4 E4 G4 A3 F4 D4 B3 G3)
    mkdir -p "$d"
    for k in "${!notes[@]}"; do
        sox -n -r $rate -c 1 -b 16 "$d/n$k.wav" synth 0.5 pluck "${notes[k]}" fade 0 0.5 0.3
        parts+=("$d/n$k.wav")
    done
    sox "${parts[@]}" "$d/notes.wav"
    sox -n -r $rate -c 1 -b 16 "$d/kick.wav" synth 0.18 sine 150:45 fade 0 0.18 0.15 pad 0 0.82 repeat 3
    sox -V1 -n -r $rate -c 1 -b 16 "$d/hats.wav" synth 0.04 whitenoise highpass 6000 fade 0 0.04 0.035 vol 0.3 pad 0 0.21 repeat 15
    sox -m "$d/notes.wav" "$d/kick.wav" "$d/hats.wav" "$d/bar.wav"
    sox "$d/bar.wav" "$1" repeat 149
}

# A variant of a paragraph's clean recording, as PCM WAV.
variant() { # name condition gain out
    local dir="$work/para/$1" cond=$2 gain=$3 out=$4
    local speech noise tmp="$work/tmp.wav"
    speech=$(awk -v s="$(db "$dir/speech.wav")" -v g="$gain" 'BEGIN { print s + g }')
    case $cond in
    clean) sox -V1 "$dir/clean.wav" "$out" vol "${gain}dB" ;;
    pink* | brown* | white*)
        # Room noise this many dB below the speech's own level.
        local kind=${cond%%[0-9]*} below=${cond##*[a-z]}
        sox -V1 "$dir/clean.wav" "$tmp" vol "${gain}dB"
        sox -R -n -r $rate -c 1 -b 16 "$work/noise.wav" synth "$(soxi -D "$tmp")" "${kind}noise" vol 0.5
        noise=$(awk -v s="$speech" -v b="$below" -v n="$(db "$work/noise.wav")" 'BEGIN { print s - b - n }')
        sox -V1 -m -v 1 "$tmp" -v 1 "|sox $work/noise.wav -p vol ${noise}dB" "$out"
        ;;
    music*)
        # A band this many dB below the speech: plucked notes, kick and hats.
        local below=${cond#music}
        [ -f "$work/bed.wav" ] || music_bed "$work/bed.wav"
        sox -V1 "$dir/clean.wav" "$tmp" vol "${gain}dB"
        noise=$(awk -v s="$speech" -v b="$below" -v n="$(db "$work/bed.wav")" 'BEGIN { print s - b - n }')
        sox -V1 -m -v 1 "$tmp" -v 1 "|sox $work/bed.wav -p trim 0 $(soxi -D "$tmp") vol ${noise}dB" "$out"
        ;;
    reverb) sox -V1 "$dir/clean.wav" "$out" vol "${gain}dB" reverb 50 50 100 ;;
    dc) sox -V1 "$dir/clean.wav" "$out" vol "$((gain - 10))dB" dcshift 0.08 ;;
    breath)
        # A breath in every gap, 30 dB below the speech, over faint room tone.
        local parts=() at=0 s e
        while read -r s e; do
            silence "$work/b-sil$at.wav" "$(awk -v s="$s" -v a="$at" 'BEGIN { print (s - a > 0.351 ? s - a - 0.35 : 0.001) }')"
            parts+=("$work/b-sil$at.wav" "$work/breath.wav")
            at=$(awk -v s="$s" -v a="$at" 'BEGIN { print (s - a - 0.35 > 0 ? s - 0.35 : a + 0.001) + 0.3 }')
        done <"$dir/sentences.txt"
        sox -R -n -r $rate -c 1 -b 16 "$work/breath.wav" synth 0.3 pinknoise band 1200 1500 fade q 0.1 0.3 0.15 norm "$(awk -v s="$speech" 'BEGIN { print s - 30 + 9 }')"
        sox "${parts[@]}" "$work/breaths.wav"
        sox -R -n -r $rate -c 1 -b 16 "$work/noise.wav" synth "$(soxi -D "$dir/clean.wav")" pinknoise vol 0.5
        noise=$(awk -v s="$speech" -v n="$(db "$work/noise.wav")" 'BEGIN { print s - 45 - n }')
        sox -V1 "$dir/clean.wav" "$tmp" vol "${gain}dB"
        sox -V1 -m -v 1 "$tmp" -v 1 "$work/breaths.wav" -v 1 "|sox $work/noise.wav -p vol ${noise}dB" "$out"
        ;;
    levels)
        # A part 12 dB quieter, a louder part, then a second speaker 24 dB
        # quieter, over room noise 24 dB below the quiet speaker.
        local n k=0 parts=() v
        n=$(wc -l <"$dir/sentences.txt")
        parts+=("$dir/lead.wav")
        while [ -f "$dir/s$k.wav" ]; do
            v=$((k * 3 < n ? -12 : (k * 3 < 2 * n ? 0 : -24)))
            sox -V1 "$dir/s$k.wav" "$work/l-s$k.wav" vol "$((v + gain))dB"
            parts+=("$work/l-s$k.wav" "$dir/g$k.wav")
            k=$((k + 1))
        done
        sox "${parts[@]}" "$tmp"
        sox -R -n -r $rate -c 1 -b 16 "$work/noise.wav" synth "$(soxi -D "$tmp")" pinknoise vol 0.5
        noise=$(awk -v s="$speech" -v n="$(db "$work/noise.wav")" 'BEGIN { print s - 48 - n }')
        sox -V1 -m -v 1 "$tmp" -v 1 "|sox $work/noise.wav -p vol ${noise}dB" "$out"
        ;;
    esac
}

# How learners' files come: a course MP3, a phone's M4A, Opus.
encode() { # in codec out
    case $2 in
    wav) cp "$1" "$3" ;;
    mp3) ffmpeg -nostdin -v error -y -i "$1" -ar 44100 -ac 2 -b:a 128k "$3" ;;
    m4a) ffmpeg -nostdin -v error -y -i "$1" -ar 44100 -c:a aac -b:a 64k "$3" ;;
    opus) ffmpeg -nostdin -v error -y -i "$1" -c:a libopus -b:a 32k "$3" ;;
    esac
}

names=()
if [ "${SET:-}" != hard ]; then
while IFS='|' read -r name voice wpm text; do
    [[ -z $name || $name == \#* ]] && continue
    paragraph "$name" "$voice" "$wpm" 1 "$text"
    names+=("$name")
done <bench/detection-texts.txt
# Short phrases with long gaps, as a course gives them to repeat.
paragraph phrases en-us 150 2 "Good morning. How are you today? I am fine, thank you. Where is the station? It is next to the bank. How much is this ticket? Ten euros, please. Thank you very much. You are welcome. See you tomorrow."
names+=(phrases)
ps=/usr/share/pocketsphinx/test/data
real_paragraph austen 0.001 "$ps"/librivox/*.wav
real_paragraph spoken 0.001 "$ps"/cards/00[1-5].wav "$ps"/goforward.raw "$ps"/something.raw "$ps"/numbers.raw
real_paragraph alsa 0.6 /usr/share/sounds/alsa/{Front_Left,Front_Center,Front_Right,Side_Left,Side_Right,Rear_Left,Rear_Center,Rear_Right}.wav
names+=(austen spoken alsa)

# No quiet anywhere: one paragraph run together, and a steady chord over noise.
if [ ! -f "$work/para/continuous/clean.wav" ]; then
    mkdir -p "$work/para/continuous" "$work/para/music"
    espeak-ng -v en-us -s 190 -w "$work/tmp.wav" "$(sed -n 's/^en-us|[^|]*|[^|]*|//p' bench/detection-texts.txt | tr -d '.,?!')"
    sox "$work/tmp.wav" -r $rate "$work/para/continuous/clean.wav" silence 1 0.005 0.05% reverse silence 1 0.005 0.05% reverse
    cp "$work/para/continuous/clean.wav" "$work/para/continuous/speech.wav"
    sox -R -n -r $rate -c 1 -b 16 "$work/para/music/clean.wav" synth 30 sine 220 synth sine mix 277 synth sine mix 330 synth brownnoise mix tremolo 3 60 vol 0.3
    cp "$work/para/music/clean.wav" "$work/para/music/speech.wav"
    for p in continuous music; do
        echo "0 $(soxi -D "$work/para/$p/clean.wav")" >"$work/para/$p/sentences.txt"
    done
fi
fi

runs="$work/runs.tsv"
printf 'paragraph\tcondition\tgain\tcodec\tthreshold\tpauses\tinside\tmet\topen\n' >"$runs"
run() { # paragraph condition gain codec
    local id="$1-$2-$3" p=$1
    local src="$work/src/$id.$4" dec="$work/dec/$id.$4.wav"
    [ -f "$work/src/$id.wav" ] || variant "$1" "$2" "$3" "$work/src/$id.wav"
    [ -f "$src" ] || encode "$work/src/$id.wav" "$4" "$src"
    [ -f "$dec" ] || ffmpeg -nostdin -v error -y -i "$src" -ac 1 -c:a pcm_s16le "$dec"
    local input=$src
    [ "${FAST:-0}" = 1 ] && input=$dec
    for threshold in ${THRESHOLDS:--20 auto}; do
        local out="$work/out/$threshold"
        mkdir -p "$out"
        local how=(--threshold "$threshold")
        [ "$threshold" = default ] && how=() # the detector chosen for the file
        "$cli" --any-format "${how[@]}" "$input" "$out" 2>/dev/null
        local practice="$out/$(basename "${input%.*}").WAV"
        printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$p" "$2" "$3" "$4" "$threshold" \
            "$("$score" "$work/para/$p/clean.wav" "$work/para/$p/sentences.txt" "$dec" "$practice" | tr ' ' '\t')" >>"$runs"
        rm -f "$practice"
    done
}

# SET=hard: where loudness leaves no clear quiet. Paragraphs in four
# languages under a band 20, 15 and 10 dB down and brown noise 10 and 0 dB
# down; and the same read fast, with sentence gaps of 0.3-0.45 s, as WAV and
# Opus, clean or with pink or white noise 53-70 dB under the speech. Scored
# with the settings each file gets by default, and with --threshold -45.
if [ "${SET:-}" = hard ]; then
    langs=(en-us de fr es)
    while IFS='|' read -r name voice wpm text; do
        [[ " ${langs[*]} " == *" $name "* ]] || continue
        paragraph "$name" "$voice" "$wpm" 1 "$text"
        saved=("${gaps[@]}")
        gaps=(0.32 0.4 0.36 0.45 0.3 0.42 0.38 0.34)
        paragraph "fast-$name" "$voice" $((wpm + 30)) 1 "$text"
        gaps=("${saved[@]}")
    done <bench/detection-texts.txt
    export THRESHOLDS=${THRESHOLDS:-default -45}
    for p in "${langs[@]}"; do
        for cond in music20 music15 music10 brown10 brown0; do
            run "$p" "$cond" 0 "${CODEC:-mp3}"
        done
        for c in wav opus; do
            for cond in clean pink53 pink64 white70; do
                SCORE_MIN_GAP=0.3 run "fast-$p" "$cond" 0 "$c"
            done
        done
    done
    for threshold in $THRESHOLDS; do
        printf '\n%s\n\n| recording | inside speech | sentence ends met |\n|---|---|---|\n' "$threshold"
        awk -F'\t' -v t="$threshold" 'NR > 1 && $5 == t {
            k = ($1 ~ /^fast-/ ? "fast, " $4 ", " : "") $2
            if (!(k in seen)) { seen[k] = 1; order[++n] = k }
            p[k] += $6; i[k] += $7; m[k] += $8; o[k] += $9
        } END {
            for (j = 1; j <= n; j++) { k = order[j]
                printf "| %s | %d of %d | %d of %d (%.0f %%) |\n", k, i[k], p[k], m[k], o[k], o[k] ? 100 * m[k] / o[k] : 0 }
        }' "$runs"
    done
    exit 0
fi

codecs=(${CODECS:-wav mp3 m4a opus})
for p in "${names[@]}"; do
    for c in "${codecs[@]}"; do
        for gain in -10 0 8; do
            for cond in clean pink20 pink12 brown20 brown12; do
                run "$p" "$cond" "$gain" "$c"
            done
        done
        for cond in reverb breath levels dc; do
            run "$p" "$cond" 0 "$c"
        done
    done
done
for p in continuous music; do
    for c in "${codecs[@]}"; do
        run "$p" clean 0 "$c"
        run "$p" pink20 0 "$c"
    done
done

# Totals over paragraphs and codecs: pauses inside speech of all pauses, and
# sentence ends met of those that could take a pause. "0 of 0" pauses: none
# before the last phrase's own.
table() { # title header key [paragraphs]
    printf '\n%s\n\n| %s | -20: inside speech | -20: sentence ends | auto: inside speech | auto: sentence ends |\n|---|---|---|---|---|\n' "$1" "$2"
    awk -F'\t' -v key="$3" -v only="${4:-.}" 'NR > 1 && $1 ~ only {
        k = key == "cond" ? $2 " at " ($3 > 0 ? "+" : "") $3 " dB" : (key == "codec" ? $4 : $1)
        if (!(k in seen)) { seen[k] = 1; order[++n] = k }
        t = $5 == "auto" ? "a" : "f"
        p[k, t] += $6; i[k, t] += $7; m[k, t] += $8; o[k, t] += $9
    } END {
        for (j = 1; j <= n; j++) { k = order[j]
            printf "| %s | %d of %d | %d of %d | %d of %d | %d of %d |\n", k,
                i[k, "f"], p[k, "f"], m[k, "f"], o[k, "f"], i[k, "a"], p[k, "a"], m[k, "a"], o[k, "a"] }
    }' "$runs"
}
table "By condition, over ${#names[@]} paragraphs and ${#codecs[@]} codecs" "recording" cond
table "People speaking (austen, spoken, alsa), by condition" "recording" cond '^(austen|spoken|alsa)$'
table "By codec" "codec" codec
table "By paragraph" "paragraph" para
