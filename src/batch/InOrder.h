#pragma once

#include <functional>

// What a conversion does to its front end beyond the message boxes (a line
// of its own, a count): at once when files are converted one at a time; in
// the order of the files, on the front end's thread, when several are
// converted side by side.
void InOrder(std::function<void()> action);

// While it lives, InOrder on the thread that made it hands its actions to keep.
class COrderedActions {
public:
    using Keep = std::function<void(std::function<void()>)>;
    explicit COrderedActions(Keep keep);
    ~COrderedActions();
    COrderedActions(const COrderedActions&) = delete;
    COrderedActions& operator=(const COrderedActions&) = delete;

private:
    Keep m_before;
};
