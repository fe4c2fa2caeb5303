#include "audio/ADCPMObj.h"

#include "audio/AdpcmKernel.h"
#include "audio/ByteOrder.h"
#include "audio/Translation.h"
#include "audio/WAVException.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

using namespace AdpcmKernel;

// Where a field of the format chunk lies from the start of the chunk, as in the record.
#define FMT_FIELD(field) (offsetof(AdpcmHeader, field) - offsetof(AdpcmHeader, format.fmtId))

// One block of a mono source, as in the file:
//
//   offset  bytes  what
//   0       1      predictor index: the coefficient pair of the block
//   1       2      delta, s16: the first step size
//   3       2      sample 1, s16: the most recent sample, seeding the prediction
//   5       2      sample 2, s16: the one before it
//   7       ...    the codes, a nibble each, the high nibble of a byte first
constexpr std::size_t DeltaAt = 1;
constexpr std::size_t Sample1At = 3;
constexpr std::size_t Sample2At = 5;

// What DecodeBlock does up to the decoding itself. False: no samples remain.
// Otherwise out is sized, its length set to what the plan will decode, and the
// block yields a plan unless it is skipped.
bool StartBlock(CADCPMObj& source, const SampleBuffer& in, SampleBuffer& out, BlockPlan& plan,
                bool& decodes) {
    AdpcmState& state = source.m_state;
    std::int32_t& samplesLeft = source.m_nSamplesLeft;
    const AdpcmHeader& header = source.m_adpcmHeader;
    decodes = false;
    if (in.capacity < CADCPMObj::BlockHeaderBytes)
        return false; // no block header to start from
    const std::uint8_t* block = in.data.get();
    state.predictor = block[0];
    if (state.predictor >= CADCPMObj::RequiredCoefCount) {
        out.length = 0; // the block is skipped, not an error
        return true;
    }
    if (samplesLeft == 0)
        return false;
    state.delta = LoadS16(block + DeltaAt);
    state.sample1 = LoadS16(block + Sample1At);
    state.sample2 = LoadS16(block + Sample2At);
    state.coef1 = header.coefs[state.predictor].coef1;
    state.coef2 = header.coefs[state.predictor].coef2;

    const std::uint32_t steps = std::min<std::uint32_t>(header.samplesPerBlock / 2u,
                                                        in.capacity - CADCPMObj::BlockHeaderBytes);
    out.ResizeAndClear(4u * (header.samplesPerBlock / 2u));
    // Each step decodes both halves of a byte, so the count may end at -1.
    const auto wanted = static_cast<std::uint32_t>((std::int64_t{samplesLeft} + 1) / 2);
    const std::uint32_t run = samplesLeft > 0 ? std::min(steps, wanted) : 0;
    samplesLeft -= static_cast<std::int32_t>(2 * run);
    out.length = static_cast<std::int32_t>(4 * run);
    if (run > 0) {
        state.nibble =
            static_cast<std::uint8_t>(block[CADCPMObj::BlockHeaderBytes + run - 1] & 0x0F);
        plan = {Load(state), block + CADCPMObj::BlockHeaderBytes, out.data.get(), run};
        decodes = true;
    }
    return true;
}

} // namespace

CADCPMObj::CADCPMObj() {
    KeepHeaderAt(m_adpcmHeader.format, reinterpret_cast<const std::uint8_t*>(&m_adpcmHeader) +
                                           offsetof(AdpcmHeader, dataSize));
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
    const FormatRule rules[] = {
        {FMT_FIELD(format.formatTag), 2, Tr("Job", "The WAV format must be ADPCM")},
        {FMT_FIELD(coefCount), RequiredCoefCount, Tr("Job", "The Coef must equal to 7")},
        {FMT_FIELD(format.blockAlign), RequiredBlockAlign,
         Tr("Job", "The Block align must be 512")}};
    // The id, the size, the format fields and the coefficient table.
    constexpr std::size_t fmtAt = offsetof(AdpcmHeader, format.fmtId);
    const std::uint32_t fact = ParseFormatChunk(
        buffer, p, rules, {HeaderBytes() + fmtAt, offsetof(AdpcmHeader, factId) - fmtAt});
    // The walk reads the fact chunk's head and its sample count; outside the
    // buffer that is the chunk missing.
    if (!Fits(fact, 12) || !HasId(buffer + fact, "fact"))
        throw CWAVException(Tr("Job", "The Fact chunk is missing"));
    std::memcpy(HeaderBytes() + offsetof(AdpcmHeader, factId), buffer + fact, 12);
    const std::uint64_t data = std::uint64_t{fact} + 8 + LoadU32(buffer + fact + 4);
    ParseDataChunk(buffer, data, HeaderBytes() + offsetof(AdpcmHeader, dataId));
    return GetHeaderSize();
}

std::uint32_t CADCPMObj::GetSampleCount() {
    return m_adpcmHeader.sampleCount;
}

bool CADCPMObj::DecodeBlock(SampleBuffer& in, SampleBuffer& out) {
    // The samples come from the same arithmetic as DecodeNibble, without a
    // virtual call per sample.
    BlockPlan plan;
    bool decodes = false;
    if (!StartBlock(*this, in, out, plan, decodes))
        return false;
    if (decodes) {
        DecodeAll(&plan, 1);
        Store(plan.predictor, m_state);
    }
    return true;
}

int CADCPMObj::ReadBlocks(SampleBuffer* outs, int count) {
    count = std::min(count, MaxBlocksTogether);
    BlockPlan plans[MaxBlocksTogether];
    int planned = 0;
    int read = 0;
    while (read < count) {
        SampleBuffer& raw = m_rawBlocks[static_cast<std::size_t>(read)];
        raw.ResizeAndClear(GetBlockAlign());
        bool decodes = false;
        if (!ReadRawBlock(raw) || !StartBlock(*this, raw, outs[read], plans[planned], decodes))
            break;
        planned += decodes ? 1 : 0;
        ++read;
    }
    DecodeAll(plans, planned);
    if (planned > 0)
        Store(plans[planned - 1].predictor, m_state);
    return read;
}

std::int16_t CADCPMObj::DecodeNibble(AdpcmState& state) {
    Predictor predictor = Load(state);
    const std::int16_t sample = predictor.Decode(state.nibble & 0x0Fu);
    Store(predictor, state);
    --m_nSamplesLeft;
    return sample;
}
