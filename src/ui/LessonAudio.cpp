#include "ui/LessonAudio.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QAudioSource>
#include <QMediaDevices>

#include <cstring>

namespace {

QAudioFormat Mono16(std::uint32_t rate) {
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(rate));
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

CLessonAudio::CLessonAudio(QObject* parent) : QObject(parent) {}

CLessonAudio::~CLessonAudio() {
    Stop();
    m_source.reset();
}

QString CLessonAudio::OutputProblem() const {
    return QMediaDevices::defaultAudioOutput().isNull()
               ? tr("Playing is off: no sound output was found.")
               : QString();
}

QString CLessonAudio::InputProblem() const {
    return QMediaDevices::defaultAudioInput().isNull()
               ? tr("Recording is off: no sound input was found.")
               : QString();
}

void CLessonAudio::Play(std::vector<Clip> clips) {
    Stop();
    m_queue.assign(std::make_move_iterator(clips.begin()), std::make_move_iterator(clips.end()));
    m_nClip = -1;
    PlayNext();
}

void CLessonAudio::Stop() {
    m_queue.clear();
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        m_sink.reset();
    }
    m_buffer.close();
}

std::int64_t CLessonAudio::PlayedSamples() const {
    if (!m_sink)
        return -1;
    return m_sink->processedUSecs() * static_cast<std::int64_t>(m_nRate) / 1000000;
}

void CLessonAudio::PlayNext() {
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        m_sink.reset();
    }
    m_buffer.close();
    if (m_queue.empty()) {
        emit finished();
        return;
    }
    const Clip clip = std::move(m_queue.front());
    m_queue.pop_front();
    ++m_nClip;
    m_nRate = clip.rate;
    m_bytes = QByteArray(reinterpret_cast<const char*>(clip.samples.data()),
                         static_cast<qsizetype>(clip.samples.size() * 2));
    m_buffer.setBuffer(&m_bytes);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), Mono16(clip.rate));
    connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState) // the clip has been heard
            QMetaObject::invokeMethod(this, &CLessonAudio::PlayNext, Qt::QueuedConnection);
        else if (state == QAudio::StoppedState && m_sink && m_sink->error() != QAudio::NoError) {
            Stop();
            emit failed(tr("The sound cannot be played."));
        }
    });
    m_sink->start(&m_buffer);
}

bool CLessonAudio::Record(std::uint32_t rate, std::uint64_t samples) {
    m_source.reset();
    m_take = Clip{rate, {}};
    m_nWanted = samples;
    m_source = std::make_unique<QAudioSource>(QMediaDevices::defaultAudioInput(), Mono16(rate));
    m_input = m_source->start();
    if (!m_input) {
        m_source.reset();
        return false;
    }
    connect(m_input, &QIODevice::readyRead, this, &CLessonAudio::OnRecorded);
    return true;
}

void CLessonAudio::OnRecorded() {
    if (!m_source)
        return;
    const QByteArray bytes = m_input->readAll();
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(bytes.size()) / 2,
                                                    m_nWanted - m_take.samples.size());
    const std::size_t at = m_take.samples.size();
    m_take.samples.resize(at + count);
    if (count > 0) // an empty take has no data to copy into
        std::memcpy(m_take.samples.data() + at, bytes.constData(), count * 2);
    if (m_take.samples.size() < m_nWanted)
        return;
    m_input->disconnect(this);
    m_source->stop();
    // Its own signal is running: it goes once that is over.
    m_source.release()->deleteLater();
    emit recorded(m_take);
}
