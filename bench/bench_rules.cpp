// The rules the window calls on every click and tick, alone: no widgets, inputs
// cycled so that no call repeats the one before.
#include "bench_timing.h"

#include "board/balance.h"
#include "board/post_display.h"
#include "board/schedule.h"
#include "clock/clock_helpers.h"
#include "clock/end_forecast.h"
#include "clock/minute_step.h"
#include "clock/numeric_text.h"
#include "clock/typed_time.h"
#include "report/report.h"
#include "roster/roster.h"
#include "score/score_rules.h"

#include <QStringList>

using namespace vantor;
using namespace vantor::bench;

namespace {

constexpr int Batches = 201;
constexpr int Calls = 2000;

std::array<int, SlotCount> statusesFor(int i)
{
    std::array<int, SlotCount> statuses{};
    for (int s = 0; s < SlotCount; ++s)
        statuses[s] = (i + s * 7) % 6;
    return statuses;
}

BoardSnapshot snapshot()
{
    BoardSnapshot board;
    board.westName = QStringLiteral("徳川家");
    board.eastName = QStringLiteral("北条家");
    for (int s = 0; s < SlotCount; ++s) {
        board.statuses[s] = s % 6;
        board.westMainNames[s] = rosterName(4, 0, s, 0);
        board.eastMainNames[s] = rosterName(2, 1, s, 0);
        board.captions[s] = postCaption(s);
        board.timeTexts[s] = s % 3 == 2 ? QStringLiteral("13:45") : QString();
    }
    board.nowText = QStringLiteral("12:45");
    board.elapsedText = QStringLiteral("01:10");
    return board;
}

} // namespace

int main()
{
    header("Rules alone");
    report("postLook", perCall([](int i) { keep(postLook(i % SlotCount, i % 6, ColourScheme(i & 1))); }, Batches, Calls));

    std::vector<std::array<int, SlotCount>> boards;
    for (int i = 0; i < 64; ++i)
        boards.push_back(statusesFor(i));
    report("ratesFromStatuses", perCall([&](int i) { keep(ratesFromStatuses(boards[i % 64])); }, Batches, Calls));
    report("balanceCells",
           perCall([](int i) { keep(balanceCells(Rates{i % 22, 0}, ColourScheme(i & 1))); }, Batches, Calls));

    report("evaluateEnd",
           perCall(
               [](int i) {
                   keep(evaluateEnd(EndInputs{double(i % 9000), double((i * 7) % 9000), double(i % 22), 0,
                                              i % 1440, (i * 13) % 1440}));
               },
               Batches, Calls));

    const BoardSnapshot board = snapshot();
    report("composeReport (18 posts)", perCall([&](int) { keep(composeReport(board)); }, Batches, Calls / 10));

    const QStringList elapsed{QStringLiteral("1:05"), QStringLiteral("12:30"), QStringLiteral("45"),
                              QStringLiteral("abc"), QStringLiteral("24:00"), QStringLiteral("123456")};
    report("readElapsedText", perCall([&](int i) { keep(readElapsedText(elapsed[i % 6])); }, Batches, Calls));
    report("readPlacementText", perCall([&](int i) { keep(readPlacementText(elapsed[i % 6])); }, Batches, Calls));

    const QStringList scores{QStringLiteral("1350"), QStringLiteral("0.5"), QStringLiteral("-40"),
                             QStringLiteral("  42abc"), QStringLiteral("1e9"), QStringLiteral("")};
    report("numericValue", perCall([&](int i) { keep(numericValue(scores[i % 6])); }, Batches, Calls));
    report("steppedScore", perCall([&](int i) { keep(steppedScore(scores[i % 6], 100, i & 1 ? StepDirection::Down : StepDirection::Up)); }, Batches, Calls));
    report("accruedScore", perCall([&](int i) { keep(accruedScore(scores[i % 6], i % 22, 1)); }, Batches, Calls));
    report("formatMinutesHHMM", perCall([](int i) { keep(formatMinutesHHMM(i % 3000)); }, Batches, Calls));
    report("placementTooltip", perCall([](int i) { keep(placementTooltip(i % 1440, (i * 7) % 1440)); }, Batches, Calls));
    report("isDue + minutesSince",
           perCall([](int i) { keep(isDue(i % 1440, (i * 7) % 1440) + minutesSince(i % 1440, (i * 3) % 1440)); },
                   Batches, Calls));
    report("rosterName", perCall([](int i) { keep(rosterName(i % 14, i & 1, i % SlotCount, (i >> 1) & 1)); }, Batches, Calls));
    return 0;
}
