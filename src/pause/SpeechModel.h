#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class CByteStream;

// The speech detector's weights (Silero VAD v5, its 16 kHz half), as
// tools/convert-vad-model.py writes them. Each layer keeps the layout the
// file gives it; CSpeechNet rearranges them for its loops.
struct SpeechModel {
    // The tensors in file order, with the shapes the network needs.
    enum Tensor {
        Basis,   // 258 x 256: the short-time transform's real and imaginary rows
        Enc0W,   // 128 x 129 x 3
        Enc0B,   // 128
        Enc1W,   // 64 x 128 x 3
        Enc1B,   // 64
        Enc2W,   // 64 x 64 x 3
        Enc2B,   // 64
        Enc3W,   // 128 x 64 x 3
        Enc3B,   // 128
        LstmWih, // 512 x 128, gates i, f, g, o
        LstmWhh, // 512 x 128
        LstmBih, // 512
        LstmBhh, // 512
        OutW,    // 128
        OutB,    // 1
        TensorCount
    };
    std::vector<float> tensors[TensorCount];

    const std::vector<float>& operator[](Tensor t) const { return tensors[t]; }
};

// What reading a model file came to: the model, or why there is none.
struct SpeechModelResult {
    std::optional<SpeechModel> model;
    std::string error;
};

// Reads a model from any bytes, trusting none of them: sizes, shapes, offsets
// and the checksum are checked before a value is used.
SpeechModelResult ReadSpeechModel(CByteStream& stream);
SpeechModelResult LoadSpeechModel(const std::filesystem::path& path);

// Where the programs look for the model: beside an installed program, the
// installation's own folder, and the source tree for programs in a build tree.
std::vector<std::filesystem::path> SpeechModelPlaces(const std::filesystem::path& program);
// The first of those that reads, or the reasons none did.
SpeechModelResult FindSpeechModel();
