#!/usr/bin/env bash
# The speech network against onnxruntime: both run the published ONNX model's
# weights on the same 16 kHz samples of three recordings (two of the tests',
# and a lesson over a music bed made here), and every 32 ms window's speech
# probability is compared. onnxruntime-node comes from npm into a temporary
# folder, for this benchmark only.
#
#   bench/speech-exactness.sh [BUILD_DIR] [WORK_DIR]
#
# BUILD_DIR must be configured with -DBRELLOW_BUILD_BENCH=ON.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/bench}
work=${2:-$(mktemp -d "${TMPDIR:-/var/tmp}/brellow-speech.XXXXXX")}
trace="$build/bench/brellow_speech_trace"
if [ ! -x "$trace" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBRELLOW_BUILD_BENCH=ON >/dev/null
    cmake --build "$build" -j "$(nproc)" --target brellow_speech_trace
fi
mkdir -p "$work"

# The published model, and onnxruntime: versions pinned.
if [ ! -f "$work/silero_vad_v5.onnx" ]; then
    (cd "$work" && npm pack --silent @ricky0123/vad-web@0.0.31 >/dev/null &&
        tar xzf ricky0123-vad-web-0.0.31.tgz package/dist/silero_vad_v5.onnx &&
        mv package/dist/silero_vad_v5.onnx .)
fi
if [ ! -d "$work/node_modules/onnxruntime-node" ]; then
    # Its install script only fetches GPU libraries; the CPU one is in the package.
    (cd "$work" && ONNXRUNTIME_NODE_INSTALL=skip ONNXRUNTIME_NODE_INSTALL_CUDA=skip \
        npm install --silent --no-save onnxruntime-node@1.20.1 >/dev/null)
fi

# The third recording: the example lesson with a plucked-note band 15 dB under it.
sox -D tests/data/example.wav -r 16000 "$work/voice.wav"
sox -n -r 16000 -c 1 "$work/bed.wav" synth "$(soxi -D "$work/voice.wav")" \
    pluck C3 pluck E3 pluck G3 remix - tremolo 4 60 gain -n -18
sox -m "$work/voice.wav" "$work/bed.wav" "$work/music.wav"

printf '| Recording | Windows | Largest difference | Mean difference |\n|---|---:|---:|---:|\n'
for source in tests/data/english.wav tests/data/german.wav "$work/music.wav"; do
    name=$(basename "$source" .wav)
    ffmpeg -nostdin -v error -y -i "$source" -ar 16000 -ac 1 -f f32le "$work/$name.f32"
    "$trace" res/models/speech-v5.bin "$work/$name.f32" >"$work/$name.ours"
    (cd "$work" && node "$OLDPWD/bench/speech-trace.mjs" silero_vad_v5.onnx "$name.f32") >"$work/$name.ort"
    paste "$work/$name.ours" "$work/$name.ort" | awk -v name="$name" '
        { d = $1 - $2; if (d < 0) d = -d; if (d > max) max = d; sum += d }
        END { printf "| %s | %d | %.2g | %.2g |\n", name, NR, max, sum / NR;
              if (max > 1e-3) exit 1 }'
done

# Speed on one core: five minutes of the music lesson.
for _ in $(seq 14); do cat "$work/music.f32"; done >"$work/long.f32"
echo
taskset -c 0 "$trace" res/models/speech-v5.bin "$work/long.f32" --time
