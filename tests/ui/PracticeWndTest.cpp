// The practice window against a real sound server (PulseAudio with a null
// sink, whose monitor hears what is played and is the default input) and
// against the terminal's own phrases and conversion.

#include "UiTestSupport.h"

#include "job/LessonReader.h"
#include "ui/BrellowApp.h"
#include "ui/BrellowDlg.h"
#include "ui/PracticeWnd.h"
#include "ui/Settings.h"
#include "ui/Translations.h"
#include "ui/WaveformView.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QWheelEvent>
#include <QtTest>

#include <cmath>
#include <optional>

namespace {

constexpr int Rate = 22050; // the lesson's, and the server's, so nothing is resampled

// A PulseAudio server of the test's own, in a private runtime folder, whose
// only sink is a null sink; it plays nothing aloud.
class PulseServer {
public:
    PulseServer() {
        const QString dir = m_runtime.path();
        qputenv("XDG_RUNTIME_DIR", dir.toUtf8());
        qunsetenv("PULSE_SERVER");
        QFile script(dir + "/test.pa");
        script.open(QIODevice::WriteOnly);
        script.write(QStringLiteral("load-module module-native-protocol-unix\n"
                                    "load-module module-null-sink sink_name=lesson rate=%1 "
                                    "channels=1\nset-default-sink lesson\n"
                                    // Qt lists no monitors as inputs: one in disguise.
                                    "load-module module-remap-source master=lesson.monitor "
                                    "source_name=heard\nset-default-source heard\n")
                         .arg(Rate)
                         .toUtf8());
        script.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", dir);
        m_server.setProcessEnvironment(env);
        m_server.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1",
                                      "--log-target=stderr", "-F", script.fileName()});
        for (int tries = 0; tries < 50 && m_server.state() != QProcess::NotRunning; ++tries) {
            QProcess info;
            info.start("pactl", {"info"});
            if (info.waitForFinished() && info.exitCode() == 0) {
                m_bUp = true;
                return;
            }
            QThread::msleep(100);
        }
        m_why = "PulseAudio cannot start here: " + m_server.readAllStandardError().left(300);
    }
    ~PulseServer() {
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill();
    }
    bool Up() const { return m_bUp; }
    const QString& Why() const { return m_why; }

private:
    QTemporaryDir m_runtime;
    QProcess m_server;
    bool m_bUp = false;
    QString m_why;
};

PulseServer* Server = nullptr;

using Answers = QList<QMessageBox::StandardButton>;

// Why the tests of sound cannot run; empty when they can.
QString NoServer() {
    return !Server ? QStringLiteral("no sound server in this run") : Server->Why();
}

// A copy of its own: a conversion holds its source exclusively, and other tests
// read the committed recording at the same time.
QString Lesson_() {
    static QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("english.wav"));
    if (!QFileInfo::exists(copy))
        QFile::copy(QStringLiteral(BRELLOW_TEST_DATA "/english.wav"), copy);
    return copy;
}

// The best normalised correlation of heard with the whole of sound and quiet
// after it, over the lags that put their onsets within 20 ms of each other:
// whatever else was heard after the sound counts against it.
double Correlation(const std::vector<std::int16_t>& heard, const std::vector<std::int16_t>& sound) {
    const auto onset = [](const std::vector<std::int16_t>& x, int level) {
        for (std::size_t i = 0; i < x.size(); ++i)
            if (std::abs(x[i]) > level)
                return static_cast<std::ptrdiff_t>(i);
        return std::ptrdiff_t{-1};
    };
    int peak = 0;
    for (const std::int16_t s : sound)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    const std::ptrdiff_t lag = onset(heard, peak / 4) - onset(sound, peak / 4);
    double best = -1;
    for (std::ptrdiff_t shift = lag - Rate / 50; shift <= lag + Rate / 50; ++shift) {
        double xy = 0, xx = 0, yy = 0;
        for (std::size_t i = 0; i < std::max(sound.size(), heard.size()); ++i) {
            const std::ptrdiff_t j = static_cast<std::ptrdiff_t>(i) + shift;
            const double x = i < sound.size() ? sound[i] : 0;
            const double y = j >= 0 && j < static_cast<std::ptrdiff_t>(heard.size())
                                 ? heard[static_cast<std::size_t>(j)]
                                 : 0;
            xy += x * y;
            xx += x * x;
            yy += y * y;
        }
        if (xx > 0 && yy > 0)
            best = std::max(best, xy / std::sqrt(xx * yy));
    }
    return best;
}

