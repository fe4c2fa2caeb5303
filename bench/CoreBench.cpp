// The conversion's hot paths on the bundled spoken example, held in memory.
#include "audio/ADCPMObj.h"
#include "audio/WAVObj.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::uint32_t BlockAlign = 512;

// The example's header-parsed source and its raw blocks.
struct Material {
    std::vector<SampleBuffer> raw;     // 512-byte blocks as ReadBlock hands them on
    std::vector<SampleBuffer> decoded; // the same blocks decoded
    std::int64_t samples = 0;
};

const Material& Example() {
    static const Material material = [] {
        Material m;
        CADCPMObj source;
        if (!source.Open(BRELLOW_EXAMPLE, false))
            throw std::runtime_error("cannot open the example");
        // Read the raw blocks by hand so that the decoder can be timed alone.
        std::FILE* f = std::fopen(BRELLOW_EXAMPLE, "rb");
        std::fseek(f, source.GetHeaderSize(), SEEK_SET);
        for (std::uint32_t left = source.GetDataSize(); left > 0;) {
            SampleBuffer block(BlockAlign);
            const auto n = std::fread(block.data.get(), 1, BlockAlign, f);
            if (n == 0)
                break;
            block.SetLength(static_cast<std::int32_t>(std::min<std::size_t>(n, left)));
            left -= static_cast<std::uint32_t>(block.length);
            m.raw.push_back(std::move(block));
        }
        std::fclose(f);
        SampleBuffer out;
        while (source.ReadBlock(out)) {
            SampleBuffer copy(out.capacity);
            std::memcpy(copy.data.get(), out.data.get(), out.capacity);
            copy.length = out.length;
            m.samples += out.length / 2;
            m.decoded.push_back(std::move(copy));
        }
        return m;
    }();
    return material;
}

// A destination in memory: a file on the RAM-backed /dev/shm where there is one.
std::filesystem::path Sink() {
    const std::filesystem::path shm = "/dev/shm";
    const auto dir = std::filesystem::exists(shm) ? shm : std::filesystem::temp_directory_path();
    return dir / ("brellow-bench-" + std::to_string(::getpid()) + ".wav");
}

void DecodeBlocks(CADCPMObj& decoder, SampleBuffer& out, std::int64_t& samples) {
    for (const SampleBuffer& block : Example().raw) {
        decoder.m_nSamplesLeft = 1 << 30;
        decoder.DecodeBlock(const_cast<SampleBuffer&>(block), out);
        samples += out.length / 2;
        benchmark::DoNotOptimize(out.data.get());
    }
}

void BM_DecodeBlock(benchmark::State& state) {
    Example(); // loaded before the decoder holds the file
    CADCPMObj decoder;
    decoder.Open(BRELLOW_EXAMPLE, false);
    SampleBuffer out(2048);
    std::int64_t samples = 0;
    for (auto _ : state)
        DecodeBlocks(decoder, out, samples);
    state.counters["samples/s"] =
        benchmark::Counter(static_cast<double>(samples), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeBlock);

// The conversion's own path: ReadBlocks, four blocks decoded side by side.
void BM_ReadBlocks(benchmark::State& state) {
    Example();
    SampleBuffer outs[CADCPMObj::MaxBlocksTogether];
    std::int64_t samples = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CADCPMObj source;
        source.Open(BRELLOW_EXAMPLE, false);
        state.ResumeTiming();
        for (int got = CADCPMObj::MaxBlocksTogether; got == CADCPMObj::MaxBlocksTogether;) {
            got = source.ReadBlocks(outs, CADCPMObj::MaxBlocksTogether);
            for (int i = 0; i < got; ++i)
                samples += outs[i].length / 2;
        }
    }
    state.counters["samples/s"] =
        benchmark::Counter(static_cast<double>(samples), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReadBlocks);

void BM_WriteWithPauses(benchmark::State& state) {
    const auto path = Sink();
    std::int64_t samples = 0;
    for (auto _ : state) {
        CWAVObj out;
        out.Open(path, true);
        out.InitPcmHeader(0);
        for (const SampleBuffer& block : Example().decoded) {
            out.WriteWithPauses(const_cast<SampleBuffer&>(block));
            samples += block.length / 2;
        }
    }
    std::filesystem::remove(path);
    state.counters["samples/s"] =
        benchmark::Counter(static_cast<double>(samples), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WriteWithPauses);

// Decoding and detection together, as the conversion runs them: from the
// source file (in the page cache) into a file in memory.
void BM_DecodeAndDetect(benchmark::State& state) {
    const auto path = Sink();
    Example();
    SampleBuffer outs[CADCPMObj::MaxBlocksTogether];
    std::int64_t samples = 0;
    for (auto _ : state) {
        CADCPMObj source;
        source.Open(BRELLOW_EXAMPLE, false);
        CWAVObj out;
        out.Open(path, true);
        out.InitPcmHeader(0);
        for (int got = CADCPMObj::MaxBlocksTogether; got == CADCPMObj::MaxBlocksTogether;) {
            got = source.ReadBlocks(outs, CADCPMObj::MaxBlocksTogether);
            for (int i = 0; i < got; ++i) {
                out.WriteWithPauses(outs[i]);
                samples += outs[i].length / 2;
            }
        }
    }
    std::filesystem::remove(path);
    state.counters["samples/s"] =
        benchmark::Counter(static_cast<double>(samples), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeAndDetect);

} // namespace

BENCHMARK_MAIN();
