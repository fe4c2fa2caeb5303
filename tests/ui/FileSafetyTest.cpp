// No failure, signal or file name loses a file: a row for each way one was lost.

#include "UiTestSupport.h"

#include "batch/TunedConversion.h"
#include "support/RecordingWindow.h"
#include "support/Sinks.h"
#include "support/TunedWav.h"
#include "ui/BrellowApp.h"
#include "ui/BrellowDlg.h"
#include "ui/Settings.h"

#include <QDirIterator>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// Where folders cannot be swapped in one step (exFAT, SMB, many FUSE mounts).
struct NoExchangeFiles : CFileOpener {
    bool Exchange(const std::filesystem::path&, const std::filesystem::path&) override {
        errno = EINVAL;
        return false;
    }
};

// A clip's sink whose end cannot be written.
struct UnfinishedSink : CMemorySink {
    bool Finish() override { return false; }
};

struct Row {
    enum Disk { Any, Full, FullButTheOutput, ReadOnly };
    const char* name;
    QString plant, args; // "path=what" under the scene; {src} {out} {long} filled in
    int status;
    QString said, made; // in what the program says; paths made ("!path": not), not kept
    Disk disk;          // under out, a small file system of its own
    int signal;         // sent once the job is under way; SIGINT twice
    std::function<void(const QString& tmp)> instead; // run instead of the terminal program

    Row(const char* n, QString p, QString a, int st, QString s = {}, QString m = {}, Disk d = Any,
        int sig = 0, std::function<void(const QString&)> i = {})
        : name(n), plant(std::move(p)), args(std::move(a)), status(st), said(std::move(s)),
          made(std::move(m)), disk(d), signal(sig), instead(std::move(i)) {}
};

const QString Flood = "\x1b]0;owned\x07" + QString(1 << 20, 'A');
const QString BadSrt = "1\n00:00:01,000 -> 00:00:02,000\nHello\n";
const QString Clips =
    "src/lesson.wav=long out/lesson.WAV=old out/lesson-phrases/lesson-001.WAV=old";