std::vector<std::int16_t> Samples(const QByteArray& bytes) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}

// What the null sink's monitor hears from play() on, until it has heard that many samples.
std::vector<std::int16_t> Hear(const std::function<void()>& play, std::size_t samples) {
    QProcess monitor;
    monitor.start("parec", {"--device=lesson.monitor", "--raw", "--format=s16le", "--channels=1",
                            "--latency-msec=20", QStringLiteral("--rate=%1").arg(Rate)});
    if (!monitor.waitForStarted())
        return {};
    QTest::qWait(300); // its stream connected
    play();
    QByteArray bytes;
    const bool enough = QTest::qWaitFor(
        [&] {
            bytes += monitor.readAllStandardOutput();
            return bytes.size() >= qsizetype(samples) * 2;
        },
        30000);
    monitor.terminate();
    monitor.waitForFinished();
    return enough ? Samples(bytes) : std::vector<std::int16_t>();
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Opens the window on the lesson, as the Listen button would.
std::unique_ptr<CPracticeWnd> OpenWindow(const QString& destination,
                                         const JobOptions& options = {}) {
    Lesson lesson;
    if (!ReadLesson(Lesson_().toStdString(), options, lesson).reason.empty())
        return nullptr;
    auto window = std::make_unique<CPracticeWnd>(std::move(lesson), Lesson_().toStdString(),
                                                 destination.toStdString(), options);
    window->show();
    QApplication::setActiveWindow(window.get());
    return window;
}

} // namespace

class PracticeWndTest : public QObject {
    Q_OBJECT

private slots:
    void marksAsTheJobMakesThem_data();
    void marksAsTheJobMakesThem();
    void recipeAsTheFilesHaveIt_data();
    void recipeAsTheFilesHaveIt();
    void keysMoveAndZoom_data();
    void keysMoveAndZoom();
    void dragMovesAMark();
    void keysNamedInEveryLanguage_data();
    void keysNamedInEveryLanguage();
    void savingAndClosingAsk_data();
    void savingAndClosingAsk();
    void spacePlaysThePhrase();
    void recordTakesWhatIsHeard();
    void withoutSoundItStillOpens();
};

void PracticeWndTest::marksAsTheJobMakesThem_data() {
    QTest::addColumn<QStringList>("options"); // name=value, as the terminal takes them
    QTest::newRow("defaults") << QStringList();
    QTest::newRow("shorter phrases") << QStringList({"threshold=-30", "min-phrase=1"});
}

