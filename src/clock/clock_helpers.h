// The battle clock: every time of day the board shows or schedules is a count of
// minutes since local midnight (0..1439) or a five-character "HH:MM" text. The
// helpers take the time of day they work from: whoever reads the wall clock (the
// desktop the program runs on, or a test) hands it in.
#pragma once

#include <QString>
#include <QTime>

namespace vantor {

// "HH:MM" of the time, seconds dropped.
QString clockText(QTime time);
// The same time an hour later, "23:40" giving "00:40".
QString nextHourText(QTime time);
int clockMinutes(QTime time);
int nextHourMinutes(QTime time);

// Hours are shown modulo 100 once they pass 99; a negative count loses its sign
// (-1 shows as 01:59), as the display always has.
QString formatMinutesHHMM(int minutes);

} // namespace vantor
