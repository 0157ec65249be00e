#include "board/display_mode.h"

#include <QtTest>

using namespace vantor;

Q_DECLARE_METATYPE(vantor::DisplayVisibility)

class DisplayModeTest : public QObject {
    Q_OBJECT
private slots:
    void cycle_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("next");
        QTest::newRow("names and status to tags") << 0 << 1;
        QTest::newRow("tags to details") << 1 << 2;
        QTest::newRow("details back to names and status") << 2 << 0;
    }

    void cycle()
    {
        QFETCH(int, mode);
        QFETCH(int, next);
        QCOMPARE(nextDisplayMode(mode), next);
        QCOMPARE(nextDisplayMode(nextDisplayMode(nextDisplayMode(mode))), mode);
    }

    void visibility_data()
    {
        constexpr Shown S = Shown::Show;
        constexpr Shown H = Shown::Hide;
        constexpr Shown K = Shown::Keep;
        QTest::addColumn<int>("mode");
        QTest::addColumn<DisplayVisibility>("expected");
        //                                                         L1 L2 L3 L7 P1 I1 L8 L9 L10 L11
        QTest::newRow("0 names and status") << 0 << DisplayVisibility{S, S, S, H, H, H, H, H, H, H};
        QTest::newRow("1 names, tag and emblem") << 1 << DisplayVisibility{S, S, H, S, K, S, H, H, H, H};
        QTest::newRow("2 general details") << 2 << DisplayVisibility{H, H, H, H, H, H, S, S, S, S};
    }

    void visibility()
    {
        QFETCH(int, mode);
        QFETCH(DisplayVisibility, expected);
        QCOMPARE(displayModeVisibility(mode), expected);
    }

    // Controls that share a place in the post frame are never shown together,
    // and nothing ever shows the picture box.
    void sharedPlacesNeverShowTwice()
    {
        for (int mode = 0; mode <= 2; ++mode) {
            const DisplayVisibility v = displayModeVisibility(mode);
            QVERIFY(!(v.Label1 == Shown::Show && v.Label8 == Shown::Show));
            QVERIFY(!(v.Label3 == Shown::Show && v.Label11 == Shown::Show));
            QVERIFY(!(v.Label3 == Shown::Show && v.Label7 == Shown::Show));
            QVERIFY(!(v.Label7 == Shown::Show && v.Label11 == Shown::Show));
            QVERIFY(v.Picture1 != Shown::Show);
        }
    }
};

QTEST_GUILESS_MAIN(DisplayModeTest)
#include "tst_display_mode.moc"
