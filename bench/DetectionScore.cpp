// Scores where brellow-cli put its pauses in one recording, against the
// clean recording it was made from and that recording's known sentences.
//
//   brellow_detection_score CLEAN.wav SENTENCES.txt DECODED.wav PRACTICE.wav
//
// CLEAN.wav: the recording before gain, noise and encoding; SENTENCES.txt:
// one "start end" line in seconds per sentence of CLEAN.wav; DECODED.wav: the
// source as brellow-cli decodes it (ffmpeg -ac 1, 16-bit); PRACTICE.wav:
// brellow-cli's output with the default pause length. Prints one line:
//   PAUSES INSIDE ENDS_MET ENDS_OPEN
// INSIDE: pauses whose 50 ms in CLEAN.wav are as loud as speech (within
// 20 dB of the 90th percentile of its 20 ms frame levels). ENDS_OPEN: the
// sentence ends that could take a pause (a gap of 0.45 s, or SCORE_MIN_GAP, or more that ends
// 2.4 s or more after the pause before); ENDS_MET: those with a pause in their gap.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr std::size_t Block = 1010;

struct Wav {
    std::vector<std::int16_t> samples;
    double rate = 0;
};

std::uint32_t Le32(const char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

// A 16-bit mono PCM WAV file; the data chunk may declare 0 or too much.
bool ReadWav(const char* path, Wav& wav) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0)
        return false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        std::size_t size = Le32(bytes.data() + at + 4);
        if (id == "fmt ") {
            std::uint16_t channels, bits;
            std::memcpy(&channels, bytes.data() + at + 10, 2);
            std::memcpy(&bits, bytes.data() + at + 22, 2);
            wav.rate = Le32(bytes.data() + at + 12);
            if (channels != 1 || bits != 16)
                return false;
        } else if (id == "data") {
            size = std::min(size == 0 ? bytes.size() : size, bytes.size() - at - 8) / 2 * 2;
            wav.samples.resize(size / 2);
            std::memcpy(wav.samples.data(), bytes.data() + at + 8, size);
            return wav.rate > 0;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

bool Same(const std::vector<std::int16_t>& a, std::size_t i, const std::vector<std::int16_t>& b,
          std::size_t j, std::size_t n) {
    return j + n <= b.size() && std::equal(a.begin() + static_cast<std::ptrdiff_t>(i),
                                           a.begin() + static_cast<std::ptrdiff_t>(i + n),
                                           b.begin() + static_cast<std::ptrdiff_t>(j));
}

bool Zero(const std::vector<std::int16_t>& b, std::size_t j, std::size_t n) {
    return j + n <= b.size() && std::all_of(b.begin() + static_cast<std::ptrdiff_t>(j),
                                            b.begin() + static_cast<std::ptrdiff_t>(j + n),
                                            [](std::int16_t s) { return s == 0; });
}

// The decoded samples at which the practice file has a pause: before a block
// of 1010, as long as the audio since the pause before. Where both readings
// fit (a block of digital silence) the one without a pause is tried first.
bool FindPauses(const std::vector<std::int16_t>& in, const std::vector<std::int16_t>& out,
                std::vector<std::size_t>& pauses) {
    struct Choice {
        std::size_t i, j, last, count;
    };
    std::vector<Choice> open;
    std::size_t i = 0, j = 0, last = 0;
    pauses.clear();
    for (;;) {
        bool fits = true;
        if (i < in.size()) {
            const std::size_t n = std::min(Block, in.size() - i);
            const std::size_t pause = i - last;
            const bool paused = pause > 0 && Zero(out, j, pause) && Same(in, i, out, j + pause, n);
            if (Same(in, i, out, j, n)) {
                if (paused)
                    open.push_back({i, j, last, pauses.size()});
                j += n;
            } else if (paused) {
                pauses.push_back(i);
                last = i;
                j += pause + n;
            } else {
                fits = false;
            }
            if (fits) {
                i += n;
                continue;
            }
        } else if (j + (i - last) == out.size() && Zero(out, j, i - last)) {
            return true; // the last phrase's pause ends the file
        }
        if (open.empty())
            return false;
        const Choice c = open.back();
        open.pop_back();
        pauses.resize(c.count);
        pauses.push_back(c.i);
        const std::size_t n = std::min(Block, in.size() - c.i);
        j = c.j + (c.i - c.last) + n;
        last = c.i;
        i = c.i + n;
    }
}

double Rms(const Wav& wav, double from, double to) {
    const auto a = static_cast<std::size_t>(std::max(0.0, from * wav.rate));
    const auto b = std::min(wav.samples.size(), static_cast<std::size_t>(to * wav.rate));
    double sum = 0;
    for (std::size_t k = a; k < b; ++k)
        sum += double(wav.samples[k]) * wav.samples[k];
    return b > a ? std::sqrt(sum / double(b - a)) : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: " << argv[0] << " CLEAN.wav SENTENCES.txt DECODED.wav PRACTICE.wav\n";
        return 2;
    }
    Wav clean, decoded, practice;
    if (!ReadWav(argv[1], clean) || !ReadWav(argv[3], decoded) || !ReadWav(argv[4], practice)) {
        std::cerr << "cannot read a 16-bit mono WAV file\n";
        return 1;
    }
    std::vector<std::pair<double, double>> sentences;
    std::ifstream list(argv[2]);
    for (double a, b; list >> a >> b;)
        sentences.emplace_back(a, b);
    std::vector<std::size_t> at;
    if (!FindPauses(decoded.samples, practice.samples, at)) {
        std::cerr << argv[4] << ": not DECODED.wav with pauses\n";
        return 1;
    }
    std::vector<double> pauses;
    for (const std::size_t i : at)
        pauses.push_back(double(i) / decoded.rate);

    std::vector<double> frames;
    for (double t = 0; t + 0.02 <= double(clean.samples.size()) / clean.rate; t += 0.02)
        frames.push_back(Rms(clean, t, t + 0.02));
    std::sort(frames.begin(), frames.end());
    const double speech = frames.empty() ? 0 : frames[frames.size() * 9 / 10] * 0.1;
    int inside = 0;
    for (const double t : pauses) {
        const double level = Rms(clean, t - 0.025, t + 0.025);
        inside += level >= speech;
        if (std::getenv("SCORE_DEBUG"))
            std::fprintf(stderr, "pause %.3f s: %.1f dB against the speech level\n", t,
                         20 * std::log10((level + 1e-9) / (speech * 10)));
    }

    int met = 0, open = 0;
    const char* gapSetting = std::getenv("SCORE_MIN_GAP"); // fast speech's shorter gaps
    const double minGap = gapSetting ? std::atof(gapSetting) : 0.45;
    for (std::size_t k = 0; k + 1 < sentences.size(); ++k) {
        const double end = sentences[k].second, next = sentences[k + 1].first;
        double before = 0;
        for (const double t : pauses)
            if (t <= end)
                before = t;
        if (next - end < minGap || next - before < 2.4)
            continue;
        ++open;
        const bool hit = std::any_of(pauses.begin(), pauses.end(),
                                     [&](double t) { return t >= end - 0.01 && t <= next + 0.01; });
        met += hit;
        if (std::getenv("SCORE_DEBUG") && !hit)
            std::fprintf(stderr, "missed the end at %.3f s, gap %.3f s\n", end, next - end);
    }
    std::printf("%zu %d %d %d\n", pauses.size(), inside, met, open);
    return 0;
}
