// The Options dialog, and the window's job with the terminal's options.

#include "UiTestSupport.h"

#include "ui/BrellowApp.h"
#include "ui/BrellowDlg.h"
#include "ui/OptionsDlg.h"
#include "ui/Settings.h"

#include <QDirIterator>
#include <QFileDialog>
#include <QProcess>
#include <QSettings>
#include <QtTest>

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)";
}

// Every file under a folder, by its path there, with its bytes.
QMap<QString, QByteArray> Tree(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = Bytes(path);
    }
    return files;
}

// The section "Options" as typed into the settings file by hand, "name=text" a line.
void StoreOptions(const QStringList& lines) {
    ClearSettings();
    QFile file(QSettings().fileName());
    QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()) && file.open(QIODevice::WriteOnly));
    file.write(("[Options]\n" + lines.join('\n') + "\n").toUtf8());
}

QStringList Lines(const StoredJobOptions& options) {
    QStringList lines;
    for (const auto& [name, text] : options)
        lines << QString::fromStdString(name + "=" + text);
    lines.sort();
    return lines;
}

template <class T> T* Get(QWidget& dialog, const char* name) {
    T* control = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameBytesAsTheTerminal_data();
    void sameBytesAsTheTerminal();
    void badStoredValuesAreIgnored_data();
    void badStoredValuesAreIgnored();
    void controlsTakeTheTerminalsRanges();
    void turnedOffIsNotStored_data();
    void turnedOffIsNotStored();
    void thresholdShownAsRead_data();
    void thresholdShownAsRead();
    void temposInTheLearnersNumbers_data();
    void temposInTheLearnersNumbers();
    void filePickerListsEveryRecording();

private:
    QTemporaryDir m_src; // spoken recordings, one in another format, and subtitles
};

void OptionsTest::initTestCase() {
    QVERIFY(QFile::copy(BRELLOW_TEST_DATA "/english.wav", m_src.filePath("english.wav")));
    QCOMPARE(QProcess::execute("ffmpeg",
                               {"-nostdin", "-v", "error", "-i", BRELLOW_TEST_DATA "/german.wav",
                                "-b:a", "64k", m_src.filePath("German.MP3")}),
             0);
    QFile srt(m_src.filePath("english.srt"));
    QVERIFY(srt.open(QIODevice::WriteOnly));
    srt.write(
        "1\n00:00:00,500 --> 00:00:02,000\nHello.\n\n2\n00:00:02,500 --> 00:00:04,000\nOK.\n");
}

void OptionsTest::sameBytesAsTheTerminal_data() {
    QTest::addColumn<QStringList>("options");
    QTest::newRow("Recordings") << QStringList{"any-format=true"};
    QTest::newRow("Phrases") << QStringList{"threshold=-30", "min-silence=0.25", "min-phrase=1.5",
                                            "max-phrase=2.5", "phrases-from-srt=true"};
    QTest::newRow("Phrases, automatic") << QStringList{"threshold=auto"};
    QTest::newRow("Pauses") << QStringList{"pause-factor=1.5", "pause-extra=0.5", "min-pause=1",
                                           "max-pause=4"};
    QTest::newRow("Pauses, fixed") << QStringList{"min-pause=5", "max-pause=5"};
    QTest::newRow("Passes") << QStringList{"passes=0.75,1"};
    QTest::newRow("Output") << QStringList{"output-format=mp3", "bitrate=48", "labels=srt",
                                           "clips=true"};
    QTest::newRow("Output, Opus") << QStringList{"output-format=opus", "labels=lrc"};
    QTest::newRow("Output, MP3's highest rate") << QStringList{"output-format=mp3", "bitrate=320"};
    QTest::newRow("Recordings, fixed threshold") << QStringList{"any-format=true", "threshold=-20"};
    QTest::newRow("Recordings, level") << QStringList{"any-format=true", "detector=level"};
}

