#include "job/LessonReader.h"

#include "audio/Translation.h"
#include "batch/ConversionMessages.h"
#include "batch/MessageBox.h"
#include "batch/PhraseListener.h"
#include "job/JobAssembly.h"

#include <algorithm>
#include <array>

namespace {

// The start of a WAV header, up to its sample rate.
using WavStart = std::array<std::uint8_t, 28>;

std::uint32_t RateOf(const WavStart& header) {
    return static_cast<std::uint32_t>(header[24] | header[25] << 8 | header[26] << 16 |
                                      header[27] << 24);
}

// Takes whatever the conversion writes and keeps none of it but the start
// of its header, which tells the rate.
class CDiscardStream final : public CByteStream {
public:
    explicit CDiscardStream(WavStart& header) : m_header(header) {}

    std::size_t Read(void*, std::size_t) override { return 0; }
    bool Write(const void* buffer, std::size_t count) override {
        const auto* bytes = static_cast<const std::uint8_t*>(buffer);
        for (std::size_t i = 0; i < count && m_nAt + static_cast<std::int64_t>(i) <
                                                 static_cast<std::int64_t>(m_header.size());
             ++i)
            m_header[static_cast<std::size_t>(m_nAt) + i] = bytes[i];
        m_nAt += static_cast<std::int64_t>(count);
        m_nSize = std::max(m_nSize, m_nAt);
        return true;
    }
    bool Seek(std::int64_t offset) override {
        m_nAt = offset;
        return true;
    }
    std::int64_t Tell() override { return m_nAt; }
    std::int64_t Size() override { return m_nSize; }
    bool Close() override { return true; }
    bool Failed() const override { return false; }

private:
    WavStart& m_header;
    std::int64_t m_nAt = 0, m_nSize = 0;
};

// The files of the conversion: the source and its subtitles as always, the
// practice file nowhere.
class CLessonFiles final : public CFileOpener {
public:
    explicit CLessonFiles(std::filesystem::path output) : m_output(std::move(output)) {}

    std::unique_ptr<CByteStream> OpenReplacing(const std::filesystem::path& path) override {
        return path == m_output ? std::make_unique<CDiscardStream>(m_header) : nullptr;
    }
    std::uint32_t Rate() const { return RateOf(m_header); }
    bool Commit(const std::filesystem::path& path) override { return path == m_output; }
    void Remove(const std::filesystem::path&) override {}

private:
    std::filesystem::path m_output;
    WavStart m_header{};
};

// The recording's samples and the ends of its phrases.
class CLessonListener final : public CPhraseListener {
public:
    CLessonListener(Lesson& lesson, const CLessonFiles& files) : m_lesson(lesson), m_files(files) {}

    bool PhraseSamples(const std::uint8_t* samples, std::size_t count) override {
        // The header with the rate was written before the first samples.
        if (static_cast<double>(m_lesson.samples.size() + count) >
            MaxLessonSeconds * m_files.Rate()) {
            m_bTooLong = true;
            return false;
        }
        for (std::size_t i = 0; i < count; ++i)
            m_lesson.samples.push_back(static_cast<std::int16_t>(
                static_cast<std::uint16_t>(samples[2 * i] | samples[2 * i + 1] << 8)));
        return true;
    }
    bool PhraseEnd(const Phrase& phrase) override {
        m_lesson.ends.push_back(phrase.sourceEnd);
        return true;
    }
    void Pass(const Phrase&, std::size_t, std::uint64_t, std::uint64_t) override {}

    bool m_bTooLong = false;

private:
    Lesson& m_lesson;
    const CLessonFiles& m_files;
};

// The first thing the conversion says; every question is answered No.
class CFirstMessage final : public CMessageBoxOwner {
public:
    int MessageBox(const std::string& text, const std::string&, unsigned) override {
        if (m_text.empty())
            m_text = text;
        return IDNO;
    }
    std::string m_text;
};

} // namespace

JobOptions LessonOptions(JobOptions options) {
    // Any option of the phrases makes the job take this path; this one does so always.
    options.tuned = true;
    options.passes = {1.0};
    options.outputFormat.reset();
    options.bitrateKbps.reset();
    options.labels = LabelFormat::None;
    options.clips = false;
    return options;
}

LessonFailure ReadLesson(const std::filesystem::path& source, const JobOptions& options,
                         Lesson& lesson) {
    lesson = Lesson();
    const JobOptions lessonOptions = LessonOptions(options);
    // Nothing is written there: the name only tells the conversion's output apart.
    const std::filesystem::path output =
        std::filesystem::path(source).replace_extension(".practice-window");
    CLessonFiles files(output);
    CLessonListener listener(lesson, files);
    // Read once, for the conversion and the lesson's texts.
    auto subtitles = std::make_shared<CJobSubtitles>();
    subtitles->Read(files, {source}, options.phrasesFrom, options.phrasesFromSrt);
    std::unique_ptr<CFileConverter> converter =
        MakeJobConverter(lessonOptions, {}, &listener, subtitles);
    CFirstMessage messages;
    const FileResult result =
        SettleUnopened(messages, source, converter->Convert(messages, source, output, files));
    if (result.kind() == FileResult::Kind::Refused)
        return {RefusedFormatText(result.reason()), true};
    if (listener.m_bTooLong)
        return {FormatText(Tr("Job", "The recording '%1' is too long for the practice window."),
                           {source.string()})};
    if (result.kind() != FileResult::Kind::Converted || !messages.m_text.empty())
        return {messages.m_text.empty()
                    ? FormatText(Tr("Job", "Cannot read file '%1'"), {source.string()})
                    : messages.m_text};
    lesson.rate = files.Rate();
    if (lesson.samples.empty() || lesson.rate == 0)
        return {FormatText(Tr("Job", "The file '%1' holds no audio."), {source.string()})};
    // Subtitles that cannot be read have refused the conversion above.
    lesson.cues = subtitles->Of(source)->cues.value_or(std::vector<SubtitleCue>{});
    return {};
}
