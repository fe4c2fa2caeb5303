#include "audio/ADCPMObj.h"

#include "audio/ByteOrder.h"
#include "audio/WAVException.h"

#include <algorithm>
#include <cstring>

namespace {

// The published Microsoft ADPCM step adaptation, indexed by the unsigned nibble.
constexpr std::int32_t AdaptationTable[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                              768, 614, 512, 409, 307, 230, 230, 230};

constexpr std::int32_t MinimumDelta = 16;

// The predictor as plain values, so that the hot loop keeps it in registers.
struct Predictor {
    std::int32_t sample1, sample2, coef1, coef2, delta;

    // One 4-bit code: the new sample, and the state moved on.
    std::int16_t Decode(std::uint32_t nibble) {
        // Formed in 64 bits: two products of -32768 sum past the 32-bit range.
        const std::int64_t sum = std::int64_t{sample1} * coef1 + std::int64_t{sample2} * coef2;
        const auto prediction = static_cast<std::int32_t>(sum / 256); // truncates toward zero
        const std::int32_t code = static_cast<std::int32_t>(nibble ^ 8u) - 8; // signed 4 bits
        const std::int32_t sample = std::clamp(prediction + code * delta, -32768, 32767);
        // A negative delta (from a block header or the wrapped 16-bit field)
        // ends below the floor either way, so the shift's rounding never shows.
        const std::int32_t next = std::max(delta * AdaptationTable[nibble] >> 8, MinimumDelta);
        delta = static_cast<std::int16_t>(next); // the field keeps the low 16 bits
        sample2 = sample1;
        sample1 = sample;
        return static_cast<std::int16_t>(sample);
    }
};

Predictor Load(const AdpcmState& state) {
    return {state.sample1, state.sample2, state.coef1, state.coef2, state.delta};
}

void Store(const Predictor& p, AdpcmState& state) {
    state.sample1 = p.sample1;
    state.sample2 = p.sample2;
    state.delta = static_cast<std::int16_t>(p.delta);
}

} // namespace

CADCPMObj::CADCPMObj() {
    ClearAdpcm();
}

CADCPMObj::~CADCPMObj() {
    ClearFields();
    ClearAdpcm();
}

void CADCPMObj::ClearAdpcm() {
    m_adpcmHeader = AdpcmHeader{};
    m_state = AdpcmState{};
}

void CADCPMObj::Reset() {
    CWAVObj::Reset();
    ClearAdpcm();
}

std::int32_t CADCPMObj::ParseHeader(const std::uint8_t* buffer, std::int32_t /*length*/) {
    Reset();
    const std::uint32_t p = ParseRiffChunk(buffer, 0, HeaderBytes());
    const std::uint32_t fact = ParseAdpcmFormat(buffer, p, HeaderBytes() + 12);
    // The walk reads the fact chunk's head and its sample count; outside the
    // buffer that is the chunk missing.
    if (!Fits(fact, 12) || !HasId(buffer + fact, "fact"))
        throw CWAVException("The Fact chunk is missing");
    std::memcpy(HeaderBytes() + 70, buffer + fact, 12);
    const std::uint64_t data = std::uint64_t{fact} + 8 + LoadU32(buffer + fact + 4);
    ParseDataChunk(buffer, data, HeaderBytes() + 82);
    return GetHeaderSize();
}

std::uint32_t CADCPMObj::ParseAdpcmFormat(const std::uint8_t* buffer, std::uint32_t position,
                                          std::uint8_t* destination) {
    constexpr std::uint32_t copied = 58; // id, size, format fields and the coefficient table
    const std::uint8_t* p = buffer + position;
    if (!Fits(position, copied) || !HasId(p, "fmt "))
        throw CWAVException("The fmt chunk is missing");
    if (LoadU16(p + 8) != 2)
        throw CWAVException("The WAV format must be ADPCM");
    if (LoadU16(p + 28) != RequiredCoefCount)
        throw CWAVException("The Coef must equal to 7");
    if (LoadU16(p + 20) != RequiredBlockAlign)
        throw CWAVException("The Block align must be 512");
    if (LoadU16(p + 10) != 1)
        throw CWAVException("The Number of channels must be 1");
    std::memcpy(destination, p, copied);
    const std::uint64_t next = std::uint64_t{position} + 8 + LoadU32(p + 4);
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(next, HeaderBufferSize));
}