// Ctrl+S saves a cue per phrase, as many as the terminal's phrases; Delete joins
// two; Ctrl+Return converts as the terminal does with the saved file.
void PracticeWndTest::marksAsTheJobMakesThem() {
    QFETCH(QStringList, options);
    ClearSettings();
    StoredJobOptions stored;
    QStringList arguments;
    for (const QString& option : options) {
        stored.emplace_back(option.section('=', 0, 0).toStdString(),
                            option.section('=', 1).toStdString());
        arguments << "--" + option.section('=', 0, 0) << option.section('=', 1);
    }
    WriteStoredOptions(stored);
    QTemporaryDir labels, terminal;
    QCOMPARE(QProcess::execute(BRELLOW_CLI, arguments + QStringList{"--labels", "audacity",
                                                                    Lesson_(), labels.path()}),
             0);
    const int phrases = int(Bytes(labels.path() + "/english.labels.txt").count('\n'));
    QVERIFY(phrases > 2);

    Window w;
    w.Fill(Lesson_());
    const QString srt = w.out.path() + "/english.srt";
    QList<int> cues;
    UiScript script;
    script.OnTop<CPracticeWnd>([&](CPracticeWnd* window) {
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        cues << int(Bytes(srt).count("-->"));
        QTest::keyClick(window, Qt::Key_Delete);
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        cues << int(Bytes(srt).count("-->"));
        QTest::keyClick(window, Qt::Key_Return, Qt::ControlModifier);
    });
    auto* listen = w.Button("IDC_LISTEN");
    QVERIFY(listen->isEnabled());
    listen->click();
    QVERIFY(script.Done());
    QCOMPARE(script.Unexpected(), QStringList());
    // The marks end the lesson's trailing quiet too, which has no label.
    QCOMPARE(cues, QList<int>({phrases + 1, phrases}));
    QCOMPARE(QProcess::execute(BRELLOW_CLI, arguments + QStringList{"--phrases-from", srt,
                                                                    Lesson_(), terminal.path()}),
             0);
    const QByteArray converted = Bytes(w.out.path() + "/english.WAV");
    QVERIFY(!converted.isEmpty());
    QVERIFY(converted == Bytes(terminal.path() + "/english.WAV"));
}

void PracticeWndTest::recipeAsTheFilesHaveIt_data() {
    QTest::addColumn<QStringList>("options"); // as the terminal takes them
    QTest::newRow("slower first") << QStringList{"--passes", "0.75,1"};
    QTest::newRow("faster last, shorter pauses")
        << QStringList{"--passes", "1,1.5", "--pause-factor", "0.5", "--pause-extra", "0.3"};
}

// Space plays a phrase's passes and pauses as the practice file has them, the
// slowed pass through the same stretcher: the samples from the phrase's first
// pass to its last, by the terminal's labels.
void PracticeWndTest::recipeAsTheFilesHaveIt() {
    QFETCH(QStringList, options);
    JobOptions job;
    for (qsizetype i = 0; i < options.size(); i += 2)
        QCOMPARE(SetJobOption(job, options[i].mid(2).toStdString(), options[i + 1].toStdString()),
                 "");
    QTemporaryDir dst, practice;
    QCOMPARE(QProcess::execute(BRELLOW_CLI, options + QStringList{"--labels", "audacity", Lesson_(),
                                                                  practice.path()}),
             0);
    QList<std::size_t> bounds; // each pass of the second phrase, its start and end; the next's
    for (const QByteArray& line : Bytes(practice.path() + "/english.labels.txt").split('\n'))
        if (line.contains("Phrase 2, pass") || line.contains("Phrase 3, pass 1"))
            for (const QByteArray& seconds : line.split('\t').mid(0, 2))
                bounds << std::size_t(std::lround(seconds.toDouble() * Rate));
    QCOMPARE(bounds.size(), 6);
    const std::vector<std::int16_t> written =
        Samples(Bytes(practice.path() + "/english.WAV").mid(44));
    QVERIFY(written.size() >= bounds[3]);

    const std::unique_ptr<CPracticeWnd> window = OpenWindow(dst.path(), job);
    QVERIFY(window);
    window->findChild<QSpinBox*>("repeats")->setValue(1);
    const CPracticeWnd::Recipe once = window->PhraseRecipe(1);
    QVERIFY(!once.asRecorded);
    QVERIFY(once.clip.samples == std::vector<std::int16_t>(written.begin() + long(bounds[0]),
                                                           written.begin() + long(bounds[3])));
    using Pass = std::pair<std::size_t, std::size_t>;
    QCOMPARE(once.passes, (std::vector<Pass>{{0, bounds[1] - bounds[0]},
                                             {bounds[2] - bounds[0], bounds[3] - bounds[2]}}));
    // Twice: again after the pause that the file has after the last pass.
    window->findChild<QSpinBox*>("repeats")->setValue(2);
    std::vector<std::int16_t> twice = once.clip.samples;
    twice.resize(twice.size() + bounds[4] - bounds[3]);
    twice.insert(twice.end(), once.clip.samples.begin(), once.clip.samples.end());
    QVERIFY(window->PhraseRecipe(1).clip.samples == twice);
}

