#include "clock/typed_time.h"

#include "clock/numeric_text.h"

namespace vantor {

namespace {

constexpr int MinutesPerDay = 1440;

// Where the hours end and the minutes begin is told by the length of the text and
// the place of its colon; each part counts by its leading number. The result may
// be negative or more than a day; the callers decide what that means.
std::optional<int> readHoursAndMinutes(QStringView text)
{
    const auto colonAt = [&](qsizetype i) { return asciiForm(text[i]) == QLatin1Char(':'); };
    qsizetype hoursLength = 0;
    switch (text.size()) {
    case 3:
        hoursLength = colonAt(1) ? 1 : 0;
        break;
    case 4:
        hoursLength = colonAt(1) ? 1 : colonAt(2) ? 2 : 0;
        break;
    case 5:
        hoursLength = colonAt(2) ? 2 : 0;
        break;
    default:
        break;
    }
    if (hoursLength == 0)
        return std::nullopt;
    const double hours = numericValue(text.first(hoursLength));
    const double minutes = numericValue(text.sliced(hoursLength + 1));
    return int(roundHalfEven(hours * 60 + minutes));
}

} // namespace

QString typedBoxText(QStringView typed)
{
    QString kept;
    kept.reserve(typed.size());
    for (QChar c : typed)
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F)
            kept.append(c);
    return kept;
}

std::optional<int> readElapsedText(const QString &text)
{
    if (text.size() <= 2) {
        const double count = numericValue(text);
        if (count >= 0)
            return int(roundHalfEven(count));
    }
    const std::optional<int> m = readHoursAndMinutes(text);
    if (!m || *m < 0)
        return std::nullopt;
    return *m > MinutesPerDay ? *m % MinutesPerDay : *m;
}

std::optional<int> readPlacementText(const QString &text)
{
    // A time of day: whatever the count, it lands on the clock face.
    const std::optional<int> m = readHoursAndMinutes(text);
    if (!m)
        return std::nullopt;
    return (*m % MinutesPerDay + MinutesPerDay) % MinutesPerDay;
}

} // namespace vantor
