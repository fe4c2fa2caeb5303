// Runs the whole conversion on arbitrary source bytes, in memory, with every
// question answered No. For each accepted source it checks what must always
// hold of the output: the canonical header declaring the size D, a length of
// 44 + max(D, content), every pause a run of zeros exactly as long as the
// audio written since the previous pause, and a source never written.
//
// The same bytes then go the tuned way, through FFmpeg's libraries into the
// pause writer: a recording they decode gives its blocks with their pauses,
// the last phrase's too, and a header declaring exactly that; one they
// cannot decode leaves no output behind. They use only the demuxers of
// recordings (see CMediaSource), so those are what is fuzzed: the seeds hold
// one recording in each of their containers.

#include "audio/ADCPMObj.h"
#include "audio/MemoryStream.h"
#include "audio/WAVException.h"
#include "batch/ConversionMessages.h"
#include "batch/ConvertFile.h"
#include "batch/TunedConversion.h"
#include "media/plugin/MediaSource.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace {

const std::filesystem::path SourcePath = "in.wav";
const std::filesystem::path DestinationPath = "out.WAV";
// Larger outputs are mostly silence and only slow the search down.
constexpr std::uint64_t LargestOutput = 256 << 10;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

class ReadOnlySource final : public CMemoryStream {
public:
    using CMemoryStream::CMemoryStream;
    bool Write(const void*, std::size_t) override { std::abort(); }
    bool WriteZeros(std::size_t) override { std::abort(); }
};

class MemoryFiles final : public CFileOpener {
public:
    explicit MemoryFiles(std::span<const std::uint8_t> source) : m_source(source) {}

    std::unique_ptr<CByteStream> Open(const std::filesystem::path& path, bool forWriting) override {
        if (path == SourcePath && !forWriting)
            return std::make_unique<ReadOnlySource>(m_source);
        Require(path == DestinationPath && forWriting && !created);
        created = true;
        return std::make_unique<CMemoryStream>(&output);
    }
    std::unique_ptr<CByteStream> OpenReplacing(const std::filesystem::path& path) override {
        return Open(path, true);
    }
    bool Commit(const std::filesystem::path& path) override {
        Require(path == DestinationPath && created && !removed);
        return true;
    }
    void Remove(const std::filesystem::path& path) override {
        Require(path == DestinationPath && created);
        removed = true;
    }

    std::string output;
    bool created = false;
    bool removed = false;

private:
    std::span<const std::uint8_t> m_source;
};

class NoToEverything final : public CMessageBoxOwner {
public:
    int MessageBox(const std::string&, const std::string&, unsigned type) override {
        ++boxes;
        return (type & 0x0F) == MB_YESNOCANCEL ? IDNO : IDOK;
    }
    int boxes = 0;
};

std::string Le32(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

// 16-bit mono PCM at the given rate, declaring size bytes of data.
std::string CanonicalHeader(std::uint32_t rate, std::uint32_t size) {
    return "RIFF" + Le32(36 + size) + "WAVEfmt " + Le32(16) + std::string("\x01\x00\x01\x00", 4) +
           Le32(rate) + Le32(2 * rate) + std::string("\x02\x00\x10\x00", 4) + "data" + Le32(size);
}

bool Zeros(const std::string& bytes, std::size_t from, std::size_t count) {
    return from + count <= bytes.size() &&
           std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                       bytes.begin() + static_cast<std::ptrdiff_t>(from + count),
                       [](char c) { return c == 0; });
}

// Finds the blocks in the data area in order, each right after the one
// before or after a pause: zeros exactly as long as the audio since the
// previous pause. Returns where they end, or nothing.
class PauseWalk {
public:
    PauseWalk(const std::string& data, const std::vector<std::string>& blocks)
        : m_data(data), m_blocks(blocks) {}

    std::optional<std::size_t> From(std::size_t index, std::size_t pos, std::uint64_t phrase) {
        if (index == m_blocks.size())
            return pos;
        if (!m_tried.insert({index, pos, phrase}).second)
            return std::nullopt; // led nowhere before
        const std::string& block = m_blocks[index];
        if (phrase > 0 && Zeros(m_data, pos, phrase) &&
            m_data.compare(pos + phrase, block.size(), block) == 0) {
            if (auto end = From(index + 1, pos + phrase + block.size(), block.size()))
                return end;
        }
        if (m_data.compare(pos, block.size(), block) == 0)
            return From(index + 1, pos + block.size(), phrase + block.size());
        return std::nullopt;
    }

private:
    const std::string& m_data;
    const std::vector<std::string>& m_blocks;
    std::set<std::tuple<std::size_t, std::size_t, std::uint64_t>> m_tried;
};

