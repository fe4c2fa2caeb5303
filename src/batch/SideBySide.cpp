#include "batch/SideBySide.h"

#include "audio/Abandon.h"
#include "audio/ErrorReason.h"
#include "audio/Translation.h"
#include "batch/ConversionMessages.h"
#include "batch/InOrder.h"
#include "pause/MessagePump.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <exception>
#include <map>
#include <mutex>
#include <optional>
#include <pthread.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <utility>

namespace fs = std::filesystem;

namespace {

// How often the front end's events run while the files are under way.
constexpr auto PumpInterval = std::chrono::milliseconds(20);

struct Question {
    std::string text, caption;
    unsigned type = 0;
    std::optional<int> answer;
};

// One file's state, shared by its worker and the front end's thread.
struct Slot {
    bool started = false;
    bool done = false;
    FileResult result = FileResult::Failed();
    std::exception_ptr error;
    std::atomic<bool> givenUp{false};
    std::vector<std::function<void()>> actions; // boxes and lines, in order
    std::size_t shown = 0;                      // of actions
    bool statusShown = false;
    std::optional<Question> question;
    std::vector<fs::path> commits; // replacements that take their place once it is shown
    std::thread thread;
};

class CSideBySide;

// A worker's boxes: told ones wait their turn, questions wait for an answer.
class CFileBoxes final : public CMessageBoxOwner {
public:
    CFileBoxes(CSideBySide& run, Slot& slot, CMessageBoxOwner& window)
        : m_run(run), m_slot(slot), m_window(window) {}
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;

private:
    CSideBySide& m_run;
    Slot& m_slot;
    CMessageBoxOwner& m_window;
};

// A worker's files: the job's, but its outputs, all replacements, are put
// in place only once the file's turn has come.
class CFileWrites final : public CFileOpener {
public:
    CFileWrites(CFileOpener& files, Slot& slot, std::mutex& mutex)
        : m_files(files), m_slot(slot), m_mutex(mutex) {}

    std::unique_ptr<CByteStream> Open(const fs::path& path, bool forWriting) override {
        return m_files.Open(path, forWriting);
    }
    std::unique_ptr<CByteStream> OpenReplacing(const fs::path& path) override {
        return m_files.OpenReplacing(path);
    }
    fs::path OpenFolderReplacing(const fs::path& path) override {
        return m_files.OpenFolderReplacing(path);
    }
    bool Commit(const fs::path& path) override {
        const std::scoped_lock lock(m_mutex);
        m_slot.commits.push_back(path);
        return true;
    }
    void Remove(const fs::path& path) override { m_files.Remove(path); }

private:
    CFileOpener& m_files;
    Slot& m_slot;
    std::mutex& m_mutex;
};

class CSideBySide {
public:
    CSideBySide(CJobWindow& window, const std::vector<JobFile>& files, CFileConverter& converter,
                CFileOpener& jobFiles, unsigned jobs, StatusText status)
        : m_window(window), m_files(files), m_converter(converter), m_jobFiles(jobFiles),
          m_nJobs(jobs), m_status(status), m_slots(files.size()) {}

    // On every way out, no worker outlives the run.
    ~CSideBySide() { GiveUpAfter(m_nHead); }

    FileResult Run();

    // Worker side. An action of the slot's file, run on the front end's
    // thread once the file's turn has come.
    void RunInTurn(Slot& slot, std::function<void()> action) {
        const std::scoped_lock lock(m_mutex);
        slot.actions.push_back(std::move(action));
        m_changed.notify_all();
    }
    int Ask(Slot& slot, const std::string& text, const std::string& caption, unsigned type) {
        std::unique_lock lock(m_mutex);
        slot.question = Question{text, caption, type, std::nullopt};
        m_changed.notify_all();
        m_answered.wait(lock, [&] { return slot.question->answer || slot.givenUp; });
        const int answer = slot.question->answer.value_or(IDCANCEL);
        slot.question.reset();
        return answer;
    }

private:
    // False when no thread can be had for it now (the system's limit).
    bool Start(std::size_t index);
    void Work(std::size_t index);
    // Holds a worker at its pump while a question is up.
    void HoldWhileAsking(Slot& slot) {
        std::unique_lock lock(m_mutex);
        m_answered.wait(lock, [&] { return !m_bAsking || slot.givenUp || JobAbandoned(); });
    }
    // Shows the head file's new boxes and lines and answers its question;
    // false when it is not done yet.
    bool ShowHead(std::unique_lock<std::mutex>& lock, Slot& slot);
    // Gives up every file from index on and waits for their workers.
    void GiveUpAfter(std::size_t index);
    FileResult End(FileResult result) {
        m_window.SetProgressPos(0);
        return result;
    }

