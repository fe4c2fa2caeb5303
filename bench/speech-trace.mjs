// The speech probability of every 32 ms window of a raw 16 kHz mono float
// file, one a line, from onnxruntime running the published ONNX model the way
// its web package feeds it: 512 new samples after the last 64 of the window
// before, the state carried from window to window.
// Usage: node speech-trace.mjs silero_vad_v5.onnx samples.f32
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";

const require = createRequire(process.cwd() + "/");
const ort = require("onnxruntime-node");
const [model, file] = process.argv.slice(2);
const bytes = readFileSync(file);
const samples = new Float32Array(bytes.buffer, bytes.byteOffset, Math.floor(bytes.length / 4));

const session = await ort.InferenceSession.create(model);
const sr = new ort.Tensor("int64", [16000n]);
let state = new ort.Tensor("float32", new Float32Array(2 * 128), [2, 1, 128]);
let context = new Float32Array(64);
const lines = [];
for (let at = 0; at + 512 <= samples.length; at += 512) {
    const input = new Float32Array(576);
    input.set(context, 0);
    input.set(samples.subarray(at, at + 512), 64);
    context = samples.slice(at + 448, at + 512);
    const out = await session.run({ input: new ort.Tensor("float32", input, [1, 576]), state, sr });
    state = out.stateN;
    lines.push(out.output.data[0].toFixed(6));
}
console.log(lines.join("\n"));