void PracticeWndTest::keysMoveAndZoom_data() {
    // As QKeySequence reads them; "wheel": Ctrl+wheel up; "more": a click on Repeats' up arrow.
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("current"); // -1: the last phrase
    QTest::addColumn<double>("zoom"); // samples per pixel, against the whole lesson's
    QTest::addColumn<int>("repeats");
    QTest::newRow("as opened") << QStringList{} << 0 << 1.0 << 1;
    QTest::newRow("End, then Left") << QStringList{"End", "Left"} << -2 << 1.0 << 1;
    QTest::newRow("Right twice, then Home")
        << QStringList{"Right", "Right", "Home"} << 0 << 1.0 << 1;
    QTest::newRow("Left stays on the first") << QStringList{"Left"} << 0 << 1.0 << 1;
    QTest::newRow("Repeats clicked, then Right") << QStringList{"more", "Right"} << 1 << 1.0 << 2;
    QTest::newRow("Repeats typed, then Right")
        << QStringList{"Alt+E", "3", "Right"} << 1 << 1.0 << 3;
    QTest::newRow("Ctrl++, Ctrl+=, wheel")
        << QStringList{"Ctrl++", "Ctrl+=", "wheel"} << 0 << 1.0 / 8 << 1;
    QTest::newRow("in and out") << QStringList{"Ctrl++", "Ctrl++", "Ctrl+-"} << 0 << 0.5 << 1;
    QTest::newRow("out no further than the lesson") << QStringList{"Ctrl+-"} << 0 << 1.0 << 1;
    QTest::newRow("zoomed in, the last phrase in sight")
        << QStringList{"Ctrl++", "Ctrl++", "Ctrl++", "Ctrl++", "Ctrl++", "End"} << -1 << 1.0 / 32
        << 1;
}

// Right, Left, Home and End choose the phrase, which the view keeps in sight
// and the window names with its times; Ctrl with plus, minus or the wheel zooms.
void PracticeWndTest::keysMoveAndZoom() {
    QFETCH(QStringList, keys);
    QFETCH(int, current);
    QFETCH(double, zoom);
    QFETCH(int, repeats);
    QTemporaryDir dst;
    const std::unique_ptr<CPracticeWnd> window = OpenWindow(dst.path());
    QVERIFY(window);
    auto* view = window->findChild<CWaveformView*>("waveform");
    const double whole = view->SamplesPerPixel();
    for (const QString& key : keys)
        if (key == "wheel") {
            QWheelEvent wheel(QPointF(5, 5), view->mapToGlobal(QPointF(5, 5)), {}, {0, 120},
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view, &wheel);
        } else if (key == "more") {
            auto* box = window->findChild<QSpinBox*>("repeats");
            QTest::mouseClick(box, Qt::LeftButton, {}, {box->width() - 4, 3});
        } else { // to whatever has the focus, as typed
            QWidget* focus = QApplication::focusWidget();
            QTest::keySequence(focus ? focus : window.get(), QKeySequence(key));
        }
    const CLessonMarks& marks = window->Marks();
    const std::size_t phrase = current < 0 ? marks.Phrases() + current : std::size_t(current);
    QCOMPARE(window->Current(), phrase);
    QCOMPARE(window->findChild<QSpinBox*>("repeats")->value(), repeats);
    QCOMPARE(view->SamplesPerPixel(), whole * zoom);
    const int x = view->XOf(marks.Start(phrase));
    QVERIFY2(x >= 0 && x < view->width(), qPrintable(QString::number(x)));
    // "Phrase 3 of 24  0:04.1 - 0:06.0", tenths cut short; the last ends where ffprobe says.
    const QString shown = window->findChild<QLabel*>("phrase")->text();
    const QRegularExpressionMatch words =
        QRegularExpression(R"(^Phrase (\d+) of (\d+)  \d+:\d\d\.\d - (\d+):(\d\d\.\d)$)")
            .match(shown);
    QVERIFY2(words.hasMatch() && words.captured(1).toULongLong() == phrase + 1 &&
                 words.captured(2).toULongLong() == marks.Phrases(),
             qPrintable(shown));
    const double to = words.captured(3).toInt() * 60 + words.captured(4).toDouble();
    QProcess probe;
    probe.start("ffprobe",
                {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", Lesson_()});
    QVERIFY(probe.waitForFinished());
    const double end = phrase + 1 < marks.Phrases() ? double(marks.End(phrase)) / Rate
                                                    : probe.readAllStandardOutput().toDouble();
    QVERIFY2(to <= end && end < to + 0.1, qPrintable(shown));
}

// A mark dragged with the mouse lands on a block's edge near where it was
// dropped; Ctrl+Z puts it back.
void PracticeWndTest::dragMovesAMark() {
    QTemporaryDir dst;
    const std::unique_ptr<CPracticeWnd> window = OpenWindow(dst.path());
    QVERIFY(window);
    auto* view = window->findChild<CWaveformView*>("waveform");
    const std::vector<std::uint64_t> before = window->Marks().Marks();
    QVERIFY(before.size() > 2);
    const int from = view->XOf(before[1]), to = (from + view->XOf(before[2])) / 2;
    const std::uint64_t target = view->SampleAt(to);
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(from, 10));
    QTest::mouseMove(view, QPoint(to, 10));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(to, 10));
    const std::vector<std::uint64_t>& after = window->Marks().Marks();
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after[1] % SamplesPerBlock, 0u);
    const double off = std::abs(double(after[1]) - double(target));
    QVERIFY2(off <= CLessonMarks::SnapSeconds * Rate + SamplesPerBlock,
             qPrintable(QString::number(off)));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->Marks().Marks(), before);
}

