#pragma once

#include "batch/MessageBox.h"
#include "batch/Worker.h"
#include "pause/MessagePump.h"

#include <cstdint>
#include <string>

// How the last job ended, for a front end that reports it (the terminal's exit status).
enum class JobEnd {
    Completed,   // every file converted or skipped at the user's word
    EndedEarly,  // stopped, a conversion failed, or a source format was refused
    PathRefused, // a path check failed; nothing was converted
};

// What the batch run needs of the window that runs it: the two paths, the
// stop and busy flags, the progress bar, the status text and the message
// boxes. Its handlers may run nested inside a job, through the message pump.
class CJobWindow : public CMessageBoxOwner, public CWorker {
public:
    std::string m_strSrc; // one file or one folder (UTF-8)
    std::string m_strDst; // destination folder (UTF-8)
    bool m_bStop = false;
    bool m_bBusy = false;
    JobEnd m_jobEnd = JobEnd::Completed; // set by OnRun
    // How many files of a folder are converted at once; 1: one after another.
    unsigned m_nJobs = 1;

    // Progress bar range 0..maximum (the low 16 bits of the file count) and position.
    virtual void SetProgressRange(std::uint16_t maximum) = 0;
    virtual void SetProgressPos(int position) = 0;
    // The status text control; does nothing when the control does not exist.
    virtual void SetStatusWindowText(const std::string& text) = 0;
    // The status of a file already under way, when files are converted side
    // by side: a stop asked for by now stops at a later file.
    virtual void SetStatusOfFileUnderWay(const std::string& text) { SetStatusWindowText(text); }
    // Lets pending events run and says whether Stop was asked for, without
    // a word of its own: files converted side by side tell it in their order.
    virtual bool StopRequested() {
        PumpMessages();
        return m_bStop;
    }

protected:
    ~CJobWindow() = default;
};
