#include "batch/PracticeWriter.h"

#include "batch/ConvertFile.h"
#include "pause/MessagePump.h"

#include <algorithm>

CPracticeWriter::CPracticeWriter(CSampleSink& sink, const JobOptions& options, std::uint32_t rate,
                                 CPhraseStore& store, const StretcherMaker& makeStretcher,
                                 const PhraseTexts* texts)
    : m_sink(sink), m_options(options), m_nRate(rate), m_store(store),
      m_makeStretcher(makeStretcher), m_stretchers(options.passes.size()), m_texts(texts) {}

bool CPracticeWriter::WritesStraightThrough() const {
    return m_options.passes.size() == 1 && m_options.passes[0] == 1;
}

CPracticeWriter::Result CPracticeWriter::CountSamples(std::uint64_t samples) {
    m_nTotalSamples += samples;
    return 2 * m_nTotalSamples > MaxDeclaredDataSize ? Result::TooLong : Result::Written;
}

CPracticeWriter::Result CPracticeWriter::Pause(std::uint64_t passSamples) {
    const std::uint64_t pause = m_options.PauseSamples(passSamples, m_nRate);
    if (const Result result = CountSamples(pause); result != Result::Written)
        return result;
    ++m_nPauses;
    return Silence(pause) ? Result::Written : Result::Failed;
}

bool CPracticeWriter::Silence(std::uint64_t count) {
    return WriteSilenceInPieces(m_sink, count, m_nRate);
}

void CPracticeWriter::Close() {
    Phrase& phrase = m_ended;
    phrase.index = m_nPhrase;
    phrase.sourceStart = m_nPhraseSourceStart;
    phrase.sourceEnd = m_nPhraseSourceStart + m_nPhraseSamples;
    const bool hasText = m_texts && !PhraseText(*m_texts, m_nPhrase).empty();
    phrase.number = m_bHeard || hasText ? ++m_nSpoken : 0;
    phrase.heardStart = phrase.sourceStart;
    phrase.heardEnd = phrase.sourceEnd;
    if (m_bHeard) {
        // The margin rounded down: never more quiet than it allows.
        const auto margin = static_cast<std::uint64_t>(SpeechMarginSeconds * m_nRate);
        phrase.heardStart =
            std::max(phrase.sourceStart, m_nSpeechStart - std::min(m_nSpeechStart, margin));
        phrase.heardEnd = std::min(phrase.sourceEnd, m_nSpeechEnd + margin);
    }
}

bool CPracticeWriter::PhraseEnded() {
    for (CPhraseListener* listener : m_listeners)
        if (!listener->PhraseEnd(m_ended))
            return false;
    return true;
}

void CPracticeWriter::TellListenersOfPass(std::size_t pass, std::uint64_t start,
                                          std::uint64_t samples) {
    if (m_ended.Spoken())
        for (CPhraseListener* listener : m_listeners)
            listener->Pass(m_ended, pass, start, start + samples);
}

