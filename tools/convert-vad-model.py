#!/usr/bin/python3
"""Converts the 16 kHz branch of Silero VAD v5 (silero_vad_v5.onnx, MIT) into
the speech detector's model file.

Usage: convert-vad-model.py silero_vad_v5.onnx res/models/speech-v5.bin

The file, all little-endian:
  magic "BRLWVAD\\0", u32 version (1), u32 tensor count
  per tensor: name (24 bytes, NUL-padded), u32 rank, u32 dims[4] (unused 1),
              u32 offset in floats from the start of the data
  the tensors' float32 values, one after another
  u32 CRC-32 (zlib's) of every byte before it
Needs Debian's python3-onnx (tools/deps.sh python3-onnx installs it); run it with
/usr/bin/python3.
"""
import math
import struct
import sys
import zlib

import onnx
from onnx import numpy_helper

MAGIC = b"BRLWVAD\0"
VERSION = 1
PREFIX = "If_0_then_branch__Inline_0__"

# Our name, the graph's constant, the shape we store (the basis loses its
# unit channel axis, the output conv its kernel axis).
TENSORS = [
    ("stft.basis", "stft.forward_basis_buffer", (258, 256)),
    ("enc0.weight", "encoder.0.reparam_conv.weight", (128, 129, 3)),
    ("enc0.bias", "encoder.0.reparam_conv.bias", (128,)),
    ("enc1.weight", "encoder.1.reparam_conv.weight", (64, 128, 3)),
    ("enc1.bias", "encoder.1.reparam_conv.bias", (64,)),
    ("enc2.weight", "encoder.2.reparam_conv.weight", (64, 64, 3)),
    ("enc2.bias", "encoder.2.reparam_conv.bias", (64,)),
    ("enc3.weight", "encoder.3.reparam_conv.weight", (128, 64, 3)),
    ("enc3.bias", "encoder.3.reparam_conv.bias", (128,)),
    ("lstm.weight_ih", "decoder.rnn.weight_ih", (512, 128)),
    ("lstm.weight_hh", "decoder.rnn.weight_hh", (512, 128)),
    ("lstm.bias_ih", "decoder.rnn.bias_ih", (512,)),
    ("lstm.bias_hh", "decoder.rnn.bias_hh", (512,)),
    ("out.weight", "decoder.decoder.2.weight", (128,)),
    ("out.bias", "decoder.decoder.2.bias", (1,)),
]


def sixteen_khz_constants(model):
    """The constants of the branch taken when sr == 16000."""
    branch = next(a.g for a in model.graph.node[2].attribute if a.name == "then_branch")
    found = {}
    for node in branch.node:
        if node.op_type == "Constant" and node.output[0].startswith(PREFIX):
            found[node.output[0][len(PREFIX):]] = numpy_helper.to_array(node.attribute[0].t)
    return found


def main(source, target):
    constants = sixteen_khz_constants(onnx.load(source))
    table, data, offset = b"", b"", 0
    for name, graph_name, shape in TENSORS:
        values = constants[graph_name].astype("<f4")
        if values.size != math.prod(shape):
            sys.exit(f"{graph_name}: {values.shape} does not fit {shape}")
        dims = list(shape) + [1] * (4 - len(shape))
        table += struct.pack("<24s6I", name.encode(), len(shape), *dims, offset)
        data += values.reshape(-1).tobytes()
        offset += values.size
    body = MAGIC + struct.pack("<2I", VERSION, len(TENSORS)) + table + data
    with open(target, "wb") as out:
        out.write(body + struct.pack("<I", zlib.crc32(body)))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
