#include "batch/InOrder.h"

#include <utility>

namespace {

thread_local COrderedActions::Keep t_keep;

} // namespace

void InOrder(std::function<void()> action) {
    if (t_keep)
        t_keep(std::move(action));
    else
        action();
}

COrderedActions::COrderedActions(Keep keep) : m_before(std::exchange(t_keep, std::move(keep))) {}

COrderedActions::~COrderedActions() {
    t_keep = std::move(m_before);
}