void PracticeWndTest::keysNamedInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    for (const QString& qm : QDir(":/i18n").entryList() + QStringList{"brellow_en.qm"})
        QTest::newRow(qPrintable(qm)) << qm.section('_', 1).chopped(3);
}

// Each button's mnemonic its own; every key named in the tooltip of its button
// or, with no button, of the waveform.
void PracticeWndTest::keysNamedInEveryLanguage() {
    QFETCH(QString, language);
    const CTranslations translations({language});
    QTemporaryDir dst;
    const std::unique_ptr<CPracticeWnd> window = OpenWindow(dst.path());
    QVERIFY(window);
    QStringList mnemonics, tips;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        const auto* label = qobject_cast<const QLabel*>(widget);
        const QString text = button ? button->text() : label ? label->text() : QString();
        if (!QKeySequence::mnemonic(text).isEmpty())
            mnemonics << QKeySequence::mnemonic(text).toString();
        if (button || widget->objectName() == "waveform")
            tips << widget->toolTip();
    }
    QCOMPARE(mnemonics.size(), 13);
    QCOMPARE(QSet(mnemonics.begin(), mnemonics.end()).size(), mnemonics.size());
    const QString allTips = tips.join('\n');
    const QList<QShortcut*> shortcuts = window->findChildren<QShortcut*>();
    QVERIFY(shortcuts.size() >= 18);
    for (const QShortcut* shortcut : shortcuts) {
        const QString key = shortcut->key().toString(QKeySequence::NativeText);
        QVERIFY2(allTips.contains("(" + key + ")") || allTips.contains("(" + key + ", ") ||
                     allTips.contains(", " + key + ")"),
                 qPrintable(key));
    }
}

