#pragma once

#include "batch/JobWindow.h"

#include <cstdint>
#include <string>

// The job's window on a terminal. Boxes are printed on standard error as
// "Caption: text"; questions are asked on the terminal; progress is one line
// updated in place on a terminal, one line per file otherwise.
class CTerminalWindow final : public CJobWindow {
public:
    explicit CTerminalWindow(bool yesToAll);
    ~CTerminalWindow() = default;

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    void SetProgressRange(std::uint16_t maximum) override;
    void SetProgressPos(int position) override;
    void SetStatusWindowText(const std::string& text) override;
    void SetStatusOfFileUnderWay(const std::string& text) override;
    void OnJobBegin() override;
    void OnJobEnd() override;
    bool StopRequested() override;

    // What the message pump does here: a pending Ctrl+C becomes the stop request.
    void TakeInterrupt();
    // A line of the terminal's own on standard error, after the progress line.
    void PrintLine(const std::string& text);
    // How many sources the job came to, the one it stopped at included.
    int Reached() const { return m_nReached; }

private:
    int Ask();
    void EndProgressLine();

    bool m_bYesToAll;
    bool m_bTerminal;         // standard error is a terminal
    bool m_bLineOpen = false; // a progress line waits for its end
    bool m_bStopNoted = false;
    std::uint16_t m_nMaximum = 0;
    int m_nPosition = 0;
    int m_nReached = 0;
};

// Writes all of text to standard error, unbuffered and in one piece where it can.
void PrintError(const std::string& text);