const std::vector<Row> Rows = {
    {"1 srt labels over the subtitles read", "src/lesson.wav=example src/lesson.srt=srt",
     "--any-format --phrases-from-srt --labels srt {src} {src}", 1,
     "lesson.srt' for writing (the job reads this file)", "!src/lesson.WAV"},
    {"1 audacity labels beside a transcript", "src/lesson.wav=example src/lesson.txt=words",
     "--labels audacity {src} {src}", 0, "", "src/lesson.labels.txt"},
    {"2 SIGTERM", Clips, "--clips --passes 0.5,1 {src} {out}", 143, "", "", Row::Any, SIGTERM},
    {"2 SIGHUP", Clips, "--clips --passes 0.5,1 {src} {out}", 129, "", "", Row::Any, SIGHUP},
    {"3 full disk, exact", "src/lesson.wav=example out/lesson.WAV=old", "{src} {out}", 1,
     "lesson.WAV'\nDetails: No space left on device", "", Row::Full},
    {"3 full disk, tuned", "src/lesson.wav=example out/lesson.WAV=old", "--passes 1,1 {src} {out}",
     1, "lesson.WAV'\nDetails: No space left on device", "", Row::Full},
    {"3 full disk, clips", Clips, "--clips {src} {out}", 1, "'\nDetails: No space left on device",
     "", Row::Full},
    {"3 full disk, labels", "src/lesson.wav=short out/lesson.WAV=old out/lesson.srt=srt",
     "--labels srt {src} {out}", 1, "lesson.srt'\nDetails: No space left on device", "",
     Row::FullButTheOutput},
    {"4 clips replaced where folders cannot be swapped",
     "src/lesson.wav=example out/lesson-phrases/yesterday.WAV=old", "", 0, "",
     "!out/lesson-phrases/yesterday.WAV out/lesson-phrases/lesson-001.WAV", Row::Any, 0,
     [](const QString& tmp) {
         NoExchangeFiles files;
         RecordingWindow window;
         JobOptions options;
         options.clips = true;
         for (int run = 0; run < 2; ++run) // the second replaces the first's
             QVERIFY(ConvertTuned(window, (tmp + "/src/lesson.wav").toStdString(),
                                  (tmp + "/out/lesson.WAV").toStdString(), files, options, {}));
         QVERIFY(window.boxes.empty());
     }},
    {"4 clips replaced by swapping the folders",
     "src/lesson.wav=example out/lesson-phrases/yesterday.WAV=old", "--clips {src} {out}", 0, "",
     "!out/lesson-phrases/yesterday.WAV out/lesson-phrases/lesson-001.WAV"},
    {"4 a clip that cannot be finished", "src/lesson.wav=example out/lesson.WAV=old", "", 0, "",
     "!out/lesson-phrases", Row::Any, 0,
     [](const QString& tmp) {
         CFileOpener files;
         RecordingWindow window;
         JobOptions options;
         options.clips = true;
         TunedMedia media;
         media.makeSink = [](std::unique_ptr<CByteStream> stream,
                             const std::string& title) -> std::unique_ptr<CSampleSink> {
             if (title == "lesson") // the practice file; its clips are "lesson-001" on
                 return MakeWavSink(std::move(stream), title);
             return std::make_unique<UnfinishedSink>();
         };
         QVERIFY(!ConvertTuned(window, (tmp + "/src/lesson.wav").toStdString(),
                               (tmp + "/out/lesson.WAV").toStdString(), files, options, media));
         QCOMPARE(window.boxes.size(), std::size_t{1});
         QVERIFY(window.boxes[0].text.starts_with("Cannot write file '" + tmp.toStdString() +
                                                  "/out/lesson-phrases'"));
     }},
    {"5 a bad subtitle line quoted short and escaped",
     "src/lesson.wav=example src/lesson.srt=flood", "--phrases-from-srt {src} {out}", 2,
     "not '\\x1B]0;owned\\x07" + QString(50, 'A') + "...'"},
    {"6 a name of 255 bytes with passes", "src/{long}.wav=example", "--passes 1,1 {src} {out}", 0,
     "", "out/{long}.WAV"},
    {"7 a second Ctrl+C", Clips, "--clips --passes 0.5,1 {src} {out}", 130, "", "", Row::Any,
     SIGINT},
    {"8 a file where the clips folder goes", "src/lesson.wav=example out/lesson-phrases=file",
     "--clips {src} {out}", 1, "lesson-phrases' for writing (File exists)", "!out/lesson.WAV"},
    {"9 a link at the exact output's name",
     "src/lesson.wav=example theirs.WAV=theirs out/lesson.WAV=@theirs.WAV", "{src} {out}", 0, "",
     "out/lesson.WAV"},
    {"10 a read-only destination", "src/lesson.wav=example out/lesson.WAV=old", "{src} {out}", 1,
     "lesson.WAV' for writing (Read-only file system)", "", Row::ReadOnly},
    {"11 the window checks subtitles first, as the terminal does",
     "src/lesson.wav=example src/lesson.srt=badsrt", "", 0, "", "!out/lesson.WAV", Row::Any, 0,
     [](const QString& tmp) {
         QProcess cli;
         cli.start(BRELLOW_CLI, {"--phrases-from-srt", tmp + "/src", tmp + "/out"});
         QVERIFY(cli.waitForFinished());
         WriteStoredOptions({{"phrases-from-srt", "true"}});
         Window w;
         w.Fill(tmp + "/src", tmp + "/out");
         const QList<SeenBox> seen = w.Run();
         QCOMPARE(seen.size(), 1);
         QCOMPARE("brellow-cli: " + seen[0].text + "\n",
                  QString::fromUtf8(cli.readAllStandardError()));
     }},
};

void Plant(const QString& tmp, const QString& layout) {
    const QMap<QString, QStringList> recordings = {
        {"example", {}}, {"short", {"-t", "1"}}, {"long", {"-stream_loop", "19"}}};
    const QMap<QString, QString> texts = {
        {"srt", "1\n00:00:01,000 --> 00:00:02,000\nHello\n"}, {"flood", Flood}, {"badsrt", BadSrt}};
    for (const QString& entry : layout.split(' ', Qt::SkipEmptyParts)) {
        const QString path = tmp + "/" + entry.section('=', 0, 0), what = entry.section('=', 1);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (what.startsWith('@'))
            QVERIFY(QFile::link(tmp + "/" + what.mid(1), path));
        else if (recordings.contains(what))
            QCOMPARE(QProcess::execute("ffmpeg",
                                       QStringList{"-v", "error"} + recordings[what] +
                                           QStringList{"-i", BRELLOW_TEST_DATA "/example.wav",
                                                       "-fflags", "+bitexact", "-c:a", "adpcm_ms",
                                                       "-block_size", "512", path}),
                     0);
        else
            QVERIFY(file.open(QIODevice::WriteOnly) &&
                    file.write(texts.value(what, what).toUtf8()));
    }
}

