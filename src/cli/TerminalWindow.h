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
    void OnJobBegin() override;
    void OnJobEnd() override;

    // What the message pump does here: a pending Ctrl+C becomes the stop request.
    void TakeInterrupt();
    // A line of its own on standard error, below the progress.
    void Note(const std::string& line);

private:
    int Ask();
    void EndProgressLine();

    bool m_bYesToAll;
    bool m_bTerminal;         // standard error is a terminal
    bool m_bLineOpen = false; // a progress line waits for its end
    bool m_bStopNoted = false;
    std::uint16_t m_nMaximum = 0;
    int m_nPosition = 0;
};

// Writes all of text to standard error, unbuffered and in one piece where it can.
void PrintError(const std::string& text);
