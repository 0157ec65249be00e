// Whatever is typed into the elapsed-time box or a post's time box, the reading
// is either refused or a minute count the board can hold. Full-width typing
// reads as the ASCII it stands for.
#include "clock/numeric_text.h"
#include "clock/typed_time.h"
#include "fuzz_text.h"

#include <QRegularExpression>

using namespace vantor;

namespace {

constexpr int dayMinutes = 1440;

// Plain "h:mm" texts have an obvious meaning to hold the readers to.
void checkPlainTime(const QString &text, std::optional<int> elapsed, std::optional<int> placement)
{
    static const QRegularExpression plain(
        QRegularExpression::anchoredPattern(QStringLiteral(R"(([0-9]{1,2}):([0-9]{1,2}))")));
    const QRegularExpressionMatch match = plain.match(text);
    if (!match.hasMatch())
        return;
    const int minutes = match.captured(1).toInt() * 60 + match.captured(2).toInt();
    fuzz::require(elapsed == (minutes > dayMinutes ? minutes % dayMinutes : minutes),
                  "a plain h:mm reads as its elapsed minutes", text);
    fuzz::require(placement == minutes % dayMinutes, "a plain h:mm reads as its time of day", text);
}

// What a box keeps of a paste has no control character, and keeping it again
// changes nothing.
void checkKept(const QString &text)
{
    const QString kept = typedBoxText(text);
    for (QChar c : kept)
        fuzz::require(c.unicode() >= 0x20 && c.unicode() != 0x7F, "no control character enters a box", text);
    fuzz::require(typedBoxText(kept) == kept, "what a box keeps it keeps again", text);
}

void checkText(const QString &text)
{
    checkKept(text);
    const std::optional<int> elapsed = readElapsedText(text);
    const std::optional<int> placement = readPlacementText(text);

    if (elapsed)
        fuzz::require(*elapsed >= 0 && *elapsed <= dayMinutes, "elapsed minutes lie in 0..1440", text);
    if (placement)
        fuzz::require(*placement >= 0 && *placement < dayMinutes, "a placement lies in 0..1439", text);

    if (text.size() > 5) {
        fuzz::require(!elapsed && !placement, "texts longer than five characters are refused", text);
        return;
    }
    if (text.size() <= 2) {
        fuzz::require(!placement, "a placement needs hours and minutes", text);
        if (numericValue(text) >= 0)
            fuzz::require(elapsed == int(wholeValue(text)), "a short elapsed text is a count of minutes",
                          text);
        else
            fuzz::require(!elapsed, "a negative count of minutes is refused", text);
        return;
    }
    // From three characters on both boxes read hours and minutes alike and
    // differ only in how a day is kept: the elapsed box refuses a negative
    // count, the placement box puts any count on the clock face.
    if (elapsed)
        fuzz::require(placement && *placement == *elapsed % dayMinutes, "both boxes read the same time", text);
    checkPlainTime(text, elapsed, placement);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::forEachReading(data, size, checkText);
    const fuzz::TypedTwins twins = fuzz::fullWidthTwins(data, size);
    fuzz::require(readElapsedText(twins.typed) == readElapsedText(twins.ascii) &&
                      readPlacementText(twins.typed) == readPlacementText(twins.ascii),
                  "full-width typing reads as ASCII", twins.typed, twins.ascii);
    return 0;
}
