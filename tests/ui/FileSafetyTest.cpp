// No failure, signal or file name loses a file: each way one was lost, as a
// learner meets it, through the terminal program, the window, or a file
// system that lacks a feature.

#include "UiTestSupport.h"

#include "audio/FileOpener.h"
#include "batch/TunedConversion.h"
#include "support/RecordingWindow.h"
#include "ui/BrellowApp.h"
#include "ui/BrellowDlg.h"
#include "ui/Settings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

const QByteArray GoodSrt = "1\n00:00:01,000 --> 00:00:02,000\nHello\n\n";

// A small file system of its own at path, for a full disk or a read-only one.
class SmallDisk {
public:
    SmallDisk(const QString& path, const QByteArray& options) : m_path(path.toUtf8()) {
        QDir().mkpath(path);
        m_bMounted = ::mount("tmpfs", m_path.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk() {
        if (m_bMounted)
            ::umount2(m_path.constData(), MNT_DETACH);
    }
    bool Mounted() const { return m_bMounted; }
    void ReadOnly() {
        QVERIFY(::mount(nullptr, m_path.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) ==
                0);
    }
    // Fills it up to all but bytes, rounded up to whole pages.
    void FillBut(qint64 bytes) {
        struct statvfs st {};
        QVERIFY(::statvfs(m_path.constData(), &st) == 0);
        const qint64 page = static_cast<qint64>(st.f_bsize);
        const qint64 keep = (bytes + page - 1) / page * page;
        QFile filler(QString::fromUtf8(m_path) + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly));
        QVERIFY(filler.write(QByteArray(
                    static_cast<qsizetype>(static_cast<qint64>(st.f_bavail) * page - keep), 'f')) >=
                0);
    }

private:
    QByteArray m_path;
    bool m_bMounted = false;
};

// A job's folders, the files planted in them, and the terminal program run on them.
struct Scene {
    QTemporaryDir tmp;
    QString src = tmp.filePath("src"), out = tmp.filePath("out");
    std::unique_ptr<SmallDisk> disk; // under out, when a row needs one
    QStringList kept;                // planted files whose bytes must survive
    QMap<QString, QByteArray> before;
    int status = -1;
    QString err;

    Scene() {
        QDir().mkpath(src);
        QDir().mkpath(out);
    }

