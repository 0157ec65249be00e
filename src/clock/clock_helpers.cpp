#include "clock/clock_helpers.h"

namespace vantor {

namespace {

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

QString clockText(QTime time)
{
    return twoDigits(time.hour()) + QLatin1Char(':') + twoDigits(time.minute());
}

QString nextHourText(QTime time)
{
    return twoDigits((time.hour() + 1) % 24) + QLatin1Char(':') + twoDigits(time.minute());
}

int clockMinutes(QTime time)
{
    return time.hour() * 60 + time.minute();
}

int nextHourMinutes(QTime time)
{
    return (clockMinutes(time) + 60) % 1440;
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
