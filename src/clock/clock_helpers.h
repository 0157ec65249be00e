// The battle clock: every time of day the board shows or schedules is a count of
// minutes since local midnight (0..1439) or a five-character "HH:MM" text.
// These helpers are the only readers of the wall clock; they read it through a
// replaceable source so that tests can put the board at any time of day.
#pragma once

#include <QString>
#include <QTime>

namespace vantor {

class ClockSource {
public:
    virtual ~ClockSource() = default;
    virtual QTime timeOfDay() const = 0;
};

// nullptr restores the local wall clock.
void setClockSource(const ClockSource *source);

QString currentTimeHHMM();
QString nextHourHHMM();
int currentClockMinutes();
int nextHourClockMinutes();

// Hours are shown modulo 100 once they pass 99; a negative count loses its sign
// (-1 shows as 01:59), as the display always has.
QString formatMinutesHHMM(int minutes);

} // namespace vantor
