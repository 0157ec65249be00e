#include "board/schedule.h"

#include "clock/clock_helpers.h"

namespace vantor {

bool isDue(int placeMinute, int now)
{
    if (now >= 60)
        return placeMinute <= now && now - 60 < placeMinute;
    return (0 <= placeMinute && placeMinute <= now) || (now + 1380 < placeMinute && placeMinute < 1440);
}

QString placementTooltip(int placeMinute, int now)
{
    int remaining = placeMinute - now;
    if (remaining < 0)
        remaining += 1440;
    if (remaining == 0 || remaining >= 1380)
        return QStringLiteral("配置時間を経過しています");
    return formatMinutesHHMM(remaining) + QStringLiteral("後に配置");
}

} // namespace vantor
