// When the battle will end and who will win it, worked out from the two scores,
// their gain per minute and the elapsed battle time. The forecast keeps no state
// and reads no clock: the caller passes the time of day in.
#pragma once

#include <QString>

namespace vantor {

enum class Winner { None, West, East };

struct EndInputs {
    double west = 0;     // numeric value of the West score box, not yet rounded
    double east = 0;     // numeric value of the East score box, not yet rounded
    double westRate = 0; // West gain per minute; 0 or less means not gaining
    double eastRate = 0; // East gain per minute
    int elapsed = 0;     // elapsed battle minutes
    int now = 0;         // time of day in minutes, 0..1439
};

struct EndForecast {
    int rule = 0;      // 0 while waiting, else 1..28
    bool met = false;  // an end condition already holds
    int remaining = 0; // minutes until the expected end, when not met
    int endMinute = 0; // time of day of the expected end, 0..1440 (1440 shows as 24:00)
    Winner winner = Winner::None;
    QString message;   // tooltip text naming the rule
    QString caption;   // "終了", an HH:MM time, or "--:--" while waiting
};

// What the display shows while the scores or the elapsed time are being re-read.
EndForecast waitingForecast();

// Total for any input: the rule is always 1..28, the end minute 0..1440 and the
// caption five characters.
EndForecast evaluateEnd(const EndInputs &in);

} // namespace vantor