// Every file and folder under tmp, with its bytes when withBytes.
QMap<QString, QByteArray> Snapshot(const QString& tmp, bool withBytes = true) {
    QMap<QString, QByteArray> found;
    for (QDirIterator it(tmp, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile file(it.next());
        found[it.filePath().mid(tmp.size() + 1)] =
            withBytes && file.open(QIODevice::ReadOnly) ? file.readAll() : "";
    }
    return found;
}

} // namespace

class FileSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ClearSettings(); }
    void faults_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < Rows.size(); ++i)
            QTest::newRow(Rows[i].name) << static_cast<int>(i);
    }
    void faults();
};

void FileSafetyTest::faults() {
    QFETCH(int, row);
    const Row& r = Rows[static_cast<std::size_t>(row)];
    QTemporaryDir dir;
    const QString tmp = dir.path();
    const auto filled = [&](QString text) {
        return text.replace("{src}", tmp + "/src")
            .replace("{out}", tmp + "/out")
            .replace("{long}", QString(251, 'x'));
    };
    QDir().mkpath(tmp + "/out");
    if (r.disk != Row::Any && ::geteuid() != 0)
        QSKIP("a small file system of its own needs root to mount");
    const QByteArray out = (tmp + "/out").toUtf8();
    QVERIFY(r.disk == Row::Any || ::mount("tmpfs", out, "tmpfs", 0, "size=512k") == 0);
    const auto unmount = qScopeGuard([&] {
        if (r.disk != Row::Any)
            ::umount2(out, MNT_DETACH);
    });
    Plant(tmp, filled(r.plant));
    if (r.disk == Row::FullButTheOutput) { // room for the practice file, and no more
        QDir().mkpath(tmp + "/alone");
        QCOMPARE(QProcess::execute(BRELLOW_CLI,
                                   filled(r.args).replace(tmp + "/out", tmp + "/alone").split(' ')),
                 0);
        struct statvfs st {};
        QVERIFY(::statvfs(out, &st) == 0);
        const auto page = static_cast<qint64>(st.f_bsize);
        const qint64 room = (QFileInfo(tmp + "/alone/lesson.WAV").size() + page - 1) / page * page;
        QFile filler(tmp + "/out/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly) &&
                filler.write(QByteArray(static_cast<qint64>(st.f_bavail) * page - room, 'f')) >= 0);
    }
    QVERIFY(r.disk != Row::ReadOnly ||
            ::mount(nullptr, out, nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
    const QMap<QString, QByteArray> before = Snapshot(tmp);
    if (r.instead) {
        r.instead(tmp);
    } else {
        QProcess cli;
        cli.start(BRELLOW_CLI, filled(r.args).split(' '));
        cli.closeWriteChannel(); // questions are answered no
        QByteArray err;
        for (int sent = 0; r.signal != 0 && sent < (r.signal == SIGINT ? 2 : 1); ++sent) {
            // Under way: its temporaries are there; told to stop: it says so.
            QTRY_VERIFY_WITH_TIMEOUT(sent == 0
                                         ? Snapshot(tmp, false).keys().join(' ').contains(".part")
                                         : (err += cli.readAllStandardError()).contains("stopping"),
                                     60000);
            ::kill(static_cast<pid_t>(cli.processId()), r.signal);
        }
        QVERIFY(cli.waitForFinished(120000));
        err += cli.readAllStandardError();
        QCOMPARE(cli.exitCode(), r.status);
        QVERIFY2(err.contains(filled(r.said).toUtf8()) && err.size() < 1000, err.constData());
        QVERIFY2(!r.signal || err.contains("Removing unfinished files...\n"), err.constData());
    }
    // What the row makes is there (or not); everything else is as it was, and nothing half-made.
    QStringList made = filled(r.made).split(' ', Qt::SkipEmptyParts);
    for (QString& path : made) {
        const bool absent = path.startsWith('!');
        const QFileInfo info(tmp + "/" + path.remove(0, absent ? 1 : 0));
        QVERIFY2(absent ? !info.exists() : info.isFile() && !info.isSymLink(), qPrintable(path));
    }
    const QMap<QString, QByteArray> after = Snapshot(tmp);
    for (auto it = before.begin(); it != before.end(); ++it)
        QVERIFY2(made.contains(it.key()) || after.value(it.key(), "(gone)") == it.value(),
                 qPrintable(it.key()));
    QVERIFY2(!after.keys().join(' ').contains(".part"), qPrintable(after.keys().join(' ')));
}

int main(int argc, char** argv) {
    const IsolatedSettings settings;
    CBrellowApp app(argc, argv);
    FileSafetyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FileSafetyTest.moc"