void PracticeWndTest::savingAndClosingAsk_data() {
    QTest::addColumn<bool>("theirs");     // a subtitle file of that name was there before
    QTest::addColumn<QString>("steps");   // s: Ctrl+S, j: Delete, c: the close box
    QTest::addColumn<Answers>("answers"); // to each box that comes up, in order
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("file"); // none, theirs, all (a cue per phrase), joined (one fewer)
    QTest::newRow("another's file replaced when told")
        << true << "s" << Answers{QMessageBox::Yes} << true << "all";
    QTest::newRow("another's file kept")
        << true << "s" << Answers{QMessageBox::No} << true << "theirs";
    QTest::newRow("its own file without asking") << false << "sjs" << Answers{} << true << "joined";
    QTest::newRow("closed unchanged") << false << "c" << Answers{} << false << "none";
    QTest::newRow("closed saved") << false << "sc" << Answers{} << false << "all";
    QTest::newRow("close cancelled")
        << false << "jc" << Answers{QMessageBox::Cancel} << true << "none";
    QTest::newRow("changes discarded")
        << false << "jc" << Answers{QMessageBox::Discard} << false << "none";
    QTest::newRow("changes saved")
        << false << "jc" << Answers{QMessageBox::Save} << false << "joined";
    QTest::newRow("saved on close, but not over another's")
        << true << "jc" << Answers{QMessageBox::Save, QMessageBox::No} << true << "theirs";
}

// Ctrl+S asks before it replaces a file it did not write; closing with changes asks.
void PracticeWndTest::savingAndClosingAsk() {
    QFETCH(bool, theirs);
    QFETCH(QString, steps);
    QFETCH(Answers, answers);
    QFETCH(bool, open);
    QFETCH(QString, file);
    QTemporaryDir dst;
    const QString srt = dst.filePath("english.srt");
    if (theirs) {
        QFile other(srt);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("1\n00:00:00,000 --> 00:00:01,000\ntheirs\n\n");
    }
    const QByteArray before = Bytes(srt);
    const std::unique_ptr<CPracticeWnd> window = OpenWindow(dst.path());
    QVERIFY(window);
    const std::size_t phrases = window->Marks().Phrases();
    UiScript script;
    for (const QMessageBox::StandardButton answer : answers)
        script.OnTop<QMessageBox>([answer](QMessageBox* box) { box->button(answer)->click(); });
    for (const QChar step : steps)
        if (step == 's')
            QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        else if (step == 'j')
            QTest::keyClick(window.get(), Qt::Key_Delete);
        else
            window->close();
    QVERIFY(script.Done());
    QCOMPARE(script.Unexpected(), QStringList());
    QCOMPARE(window->isVisible(), open);
    const QByteArray saved = Bytes(srt);
    const QHash<QString, bool> seen{{"none", !QFile::exists(srt)},
                                    {"theirs", theirs && saved == before},
                                    {"all", saved.count("-->") == qsizetype(phrases)},
                                    {"joined", saved.count("-->") == qsizetype(phrases - 1)}};
    QVERIFY2(seen.value(file), saved.constData());
}

// Space plays the current phrase: the null sink's monitor hears its samples.
void PracticeWndTest::spacePlaysThePhrase() {
    if (!NoServer().isEmpty())
        QSKIP(qPrintable(NoServer()));
    QTemporaryDir dst;
    const std::unique_ptr<CPracticeWnd> window = OpenWindow(dst.path());
    QVERIFY(window);
    window->findChild<QSpinBox*>("repeats")->setValue(1);
    // A click in the second phrase selects it without playing it.
    auto* view = window->findChild<CWaveformView*>("waveform");
    const CLessonMarks& marks = window->Marks();
    QTest::mouseClick(view, Qt::LeftButton, {},
                      QPoint(view->XOf((marks.Start(1) + marks.End(1)) / 2), view->height() / 2));
    QCOMPARE(window->Current(), std::size_t{1});
    // The phrase as the practice files have it (recipeAsTheFilesHaveIt), and a second more.
    const std::vector<std::int16_t> phrase = window->PhraseRecipe(1).clip.samples;
    const double correlation = Correlation(
        Hear([&] { QTest::keyClick(window.get(), Qt::Key_Space); }, phrase.size() + 2 * Rate),
        phrase);
    QVERIFY2(correlation > 0.9, qPrintable(QString::number(correlation)));
    // Played out, M splits where the mouse points, as near as the quiet lets it.
    const std::uint64_t at = marks.Start(1) + (marks.End(1) - marks.Start(1)) / 3;
    QCursor::setPos(view->mapToGlobal(QPoint(view->XOf(at), view->height() / 2)));
    const std::size_t phrases = marks.Phrases();
    QTest::keyClick(window.get(), Qt::Key_M);
    QCOMPARE(marks.Phrases(), phrases + 1);
    const double off = std::abs(double(marks.Marks()[1]) - double(at));
    QVERIFY2(off <= CLessonMarks::SnapSeconds * Rate + view->SamplesPerPixel() + 1,
             qPrintable(QString::number(off)));
}

