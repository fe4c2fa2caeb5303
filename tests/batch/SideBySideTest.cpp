#include "batch/BatchRun.h"
#include "batch/BatchTestFiles.h"
#include "support/RecordingWindow.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <thread>

using namespace batchtest;
namespace fs = std::filesystem;

namespace {

// The exact conversion, but the first file starts late: the files after it,
// side by side, would get ahead of it at every step.
class CLateFirst final : public CFileConverter {
public:
    FileResult Convert(CMessageBoxOwner& owner, const fs::path& source, const fs::path& destination,
                       CFileOpener& files) override {
        if (!m_bStarted.exchange(true))
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return CFileConverter::Convert(owner, source, destination, files);
    }

private:
    std::atomic<bool> m_bStarted{false};
};

// What a run showed and wrote.
struct Seen {
    std::vector<std::string> events, boxes;
    std::map<std::string, std::string> files;
    JobEnd end;
    bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& seen, std::ostream* os) {
    for (const auto& line : seen.events)
        *os << line << "\n";
    for (const auto& line : seen.boxes)
        *os << line << "\n";
    for (const auto& [name, bytes] : seen.files)
        *os << name << " " << bytes.size() << "\n";
}

TEST(SideBySide, ShowsAndWritesWhatOneAfterAnotherDoes) {
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> sources; // name, recording ("": damaged)
        std::vector<std::string> folders;                         // outputs that cannot be made
        std::deque<int> answers;
    } rows[] = {
        {"twins, the second answered No",
         {{"a.WAV", "example.wav"}, {"a.wav", "german.wav"}, {"b.wav", "english.wav"}},
         {},
         {IDNO}},
        {"twins, the second answered Yes",
         {{"a.WAV", "example.wav"}, {"a.wav", "german.wav"}, {"b.wav", "english.wav"}},
         {},
         {IDYES}},
        {"the first output cannot be made, answered No",
         {{"a.wav", "english.wav"}, {"b.wav", "german.wav"}, {"c.wav", "english.wav"}},
         {"a.WAV"},
         {IDNO}},
        {"the first and the third output cannot be made, answered Yes",
         {{"a.wav", "english.wav"}, {"b.wav", "german.wav"}, {"c.wav", "english.wav"}},
         {"a.WAV", "c.WAV"},
         {IDYES, IDYES}},
        {"a refused first recording",
         {{"a.wav", ""}, {"b.wav", "german.wav"}, {"c.wav", "english.wav"}},
         {},
         {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir tmp;
        fs::create_directory(tmp / "src");
        for (const auto& [name, recording] : row.sources)
            recording.empty() ? WritePcmTagged(tmp / "src" / name)
                              : CopyRecording(recording, tmp / "src" / name);
        Seen seen[2];
        for (const unsigned jobs : {1u, 3u}) {
            // The same destination for both, so that the boxes name the same paths.
            fs::remove_all(tmp / "out");
            fs::create_directory(tmp / "out");
            for (const std::string& folder : row.folders)
                fs::create_directory(tmp / "out" / folder);
            RecordingWindow window;
            window.m_strSrc = (tmp / "src").string();
            window.m_strDst = (tmp / "out").string();
            window.m_nJobs = jobs;
            window.answers = row.answers;
            CLateFirst converter;
            CFileOpener files;
            OnRun(window, converter, files);
            Seen& now = seen[jobs / 3];
            now.events = window.events;
            for (const auto& box : window.boxes)
                now.boxes.push_back(box.caption + ": " + box.text + " at " + box.status);
            for (const auto& entry : fs::directory_iterator(tmp / "out"))
                now.files[entry.path().filename().string()] =
                    entry.is_regular_file() ? ReadFileBytes(entry.path()) : "folder";
            now.end = window.m_jobEnd;
        }
        EXPECT_EQ(seen[1], seen[0]);
    }
}

} // namespace