void OptionsTest::sameBytesAsTheTerminal() {
    QFETCH(QStringList, options);
    StoreOptions(options);
    const QStringList stored = Lines(ReadStoredOptions());
    QTemporaryDir byTerminal;
    Window w;
    w.Fill(m_src.path());
    UiScript script;
    script.OnTop<COptionsDlg>([](COptionsDlg* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
    // Through the Options dialog and its OK: the options stay as they were stored.
    QTest::mouseClick(w.Button("IDC_OPTIONS"), Qt::LeftButton);
    QCOMPARE(Lines(ReadStoredOptions()), stored);
    QTest::mouseClick(w.Button("IDC_RUN"), Qt::LeftButton);
    QVERIFY(script.Done());
    QCOMPARE(script.Unexpected(), QStringList());
    QStringList arguments;
    for (const QString& option : options)
        arguments << "--" + (option.endsWith("=true") ? option.chopped(5) : option);
    QProcess cli;
    cli.setStandardErrorFile(QProcess::nullDevice());
    cli.start(BRELLOW_CLI, arguments << m_src.path() << byTerminal.path());
    QVERIFY(cli.waitForFinished() && cli.exitCode() == 0);
    QVERIFY(!Tree(byTerminal.path()).isEmpty());
    QVERIFY(Tree(w.out.path()) == Tree(byTerminal.path()));
}

void OptionsTest::badStoredValuesAreIgnored_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("taken");
    const auto row = [](const char* name, QStringList stored, QStringList taken = {}) {
        QTest::newRow(name) << stored << taken;
    };
    row("a word for a level", {"threshold=loud"});
    row("above the range", {"threshold=5"});
    row("the left-out low end", {"min-silence=0"});
    row("not a number", {"min-phrase=nan"});
    row("an empty tempo", {"passes=0.75,,1"});
    row("a tempo too fast", {"passes=3"});
    row("nine passes", {"passes=1,1,1,1,1,1,1,1,1"});
    row("an unknown format", {"output-format=aac"});
    row("a bit rate without a format", {"bitrate=64"});
    row("a bit rate beyond the format's", {"output-format=mp3", "bitrate=16"},
        {"output-format=mp3"});
    row("a fraction of a kbit/s", {"output-format=mp3", "bitrate=64.5"}, {"output-format=mp3"});
    row("labels of no kind", {"labels=none"});
    row("a switch as a word", {"any-format=yes"});
    row("a maximum below the minimum", {"min-pause=2", "max-pause=1"}, {"min-pause=2"});
    row("the terminal's own", {"yes=true", "phrases-from=a.srt", "verbose=true"});
    row("an unknown name", {"loudness=3"});
    row("a typed value", {"threshold=@Variant(\\0\\0\\0\\x7f)"});
    row("a list typed by hand", {"passes=0.75, 1"}, {"passes=0.75,1"});
}

void OptionsTest::badStoredValuesAreIgnored() {
    QFETCH(QStringList, stored);
    QFETCH(QStringList, taken);
    // What the model does not take is shown, and kept, at its default; the rest stands.
    StoreOptions(stored << "pause-factor=1.5");
    taken << "pause-factor=1.5";
    taken.sort();
    QCOMPARE(Lines(COptionsDlg().Chosen()), taken);
}

void OptionsTest::controlsTakeTheTerminalsRanges() {
    ClearSettings();
    CSettings().WriteString("Path Src", "/lessons");
    const QByteArray before = Bytes(QSettings().fileName());
    COptionsDlg dlg;
    dlg.show();
    // Tab goes through the groups in reading order, row by row.
    QStringList order;
    for (QWidget* w = dlg.nextInFocusChain(); w != &dlg; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus && !w->objectName().startsWith("qt_"))
            order << w->objectName();
    QCOMPARE(order.join(' '),
             "any-format keep-going detector threshold threshold-auto min-silence min-phrase "
             "max-phrase-given max-phrase phrases-from-srt pause-factor "
             "pause-extra min-pause-given min-pause "
             "max-pause-given max-pause passes-preset passes output-format "
             "bitrate labels clips   "); // then the three buttons
    for (const char* bound : {"min-pause-given", "max-pause-given", "max-phrase-given"})
        Get<QCheckBox>(dlg, bound)->setChecked(true);
    for (const OptionRow& range : OptionRows()) {
        if (range.kind != OptionKind::Number)
            continue;
        const auto* box = Get<QDoubleSpinBox>(dlg, range.name);
        QCOMPARE(box->maximum(), range.high);
        QVERIFY(range.lowIncluded ? box->minimum() == range.low
                                  : box->minimum() > range.low && box->minimum() <= 0.01);
    }
    auto* tempos = Get<QLineEdit>(dlg, "passes");
    tempos->clear();
    QTest::keyClicks(tempos, "3,0.75,1");
    QCOMPARE(tempos->text(), QStringLiteral(",0.75,1"));
    tempos->setText("0.75,1");
    QCOMPARE(Get<QComboBox>(dlg, "passes-preset")->currentIndex(), 1);
    Get<QComboBox>(dlg, "output-format")->setCurrentIndex(2); // MP3
    auto* bitrate = Get<QSpinBox>(dlg, "bitrate");
    bitrate->setValue(320);
    QCOMPARE(bitrate->value(), 320);
    QVERIFY(!dlg.Chosen().empty());
    // Every option at its default: OK leaves the store as it was, to the byte.
    dlg.RestoreDefaults();
    QVERIFY(dlg.Chosen().empty());
    dlg.accept();
    QCOMPARE(Bytes(QSettings().fileName()), before);
}

void OptionsTest::turnedOffIsNotStored_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("control");
    QTest::newRow("clips") << "clips=true"
                           << "clips";
    QTest::newRow("any format") << "any-format=true"
                                << "any-format";
    QTest::newRow("labels back to none") << "labels=srt"
                                         << "labels";
    QTest::newRow("the detector back to automatic") << "detector=speech"
                                                    << "detector";
    QTest::newRow("a bound") << "max-pause=3"
                             << "max-pause-given";
}