// R records from the default input (the monitor) while a known sound plays; Ctrl+E keeps it.
void PracticeWndTest::recordTakesWhatIsHeard() {
    if (!NoServer().isEmpty())
        QSKIP(qPrintable(NoServer()));
    QTemporaryDir dst;
    const std::unique_ptr<CPracticeWnd> window = OpenWindow(dst.path());
    QVERIFY(window);
    std::vector<std::int16_t> sound(Rate / 2); // half a second of a rising tone
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = static_cast<double>(i);
        sound[i] = static_cast<std::int16_t>(12000 * std::sin(0.02 * t + 1e-6 * t * t));
    }
    QTest::keyClick(window.get(), Qt::Key_R);
    QProcess player;
    player.start("pacat", {"--playback", "--device=lesson", "--raw", "--format=s16le",
                           "--channels=1", QStringLiteral("--rate=%1").arg(Rate)});
    QVERIFY(player.waitForStarted());
    // Quiet first, while the recording's stream connects.
    player.write(QByteArray(Rate / 2 * 2, '\0'));
    player.write(reinterpret_cast<const char*>(sound.data()), qint64(sound.size() * 2));
    player.closeWriteChannel();
    QTRY_COMPARE_WITH_TIMEOUT(window->Takes().size(), std::size_t{1}, 10000);
    player.waitForFinished();
    // As long as the phrase and a second more.
    const CLessonMarks& marks = window->Marks();
    QCOMPARE(window->Takes().front().samples.size(), marks.End(0) - marks.Start(0) + Rate);
    const double correlation = Correlation(window->Takes().front().samples, sound);
    QVERIFY2(correlation > 0.9, qPrintable(QString::number(correlation)));
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    const std::vector<std::int16_t>& take = window->Takes().front().samples;
    QCOMPARE(QFileInfo(dst.path() + "/english-take-001.wav").size(), qint64(44 + 2 * take.size()));
    // T plays it back.
    const double played = Correlation(
        Hear([&] { QTest::keyClick(window.get(), Qt::Key_T); }, take.size() + Rate), take);
    QVERIFY2(played > 0.9, qPrintable(QString::number(played)));
}

// With no server the window opens and edits, and says in one line why it is silent.
void PracticeWndTest::withoutSoundItStillOpens() {
    if (qEnvironmentVariableIsEmpty("BRELLOW_NO_SOUND"))
        QSKIP("run on its own, with BRELLOW_NO_SOUND set");
    QTemporaryDir dst;
    const std::unique_ptr<CPracticeWnd> window = OpenWindow(dst.path());
    QVERIFY(window);
    QVERIFY(!window->findChild<QPushButton*>("Play")->isEnabled());
    QVERIFY(!window->findChild<QPushButton*>("Record")->isEnabled());
    QVERIFY(!window->findChild<QStatusBar*>("status")->currentMessage().isEmpty());
    const std::size_t phrases = window->Marks().Phrases();
    QTest::keyClick(window.get(), Qt::Key_Delete);
    QCOMPARE(window->Marks().Phrases(), phrases - 1);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->Marks().Phrases(), phrases);
    window->findChild<QPushButton*>("Play")->click(); // nothing to play on, nothing breaks
}

int main(int argc, char** argv) {
    const IsolatedSettings settings;
    std::optional<PulseServer> server;
    if (qEnvironmentVariableIsEmpty("BRELLOW_NO_SOUND"))
        server.emplace();
    else
        qputenv("PULSE_SERVER", "unix:/nonexistent/brellow");
    Server = server ? &*server : nullptr;
    CBrellowApp app(argc, argv);
    PracticeWndTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PracticeWndTest.moc"
