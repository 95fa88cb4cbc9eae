#include "corvane/ui/timer.h"

namespace corvane::ui {

bool Timer::fire() {
    if (!running()) return false;
    raise(onTimer);
    return true;
}

}  // namespace corvane::ui
