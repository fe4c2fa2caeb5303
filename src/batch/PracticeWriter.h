#pragma once

#include "audio/SampleSink.h"
#include "audio/TimeStretcher.h"
#include "batch/JobOptions.h"
#include "batch/PhraseListener.h"
#include "batch/PhraseStore.h"
#include "pause/LoudSpan.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Makes the stretcher for a rate and a tempo; null when there is none.
using StretcherMaker =
    std::function<std::unique_ptr<CTimeStretcher>(std::uint32_t rate, double tempo)>;

// Writes a practice file's phrases into a sink: each phrase once per pass,
// at the pass's tempo, each pass followed by its pause. A phrase is the
// audio from one pause point to the next; with one pass at tempo 1 it goes
// straight through, otherwise it is held in a store until it ends. A phrase
// with no speech in it, quiet only, gets its first pass alone.
class CPracticeWriter {
public:
    enum class Result { Written, TooLong, Failed };

    // store is used only when there is more than one pass, or another tempo.
    // texts: each phrase's, when subtitles gave them; a phrase with text has speech.
    CPracticeWriter(CSampleSink& sink, const JobOptions& options, std::uint32_t rate,
                    CPhraseStore& store, const StretcherMaker& makeStretcher,
                    const PhraseTexts* texts = nullptr);

    // The next samples of the recording, speech where the detector heard it;
    // when a phrase ends before them, its passes and pauses are written first.
    Result Block(const std::uint8_t* samples, std::size_t count, bool phraseEndsBefore,
                 LoudSpan speech);
    // After the last samples: the last phrase's passes and pauses.
    Result End();

    // Told of every phrase and pass from now on.
    void Listen(CPhraseListener& listener) { m_listeners.push_back(&listener); }

    std::uint64_t Pauses() const { return m_nPauses; }
    std::uint64_t LongestPhrase() const { return m_nLongestPhrase; } // in samples

private:
    bool WritesStraightThrough() const;
    Result EndPhrase();
    // The phrase under way has ended: what it is, then the listeners are told.
    void Close();
    bool PhraseEnded();
    void TellListenersOfPass(std::size_t pass, std::uint64_t start, std::uint64_t samples);
    Result Stretch(std::size_t pass, double tempo);
    Result Pause(std::uint64_t passSamples);
    bool Silence(std::uint64_t count);
    // Counts samples about to be written; TooLong past what a WAV file holds.
    Result CountSamples(std::uint64_t samples);

    CSampleSink& m_sink;
    const JobOptions& m_options;
    std::uint32_t m_nRate;
    CPhraseStore& m_store;
    const StretcherMaker& m_makeStretcher;
    std::vector<std::unique_ptr<CTimeStretcher>> m_stretchers; // one per pass, made when due
    const PhraseTexts* m_texts;
    std::vector<CPhraseListener*> m_listeners;
    std::uint64_t m_nPhrase = 0; // the phrase under way, from 1
    std::uint64_t m_nSpoken = 0; // phrases with speech, ended
    bool m_bHeard = false;       // speech in the phrase under way, from ... to
    std::uint64_t m_nSpeechStart = 0, m_nSpeechEnd = 0;
    Phrase m_ended; // the phrase last ended
    std::uint64_t m_nPhraseSamples = 0;
    std::uint64_t m_nPhraseSourceStart = 0; // where the phrase began in the recording
    std::uint64_t m_nPhraseOutputStart = 0; // and in the practice file, when it streams
    std::uint64_t m_nSourceSamples = 0;
    std::uint64_t m_nTotalSamples = 0;
    std::uint64_t m_nPauses = 0;
    std::uint64_t m_nLongestPhrase = 0;
};
