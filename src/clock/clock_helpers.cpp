#include "clock/clock_helpers.h"

#include "clock/numeric_text.h"

namespace vantor {

namespace {

const ClockSource *installedSource = nullptr;

QTime wallClock()
{
    return installedSource ? installedSource->timeOfDay() : QTime::currentTime();
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

void setClockSource(const ClockSource *source)
{
    installedSource = source;
}

QString currentTimeHHMM()
{
    const QTime t = wallClock();
    return twoDigits(t.hour()) + QLatin1Char(':') + twoDigits(t.minute());
}

QString nextHourHHMM()
{
    const QString now = currentTimeHHMM();
    const int hour = (int(numericValue(now.left(2))) + 1) % 24;
    return twoDigits(hour) + QLatin1Char(':') + now.right(2);
}

int currentClockMinutes()
{
    const QString now = currentTimeHHMM();
    return int(numericValue(now.left(2))) * 60 + int(numericValue(now.right(2)));
}

int nextHourClockMinutes()
{
    const int m = currentClockMinutes() + 60;
    return m >= 1440 ? m - 1440 : m;
}

QString formatMinutesHHMM(int minutes)
{
    qint64 hours = floorDiv(minutes, 60);
    const int mm = int(minutes - 60 * hours);
    if (hours > 99)
        hours -= 100 * floorDiv(hours, 100);
    // The sign is dropped and only the last two digits are kept.
    const QString h = QString::number(qAbs(hours));
    return (QStringLiteral("00") + h).right(2) + QLatin1Char(':') + twoDigits(mm);
}

} // namespace vantor
