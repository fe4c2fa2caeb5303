#include "batch/BatchRun.h"
#include "batch/BatchTestFiles.h"
#include "support/RecordingWindow.h"
#include "support/Streams.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

using namespace batchtest;
namespace fs = std::filesystem;
using Events = std::vector<std::string>;

namespace {

class BatchRun : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(src);
        fs::create_directory(out);
        window.m_strSrc = src.string();
        window.m_strDst = out.string();
    }

    // Converts with a pump that notes each destination file as its conversion starts.
    void RunNotingOrder() {
        ScopedPump pump([this] {
            for (std::string name : Names(fs::path(window.m_strDst))) {
                // A destination is written as ".<name>.<8 hex digits>.part" until complete.
                if (name.starts_with('.') && name.ends_with(".part"))
                    name = name.substr(1, name.size() - 1 - 14);
                if (std::find(order.begin(), order.end(), name) == order.end())
                    order.push_back(name);
            }
        });
        OnRun(window);
    }

    void ExpectOneBox(const std::string& text, const std::string& caption) {
        ASSERT_EQ(window.boxes.size(), 1u);
        EXPECT_EQ(window.boxes[0].text, text);
        EXPECT_EQ(window.boxes[0].caption, caption);
    }

    TempDir tmp;
    fs::path src = tmp / "src";
    fs::path out = tmp / "out";
    RecordingWindow window;
    std::vector<std::string> order;
};

TEST_F(BatchRun, ConvertsEveryWavOfAFolderInCaseInsensitiveNameOrder) {
    CopyRecording("english.wav", src / "b.wav");
    CopyRecording("german.wav", src / "A.WAV");
    CopyRecording("french-whole-blocks.wav", src / "c.Wav");
    CopyRecording("english.wav", src / "notes.txt");
    CopyRecording("english.wav", src / "d.wav.bak");
    CopyRecording("english.wav", src / "e.wavx");
    fs::create_directory(src / "sub.wav");
    CopyRecording("english.wav", src / "sub.wav" / "inner.wav");

    RunNotingOrder();

    EXPECT_EQ(order, (std::vector<std::string>{"A.WAV", "b.WAV", "c.WAV"}));
    EXPECT_EQ(Names(out), (std::vector<std::string>{"A.WAV", "b.WAV", "c.WAV"}));
    EXPECT_EQ(window.events, (Events{"begin", "range 3", "pos 1", "status 1 of 3", "pos 2",
                                     "status 2 of 3", "pos 3", "status 3 of 3", "pos 0", "end"}));
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_EQ(window.m_jobEnd, JobEnd::Completed);
    EXPECT_EQ(ReadFileBytes(out / "A.WAV"), ConvertedAlone(src / "A.WAV"));
    EXPECT_EQ(ReadFileBytes(out / "b.WAV"), ConvertedAlone(src / "b.wav"));
    EXPECT_EQ(ReadFileBytes(out / "c.WAV"), ConvertedAlone(src / "c.Wav"));
}

TEST_F(BatchRun, NamesWithSpacesAndNonAsciiLettersKeepTheirTitles) {
    CopyRecording("english.wav", src / "Ünïcode ß.WAV");
    CopyRecording("german.wav", src / "leçon un.wav");
    CopyRecording("french-whole-blocks.wav", src / "日本語 テスト.wav");
    CopyRecording("english.wav", src / "  padded  .wav");

    RunNotingOrder();

    EXPECT_EQ(order, (std::vector<std::string>{"  padded  .WAV", "leçon un.WAV", "Ünïcode ß.WAV",
                                               "日本語 テスト.WAV"}));
    EXPECT_EQ(ReadFileBytes(out / "leçon un.WAV"), ConvertedAlone(src / "leçon un.wav"));
    EXPECT_EQ(window.status, "4 of 4");
    EXPECT_EQ(window.m_jobEnd, JobEnd::Completed);
}

TEST_F(BatchRun, FolderWithoutMatchesEndsQuietly) {
    CopyRecording("english.wav", src / "readme.txt");
    fs::create_directory(src / "x.wav");

    OnRun(window);

    EXPECT_EQ(window.events, (Events{"begin", "range 0", "pos 0", "end"}));
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_TRUE(Names(out).empty());
    EXPECT_EQ(window.m_jobEnd, JobEnd::Completed);
}

