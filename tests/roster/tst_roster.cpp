#include "roster/roster.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <array>

using namespace vantor;

namespace {

constexpr int WestArmy = 0;
constexpr int EastArmy = 1;

// Wing and line of the post each row stands for, rows 0..17.
struct RowPost {
    const char16_t *wing;
    const char16_t *line;
};

constexpr std::array<RowPost, 18> rowPosts{{
    {u"左", u"後詰"}, {u"中", u"後詰"}, {u"右", u"後詰"},
    {u"左", u"中備"}, {u"中", u"中備"}, {u"右", u"中備"},
    {u"左", u"先鋒"}, {u"中", u"先鋒"}, {u"右", u"先鋒"},
    {u"右", u"先鋒"}, {u"中", u"先鋒"}, {u"左", u"先鋒"},
    {u"右", u"中備"}, {u"中", u"中備"}, {u"左", u"中備"},
    {u"右", u"後詰"}, {u"中", u"後詰"}, {u"左", u"後詰"},
}};

const QStringList classes{u"侍"_qs, u"神"_qs, u"薬"_qs, u"僧"_qs, u"陰"_qs, u"忍"_qs, u"鍛"_qs};
const QStringList weapons{
    u"槍"_qs, u"刀"_qs, u"懐剣"_qs, u"薙刀"_qs, u"鉄砲"_qs, u"弓"_qs, u"棍棒"_qs, u"杖"_qs,
    u"打鞭"_qs, u"ﾏｻｶﾘ"_qs, u"二刀"_qs, u"斧"_qs, u"二懐"_qs, u"二刀手槍"_qs, u"打棒"_qs, u"？"_qs,
};
const QStringList ranks{u"奉行"_qs, u"中老"_qs, u"目付"_qs, u"侍大"_qs, u"与力"_qs, u"？"_qs};

QString expectedLevel(int row, int role)
{
    const std::array<int, 18> mainLevels{48, 48, 48, 46, 46, 46, 44, 44, 44, 44, 44, 44, 46, 46, 46, 48, 48, 48};
    return QString::number(mainLevels[row] - role);
}

// One blank between family and given name; a single name has none.
bool wellFormedName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(u' ') || name.endsWith(u' ') || name.count(u' ') > 1)
        return false;
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) { return c.isSpace() && c != u' '; });
}

} // namespace

class RosterTest : public QObject
{
    Q_OBJECT

private slots:
    void armyLabels_data();
    void armyLabels();
    void armyLabelSweep_data();
    void armyLabelSweep();
    void emptyCells_data();
    void emptyCells();
    void outsideFactionTable_data();
    void outsideFactionTable();
    void eastMirrorsWest_data();
    void eastMirrorsWest();
    void houseSweep_data();
    void houseSweep();
};

void RosterTest::armyLabels_data()
{
    QTest::addColumn<int>("faction");
    QTest::addColumn<int>("army");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("expected");

    QTest::newRow("east own right vanguard") << 15 << EastArmy << 9 << 0 << u"東軍右先鋒将"_qs;
    QTest::newRow("east garrison of west right vanguard") << 15 << EastArmy << 8 << 0 << u"東軍右先鋒守"_qs;
    QTest::newRow("west garrison row 9") << 14 << WestArmy << 9 << 0 << u"西軍右先鋒守"_qs;
    QTest::newRow("west vice row 0") << 14 << WestArmy << 0 << 1 << u"西軍左後詰副"_qs;
    QTest::newRow("west main row 0") << 14 << WestArmy << 0 << 0 << u"西軍左後詰将"_qs;
    QTest::newRow("west main row 8") << 14 << WestArmy << 8 << 0 << u"西軍右先鋒将"_qs;
    QTest::newRow("west garrison row 17") << 14 << WestArmy << 17 << 0 << u"西軍左後詰守"_qs;
    QTest::newRow("east own left rear guard") << 15 << EastArmy << 17 << 0 << u"東軍左後詰将"_qs;
    QTest::newRow("east vice right middle") << 15 << EastArmy << 12 << 1 << u"東軍右中備副"_qs;
    QTest::newRow("east garrison of west left rear") << 15 << EastArmy << 0 << 0 << u"東軍左後詰守"_qs;
}

void RosterTest::armyLabels()
{
    QFETCH(int, faction);
    QFETCH(int, army);
    QFETCH(int, slot);
    QFETCH(int, role);
    QFETCH(QString, expected);

    QCOMPARE(rosterName(faction, army, slot, role), expected);
    QVERIFY(rosterInfo(faction, army, slot, role).isEmpty());
}

void RosterTest::armyLabelSweep_data()
{
    QTest::addColumn<int>("faction");
    QTest::addColumn<QString>("armyName");

    QTest::newRow("西軍") << 14 << u"西軍"_qs;
    QTest::newRow("東軍") << 15 << u"東軍"_qs;
}

