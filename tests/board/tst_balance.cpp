#include "board/balance.h"

#include <QTest>

using namespace vantor;

using Statuses = std::array<int, SlotCount>;

namespace {

// A board where the listed slots have the given status and every other post is
// held by its own army.
Statuses board(std::initializer_list<int> posts, int status)
{
    Statuses statuses{};
    for (int slot : posts)
        statuses[slot] = status;
    return statuses;
}

Statuses with(Statuses statuses, std::initializer_list<int> posts, int status)
{
    for (int slot : posts)
        statuses[slot] = status;
    return statuses;
}

const std::initializer_list<int> eastPosts{9, 10, 11, 12, 13, 14, 15, 16, 17};

} // namespace

class TstBalance : public QObject {
    Q_OBJECT

private slots:
    void rates_data();
    void rates();
    void atMostOneRateAboveZero();
    void cells_data();
    void cells();
};

void TstBalance::rates_data()
{
    QTest::addColumn<Statuses>("statuses");
    QTest::addColumn<int>("west");
    QTest::addColumn<int>("east");

    const Statuses allEastTaken = with(with(board({9, 12, 15}, 2), {10, 13, 16}, 3), {11, 14, 17}, 4);
    QTest::newRow("fresh board") << Statuses{} << 0 << 0;
    QTest::newRow("all East posts taken") << allEastTaken << 21 << 0;
    QTest::newRow("and West left rear guard") << with(allEastTaken, {0}, 3) << 17 << 0;
    QTest::newRow("and two West rear guards") << with(allEastTaken, {0, 1}, 2) << 13 << 0;
    QTest::newRow("and all West rear guards") << with(allEastTaken, {0, 1, 2}, 4) << 9 << 0;
    QTest::newRow("all West posts taken") << board({0, 1, 2, 3, 4, 5, 6, 7, 8}, 3) << 0 << 21;
    QTest::newRow("every post taken") << board({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}, 2)
                                      << 0 << 0;
    QTest::newRow("West middle post falls") << board({4}, 2) << 0 << 2;
    QTest::newRow("East vanguard rival fighting") << board({10}, 4) << 1 << 0;
    QTest::newRow("fighting own general counts nothing") << board(eastPosts, 1) << 0 << 0;
    QTest::newRow("own army awaiting counts nothing") << board(eastPosts, 5) << 0 << 0;
    QTest::newRow("equal losses cancel") << board({0, 15}, 3) << 0 << 0;
    QTest::newRow("middle against vanguard") << with(board({12}, 2), {7}, 3) << 1 << 0;
    QTest::newRow("rear guard against two middles") << with(board({3, 4}, 3), {16}, 4) << 0 << 0;
    QTest::newRow("rear guard against three middles") << with(board({3, 4, 5}, 3), {16}, 4) << 0 << 2;
}

void TstBalance::rates()
{
    QFETCH(Statuses, statuses);
    QFETCH(int, west);
    QFETCH(int, east);

    const Rates rates = ratesFromStatuses(statuses);
    QCOMPARE(rates.west, west);
    QCOMPARE(rates.east, east);
}

void TstBalance::atMostOneRateAboveZero()
{
    for (int taken = 0; taken < (1 << SlotCount); ++taken) {
        Statuses statuses{};
        for (int slot = 0; slot < SlotCount; ++slot)
            statuses[slot] = (taken >> slot) & 1 ? RivalPresent : OwnPresent;
        const Rates rates = ratesFromStatuses(statuses);
        if (qMin(rates.west, rates.east) != 0 || qMax(rates.west, rates.east) > BalanceCells)
            QFAIL(qPrintable(QStringLiteral("taken %1 gives %2 and %3").arg(taken).arg(rates.west).arg(rates.east)));
    }
}

void TstBalance::cells_data()
{
    QTest::addColumn<int>("west");
    QTest::addColumn<int>("east");
    QTest::addColumn<ColourScheme>("scheme");
    QTest::addColumn<QString>("expected"); // one letter a cell: - grey, b #8080FF, r #FF8080

    const ColourScheme normal = ColourScheme::DefaultColours;
    const ColourScheme battle = ColourScheme::BattleColours;
    QTest::newRow("even") << 0 << 0 << normal << "---------------------";
    QTest::newRow("even, battle") << 0 << 0 << battle << "---------------------";
    QTest::newRow("West 3") << 3 << 0 << normal << "bbb------------------";
    QTest::newRow("West 3, battle") << 3 << 0 << battle << "rrr------------------";
    QTest::newRow("East 2") << 0 << 2 << normal << "-------------------rr";
    QTest::newRow("East 2, battle") << 0 << 2 << battle << "-------------------bb";
    QTest::newRow("West 21") << 21 << 0 << normal << "bbbbbbbbbbbbbbbbbbbbb";
    QTest::newRow("East 21, battle") << 0 << 21 << battle << "bbbbbbbbbbbbbbbbbbbbb";
    QTest::newRow("East 20") << 0 << 20 << normal << "-rrrrrrrrrrrrrrrrrrrr";
}

void TstBalance::cells()
{
    QFETCH(int, west);
    QFETCH(int, east);
    QFETCH(ColourScheme, scheme);
    QFETCH(QString, expected);

    const auto cells = balanceCells(Rates{west, east}, scheme);
    QString shown;
    for (const QColor &cell : cells) {
        switch (cell.rgb() & 0xFFFFFF) {
        case 0xE0E0E0:
            shown += QLatin1Char('-');
            break;
        case 0x8080FF:
            shown += QLatin1Char('b');
            break;
        case 0xFF8080:
            shown += QLatin1Char('r');
            break;
        default:
            shown += QLatin1Char('?');
        }
    }
    QCOMPARE(shown, expected);
}

QTEST_GUILESS_MAIN(TstBalance)
#include "tst_balance.moc"
