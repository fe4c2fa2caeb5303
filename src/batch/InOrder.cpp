#include "batch/InOrder.h"

#include <utility>

namespace {

thread_local COrderedActions::Postpone t_postpone;

} // namespace

void InOrder(std::function<void()> action) {
    if (t_postpone)
        t_postpone(std::move(action));
    else
        action();
}

COrderedActions::COrderedActions(Postpone postpone)
    : m_before(std::exchange(t_postpone, std::move(postpone))) {}

COrderedActions::~COrderedActions() {
    t_postpone = std::move(m_before);
}