void RosterTest::armyLabelSweep()
{
    QFETCH(int, faction);
    QFETCH(QString, armyName);

    for (int row = 0; row < 18; ++row) {
        const QString post = armyName + QString::fromUtf16(rowPosts[row].wing) + QString::fromUtf16(rowPosts[row].line);
        const QString main = post + QChar(row < 9 ? u'将' : u'守');
        const QString vice = row < 6 ? post + QChar(u'副') : QString();
        QCOMPARE(rosterName(faction, WestArmy, row, 0), main);
        QCOMPARE(rosterName(faction, WestArmy, row, 1), vice);
        for (int role = 0; role < 3; ++role)
            QVERIFY(rosterInfo(faction, WestArmy, row, role).isEmpty());
    }
}

void RosterTest::emptyCells_data()
{
    QTest::addColumn<int>("faction");
    QTest::addColumn<int>("army");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("role");

    QTest::newRow("house vice on own vanguard") << 0 << WestArmy << 6 << 1;
    QTest::newRow("house vice on right vanguard") << 7 << WestArmy << 8 << 1;
    QTest::newRow("house vice on garrison row") << 3 << WestArmy << 17 << 1;
    QTest::newRow("house vice, east slot of row 6") << 3 << EastArmy << 11 << 1;
    QTest::newRow("house vice, east slot of garrison row") << 13 << EastArmy << 0 << 1;
    QTest::newRow("army vice on vanguard") << 14 << WestArmy << 6 << 1;
    QTest::newRow("army vice on garrison row") << 15 << EastArmy << 5 << 1;
    QTest::newRow("house role 2") << 5 << WestArmy << 0 << 2;
    QTest::newRow("army role 2") << 15 << EastArmy << 17 << 2;
    QTest::newRow("house west slot 18 main") << 0 << WestArmy << 18 << 0;
    QTest::newRow("house west slot 18 vice") << 0 << WestArmy << 18 << 1;
    QTest::newRow("army west slot 18") << 14 << WestArmy << 18 << 0;
}

void RosterTest::emptyCells()
{
    QFETCH(int, faction);
    QFETCH(int, army);
    QFETCH(int, slot);
    QFETCH(int, role);

    QCOMPARE(rosterName(faction, army, slot, role), QString());
    QCOMPARE(rosterInfo(faction, army, slot, role), QString());
}

void RosterTest::outsideFactionTable_data()
{
    QTest::addColumn<int>("faction");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("role");

    QTest::newRow("16") << 16 << 0 << 0;
    QTest::newRow("-1") << -1 << 0 << 0;
    QTest::newRow("16, empty cell") << 16 << 8 << 1;
    QTest::newRow("-1, slot 18") << -1 << 18 << 2;
    QTest::newRow("largest 16-bit") << 32767 << 4 << 0;
}

void RosterTest::outsideFactionTable()
{
    QFETCH(int, faction);
    QFETCH(int, slot);
    QFETCH(int, role);

    for (int army : {WestArmy, EastArmy}) {
        QCOMPARE(rosterName(faction, army, slot, role), u"武将"_qs);
        QCOMPARE(rosterInfo(faction, army, slot, role), QString());
    }
}

void RosterTest::eastMirrorsWest_data()
{
    QTest::addColumn<int>("faction");
    for (int faction = 0; faction < 16; ++faction)
        QTest::addRow("faction %d", faction) << faction;
}

// Any non-zero army flag reads the East way.
void RosterTest::eastMirrorsWest()
{
    QFETCH(int, faction);

    for (int slot = 0; slot < 18; ++slot) {
        for (int role = 0; role < 3; ++role) {
            const QString name = rosterName(faction, WestArmy, slot, role);
            const QString info = rosterInfo(faction, WestArmy, slot, role);
            for (int army : {EastArmy, 2, -1}) {
                QCOMPARE(rosterName(faction, army, 17 - slot, role), name);
                QCOMPARE(rosterInfo(faction, army, 17 - slot, role), info);
            }
        }
    }
}

void RosterTest::houseSweep_data()
{
    QTest::addColumn<int>("house");
    for (int house = 0; house < 14; ++house)
        QTest::addRow("house %d", house) << house;
}

void RosterTest::houseSweep()
{
    QFETCH(int, house);

    QSet<QString> names;
    for (int row = 0; row < 18; ++row) {
        for (int role = 0; role < 2; ++role) {
            if (role == 1 && row >= 6)
                continue;
            const QString name = rosterName(house, WestArmy, row, role);
            const QString where = u"row %1 role %2: "_qs.arg(row).arg(role);
            QVERIFY2(wellFormedName(name), qPrintable(where + name));
            QVERIFY2(!names.contains(name), qPrintable(where + u"twice: "_qs + name));
            names.insert(name);

            const QString info = rosterInfo(house, WestArmy, row, role);
            const QStringList parts = info.split(u'/');
            QVERIFY2(parts.size() == (row < 9 ? 3 : 2), qPrintable(where + info));
            QVERIFY2(classes.contains(parts[0].left(1)), qPrintable(where + info));
            QCOMPARE(parts[0].mid(1), expectedLevel(row, role));
            QVERIFY2(weapons.contains(parts[1]), qPrintable(where + info));
            if (row < 9)
                QVERIFY2(ranks.contains(parts[2]), qPrintable(where + info));
        }
    }
    QCOMPARE(names.size(), 24);
}

QTEST_GUILESS_MAIN(RosterTest)
#include "tst_roster.moc"
