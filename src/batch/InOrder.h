#pragma once

#include <functional>

// What a conversion does to its front end beyond the message boxes (a line
// of its own, a count): at once when files are converted one at a time; in
// the order of the files, on the front end's thread, when several are
// converted side by side.
void InOrder(std::function<void()> action);

// While it lives, InOrder on the thread that made it hands its actions to
// postpone, which runs each later, in its file's turn.
class COrderedActions {
public:
    using Postpone = std::function<void(std::function<void()>)>;
    explicit COrderedActions(Postpone postpone);
    ~COrderedActions();
    COrderedActions(const COrderedActions&) = delete;
    COrderedActions& operator=(const COrderedActions&) = delete;

private:
    Postpone m_before;
};
