#pragma once

#include "batch/JobWindow.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// A job window that records everything the job shows and answers questions
// from a script, for tests of the conversion and the batch run.
class RecordingWindow : public CJobWindow {
public:
    struct Box {
        std::string text;
        std::string caption;
        unsigned type;
        // What the window looked like while the box was up.
        bool busy;
        int progressPos;
        std::string status;
    };

    std::vector<Box> boxes;
    std::deque<int> answers;         // for questions, in order; IDNO when none are left
    std::vector<std::string> events; // "begin", "end", "range N", "pos N", "status T", "box C"
    std::function<void(RecordingWindow&)> onBox; // runs while a box is up

    int progressMax = -1;
    int progressPos = 0;
    std::string status;
    int jobBegins = 0;
    int jobEnds = 0;

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override {
        boxes.push_back({text, caption, type, m_bBusy, progressPos, status});
        events.push_back("box " + caption);
        if (onBox)
            onBox(*this);
        if ((type & 0x0F) == MB_YESNOCANCEL) {
            if (answers.empty())
                return IDNO;
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return IDOK;
    }
    void SetProgressRange(std::uint16_t maximum) override {
        progressMax = maximum;
        events.push_back("range " + std::to_string(maximum));
    }
    void SetProgressPos(int position) override {
        progressPos = position;
        events.push_back("pos " + std::to_string(position));
    }
    void SetStatusWindowText(const std::string& text) override {
        status = text;
        events.push_back("status " + text);
    }
    void OnJobBegin() override {
        ++jobBegins;
        m_bStop = false;
        m_bBusy = true;
        status.clear();
        events.push_back("begin");
    }
    void OnJobEnd() override {
        ++jobEnds;
        m_bBusy = false;
        progressPos = 0;
        events.push_back("end");
    }
};