CPracticeWriter::Result CPracticeWriter::Block(const std::uint8_t* samples, std::size_t count,
                                               bool phraseEndsBefore, LoudSpan speech) {
    if (phraseEndsBefore && m_nPhraseSamples > 0) {
        Close();
        if (WritesStraightThrough())
            TellListenersOfPass(1, m_nPhraseOutputStart, m_nPhraseSamples);
        if (!PhraseEnded())
            return Result::Failed;
    }
    if (WritesStraightThrough()) {
        // The pause due before the block, then the block, counted as one step.
        const std::uint64_t pause =
            phraseEndsBefore ? m_options.PauseSamples(m_nPhraseSamples, m_nRate) : 0;
        if (const Result result = CountSamples(pause + count); result != Result::Written)
            return result;
        if (phraseEndsBefore) {
            ++m_nPauses;
            m_nPhraseSamples = 0;
            if (!Silence(pause))
                return Result::Failed;
        }
    } else if (phraseEndsBefore && m_nPhraseSamples > 0) {
        if (const Result result = EndPhrase(); result != Result::Written)
            return result;
    }
    if (m_nPhraseSamples == 0) {
        ++m_nPhrase;
        m_nPhraseSourceStart = m_nSourceSamples;
        // Streamed, this block is counted already.
        m_nPhraseOutputStart = WritesStraightThrough() ? m_nTotalSamples - count : m_nTotalSamples;
        m_bHeard = false;
    }
    if (!speech.Empty()) {
        if (!m_bHeard)
            m_nSpeechStart = m_nSourceSamples + speech.first;
        m_bHeard = true;
        m_nSpeechEnd = m_nSourceSamples + speech.end;
    }
    m_nPhraseSamples += count;
    m_nLongestPhrase = std::max(m_nLongestPhrase, m_nPhraseSamples);
    m_nSourceSamples += count;
    for (CPhraseListener* listener : m_listeners)
        if (!listener->PhraseSamples(samples, count))
            return Result::Failed;
    if (WritesStraightThrough())
        return m_sink.Write(samples, count) ? Result::Written : Result::Failed;
    return m_store.Append(samples, count) ? Result::Written : Result::Failed;
}

CPracticeWriter::Result CPracticeWriter::End() {
    if (m_nPhraseSamples == 0)
        return Result::Written;
    Close();
    if (!WritesStraightThrough())
        return PhraseEnded() ? EndPhrase() : Result::Failed;
    TellListenersOfPass(1, m_nPhraseOutputStart, m_nPhraseSamples);
    if (!PhraseEnded())
        return Result::Failed;
    const Result result = Pause(m_nPhraseSamples);
    m_nPhraseSamples = 0;
    return result;
}

CPracticeWriter::Result CPracticeWriter::EndPhrase() {
    // Quiet only, the phrase is not repeated: a single pass keeps its bytes.
    const std::size_t passes = m_ended.Spoken() ? m_options.passes.size() : 1;
    for (std::size_t k = 0; k < passes; ++k) {
        const double tempo = m_options.passes[k];
        const std::uint64_t start = m_nTotalSamples;
        std::uint64_t samples = m_nPhraseSamples;
        Result result = Result::Written;
        if (tempo == 1) {
            result = CountSamples(samples);
            if (result == Result::Written &&
                !m_store.Read([this](const std::uint8_t* p, std::size_t n) {
                    return !JobAbandoned() && m_sink.Write(p, n);
                }))
                result = Result::Failed;
        } else {
            samples = CTimeStretcher::OutputLength(m_nPhraseSamples, tempo);
            result = CountSamples(samples);
            if (result == Result::Written)
                result = Stretch(k, tempo);
        }
        if (result == Result::Written) {
            TellListenersOfPass(k + 1, start, samples);
            result = Pause(samples);
        }
        if (result != Result::Written)
            return result;
    }
    m_store.Clear();
    m_nPhraseSamples = 0;
    return Result::Written;
}

CPracticeWriter::Result CPracticeWriter::Stretch(std::size_t pass, double tempo) {
    std::unique_ptr<CTimeStretcher>& stretcher = m_stretchers[pass];
    if (!stretcher && m_makeStretcher)
        stretcher = m_makeStretcher(m_nRate, tempo);
    if (!stretcher || !stretcher->Begin(m_nPhraseSamples, m_sink))
        return Result::Failed;
    const auto feed = [&](bool study) {
        return m_store.Read([&](const std::uint8_t* p, std::size_t n) {
            PumpMessages(); // a long phrase takes a while
            return !JobAbandoned() && (study ? stretcher->Study(p, n) : stretcher->Process(p, n));
        });
    };
    if (stretcher->NeedsStudy() && !feed(true))
        return Result::Failed;
    return feed(false) && stretcher->Finish() ? Result::Written : Result::Failed;
}
