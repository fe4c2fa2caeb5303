#pragma once

#include <QAudioDevice>
#include <QBuffer>
#include <QObject>
#include <QString>

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

class QAudioSink;
class QAudioSource;
class QIODevice;

// Samples to hear: mono, 16-bit, at a rate.
struct Clip {
    std::uint32_t rate = 0;
    std::vector<std::int16_t> samples;
};

// The practice window's sound: clips played one after another on the
// default output, takes recorded from the default input.
class CLessonAudio : public QObject {
    Q_OBJECT

public:
    explicit CLessonAudio(QObject* parent = nullptr);
    ~CLessonAudio() override;

    // Why nothing can be played or recorded, in one line; empty when it can.
    QString OutputProblem() const;
    QString InputProblem() const;

    // Plays the clips in order, ending what played before.
    void Play(std::vector<Clip> clips);
    void Stop();
    bool Playing() const { return m_sink != nullptr; }
    // Which clip plays, and how many of its samples have been heard; -1 when none plays.
    int PlayingClip() const { return m_sink ? m_nClip : -1; }
    std::int64_t PlayedSamples() const;

    // Records samples at rate from the default input; recorded() brings the take.
    bool Record(std::uint32_t rate, std::uint64_t samples);
    bool Recording() const { return m_source != nullptr; }

signals:
    void finished();
    void recorded(const Clip& take);
    // Played or recorded: why it failed, in one line.
    void failed(const QString& reason);

private:
    void PlayNext();
    void OnRecorded();

    std::deque<Clip> m_queue;
    int m_nClip = -1;
    std::uint32_t m_nRate = 0;
    QByteArray m_bytes;
    QBuffer m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_input = nullptr;
    Clip m_take;
    std::uint64_t m_nWanted = 0;
};
