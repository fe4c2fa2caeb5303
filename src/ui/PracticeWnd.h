#pragma once

#include "batch/JobOptions.h"
#include "batch/LessonMarks.h"
#include "job/LessonReader.h"
#include "ui/LessonAudio.h"

#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QList>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>

#include <filesystem>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

class CWaveformView;
class QPushButton;

// The practice window for one lesson: its waveform and phrases, a player
// that stops after each phrase, the marks to fix, and the learner's own takes.
class CPracticeWnd : public QDialog {
    Q_OBJECT

public:
    // lesson: as ReadLesson gave it for source with options; the marks and
    // takes are saved in destination.
    CPracticeWnd(Lesson lesson, const std::filesystem::path& source,
                 const std::filesystem::path& destination, const JobOptions& options,
                 QWidget* parent = nullptr);
    ~CPracticeWnd() override;

    // After Ctrl+Return: the saved marks the lesson is to be converted with.
    const std::filesystem::path& ConvertWith() const { return m_convertWith; }
    const CLessonMarks& Marks() const { return m_marks; }
    std::size_t Current() const { return m_nCurrent; }
    const std::vector<Clip>& Takes() const { return m_takes; }
    // A phrase's practice recipe as played: each pass and the pause after it,
    // as the files have them, N times.
    struct Recipe {
        Clip clip;
        std::vector<std::pair<std::size_t, std::size_t>> passes; // each one's start and length
        bool asRecorded = false; // a slowed pass is not: nothing here stretches
    };
    Recipe PhraseRecipe(std::size_t phrase) const;
    // Where the marks are saved.
    std::filesystem::path MarksPath() const;

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // What the window does, from its buttons and keys: one row each.
    struct Command {
        const char* text; // the button's; none: keys only
        const char* tip;
        QKeySequence key;
        void (CPracticeWnd::*run)();
        enum Needs { Nothing, Output, Input } needs = Nothing;
        QKeySequence also = {}; // another key that does the same
    };
    static std::span<const Command> Commands();

    void Select(std::size_t phrase, bool play);
    void Play();
    void Previous() { Select(m_nCurrent > 0 ? m_nCurrent - 1 : 0, true); }
    void Next() { Select(std::min(m_nCurrent + 1, m_marks.Phrases() - 1), true); }
    void First() { Select(0, true); }
    void Last() { Select(m_marks.Phrases() - 1, true); }
    void Join() { Edited(m_marks.Join(m_nCurrent)); }
    void Undo() { Edited(m_marks.Undo()); }
    void NudgeLeft() { Nudge(-1); }
    void NudgeRight() { Nudge(1); }
    void ZoomIn();
    void ZoomOut();
    void Record();
    void PlayTake();
    void Compare();
    void SaveTake();
    bool SaveMarks();
    void SaveMarksCommand();
    void Convert();
    void Edited(bool changed);
    void Nudge(int direction);
    void Split();
    void ShowPhrase();
    // Moves the play position through these passes of what plays now; none: hides it.
    void Follow(std::vector<std::pair<std::size_t, std::size_t>> passes);
    void Tick();
    // Where M splits: the play position, the mouse, or the phrase's middle.
    std::uint64_t SplitPosition() const;
    // Whether the window may close: unsaved marks are saved or given up.
    bool MayClose();

    Lesson m_lesson;
    std::filesystem::path m_source, m_destination;
    JobOptions m_options;
    CLessonMarks m_marks;
    std::size_t m_nCurrent = 0;
    CLessonAudio m_audio;
    QString m_noOutput, m_noInput;
    std::vector<Clip> m_takes;
    std::set<std::filesystem::path> m_written; // files this window wrote
    std::filesystem::path m_convertWith;
    CWaveformView* m_view = nullptr;
    QLabel* m_stPhrase = nullptr;
    QLabel* m_stText = nullptr;
    QSpinBox* m_repeats = nullptr;
    QStatusBar* m_status = nullptr;
    std::vector<QPushButton*> m_soundButtons;
    QTimer m_timer; // follows the play position
    // The passes of what plays, in its first clip, as PhraseRecipe gives them.
    std::vector<std::pair<std::size_t, std::size_t>> m_playing;
    std::int64_t m_nHeard = -1; // where the phrase plays; none in a pause or after the end
};