TEST_F(BatchRun, OutputWrittenIntoTheSourceFolderIsNotTakenAsASource) {
    CopyRecording("english.wav", src / "a.wav");
    CopyRecording("german.wav", src / "b.wav");
    window.m_strDst = src.string();

    OnRun(window);

    EXPECT_EQ(Names(src), (std::vector<std::string>{"a.WAV", "a.wav", "b.WAV", "b.wav"}));
    EXPECT_EQ(window.status, "2 of 2");
    EXPECT_TRUE(window.boxes.empty());
}

// The files converted are those listed when the job was put together, unless
// that listing was of another path than the run takes.
TEST_F(BatchRun, ConvertsTheFilesTheJobListed) {
    const struct {
        const char* name;
        std::string listed; // the source as listed
        std::vector<std::string> written;
    } rows[] = {
        {"a file added after the listing", src.string(), {"a.WAV"}},
        {"listed before it was trimmed", " " + src.string(), {"a.WAV", "b.WAV"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(out);
        fs::create_directory(out);
        fs::remove(src / "b.wav");
        CopyRecording("english.wav", src / "a.wav");
        const CSourceListing listing(row.listed);
        CopyRecording("german.wav", src / "b.wav");
        RecordingWindow w;
        w.m_strSrc = row.listed;
        w.m_strDst = out.string();
        CFileConverter converter;
        CFileOpener files;
        OnRun(w, converter, files, &listing);
        EXPECT_EQ(Names(out), row.written);
        const std::string count = std::to_string(row.written.size());
        EXPECT_EQ(w.status, count + " of " + count);
    }
}

// --- the path checks ---

// What source and destination paths are taken, refused or changed; the terminal and
// the window show these same boxes. "{tmp}" is the test's folder.
TEST_F(BatchRun, PathRules) {
    CopyRecording("english.wav", src / "a.wav");
    CopyRecording("english.wav", tmp / "file.wav");
    ASSERT_EQ(::mkfifo((tmp / "pipe.wav").c_str(), 0600), 0);
    fs::create_symlink(tmp / "gone.wav", tmp / "dangling.wav");
    fs::create_directory(tmp / "spaced  ");
    // On this platform a name may hold what would elsewhere be a wildcard.
    fs::create_directory(tmp / "wild");
    CopyRecording("german.wav", tmp / "wild" / "take*.wav");
    CopyRecording("english.wav", tmp / "wild" / "take2.wav");
    fs::create_symlink(tmp / "wild" / "take*.wav", tmp / "link.wav");
    const struct {
        const char* name;
        std::string source, destination;
        std::string caption, text; // no caption: converted into the destination as kept
        std::string sourceKept, destinationKept;
        std::string written = "a.WAV"; // its only output, when converted
    } rows[] = {
        {"blank paths", " \t ", "   ", "Wrong path", "Please, specify path", "", ""},
        {"empty source, destination trimmed", "  ", "  {tmp}/out ", "Wrong source",
         "The source '' does not exists", "", "{tmp}/out"},
        {"missing source", "{tmp}/missing", "{tmp}/out", "Wrong source",
         "The source '{tmp}/missing' does not exists", "{tmp}/missing", "{tmp}/out"},
        {"fifo source", "{tmp}/pipe.wav", "{tmp}/out", "Wrong source",
         "The source '{tmp}/pipe.wav' does not exists", "{tmp}/pipe.wav", "{tmp}/out"},
        {"dangling link source", "{tmp}/dangling.wav", "{tmp}/out", "Wrong source",
         "The source '{tmp}/dangling.wav' does not exists", "{tmp}/dangling.wav", "{tmp}/out"},
        {"source trimmed", " \t{tmp}/src  ", "{tmp}/out", "", "", "{tmp}/src", "{tmp}/out"},
        {"empty destination", "{tmp}/src", "", "Wrong destination",
         "The directory '' does not exists", "{tmp}/src", ""},
        {"missing destination", "{tmp}/src", "{tmp}/missing", "Wrong destination",
         "The directory '{tmp}/missing' does not exists", "{tmp}/src", "{tmp}/missing"},
        {"file destination", "{tmp}/src", "{tmp}/file.wav", "Wrong destination",
         "The directory '{tmp}/file.wav' does not exists", "{tmp}/src", "{tmp}/file.wav"},
        {"destination keeps its spaces", "{tmp}/src", "{tmp}/out  ", "Wrong destination",
         "The directory '{tmp}/out  ' does not exists", "{tmp}/src", "{tmp}/out  "},
        {"destination with spaces in its name", "{tmp}/src", "{tmp}/spaced  ", "", "", "{tmp}/src",
         "{tmp}/spaced  "},
        {"single file taken literally", "{tmp}/wild/take*.wav", "{tmp}/out", "", "",
         "{tmp}/wild/take*.wav", "{tmp}/out", "take*.WAV"},
        {"link to a file", "{tmp}/link.wav", "{tmp}/out", "", "", "{tmp}/link.wav", "{tmp}/out",
         "link.WAV"},
    };
    const auto filled = [this](std::string text) {
        for (std::size_t at; (at = text.find("{tmp}")) != std::string::npos;)
            text.replace(at, 5, tmp.path().string());
        return text;
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingWindow w;
        w.m_strSrc = filled(row.source);
        w.m_strDst = filled(row.destination);
        OnRun(w);
        EXPECT_EQ(w.m_strSrc, filled(row.sourceKept));
        EXPECT_EQ(w.m_strDst, filled(row.destinationKept));
        if (row.caption.empty()) {
            EXPECT_TRUE(w.boxes.empty());
            EXPECT_EQ(Names(w.m_strDst), std::vector<std::string>{row.written});
            EXPECT_EQ(ReadFileBytes(fs::path(w.m_strDst) / row.written),
                      ConvertedAlone(fs::is_directory(w.m_strSrc) ? src / "a.wav"
                                                                  : fs::path(w.m_strSrc)));
            EXPECT_EQ(w.events,
                      (Events{"begin", "range 1", "pos 1", "status 1 of 1", "pos 0", "end"}));
            EXPECT_EQ(w.m_jobEnd, JobEnd::Completed);
            fs::remove(fs::path(w.m_strDst) / row.written);
            continue;
        }
        ASSERT_EQ(w.boxes.size(), 1u);
        EXPECT_EQ(w.boxes[0].caption, row.caption);
        EXPECT_EQ(w.boxes[0].text, filled(row.text));
        EXPECT_EQ(w.boxes[0].type, MB_OK | MB_ICONERROR);
        EXPECT_TRUE(w.boxes[0].busy); // shown while the job still counts as busy
        EXPECT_EQ(w.events, (Events{"begin", "box " + row.caption, "end"}));
        EXPECT_EQ(w.m_jobEnd, JobEnd::PathRefused);
        EXPECT_TRUE(Names(out).empty());
    }
}

TEST_F(BatchRun, DestinationEndingInASeparatorStillGetsOneMore) {
    CopyRecording("english.wav", src / "a.wav");
    CopyRecording("german.wav", src / "b.wav");
    // A folder in the way makes the conversion name the file it tried to create.
    fs::create_directory(out / "a.WAV");
    window.m_strDst = out.string() + "/";
    window.answers = {IDYES};

    OnRun(window);

    ExpectOneBox("Cannot open file ' " + out.string() +
                     "//a.WAV' for writing (Is a directory). Do you want to continue?",
                 "Failure");
    EXPECT_EQ(ReadFileBytes(out / "b.WAV"), ConvertedAlone(src / "b.wav"));
    EXPECT_EQ(window.m_jobEnd, JobEnd::Completed); // a skipped file does not end the job
}

// --- how a job ends early ---

TEST_F(BatchRun, FailedConversionEndsTheJobWithoutAMessageOfItsOwn) {
    CopyRecording("english.wav", src / "a.wav");
    CopyRecording("german.wav", src / "b.wav");
    CopyRecording("english.wav", src / "c.wav");
    fs::create_directory(out / "b.WAV");
    // No answer queued: the question is answered No.

    OnRun(window);

    ExpectOneBox("Cannot open file ' " + (out / "b.WAV").string() +
                     "' for writing (Is a directory). Do you want to continue?",
                 "Failure");
    EXPECT_EQ(Names(out), (std::vector<std::string>{"a.WAV", "b.WAV"}));
    EXPECT_TRUE(fs::is_directory(out / "b.WAV"));
    const Events tail(window.events.end() - 5, window.events.end());
    EXPECT_EQ(tail, (Events{"pos 2", "status 2 of 3", "box Failure", "pos 0", "end"}));
    EXPECT_EQ(window.m_jobEnd, JobEnd::EndedEarly);
}

TEST_F(BatchRun, AReadOrWriteErrorEndsTheJobAtThatFile) {
    CopyRecording("english.wav", src / "a.wav");
    CopyRecording("german.wav", src / "b.wav");
    CopyRecording("english.wav", src / "c.wav");
    const struct {
        fs::path failing;
        std::string text;
    } rows[] = {
        {src / "b.wav", "Cannot read file '" + (src / "b.wav").string() + "'"},
        {out / "b.WAV",
         "Cannot write file '" + (out / "b.WAV").string() + "'\nDetails: No space left on device"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.failing.string());
        RecordingWindow w;
        w.m_strSrc = src.string();
        w.m_strDst = out.string();
        CFileConverter converter;
        FaultyFiles files(row.failing, 20000);
        OnRun(w, converter, files);
        ASSERT_EQ(w.boxes.size(), 1u);
        EXPECT_EQ(w.boxes[0].text, row.text);
        EXPECT_EQ(w.boxes[0].status, "2 of 3");
        EXPECT_EQ(Names(out), (std::vector<std::string>{"a.WAV"})); // b's removed
        EXPECT_EQ(w.m_jobEnd, JobEnd::EndedEarly);
        fs::remove_all(out);
        fs::create_directory(out);
    }
}

TEST_F(BatchRun, TwoSourcesForOneOutputAskBeforeTheSecondCouldReplaceTheFirst) {
    // Capitals first: lesson.WAV is converted, then lesson.wav would be too.
    CopyRecording("english.wav", src / "lesson.WAV");
    CopyRecording("german.wav", src / "lesson.wav");
    CopyRecording("english.wav", src / "z.wav");
    for (const int answer : {IDYES, IDNO}) {
        SCOPED_TRACE(answer);
        RecordingWindow w;
        w.m_strSrc = src.string();
        w.m_strDst = out.string();
        w.answers = {answer};
        OnRun(w);
        ASSERT_EQ(w.boxes.size(), 1u);
        EXPECT_EQ(w.boxes[0].text, "Cannot open file ' " + (out / "lesson.WAV").string() +
                                       "' for writing. Do you want to continue?");
        EXPECT_EQ(ReadFileBytes(out / "lesson.WAV"), ConvertedAlone(src / "lesson.WAV"));
        EXPECT_EQ(fs::exists(out / "z.WAV"), answer == IDYES);
        EXPECT_EQ(w.m_jobEnd, answer == IDYES ? JobEnd::Completed : JobEnd::EndedEarly);
        fs::remove_all(out);
        fs::create_directory(out);
    }
}

TEST_F(BatchRun, AnOutputThatBecomesAHardLinkToAnEarlierOneIsReplacedNotWrittenThrough) {
    CopyRecording("english.wav", src / "a.wav");
    CopyRecording("german.wav", src / "b.wav");
    ScopedPump pump([this] { // b's output becomes another name for a's while b is written
        if (fs::exists(out / "a.WAV") && !fs::exists(out / "b.WAV"))
            fs::create_hard_link(out / "a.WAV", out / "b.WAV");
    });

    OnRun(window);

    EXPECT_TRUE(window.boxes.empty());
    EXPECT_EQ(ReadFileBytes(out / "a.WAV"), ConvertedAlone(src / "a.wav"));
    EXPECT_EQ(ReadFileBytes(out / "b.WAV"), ConvertedAlone(src / "b.wav"));
}

TEST_F(BatchRun, UnsupportedFileIsReportedAfterTheJobHasEnded) {
    CopyRecording("english.wav", src / "1.wav");
    CopyRecording("german.wav", src / "2.wav");
    WritePcmTagged(src / "3.wav");
    CopyRecording("english.wav", src / "4.wav");
    const std::string refused = ReadFileBytes(src / "3.wav");

    OnRun(window);

    EXPECT_EQ(Names(out), (std::vector<std::string>{"1.WAV", "2.WAV"}));
    EXPECT_EQ(ReadFileBytes(out / "2.WAV"), ConvertedAlone(src / "2.wav"));
    ExpectOneBox(std::string("The software does not support given audio format\nDetails: ") +
                     PcmTaggedReason,
                 "Error");
    EXPECT_EQ(window.boxes[0].type, MB_OK | MB_ICONERROR);
    // Idle, with the bar at 0 and the counter kept, before the box is up.
    EXPECT_FALSE(window.boxes[0].busy);
    EXPECT_EQ(window.boxes[0].progressPos, 0);
    EXPECT_EQ(window.boxes[0].status, "3 of 4");
    const Events tail(window.events.end() - 4, window.events.end());
    EXPECT_EQ(tail, (Events{"pos 3", "status 3 of 4", "end", "box Error"}));
    EXPECT_EQ(window.jobEnds, 1);
    EXPECT_EQ(window.m_jobEnd, JobEnd::EndedEarly);
    EXPECT_EQ(ReadFileBytes(src / "3.wav"), refused);
}

TEST_F(BatchRun, StopDuringAFileFinishesItAndStopsBeforeTheNext) {
    for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav"})
        CopyRecording("english.wav", src / name);
    ScopedPump pump([this] {
        if (window.status == "2 of 4")
            window.m_bStop = true;
    });

    OnRun(window);

    EXPECT_EQ(Names(out), (std::vector<std::string>{"a.WAV", "b.WAV"}));
    EXPECT_EQ(ReadFileBytes(out / "b.WAV"), ConvertedAlone(src / "b.wav"));
    ExpectOneBox("Application has stopped by user request", "Info");
    EXPECT_EQ(window.boxes[0].type, MB_OK);
    EXPECT_TRUE(window.boxes[0].busy);
    EXPECT_EQ(window.boxes[0].status, "3 of 4");
    EXPECT_EQ(window.boxes[0].progressPos, 3);
    const Events tail(window.events.end() - 5, window.events.end());
    EXPECT_EQ(tail, (Events{"pos 3", "status 3 of 4", "box Info", "pos 0", "end"}));
    EXPECT_EQ(window.m_jobEnd, JobEnd::EndedEarly);
}

TEST_F(BatchRun, StopDuringTheLastFileHasNoEffect) {
    for (const char* name : {"a.wav", "b.wav", "c.wav"})
        CopyRecording("german.wav", src / name);
    ScopedPump pump([this] {
        if (window.status == "3 of 3")
            window.m_bStop = true;
    });

    OnRun(window);

    EXPECT_EQ(Names(out), (std::vector<std::string>{"a.WAV", "b.WAV", "c.WAV"}));
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_EQ(window.m_jobEnd, JobEnd::Completed);
}

TEST_F(BatchRun, DestinationTypedDuringTheJobAppliesToLaterFiles) {
    CopyRecording("english.wav", src / "a.wav");
    CopyRecording("german.wav", src / "b.wav");
    CopyRecording("english.wav", src / "c.wav");
    const fs::path other = tmp / "other";
    fs::create_directory(other);
    ScopedPump pump([&] {
        if (window.status == "1 of 3") {
            window.m_strDst = other.string();
            window.m_strSrc = (tmp / "elsewhere").string(); // the listing is already taken
        }
    });

    OnRun(window);

    EXPECT_EQ(Names(out), (std::vector<std::string>{"a.WAV"}));
    EXPECT_EQ(Names(other), (std::vector<std::string>{"b.WAV", "c.WAV"}));
    EXPECT_EQ(window.m_jobEnd, JobEnd::Completed);
}

} // namespace
