#include "board/post_status.h"

#include <QTest>

using namespace vantor;

class TstPostStatus : public QObject {
    Q_OBJECT

private slots:
    void postsBySlot_data();
    void postsBySlot();
    void mirroredSlotsShareTheirPost();
    void statuses_data();
    void statuses();
    void ring_data();
    void ring();
    void scoreChanges_data();
    void scoreChanges();
};

void TstPostStatus::postsBySlot_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<Army>("army");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<PostLine>("line");
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("points");

    const auto row = [](int slot, Army army, const char16_t *caption, PostLine line, int weight, int points) {
        QTest::addRow("slot %d", slot) << slot << army << QString::fromUtf16(caption) << line << weight << points;
    };
    row(0, Army::West, u"左翼後詰", PostLine::RearGuard, 4, 400);
    row(1, Army::West, u"中翼後詰", PostLine::RearGuard, 4, 400);
    row(2, Army::West, u"右翼後詰", PostLine::RearGuard, 4, 400);
    row(3, Army::West, u"左翼中備", PostLine::Middle, 2, 300);
    row(4, Army::West, u"中翼中備", PostLine::Middle, 2, 300);
    row(5, Army::West, u"右翼中備", PostLine::Middle, 2, 300);
    row(6, Army::West, u"左翼先鋒", PostLine::Vanguard, 1, 200);
    row(7, Army::West, u"中翼先鋒", PostLine::Vanguard, 1, 200);
    row(8, Army::West, u"右翼先鋒", PostLine::Vanguard, 1, 200);
    row(9, Army::East, u"右翼先鋒", PostLine::Vanguard, 1, 200);
    row(10, Army::East, u"中翼先鋒", PostLine::Vanguard, 1, 200);
    row(11, Army::East, u"左翼先鋒", PostLine::Vanguard, 1, 200);
    row(12, Army::East, u"右翼中備", PostLine::Middle, 2, 300);
    row(13, Army::East, u"中翼中備", PostLine::Middle, 2, 300);
    row(14, Army::East, u"左翼中備", PostLine::Middle, 2, 300);
    row(15, Army::East, u"右翼後詰", PostLine::RearGuard, 4, 400);
    row(16, Army::East, u"中翼後詰", PostLine::RearGuard, 4, 400);
    row(17, Army::East, u"左翼後詰", PostLine::RearGuard, 4, 400);
}

void TstPostStatus::postsBySlot()
{
    QFETCH(int, slot);
    QFETCH(Army, army);
    QFETCH(QString, caption);
    QFETCH(PostLine, line);
    QFETCH(int, weight);
    QFETCH(int, points);

    QCOMPARE(armyOfSlot(slot), army);
    QCOMPARE(postCaption(slot), caption);
    QCOMPARE(postLine(slot), line);
    QCOMPARE(postWeight(slot), weight);
    QCOMPARE(mainGeneralPoints(slot), points);
}

void TstPostStatus::mirroredSlotsShareTheirPost()
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        const int mirror = mirrorSlot(slot);
        QCOMPARE(mirrorSlot(mirror), slot);
        QCOMPARE_NE(armyOfSlot(mirror), armyOfSlot(slot));
        QCOMPARE(opposing(armyOfSlot(slot)), armyOfSlot(mirror));
        QCOMPARE(postCaption(mirror), postCaption(slot));
        QCOMPARE(postWeight(mirror), postWeight(slot));
    }
}

void TstPostStatus::statuses_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("heldByOwnArmy");
    QTest::addColumn<StatusKind>("kind");

    QTest::newRow("0 own present") << int(OwnPresent) << true << StatusKind::Present;
    QTest::newRow("1 own fighting") << int(OwnFighting) << true << StatusKind::Fighting;
    QTest::newRow("2 rival awaiting") << int(RivalAwaiting) << false << StatusKind::Awaiting;
    QTest::newRow("3 rival present") << int(RivalPresent) << false << StatusKind::Present;
    QTest::newRow("4 rival fighting") << int(RivalFighting) << false << StatusKind::Fighting;
    QTest::newRow("5 own awaiting") << int(OwnAwaiting) << true << StatusKind::Awaiting;
}

void TstPostStatus::statuses()
{
    QFETCH(int, status);
    QFETCH(bool, heldByOwnArmy);
    QFETCH(StatusKind, kind);

    QCOMPARE(statusKind(status), kind);
    QCOMPARE(isTaken(status), !heldByOwnArmy);
    for (int slot : {0, 8, 9, 17}) {
        const Army own = armyOfSlot(slot);
        QCOMPARE(holdingArmy(slot, status), heldByOwnArmy ? own : opposing(own));
    }
}

void TstPostStatus::ring_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("to");

    const int forward[6] = {1, 2, 3, 4, 5, 0};
    const int back[6] = {5, 0, 1, 2, 3, 4};
    for (int from = 0; from < 6; ++from) {
        for (int button : {0, 1, 4})
            QTest::addRow("%d button %d", from, button) << from << button << forward[from];
        QTest::addRow("%d right", from) << from << 2 << back[from];
    }
}

void TstPostStatus::ring()
{
    QFETCH(int, from);
    QFETCH(int, button);
    QFETCH(int, to);

    QCOMPARE(wrappedStatus(steppedStatus(from, button)), to);
}

// Who gains or loses a fallen main general's points, by the status stepped
// into and the button; 0 points stands for no change at all.
void TstPostStatus::scoreChanges_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("button");
    QTest::addColumn<Army>("army");
    QTest::addColumn<int>("points");

    QTest::newRow("West rear guard falls: East credited") << 0 << 2 << 1 << Army::East << 400;
    QTest::newRow("taken back: East debited") << 0 << 1 << 2 << Army::East << -400;
    QTest::newRow("East general on West post falls: West") << 4 << 5 << 1 << Army::West << 300;
    QTest::newRow("taken back into the fight: West debited") << 4 << 4 << 2 << Army::West << -300;
    QTest::newRow("East vanguard falls: West credited") << 9 << 2 << 1 << Army::West << 200;
    QTest::newRow("West general on East rear guard falls: East") << 17 << 5 << 1 << Army::East << 400;
    QTest::newRow("middle button moves none") << 0 << 2 << 4 << Army::West << 0;
    QTest::newRow("timer step moves none") << 0 << 2 << 0 << Army::West << 0;
    QTest::newRow("right click into awaiting moves none") << 0 << 5 << 2 << Army::West << 0;
    QTest::newRow("left click into fighting moves none") << 0 << 1 << 1 << Army::West << 0;
    QTest::newRow("present moves none") << 0 << 3 << 1 << Army::West << 0;
}

void TstPostStatus::scoreChanges()
{
    QFETCH(int, slot);
    QFETCH(int, status);
    QFETCH(int, button);
    QFETCH(Army, army);
    QFETCH(int, points);
    const auto change = mainGeneralScoreChange(slot, status, button);
    QCOMPARE(change.has_value(), points != 0);
    if (change) {
        QCOMPARE(change->army, army);
        QCOMPARE(change->points, points);
    }
}

QTEST_GUILESS_MAIN(TstPostStatus)
#include "tst_post_status.moc"
