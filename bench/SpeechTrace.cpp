// The speech probability of every 32 ms window of a raw 16 kHz mono float
// file (32-bit little-endian), one a line: our network's side of
// bench/speech-exactness.sh, and with --time its speed.
#include "pause/SpeechModel.h"
#include "pause/SpeechNet.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv) {
    const bool timed = argc == 4 && std::strcmp(argv[3], "--time") == 0;
    if (argc != 3 && !timed) {
        std::fprintf(stderr, "usage: %s MODEL SAMPLES.f32 [--time]\n", argv[0]);
        return 2;
    }
    const SpeechModelResult loaded = LoadSpeechModel(argv[1]);
    if (!loaded.model) {
        std::fprintf(stderr, "%s\n", loaded.error.c_str());
        return 1;
    }
    std::ifstream in(argv[2], std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    std::vector<float> samples(bytes.size() / 4);
    std::memcpy(samples.data(), bytes.data(), 4 * samples.size());

    CSpeechNet net(std::make_shared<const SpeechLayers>(*loaded.model));
    const std::size_t windows = samples.size() / CSpeechNet::Window;
    std::vector<float> probabilities(windows);
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t w = 0; w < windows; ++w)
        probabilities[w] = net.Next(samples.data() + w * CSpeechNet::Window);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (timed) {
        const double audio = double(windows * CSpeechNet::Window) / 16000;
        std::printf("%.1f s of audio in %.3f s: %.0f x real time\n", audio, took.count(),
                    audio / took.count());
        return 0;
    }
    for (float p : probabilities)
        std::printf("%.6f\n", double(p));
}