    CJobWindow& m_window;
    const std::vector<JobFile>& m_files;
    CFileConverter& m_converter;
    CFileOpener& m_jobFiles;
    unsigned m_nJobs;
    StatusText m_status;
    std::vector<Slot> m_slots;
    std::mutex m_mutex;
    std::condition_variable m_changed;  // to the front end: a file has news
    std::condition_variable m_answered; // to the workers: a question is answered
    std::size_t m_nHead = 0;            // every file before it is shown and in place
    std::size_t m_nNext = 0;            // the next file to start
    unsigned m_nRunning = 0;
    bool m_bAsking = false;
    int m_nThreadError = 0; // why the last thread could not be had
};

int CFileBoxes::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    if ((type & 0x0F) == MB_YESNOCANCEL)
        return m_run.Ask(m_slot, text, caption, type);
    m_run.RunInTurn(m_slot, [&window = m_window, text, caption, type] {
        window.MessageBox(text, caption, type);
    });
    return IDOK;
}

bool CSideBySide::Start(std::size_t index) {
    // Counted once the thread is there; it cannot end before, as the lock is held here.
    Slot& slot = m_slots[index];
    try {
        slot.thread = std::thread([this, index] { Work(index); });
    } catch (const std::system_error& e) {
        m_nThreadError = e.code().value();
        return false;
    }
    slot.started = true;
    ++m_nRunning;
    return true;
}

void CSideBySide::Work(std::size_t index) {
    // Signals go to the front end's thread, whose waits they must end.
    sigset_t signals;
    sigemptyset(&signals);
    for (const int number : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&signals, number);
    ::pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    Slot& slot = m_slots[index];
    const JobFile& file = m_files[index];
    const CFileAbandon abandon(slot.givenUp);
    SetThreadPump([this, &slot] { HoldWhileAsking(slot); });
    const COrderedActions ordered(
        [this, &slot](std::function<void()> action) { RunInTurn(slot, std::move(action)); });
    CFileBoxes boxes(*this, slot, m_window);
    CFileWrites writes(m_jobFiles, slot, m_mutex);
    FileResult result = FileResult::Failed();
    std::exception_ptr error;
    try {
        // Its question, when the source cannot be opened, asked in its turn as its others are.
        result = SettleUnopened(boxes, file.source,
                                m_converter.Convert(boxes, file.source, file.target, writes));
    } catch (...) {
        error = std::current_exception();
    }
    SetThreadPump(nullptr);
    const std::scoped_lock lock(m_mutex);
    slot.result = std::move(result);
    slot.error = error;
    slot.done = true;
    --m_nRunning;
    m_changed.notify_all();
}

bool CSideBySide::ShowHead(std::unique_lock<std::mutex>& lock, Slot& slot) {
    for (;;) {
        if (slot.shown < slot.actions.size()) {
            const std::function<void()> action = slot.actions[slot.shown++];
            lock.unlock();
            action();
            lock.lock();
            continue;
        }
        if (slot.question && !slot.question->answer) {
            const Question asked = *slot.question;
            m_bAsking = true;
            lock.unlock();
            const int answer = m_window.MessageBox(asked.text, asked.caption, asked.type);
            lock.lock();
            slot.question->answer = answer;
            m_bAsking = false;
            m_answered.notify_all();
            continue;
        }
        return slot.done;
    }
}

void CSideBySide::GiveUpAfter(std::size_t index) {
    std::unique_lock lock(m_mutex);
    for (std::size_t i = index; i < m_slots.size(); ++i)
        m_slots[i].givenUp = true;
    m_answered.notify_all();
    m_changed.wait(lock, [&] { return m_nRunning == 0; });
    lock.unlock();
    for (std::size_t i = index; i < m_slots.size(); ++i) {
        Slot& slot = m_slots[i];
        if (slot.thread.joinable())
            slot.thread.join();
        // Their replacements never take their place.
        for (const fs::path& path : slot.commits)
            m_jobFiles.Remove(path);
        slot.commits.clear();
    }
}

