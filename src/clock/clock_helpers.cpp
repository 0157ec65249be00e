#include "clock/clock_helpers.h"

namespace vantor {

namespace {

// "HH:MM" from two counts, each shown by its last two digits; the countdowns
// of every post are written with it once a minute.
QString hoursAndMinutes(qint64 hours, qint64 minutes)
{
    const auto digit = [](qint64 value) { return QChar(u'0' + char16_t(value % 10)); };
    const QChar text[] = {digit(hours / 10 % 10), digit(hours), u':', digit(minutes / 10 % 10), digit(minutes)};
    return QString(text, 5);
}

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

QString clockText(QTime time)
{
    return hoursAndMinutes(time.hour(), time.minute());
}

QString nextHourText(QTime time)
{
    return hoursAndMinutes((time.hour() + 1) % 24, time.minute());
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
    return hoursAndMinutes(qAbs(hours), mm);
}

} // namespace vantor