std::int32_t CADCPMObj::GetHeaderSize() {
    return static_cast<std::int32_t>(m_adpcmHeader.riffSize - m_adpcmHeader.dataSize - m_dwDataPad +
                                     8u);
}

std::uint32_t CADCPMObj::GetBlockAlign() {
    return m_adpcmHeader.blockAlign;
}

std::uint32_t CADCPMObj::GetDataSize() {
    return m_adpcmHeader.dataSize;
}

double CADCPMObj::GetDuration() {
    const std::uint32_t rate = GetSampleRate();
    return static_cast<double>(GetSampleCount()) / static_cast<double>(rate);
}

std::uint32_t CADCPMObj::GetBitsPerSample() {
    return m_adpcmHeader.bitsPerSample;
}

std::uint32_t CADCPMObj::GetSampleCount() {
    return m_adpcmHeader.sampleCount;
}

std::uint32_t CADCPMObj::GetSampleRate() {
    return m_adpcmHeader.sampleRate;
}

bool CADCPMObj::IsFormatValid() {
    return GetSampleRate() > 0 && GetBitsPerSample() > 0 && GetSampleCount() > 0 &&
           GetBlockAlign() > 0;
}

bool CADCPMObj::DecodeBlock(SampleBuffer& in, SampleBuffer& out) {
    if (in.capacity < BlockHeaderBytes)
        return false; // no block header to start from
    const std::uint8_t* block = in.data.get();
    m_state.predictor = block[0];
    if (m_state.predictor >= RequiredCoefCount) {
        out.length = 0; // the block is skipped, not an error
        return true;
    }
    if (m_nSamplesLeft == 0)
        return false;
    m_state.delta = LoadS16(block + 1);
    m_state.sample1 = LoadS16(block + 3);
    m_state.sample2 = LoadS16(block + 5);
    m_state.coef1 = m_adpcmHeader.coefs[m_state.predictor].coef1;
    m_state.coef2 = m_adpcmHeader.coefs[m_state.predictor].coef2;

    const std::uint32_t steps =
        std::min<std::uint32_t>(m_adpcmHeader.samplesPerBlock / 2u, in.capacity - BlockHeaderBytes);
    out.ResizeAndClear(4u * (m_adpcmHeader.samplesPerBlock / 2u));
    // Each step decodes both halves of a byte, so the count may end at -1.
    const auto wanted = static_cast<std::uint32_t>((std::int64_t{m_nSamplesLeft} + 1) / 2);
    const std::uint32_t run = m_nSamplesLeft > 0 ? std::min(steps, wanted) : 0;

    // The hot loop works on a local copy of the state, with no virtual call
    // per sample; it is the same arithmetic as DecodeNibble.
    Predictor predictor = Load(m_state);
    const std::uint8_t* codes = block + BlockHeaderBytes;
    std::uint8_t* dst = out.data.get();
    for (std::uint32_t i = 0; i < run; ++i) {
        const std::int16_t high = predictor.Decode(codes[i] >> 4u);
        const std::int16_t low = predictor.Decode(codes[i] & 0x0Fu);
        std::memcpy(dst + 4 * i, &high, sizeof high);
        std::memcpy(dst + 4 * i + 2, &low, sizeof low);
    }
    Store(predictor, m_state);
    if (run > 0)
        m_state.nibble = static_cast<std::uint8_t>(codes[run - 1] & 0x0F);
    m_nSamplesLeft -= static_cast<std::int32_t>(2 * run);
    out.length = static_cast<std::int32_t>(4 * run);
    return true;
}

std::int16_t CADCPMObj::DecodeNibble(AdpcmState& state) {
    Predictor predictor = Load(state);
    const std::int16_t sample = predictor.Decode(state.nibble & 0x0Fu);
    Store(predictor, state);
    --m_nSamplesLeft;
    return sample;
}
