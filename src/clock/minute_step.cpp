#include "clock/minute_step.h"

namespace vantor {

int minutesSince(int last, int now)
{
    int step = now - last;
    if (step < 0)
        step += 1440;
    return step >= 1380 ? 0 : step;
}

} // namespace vantor