// The samples of the recording, as FFmpeg's libraries decode it on their own.
std::optional<std::vector<std::int16_t>> Decoded(std::span<const std::uint8_t> input) {
    std::unique_ptr<CSampleSource> source;
    try {
        source = CMediaSource::Open(std::make_unique<CMemoryStream>(input), SourcePath);
    } catch (const CWAVException&) {
        return std::nullopt;
    }
    Require(source != nullptr);
    std::vector<std::int16_t> samples;
    SampleBuffer out;
    while (source->ReadSamples(out)) {
        const auto* p = reinterpret_cast<const std::int16_t*>(out.data.get());
        samples.insert(samples.end(), p, p + out.length / 2);
    }
    if (!source->FailureReason().empty())
        return std::nullopt;
    return samples;
}

void FuzzTuned(std::span<const std::uint8_t> input) {
    const std::optional<std::vector<std::int16_t>> samples = Decoded(input);
    MemoryFiles files(input);
    NoToEverything owner;
    std::uint32_t rate = 0;
    JobOptions options;
    // Both limits, fixed and following the recording, keep the output's shape.
    options.pauses = PauseSettings{.autoThreshold = input.size() % 2 == 1};
    TunedMedia media;
    media.makeSamples = [&rate](std::unique_ptr<CByteStream> stream,
                                const std::filesystem::path& path) {
        auto source = CMediaSource::Open(std::move(stream), path);
        rate = source ? source->SampleRate() : 0;
        return source;
    };
    const FileResult converted =
        ConvertTuned(owner, SourcePath, DestinationPath, files, options, media);
    if (converted.kind() == FileResult::Kind::Refused) {
        Require(!samples && files.created == files.removed);
        return;
    }
    Require(converted.kind() == FileResult::Kind::Converted && owner.boxes == 0 && samples &&
            files.created && !files.removed);

    // 1010-sample blocks, each pause as long as the audio since the one before.
    std::vector<std::string> blocks;
    for (std::size_t at = 0; at < samples->size(); at += 1010)
        blocks.emplace_back(reinterpret_cast<const char*>(samples->data() + at),
                            2 * std::min<std::size_t>(1010, samples->size() - at));
    const std::string& out = files.output;
    Require(out.size() >= 44);
    const std::string area = out.substr(44);
    Require(out.compare(0, 44, CanonicalHeader(rate, static_cast<std::uint32_t>(area.size()))) ==
            0);
    PauseWalk walk(area, blocks);
    const std::optional<std::size_t> content = walk.From(0, 0, 0);
    // All of the rest is the last phrase's pause: as long as the audio, all in all.
    Require(content && Zeros(area, *content, area.size() - *content) &&
            area.size() == 4 * samples->size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span input(data, size);
    FuzzTuned(input);

    // What the source holds, read block by block on its own.
    std::optional<std::string> refusal;
    bool opened = false;
    std::vector<std::string> blocks;
    std::uint32_t rate = 0;
    std::uint64_t declared = 0;
    {
        CADCPMObj probe;
        try {
            opened = probe.Open(std::make_unique<CMemoryStream>(input), false);
        } catch (const CWAVException& e) {
            refusal = e.m_message;
        }
        if (opened) {
            rate = probe.GetSampleRate() != 0 ? probe.GetSampleRate() : 22050;
            declared = DeclaredDataSize(probe.GetDataSize());
            if (declared > LargestOutput && declared <= MaxDeclaredDataSize)
                return 0;
            SampleBuffer out;
            while (probe.ReadBlock(out))
                if (out.length > 0)
                    blocks.emplace_back(reinterpret_cast<const char*>(out.data.get()),
                                        static_cast<std::size_t>(out.length));
        }
    }

    MemoryFiles files(input);
    NoToEverything owner;
    const FileResult result =
        SettleUnopened(owner, SourcePath, ConvertFile(owner, SourcePath, DestinationPath, files));
    if (result.kind() == FileResult::Kind::Refused) {
        Require(refusal == result.reason() && !files.created);
        return 0;
    }
    Require(!refusal);
    const bool converted = result.kind() == FileResult::Kind::Converted;
    if (!opened || declared > MaxDeclaredDataSize) {
        // Asked or told, and nothing created.
        Require(!converted && owner.boxes == 1 && !files.created);
        return 0;
    }
    Require(converted && owner.boxes == 0 && files.created);

    const std::string& out = files.output;
    Require(out.size() >= 44 &&
            out.compare(0, 44, CanonicalHeader(rate, static_cast<std::uint32_t>(declared))) == 0);
    const std::string area = out.substr(44);
    PauseWalk walk(area, blocks);
    const std::optional<std::size_t> content = walk.From(0, 0, 0);
    Require(content.has_value());
    Require(area.size() == std::max<std::uint64_t>(declared, *content));
    Require(Zeros(area, *content, area.size() - *content));
    return 0;
}