    void Plant(const QString& path, const QByteArray& bytes, bool keep = true) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        if (keep)
            kept << path;
    }
    // The exact conversion's example, repeated, or its first seconds.
    void Recording(const QString& path, int repeats = 1, const QString& seconds = "60") {
        QVERIFY(QProcess::execute(
                    "ffmpeg", {"-v", "error", "-y", "-stream_loop", QString::number(repeats - 1),
                               "-i", BRELLOW_TEST_DATA "/example.wav", "-t", seconds, "-c:a",
                               "adpcm_ms", "-block_size", "512", "-fflags", "+bitexact", path}) ==
                0);
    }
    QStringList Args(const QString& arguments) const {
        QString text = arguments;
        return text.replace("{src}", src).replace("{out}", out).split(' ', Qt::SkipEmptyParts);
    }
    void Start(QProcess& cli, const QString& arguments) {
        for (const QString& path : kept)
            before[path] = Bytes(path);
        cli.start(BRELLOW_CLI, Args(arguments));
        QVERIFY(cli.waitForStarted());
        cli.closeWriteChannel(); // questions are answered no
    }
    void Finish(QProcess& cli) {
        QVERIFY(cli.waitForFinished(120000));
        status = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
        err += QString::fromUtf8(cli.readAllStandardError());
    }
    void Run(const QString& arguments) {
        QProcess cli;
        Start(cli, arguments);
        Finish(cli);
    }

    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    // Hidden temporaries left anywhere in the scene.
    QStringList Leftovers() const {
        QStringList found;
        for (QDirIterator it(tmp.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            if (const QString name = QFileInfo(it.next()).fileName(); name.endsWith(".part"))
                found << name;
        return found;
    }
};

// Where folders cannot be swapped in one step (exFAT, SMB, many FUSE mounts).
class NoExchangeFiles : public CFileOpener {
protected:
    bool Exchange(const std::filesystem::path&, const std::filesystem::path&) override {
        errno = EINVAL;
        return false;
    }
};

// A full disk under out, as root can make one; false (the row skipped) otherwise.
bool FullDisk(Scene& s) {
    if (::geteuid() != 0)
        return false;
    s.disk = std::make_unique<SmallDisk>(s.out, "size=512k");
    return s.disk->Mounted();
}

struct Fault {
    const char* name;
    std::function<void(Scene&)> run; // plants, runs, checks what is its own
};

void Signalled(Scene& s, int signal, bool twice) {
    s.Recording(s.src + "/lesson.wav", 20);
    s.Plant(s.out + "/lesson.WAV", "the practice file of yesterday");
    s.Plant(s.out + "/lesson-phrases/lesson-001.WAV", "yesterday's first clip");
    QProcess cli;
    s.Start(cli, "--clips --passes 0.5,1 {src} {out}");
    QTRY_VERIFY_WITH_TIMEOUT(!s.Leftovers().isEmpty(), 60000); // under way
    ::kill(static_cast<pid_t>(cli.processId()), signal);
    if (twice) {
        QTRY_VERIFY_WITH_TIMEOUT((s.err += cli.readAllStandardError()).contains("stopping"), 60000);
        ::kill(static_cast<pid_t>(cli.processId()), signal);
    }
    s.Finish(cli);
    QCOMPARE(s.status, 128 + signal);
    QVERIFY2(s.err.contains("Removing unfinished files...\n"), qPrintable(s.err));
}

const std::vector<Fault> Faults = {
    {"1 srt labels over the subtitles read",
     [](Scene& s) {
         s.Recording(s.src + "/lesson.wav");
         s.Plant(s.src + "/lesson.srt", GoodSrt);
         s.Run("--any-format --phrases-from-srt --labels srt {src} {src}");
         QCOMPARE(s.status, 1);
         QVERIFY2(s.err.contains("lesson.srt' for writing (the job reads this file). Do you "
                                 "want to continue?"),
                  qPrintable(s.err));
         QCOMPARE(QDir(s.src).entryList(QDir::Files), QStringList({"lesson.srt", "lesson.wav"}));
     }},
    {"1 audacity labels beside a transcript",
     [](Scene& s) {
         s.Recording(s.src + "/lesson.wav");
         s.Plant(s.src + "/lesson.txt", "Guten Morgen. Wie geht es Ihnen?");
         s.Run("--labels audacity {src} {src}");
         QCOMPARE(s.status, 0);
         QVERIFY(Scene::Bytes(s.src + "/lesson.labels.txt").startsWith("0.000000\t"));
     }},
    {"2 SIGTERM", [](Scene& s) { Signalled(s, SIGTERM, false); }},
    {"2 SIGHUP", [](Scene& s) { Signalled(s, SIGHUP, false); }},
    {"3 full disk, exact",
     [](Scene& s) {
         if (!FullDisk(s))
             QSKIP("a small tmpfs needs root to mount");
         s.Recording(s.src + "/lesson.wav");
         s.Plant(s.out + "/lesson.WAV", QByteArray(9000, 'o'));
         s.Run("{src} {out}");
         QCOMPARE(s.status, 1);
         QVERIFY2(s.err.contains("lesson.WAV'\nDetails: No space left on device"),
                  qPrintable(s.err));
     }},
    {"3 full disk, tuned",
     [](Scene& s) {
         if (!FullDisk(s))
             QSKIP("a small tmpfs needs root to mount");
         s.Recording(s.src + "/lesson.wav");
         s.Plant(s.out + "/lesson.WAV", QByteArray(9000, 'o'));
         s.Run("--passes 1,1 {src} {out}");
         QCOMPARE(s.status, 1);
         QVERIFY2(s.err.contains("lesson.WAV'\nDetails: No space left on device"),
                  qPrintable(s.err));
     }},
    {"3 full disk, clips",
     [](Scene& s) {
         if (!FullDisk(s))
             QSKIP("a small tmpfs needs root to mount");
         s.Recording(s.src + "/lesson.wav");
         s.Plant(s.out + "/lesson.WAV", QByteArray(5000, 'o'));
         s.Plant(s.out + "/lesson-phrases/lesson-001.WAV", QByteArray(5000, 'c'));
         s.Plant(s.out + "/lesson-phrases/lesson.csv", "old table");
         s.Run("--clips {src} {out}");
         QCOMPARE(s.status, 1);
         QVERIFY2(s.err.contains("'\nDetails: No space left on device"), qPrintable(s.err));
     }},
    {"3 full disk, labels",
     [](Scene& s) {
         if (!FullDisk(s))
             QSKIP("a small tmpfs needs root to mount");
         // Room for the practice file, made once elsewhere to learn its size, and no more.
         s.Recording(s.src + "/lesson.wav", 1, "1");
         QDir().mkpath(s.tmp.filePath("alone"));
         QCOMPARE(QProcess::execute(BRELLOW_CLI,
                                    s.Args("--labels srt {src} " + s.tmp.filePath("alone"))),
                  0);
         s.Plant(s.out + "/lesson.WAV", "old practice");
         s.Plant(s.out + "/lesson.srt", GoodSrt);
         s.disk->FillBut(QFileInfo(s.tmp.filePath("alone/lesson.WAV")).size());
         s.Run("--labels srt {src} {out}");
         QCOMPARE(s.status, 1);
         QVERIFY2(s.err.contains("lesson.srt'\nDetails: No space left on device"),
                  qPrintable(s.err));
     }},
    {"4 clips replaced where folders cannot be swapped",
     [](Scene& s) {
         s.Recording(s.src + "/lesson.wav");
         s.Plant(s.out + "/lesson-phrases/yesterday.WAV", "an old clip", false);
         JobOptions options;
         options.clips = true;
         options.tuned = true;
         NoExchangeFiles files;
         RecordingWindow window;
         for (int run = 0; run < 2; ++run) // a re-run replaces the folder it made
             QVERIFY(ConvertTuned(window, (s.src + "/lesson.wav").toStdString(),
                                  (s.out + "/lesson.WAV").toStdString(), files, options, {}));
         QVERIFY(window.boxes.empty());
         QCOMPARE(QDir(s.out + "/lesson-phrases").entryList(QDir::Files).first(),
                  QStringLiteral("lesson-001.WAV"));
         QVERIFY(!QFile::exists(s.out + "/lesson-phrases/yesterday.WAV"));
     }},
    {"5 a bad subtitle line quoted short and escaped",
     [](Scene& s) {
         s.Recording(s.src + "/lesson.wav");
         s.Plant(s.src + "/lesson.srt", "\x1b]0;owned\x07" + QByteArray(1 << 20, 'A'));
         s.Run("--phrases-from-srt {src} {out}");
         QCOMPARE(s.status, 2);
         QVERIFY2(s.err.contains("not '\\x1B]0;owned\\x07" + QString(50, 'A') + "...'"),
                  qPrintable(s.err));
         QVERIFY(s.err.size() < 400);
     }},
    {"6 a name of 255 bytes with passes",
     [](Scene& s) {
         const QString title(251, QChar(u'x'));
         s.Recording(s.src + "/" + title + ".wav");
         s.Run("--passes 1,1 {src} {out}");
         QCOMPARE(s.status, 0);
         QVERIFY(QFile::exists(s.out + "/" + title + ".WAV"));
     }},
    {"7 a second Ctrl+C says it removes files", [](Scene& s) { Signalled(s, SIGINT, true); }},
    {"8 a file where the clips folder goes",
     [](Scene& s) {
         s.Recording(s.src + "/lesson.wav");
         s.Plant(s.out + "/lesson-phrases", "not a folder");
         s.Run("--clips {src} {out}");
         QCOMPARE(s.status, 1);
         QVERIFY2(s.err.contains("lesson-phrases' for writing (File exists). Do you want to "
                                 "continue?"),
                  qPrintable(s.err));
         QVERIFY(!QFile::exists(s.out + "/lesson.WAV"));
     }},
    {"9 a link at the exact output's name",
     [](Scene& s) {
         s.Recording(s.src + "/lesson.wav");
         s.Plant(s.tmp.filePath("elsewhere.WAV"), "someone else's file");
         QVERIFY(QFile::link(s.tmp.filePath("elsewhere.WAV"), s.out + "/lesson.WAV"));
         s.Run("{src} {out}");
         QCOMPARE(s.status, 0);
         QVERIFY(!QFileInfo(s.out + "/lesson.WAV").isSymLink());
     }},
    {"10 a read-only destination says why",
     [](Scene& s) {
         if (!FullDisk(s))
             QSKIP("a read-only tmpfs needs root to mount");
         s.Recording(s.src + "/lesson.wav");
         s.Plant(s.out + "/lesson.WAV", "read-only");
         s.disk->ReadOnly();
         s.Run("{src} {out}");
         QCOMPARE(s.status, 1);
         QVERIFY2(s.err.contains("for writing (Read-only file system). Do you want to continue?"),
                  qPrintable(s.err));
     }},
    {"11 the window checks subtitles before the job, as the terminal does",
     [](Scene& s) {
         s.Recording(s.src + "/lesson.wav");
         s.Plant(s.src + "/lesson.srt", "1\n00:00:01,000 -> 00:00:02,000\nHello\n");
         s.Run("--phrases-from-srt {src} {out}");
         WriteStoredOptions({{"phrases-from-srt", "true"}});
         CBrellowDlg dlg;
         dlg.show();
         dlg.findChild<QLineEdit*>("IDC_SRC_PATH")->setText(s.src);
         dlg.findChild<QLineEdit*>("IDC_DST_PATH")->setText(s.out);
         QString told;
         UiScript script;
         script.OnTop<QMessageBox>([&told](QMessageBox* box) {
             told = box->text();
             box->accept();
         });
         QTest::mouseClick(dlg.findChild<QPushButton*>("IDC_RUN"), Qt::LeftButton);
         QVERIFY(script.Done());
         QCOMPARE("brellow-cli: " + told + "\n", s.err);
         QVERIFY(QDir(s.out).isEmpty());
     }},
};

} // namespace

class FileSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ClearSettings(); }
    void faults_data();
    void faults();
};

void FileSafetyTest::faults_data() {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < Faults.size(); ++i)
        QTest::newRow(Faults[i].name) << static_cast<int>(i);
}

void FileSafetyTest::faults() {
    QFETCH(int, row);
    Scene scene;
    Faults[static_cast<std::size_t>(row)].run(scene);
    if (QTest::currentTestFailed())
        return;
    // Whatever happened, nothing planted changed and no temporary was left.
    for (const QString& path : scene.kept)
        QVERIFY2(Scene::Bytes(path) == scene.before.value(path), qPrintable(path));
    QCOMPARE(scene.Leftovers(), QStringList());
}

int main(int argc, char** argv) {
    const IsolatedSettings settings;
    CBrellowApp app(argc, argv);
    FileSafetyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FileSafetyTest.moc"