void OptionsTest::turnedOffIsNotStored() {
    QFETCH(QString, stored);
    QFETCH(QString, control);
    StoreOptions({stored, "pause-factor=1.5"});
    COptionsDlg dlg;
    dlg.show();
    if (auto* check = dlg.findChild<QCheckBox*>(control)) {
        QVERIFY(check->isChecked());
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
    } else {
        Get<QComboBox>(dlg, qPrintable(control))->setCurrentIndex(0);
    }
    dlg.accept();
    QCOMPARE(Lines(ReadStoredOptions()), QStringList{"pause-factor=1.5"});
}

void OptionsTest::thresholdShownAsRead_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<bool>("toggleAnyFormat");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<double>("level");
    QTest::newRow("the exact reader's") << QStringList{} << false << false << -20.0;
    QTest::newRow("FFmpeg's") << QStringList{"any-format=true"} << false << true << -20.0;
    QTest::newRow("FFmpeg's, a level given")
        << QStringList{"any-format=true", "threshold=-30"} << false << false << -30.0;
    QTest::newRow("turned to FFmpeg's") << QStringList{} << true << true << -20.0;
    QTest::newRow("turned from FFmpeg's")
        << QStringList{"any-format=true"} << true << false << -20.0;
    QTest::newRow("a level kept when turned")
        << QStringList{"threshold=-30"} << true << false << -30.0;
}

void OptionsTest::thresholdShownAsRead() {
    QFETCH(QStringList, stored);
    QFETCH(bool, toggleAnyFormat);
    QFETCH(bool, automatic);
    QFETCH(double, level);
    StoreOptions(stored);
    COptionsDlg dlg;
    if (toggleAnyFormat)
        Get<QCheckBox>(dlg, "any-format")->toggle();
    QCOMPARE(Get<QCheckBox>(dlg, "threshold-auto")->isChecked(), automatic);
    QCOMPARE(Get<QDoubleSpinBox>(dlg, "threshold")->isEnabled(), !automatic);
    QCOMPARE(Get<QDoubleSpinBox>(dlg, "threshold")->value(), level);
    // What is shown by default is not stored.
    if (!toggleAnyFormat)
        QCOMPARE(Lines(dlg.Chosen()), Lines(ReadStoredOptions()));
}

void OptionsTest::temposInTheLearnersNumbers_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // "": refused, and the reason is shown
    QTest::newRow("English") << "en_US"
                             << "0.75,1"
                             << "0.75,1";
    QTest::newRow("German") << "de_DE"
                            << "0,75; 1"
                            << "0.75,1";
    QTest::newRow("German, no spaces") << "de_DE"
                                       << "0,5;1,25"
                                       << "0.5,1.25";
    QTest::newRow("English, too slow") << "en_US"
                                       << "0.3"
                                       << "";
    QTest::newRow("German, an empty tempo") << "de_DE"
                                            << "1;;1"
                                            << "";
}

void OptionsTest::temposInTheLearnersNumbers() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    ClearSettings();
    const auto restore = qScopeGuard([before = QLocale()] { QLocale::setDefault(before); });
    QLocale::setDefault(QLocale(locale));
    COptionsDlg dlg;
    dlg.show();
    auto* tempos = Get<QLineEdit>(dlg, "passes");
    const QString example = locale == "de_DE" ? "0,75; 1" : "0.75,1";
    QVERIFY2(tempos->placeholderText().endsWith(example), qPrintable(tempos->placeholderText()));
    tempos->clear();
    QTest::keyClicks(tempos, typed);
    const auto* reason = Get<QLabel>(dlg, "passes-reason");
    const bool taken =
        dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
    QCOMPARE(taken, !stored.isEmpty());
    QCOMPARE(reason->text().isEmpty(), !stored.isEmpty());
    if (stored.isEmpty())
        QVERIFY(reason->text().contains(locale == "de_DE" ? "\";\"" : "\",\""));
    else
        QCOMPARE(Lines(dlg.Chosen()), QStringList{"passes=" + stored});
}

void OptionsTest::filePickerListsEveryRecording() {
    StoreOptions({"any-format=true"});
    CBrellowDlg dlg;
    QStringList filters;
    UiScript script;
    script.OnTop<QFileDialog>([&filters](QFileDialog* picker) {
        filters = picker->nameFilters();
        picker->reject();
    });
    dlg.OnBrowseForFile();
    QVERIFY2(filters.size() == 2 && filters[0].contains(" *.mp3 *.m4a ") &&
                 filters[1] == "All files (*)",
             qPrintable(filters.join('|')));
}

int main(int argc, char** argv) {
    const IsolatedSettings settings;
    CBrellowApp app(argc, argv);
    OptionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "OptionsTest.moc"
