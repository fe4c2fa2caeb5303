#include "ui/PracticeWnd.h"

#include "audio/FileOpener.h"
#include "audio/WavSink.h"
#include "batch/TunedConversion.h"
#include "media/MediaLibrary.h"
#include "ui/WaveformView.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <cstring>

namespace {

// Collects a stretched phrase.
class CClipSink final : public CSampleSink {
public:
    explicit CClipSink(std::vector<std::int16_t>& samples) : m_samples(samples) {}
    bool Begin(std::uint32_t) override { return true; }
    bool Write(const std::uint8_t* samples, std::size_t count) override {
        const std::size_t at = m_samples.size();
        m_samples.resize(at + count);
        std::memcpy(m_samples.data() + at, samples, count * 2);
        return true;
    }
    bool WriteSilence(std::uint64_t count) override {
        m_samples.resize(m_samples.size() + count);
        return true;
    }
    bool Finish() override { return true; }

private:
    std::vector<std::int16_t>& m_samples;
};

// A phrase at another tempo, through the stretcher the practice files use;
// none when there is no stretcher.
std::optional<std::vector<std::int16_t>> Stretched(std::span<const std::int16_t> phrase,
                                                   std::uint32_t rate, double tempo) {
    const std::unique_ptr<CTimeStretcher> stretcher = MediaLibrary::MakeStretcher(rate, tempo);
    std::vector<std::int16_t> out;
    CClipSink sink(out);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(phrase.data());
    if (!stretcher || !stretcher->Begin(phrase.size(), sink) ||
        (stretcher->NeedsStudy() && !stretcher->Study(bytes, phrase.size())) ||
        !stretcher->Process(bytes, phrase.size()) || !stretcher->Finish())
        return std::nullopt;
    return out;
}

QString Time(std::uint64_t samples, std::uint32_t rate) {
    const std::uint64_t tenths = samples * 10 / rate;
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

} // namespace

// What the window does, from its buttons and keys: one row each.
std::span<const CPracticeWnd::Command> CPracticeWnd::Commands() {
    using enum Command::Needs;
    using W = CPracticeWnd;
    static const Command commands[] = {
        {QT_TR_NOOP("&Play"), QT_TR_NOOP("Plays the phrase again"), Qt::Key_Space, &W::Play,
         Output},
        {QT_TR_NOOP("Pre&vious"), QT_TR_NOOP("Plays the phrase before"), Qt::Key_Left,
         &W::Previous},
        {QT_TR_NOOP("&Next"), QT_TR_NOOP("Plays the next phrase"), Qt::Key_Right, &W::Next},
        {nullptr, QT_TR_NOOP("Plays the first phrase"), Qt::Key_Home, &W::First},
        {nullptr, QT_TR_NOOP("Plays the last phrase"), Qt::Key_End, &W::Last},
        {QT_TR_NOOP("&Record"),
         QT_TR_NOOP("Records you for the phrase's length and one second more"), Qt::Key_R,
         &W::Record, Input},
        {QT_TR_NOOP("Play &take"), QT_TR_NOOP("Plays your last take"), Qt::Key_T, &W::PlayTake,
         Output},
        {QT_TR_NOOP("&Compare"), QT_TR_NOOP("Plays the phrase, then your take"), Qt::Key_C,
         &W::Compare, Output},
        {QT_TR_NOOP("Save t&ake"), QT_TR_NOOP("Saves your last take in the destination folder"),
         Qt::CTRL | Qt::Key_E, &W::SaveTake},
        {QT_TR_NOOP("&Join"), QT_TR_NOOP("Joins the phrase with the next one"), Qt::Key_Delete,
         &W::Join},
        {QT_TR_NOOP("Spl&it"),
         QT_TR_NOOP("Splits the phrase where it plays or where the mouse points"), Qt::Key_M,
         &W::Split},
        {QT_TR_NOOP("&Undo"), QT_TR_NOOP("Undoes the last change of the marks"),
         Qt::CTRL | Qt::Key_Z, &W::Undo},
        {nullptr, QT_TR_NOOP("Moves the nearest mark 10 ms earlier"), Qt::ALT | Qt::Key_Left,
         &W::NudgeLeft},
        {nullptr, QT_TR_NOOP("Moves the nearest mark 10 ms later"), Qt::ALT | Qt::Key_Right,
         &W::NudgeRight},
        {nullptr, QT_TR_NOOP("Zooms in"), QKeySequence::ZoomIn, &W::ZoomIn, Nothing,
         Qt::CTRL | Qt::Key_Equal},
        {nullptr, QT_TR_NOOP("Zooms out"), QKeySequence::ZoomOut, &W::ZoomOut},
        {QT_TR_NOOP("Save &marks"),
         QT_TR_NOOP("Saves the marks as subtitles in the destination folder"), Qt::CTRL | Qt::Key_S,
         &W::SaveMarksCommand},
        {QT_TR_NOOP("C&onvert"), QT_TR_NOOP("Converts the lesson with these marks"),
         Qt::CTRL | Qt::Key_Return, &W::Convert, Nothing, Qt::CTRL | Qt::Key_Enter},
    };
    return commands;
}

CPracticeWnd::CPracticeWnd(Lesson lesson, const std::filesystem::path& source,
                           const std::filesystem::path& destination, const JobOptions& options,
                           QWidget* parent)
    : QDialog(parent), m_lesson(std::move(lesson)), m_source(source), m_destination(destination),
      m_options(options), m_marks(m_lesson.samples, m_lesson.rate, SamplesPerBlock, m_lesson.ends),
      m_noOutput(m_audio.OutputProblem()), m_noInput(m_audio.InputProblem()) {
    m_marks.TakeTexts(m_lesson.cues);
    setObjectName(QStringLiteral("PracticeWnd"));
    setWindowTitle(tr("Listen - %1").arg(QString::fromStdString(source.filename().string())));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    m_view = new CWaveformView(m_marks, m_lesson.samples, this);
    m_view->setObjectName(QStringLiteral("waveform"));
    m_stPhrase = new QLabel(this);
    m_stPhrase->setObjectName(QStringLiteral("phrase"));
    m_stText = new QLabel(this);
    m_stText->setObjectName(QStringLiteral("text"));
    m_stText->setWordWrap(true);
    m_repeats = new QSpinBox(this);
    m_repeats->setObjectName(QStringLiteral("repeats"));
    m_repeats->setRange(1, 9);
    // Focused, it takes Space, the arrows and the letters from the window's keys: once its
    // value is set (one click or one digit, 1 to 9), the keys are the window's again.
    m_repeats->setFocusPolicy(Qt::ClickFocus);
    connect(m_repeats, &QSpinBox::valueChanged, m_repeats, &QWidget::clearFocus);
    m_repeats->setToolTip(
        tr("How often Space plays each phrase, with the passes and pauses of the options"));
    auto* repeatsLabel = new QLabel(tr("R&epeats:"), this);
    repeatsLabel->setBuddy(m_repeats);
    m_status = new QStatusBar(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setSizeGripEnabled(false);

    auto* buttons = new QGridLayout;
    int column = 0;
    // What the keys without a button do is told over the waveform.
    QString viewTip = tr("Drag a mark to move it, click a phrase to choose it, Ctrl+wheel zooms.");
    for (const Command& command : Commands()) {
        const auto run = [this, &command] {
            if ((command.needs == Command::Output && !m_noOutput.isEmpty()) ||
                (command.needs == Command::Input && !m_noInput.isEmpty()))
                return;
            (this->*command.run)();
        };
        QStringList keys;
        for (const QKeySequence& key : {command.key, command.also})
            if (!key.isEmpty()) {
                connect(new QShortcut(key, this), &QShortcut::activated, this, run);
                keys << key.toString(QKeySequence::NativeText);
            }
        const QString tip =
            QStringLiteral("%1 (%2)").arg(tr(command.tip), keys.join(QStringLiteral(", ")));
        if (!command.text) {
            viewTip += QLatin1Char('\n') + tip;
            continue;
        }
        auto* button = new QPushButton(tr(command.text), this);
        button->setObjectName(QString::fromLatin1(command.text).remove(QLatin1Char('&')));
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(tip);
        connect(button, &QPushButton::clicked, this, run);
        buttons->addWidget(button, column / 6, column % 6);
        ++column;
        const QString& off = command.needs == Command::Output  ? m_noOutput
                             : command.needs == Command::Input ? m_noInput
                                                               : QString();
        button->setEnabled(off.isEmpty());
    }
    m_view->setToolTip(viewTip);
    auto* info = new QHBoxLayout;
    info->addWidget(m_stPhrase);
    info->addWidget(m_stText, 1);
    info->addWidget(repeatsLabel);
    info->addWidget(m_repeats);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(info);
    layout->addLayout(buttons);
    layout->addWidget(m_status);
    // One line says why sound is off; playing gives way to recording.
    if (!m_noOutput.isEmpty() || !m_noInput.isEmpty())
        m_status->showMessage(!m_noOutput.isEmpty() ? m_noOutput : m_noInput);

    connect(m_view, &CWaveformView::phraseClicked, this,
            [this](std::uint64_t sample) { Select(m_marks.PhraseAt(sample), false); });
    connect(m_view, &CWaveformView::markDropped, this,
            [this](std::size_t mark, std::uint64_t sample) { Edited(m_marks.Drag(mark, sample)); });
    connect(&m_audio, &CLessonAudio::recorded, this, [this](const Clip& take) {
        m_takes.push_back(take);
        m_status->showMessage(tr("Take %1 recorded.").arg(m_takes.size()));
    });
    connect(&m_audio, &CLessonAudio::failed, this,
            [this](const QString& reason) { m_status->showMessage(reason); });
    connect(&m_audio, &CLessonAudio::finished, this, [this] { Follow({}); });
    connect(&m_timer, &QTimer::timeout, this, &CPracticeWnd::Tick);
    m_timer.setInterval(30);
    resize(900, 420);
    ShowPhrase();
}

CPracticeWnd::~CPracticeWnd() {
    m_audio.Stop();
}

std::filesystem::path CPracticeWnd::MarksPath() const {
    return m_destination / (m_source.stem().string() + ".srt");
}

void CPracticeWnd::ShowPhrase() {
    m_nCurrent = std::min(m_nCurrent, m_marks.Phrases() - 1);
    const std::uint32_t rate = m_lesson.rate;
    m_stPhrase->setText(
        tr("Phrase %1 of %2").arg(m_nCurrent + 1).arg(m_marks.Phrases()) +
        QStringLiteral("  %1 - %2")
            .arg(Time(m_marks.Start(m_nCurrent), rate), Time(m_marks.End(m_nCurrent), rate)));
    m_stText->setText(QString::fromStdString(m_marks.Text(m_nCurrent)));
    m_view->SetCurrent(m_nCurrent);
}

void CPracticeWnd::Select(std::size_t phrase, bool play) {
    m_audio.Stop();
    Follow({});
    m_nCurrent = phrase;
    ShowPhrase();
    if (play && m_noOutput.isEmpty())
        Play();
}

CPracticeWnd::Recipe CPracticeWnd::PhraseRecipe(std::size_t phrase) const {
    const std::uint32_t rate = m_lesson.rate;
    const std::span<const std::int16_t> samples =
        std::span(m_lesson.samples)
            .subspan(m_marks.Start(phrase), m_marks.End(phrase) - m_marks.Start(phrase));
    Recipe recipe{{rate, {}}, {}, false};
    std::vector<std::int16_t>& out = recipe.clip.samples;
    for (int repeat = 0; repeat < m_repeats->value(); ++repeat)
        for (const double tempo : m_options.passes) {
            // The pause after the pass before, as long as the files make it for that pass.
            if (!recipe.passes.empty())
                out.resize(out.size() + m_options.PauseSamples(recipe.passes.back().second, rate));
            std::optional<std::vector<std::int16_t>> pass;
            if (tempo != 1)
                pass = Stretched(samples, rate, tempo);
            recipe.asRecorded |= tempo != 1 && !pass;
            const std::span<const std::int16_t> heard =
                pass ? std::span<const std::int16_t>(*pass) : samples;
            recipe.passes.emplace_back(out.size(), heard.size());
            out.insert(out.end(), heard.begin(), heard.end());
        }
    return recipe;
}

void CPracticeWnd::Play() {
    Recipe recipe = PhraseRecipe(m_nCurrent);
    if (recipe.asRecorded)
        m_status->showMessage(tr("The slower and faster passes play as recorded: there is "
                                 "nothing here to stretch them."));
    Follow(std::move(recipe.passes));
    m_audio.Play({std::move(recipe.clip)});
}

void CPracticeWnd::Follow(std::vector<std::pair<std::size_t, std::size_t>> passes) {
    m_playing = std::move(passes);
    m_nHeard = -1;
    if (m_playing.empty())
        m_timer.stop();
    else
        m_timer.start();
    m_view->SetPlayPosition(-1);
}

void CPracticeWnd::Tick() {
    // The phrase's place in the pass that plays, however fast that pass goes.
    const std::int64_t played = m_audio.PlayingClip() == 0 ? m_audio.PlayedSamples() : -1;
    const std::uint64_t length = m_marks.End(m_nCurrent) - m_marks.Start(m_nCurrent);
    m_nHeard = -1;
    for (const auto& [start, samples] : m_playing) {
        const auto at = static_cast<std::uint64_t>(played);
        if (played >= 0 && at >= start && at < start + samples) {
            m_nHeard = static_cast<std::int64_t>((at - start) * length / samples);
            break;
        }
    }
    m_view->SetPlayPosition(
        m_nHeard < 0 ? -1 : static_cast<std::int64_t>(m_marks.Start(m_nCurrent)) + m_nHeard);
}

void CPracticeWnd::Record() {
    m_audio.Stop();
    Follow({});
    const std::uint64_t length = m_marks.End(m_nCurrent) - m_marks.Start(m_nCurrent);
    if (!m_audio.Record(m_lesson.rate, length + m_lesson.rate))
        m_status->showMessage(tr("Recording cannot start."));
    else
        m_status->showMessage(tr("Recording..."));
}

void CPracticeWnd::PlayTake() {
    if (m_takes.empty())
        return;
    Follow({});
    m_audio.Play({m_takes.back()});
}

void CPracticeWnd::Compare() {
    if (m_takes.empty())
        return;
    const std::size_t start = m_marks.Start(m_nCurrent);
    Clip phrase{m_lesson.rate,
                {m_lesson.samples.begin() + static_cast<std::ptrdiff_t>(start),
                 m_lesson.samples.begin() + static_cast<std::ptrdiff_t>(m_marks.End(m_nCurrent))}};
    Follow({{0, phrase.samples.size()}});
    m_audio.Play({std::move(phrase), m_takes.back()});
}

void CPracticeWnd::SaveTake() {
    if (m_takes.empty())
        return;
    for (int number = 1; number < 1000; ++number) {
        const std::filesystem::path path =
            m_destination /
            (m_source.stem().string() +
             QStringLiteral("-take-%1.wav").arg(number, 3, 10, QLatin1Char('0')).toStdString());
        std::error_code error;
        if (std::filesystem::exists(path, error) || error)
            continue;
        const Clip& take = m_takes.back();
        CFileOpener files;
        CWavSink sink(files.OpenReplacing(path));
        const bool saved = sink.Begin(take.rate) &&
                           sink.Write(reinterpret_cast<const std::uint8_t*>(take.samples.data()),
                                      take.samples.size()) &&
                           sink.Finish() && files.Commit(path);
        m_status->showMessage(
            saved ? tr("Saved %1.").arg(QString::fromStdString(path.string()))
                  : tr("%1 cannot be written.").arg(QString::fromStdString(path.string())));
        return;
    }
}

void CPracticeWnd::SaveMarksCommand() {
    SaveMarks();
}

bool CPracticeWnd::SaveMarks() {
    const std::filesystem::path path = MarksPath();
    const QString name = QString::fromStdString(path.string());
    std::error_code error;
    if (!m_written.contains(path) && std::filesystem::exists(path, error) &&
        QMessageBox::question(this, windowTitle(),
                              tr("%1 already exists. Replace it with the marks?").arg(name)) !=
            QMessageBox::Yes)
        return false;
    const std::string text = m_marks.SubRip();
    CFileOpener files;
    std::unique_ptr<CByteStream> stream = files.OpenReplacing(path);
    if (!stream || !stream->Write(text.data(), text.size()) || !stream->Close() ||
        !files.Commit(path)) {
        m_status->showMessage(tr("%1 cannot be written.").arg(name));
        return false;
    }
    m_written.insert(path);
    m_marks.SetSaved();
    m_status->showMessage(tr("Saved %1.").arg(name));
    return true;
}

void CPracticeWnd::Convert() {
    if (!SaveMarks())
        return;
    m_convertWith = MarksPath();
    m_audio.Stop();
    accept();
}

void CPracticeWnd::Edited(bool changed) {
    if (changed)
        ShowPhrase();
    m_view->update();
}

void CPracticeWnd::Nudge(int direction) {
    const std::optional<std::uint64_t> mouse = m_view->MouseSample();
    if (m_marks.Marks().empty())
        return;
    const std::size_t mark =
        mouse ? m_marks.NearestMark(*mouse) : std::min(m_nCurrent, m_marks.Marks().size() - 1);
    Edited(m_marks.Nudge(mark, direction));
}

std::uint64_t CPracticeWnd::SplitPosition() const {
    if (m_nHeard >= 0)
        return m_marks.Start(m_nCurrent) + static_cast<std::uint64_t>(m_nHeard);
    if (const std::optional<std::uint64_t> mouse = m_view->MouseSample())
        return *mouse;
    return (m_marks.Start(m_nCurrent) + m_marks.End(m_nCurrent)) / 2;
}

void CPracticeWnd::Split() {
    Edited(m_marks.Split(m_nCurrent, SplitPosition()));
}

void CPracticeWnd::ZoomIn() {
    m_view->Zoom(1);
}

void CPracticeWnd::ZoomOut() {
    m_view->Zoom(-1);
}

bool CPracticeWnd::MayClose() {
    if (!m_marks.Modified())
        return true;
    const QMessageBox::StandardButton answer =
        QMessageBox::question(this, windowTitle(), tr("The marks have changed. Save them?"),
                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    return answer == QMessageBox::Discard || (answer == QMessageBox::Save && SaveMarks());
}

void CPracticeWnd::reject() {
    if (MayClose()) {
        m_audio.Stop();
        QDialog::reject();
    }
}

void CPracticeWnd::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}