FileResult CSideBySide::Run() {
    const std::size_t count = m_slots.size();
    std::unique_lock lock(m_mutex);
    bool noMore = false;
    while (m_nHead < count) {
        Slot& head = m_slots[m_nHead];
        if (!head.statusShown) {
            head.statusShown = true;
            lock.unlock();
            m_window.SetProgressPos(static_cast<int>(m_nHead + 1));
            const std::string status =
                m_status(static_cast<int>(m_nHead + 1), static_cast<int>(count));
            if (head.started)
                m_window.SetStatusOfFileUnderWay(status);
            else
                m_window.SetStatusWindowText(status);
            lock.lock();
            if (!head.started) {
                // As one after another: the stop is read between two files.
                if (m_window.m_bStop) {
                    lock.unlock();
                    ShowWarning(m_window, Tr("Job", "Application has stopped by user request"),
                                Tr("Job", "Info").c_str());
                    return End(FileResult::Failed());
                }
                if (JobAbandoned())
                    return End(FileResult::Failed());
                // Nothing runs here (the files before are done): a file that gets no
                // thread fails as one that cannot be written, rather than the program.
                if (!Start(m_nHead)) {
                    lock.unlock();
                    return End(ReportCannotWrite(m_window, m_files[m_nHead].target,
                                                 ErrorReason(m_nThreadError)));
                }
                m_nNext = std::max(m_nNext, m_nHead + 1);
            }
        }
        if (ShowHead(lock, head)) {
            lock.unlock();
            head.thread.join();
            if (head.error || !head.result.GoesOn()) {
                GiveUpAfter(m_nHead + 1);
                for (const fs::path& path : std::exchange(head.commits, {}))
                    m_jobFiles.Remove(path);
                if (head.error)
                    std::rethrow_exception(head.error);
                // A refused format leaves the bar where it was, as one after another.
                if (head.result.kind() == FileResult::Kind::Refused)
                    return head.result;
                return End(head.result);
            }
            for (const fs::path& path : std::exchange(head.commits, {}))
                if (!m_jobFiles.Commit(path)) {
                    const FileResult failed = ReportCannotWrite(m_window, path);
                    GiveUpAfter(m_nHead + 1);
                    return End(failed);
                }
            lock.lock();
            ++m_nHead;
            continue;
        }
        // Further files, while no question is up, Stop is not asked for and
        // the files each waits for are in place.
        lock.unlock();
        noMore = noMore || m_window.StopRequested() || JobAbandoned();
        lock.lock();
        while (!noMore && !m_bAsking && m_nNext < count && m_nRunning < m_nJobs &&
               m_files[m_nNext].after < static_cast<int>(m_nHead) && Start(m_nNext))
            ++m_nNext;
        m_changed.wait_for(lock, PumpInterval);
    }
    lock.unlock();
    // A stop asked for during the last files is still told, as one after another would.
    PumpMessages();
    return End(FileResult::Converted());
}

} // namespace

void OrderTwins(std::vector<JobFile>& files) {
    // A name folded to lower case, and a file's device and inode, each name
    // the file of the index that last read or wrote it.
    std::map<std::string, int> byName;
    std::map<std::pair<dev_t, ino_t>, int> byIdentity;
    const auto lowered = [](const fs::path& path) {
        std::error_code ec;
        std::string name = fs::weakly_canonical(path, ec).string();
        if (ec)
            name = path.lexically_normal().string();
        for (char& c : name)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return name;
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        JobFile& file = files[i];
        for (const fs::path* path : {&file.source, &file.target}) {
            const std::string name = lowered(*path);
            if (const auto found = byName.find(name);
                found != byName.end() && found->second != static_cast<int>(i))
                file.after = std::max(file.after, found->second);
            byName[name] = static_cast<int>(i);
            struct stat st {};
            if (::stat(path->c_str(), &st) != 0)
                continue;
            const std::pair<dev_t, ino_t> identity{st.st_dev, st.st_ino};
            if (const auto found = byIdentity.find(identity);
                found != byIdentity.end() && found->second != static_cast<int>(i))
                file.after = std::max(file.after, found->second);
            byIdentity[identity] = static_cast<int>(i);
        }
    }
}

FileResult ConvertSideBySide(CJobWindow& window, const std::vector<JobFile>& files,
                             CFileConverter& converter, CFileOpener& jobFiles, unsigned jobs,
                             StatusText status) {
    CSideBySide run(window, files, converter, jobFiles, jobs, status);
    return run.Run();
}
